#pragma once
// A developer aid that fills the plant so large installations can be tried: every programmable
// type of the catalogue placed at least once, then every loop of every enabled CPU filled with
// random points up to the panel's limits. It works only through the plant's own operations.
#include "plant/PointTypeHw.h"

#include <QList>

class Plant;

class TestPlantGenerator {
public:
    // seed 0 seeds from the clock; any other seed repeats the same plant.
    explicit TestPlantGenerator(Plant* plant, unsigned seed = 0);

    // Nothing without a plant.
    void makeAll();
    // Adds a point of type at the first position of the loop (0-based CPU and loop over the
    // CPU's boards) where its channels fit; whether it was stored.
    bool add(int cpu, int loop, const PointTypeHw& type);

    // Records of one board (both its lines) beyond which nothing more is added, and of them the
    // sensors plus input modules.
    static constexpr int kBoardRecordLimit = 699;
    static constexpr int kBoardInputLimit = 499;

private:
    // Places the types of list on CPU cpu (0-based) on loops of loopType, removing the placed ones.
    void place(QList<PointTypeHw>& list, int cpu, int loopType);
    void fillLoop(int cpu, int loop);
    bool boardHasRoom(int cpu, int loop, int records) const;
    int maxBoards(int cpu) const;
    // Boards of the enabled CPUs.
    int boardCount() const;
    int loopSlots(int cpu, int loop, int family) const;
    int nextZone(int channels);
    int random(int size) const;

    Plant* m_plant;
    int m_zone = 1;
    int m_zoneFill = 0;
};
