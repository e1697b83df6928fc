#pragma once
// A developer aid that fills the plant so large installations can be tried: every programmable
// type of the catalogue placed at least once, then every loop of every enabled CPU filled with
// random points up to the panel's limits. It works only through the plant's own operations.
#include "plant/PointTypeHw.h"

#include <QList>
#include <QVector>

class Plant;

class TestPlantGenerator {
public:
    // seed 0 seeds from the clock, as the command does; any other seed repeats the same plant.
    explicit TestPlantGenerator(Plant* plant, unsigned seed = 0);

    // Nothing without a plant.
    void makeAll();
    // Adds a point of type at the first position of the loop (0-based CPU and loop over the
    // CPU's boards) where its channels fit, within the board, zone and loop limits, in the first
    // zone with room for it; whether it was stored.
    bool add(int cpu, int loop, const PointTypeHw& type);

    // Records of one board (both its lines) beyond which nothing more is added, and of them the
    // sensors plus input modules.
    static constexpr int kBoardRecordLimit = 699;
    static constexpr int kBoardInputLimit = 499;
    // Channels of second-series types that one loop of type 0 takes.
    static constexpr int kSecondSeriesChannelLimit = 30;

private:
    // Places the types of list on CPU cpu (0-based) on loops of loopType, removing the placed ones.
    void place(QList<PointTypeHw>& list, int cpu, int loopType);
    void fillLoop(int cpu, int loop);
    void fillFamily(int cpu, int loop, int family);
    bool boardHasRoom(int cpu, int loop, int records) const;
    bool secondSeriesFits(int cpu, int loop, const PointTypeHw& type) const;
    int maxBoards(int cpu) const;
    // Boards of the enabled CPUs.
    int boardCount() const;
    int loopSlots(int cpu, int loop, int family) const;
    // The first zone (1-based) with room for devices more, or -1; loads the zones' use first.
    int zoneWithRoom(int devices);
    // The first position (1-based) of the loop holding an input sensor of a KORVA module, or 0.
    int korvaInput(int cpu, int loop) const;
    int random(int size) const;

    Plant* m_plant;
    // Devices per zone (index zone - 1): the zones' counters when first asked, plus what was added.
    QVector<int> m_zoneUse;
    int m_zoneRoom = 0;
    // Zones before it are full.
    int m_firstOpenZone = 0;
};
