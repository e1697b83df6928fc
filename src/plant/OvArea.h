#pragma once
// One area (panel zone) of the plant: its name, zone options and the devices assigned to it.
#include "OS/types.h"

#include <QString>

class OvArea {
public:
    OvArea() = default;
    explicit OvArea(int index)
        : m_index(index)
    {
    }
    OvArea(const OvArea&) = default;
    OvArea& operator=(const OvArea&) = default;
    virtual ~OvArea();

    bool operator==(const OvArea& other) const;
    bool operator!=(const OvArea& other) const { return !(*this == other); }

    // Every field but the index.
    void pasteFrom(const OvArea& other);
    // Every field but the index back to its default.
    void clear();
    void dump() const;

    QString description() const { return m_description; }
    bool nightAndDay() const { return m_nightAndDay; }
    bool preAllarm() const { return m_preAllarm; }
    // The zone number, 1-based; 0 when not numbered.
    int index() const { return m_index; }
    u32 sensorCount() const { return m_sensorCount; }
    u32 moduleCount() const { return m_moduleCount; }
    // 0-based; the user sees it plus one. Only the low 4 bits reach the panel.
    u8 correlation() const { return m_correlation; }

    bool setDescription(const QString& description);
    bool setNightAndDay(bool on);
    bool setPreAllarm(bool on);
    bool setSensorCount(u32 count);
    bool setModuleCount(u32 count);
    bool setCorrelation(u8 correlation);

private:
    QString m_description;
    bool m_nightAndDay = false;
    bool m_preAllarm = false;
    int m_index = 0;
    u32 m_sensorCount = 0;
    u32 m_moduleCount = 0;
    u8 m_correlation = 0;
};
