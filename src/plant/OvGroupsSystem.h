#pragma once
// The groups of the plant: group n at list position n - 1, the first directGroupsCount of them
// direct, the rest reverse; two reverse groups may be the low- and high-sensitivity groups.
// Sized from the panel model (1600 or 400 groups); at most 1600 reach the panel.
#include "plant/OvGroup.h"

#include <QList>
#include <QString>

class OvGroupsSystem {
public:
    static constexpr int kPanelGroups = 1600;

    OvGroupsSystem() = default;
    OvGroupsSystem(const OvGroupsSystem&) = default;
    OvGroupsSystem& operator=(const OvGroupsSystem&) = default;

    const QList<OvGroup>& groups() const { return m_groups; }
    int count() const { return m_groups.size(); }
    // The group at list position, or null outside the list.
    OvGroup* groupAt(int position);
    // -1 when not set.
    int directGroupsCount() const { return m_directGroupsCount; }
    // Group numbers; -1 when none.
    int lowSensibilityGroupIndex() const { return m_lowSensibilityGroupIndex; }
    int highSensibilityGroupIndex() const { return m_highSensibilityGroupIndex; }

    // No groups, the three numbers -1.
    void clear();
    // count fresh groups, the first half direct.
    void init(int count);
    // Appends reverse groups or drops groups from the end; the direct count and the
    // sensitivity numbers never point past the list.
    void setGroupsCount(int count);
    // Every group cleared; directCount direct groups (half the list for 0 or a count not
    // below the list size), which start with double consent on.
    void resetGroups(int directCount);
    // Moves the direct/reverse split; a group that changes kind is cleared, and a sensitivity
    // group that became direct is no longer one. A negative count or one above the list size
    // is ignored.
    void setDirectGroupsCount(int count);
    bool setLowSensibilityGroupIndex(int index);
    bool setHighSensibilityGroupIndex(int index);

    void checkCBE();
    void dump() const;

    // The direct-group count and the two sensitivity numbers (0 for none) into the general
    // programming block; the compiler reads the count from there, so this comes first.
    void writeGeneralFields() const;
    // The first 1600 groups into the group block, over its defaults; the numbers of the groups
    // whose text did not compile, and whose record therefore holds the empty program.
    QList<int> writeToPanelData() const;
    // A new plant's groups into the empty panel configuration it is then read back from, whose
    // records hold double consent: the general fields, then every record of the block, those
    // past the list as setGroupsCount adds groups, so a plant type with more groups reads back
    // reverse groups with it off.
    void writeForNewPlant() const;
    // The direct-group count, the sensitivity numbers, then each group's double consent and
    // program text from the panel configuration. A record that decodes to nothing keeps the
    // group's text.
    void readFromPanelData();

    // False when the file could not be written completely.
    bool exportCsv(const QString& filePath) const;

private:
    QList<OvGroup> m_groups;
    int m_directGroupsCount = -1;
    int m_lowSensibilityGroupIndex = -1;
    int m_highSensibilityGroupIndex = -1;
};
