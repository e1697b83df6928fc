#pragma once
// The areas of the plant: area n at list position n - 1. Sized from the panel model (the zone
// limit of the CPU model, one past the last zone); at most 2000 reach the panel.
#include "plant/OvArea.h"

#include <QList>
#include <QString>

class OvAreasSystem {
public:
    static constexpr int kPanelZones = 2000;

    OvAreasSystem() = default;
    OvAreasSystem(const OvAreasSystem&) = default;
    OvAreasSystem& operator=(const OvAreasSystem&) = default;

    const QList<OvArea>& areas() const { return m_areas; }
    int count() const { return m_areas.size(); }
    // The area at list position, or null outside the list.
    OvArea* areaAt(int position);

    // Clears every area; the size and the numbers stay.
    void reset();
    // Resets, then appends count areas numbered on from the list's end.
    void init(int count);
    // Leaves areas 1 to endZone - 1 (none for endZone 1 or less); the survivors keep their
    // contents.
    void resize(int endZone);
    // Copies area over the area of its number; false for number 0 or past the list.
    bool updateArea(const OvArea& area);
    void dump() const;

    // Sets the zone bits, correlation nibbles and names of the first 2000 areas over the
    // defaults of the zone blocks: the conversion resets the configuration first.
    void writeToPanelData() const;
    // False when the file could not be written completely.
    bool exportCsv(const QString& filePath) const;

private:
    QList<OvArea> m_areas;
};
