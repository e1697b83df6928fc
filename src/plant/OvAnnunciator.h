#pragma once
// One display of a CPU: an annunciator (shows the events its filters let through) or a viewer
// (no filters; a mimic viewer shows 80 zones from its starting zone). It owns its filters, each
// a clone made when it was stored.
#include "OS/types.h"
#include "plant/OwningPtrList.h"
#include "plant/ZpEventFilter.h"

#include <QString>

class OvAnnunciator {
public:
    static constexpr int kViewerRecordSize = 33;

    OvAnnunciator();
    // A viewer from its record of the annunciator block: enabled bit, then a 32-byte name.
    OvAnnunciator(int cpuIndex, int address, const u8 viewerRecord[kViewerRecordSize]);
    OvAnnunciator(const OvAnnunciator& other);
    OvAnnunciator& operator=(const OvAnnunciator& other);
    virtual ~OvAnnunciator();

    // Resets this entry, then takes other's values and clones of its filters.
    void copy(const OvAnnunciator& other);
    // Same description, viewer settings and filters (by isEqual, position by position); the CPU
    // and the address are not compared.
    bool operator==(const OvAnnunciator& other) const;
    bool operator!=(const OvAnnunciator& other) const { return !(*this == other); }

    int cpuIndex() const { return m_cpuIndex; }
    int address() const { return m_address; }
    int startingZone() const { return m_startingZone; }
    int viewerType() const { return m_viewerType; }
    QString description() const { return m_description; }
    const QList<ZpEventFilter*>& filters() const { return m_filters; }

    bool setCpuIndex(int cpuIndex);
    bool setAddress(int address);
    bool setStartingZone(int zone);
    bool setViewerType(int type);
    bool setDescription(const QString& description);
    // Replaces the filter at pos with a clone of filter; a position outside the list appends
    // the clone.
    void setFilter(int pos, const ZpEventFilter& filter);

    // Two filters of the list are equal, or one covers the other.
    bool hasConflictingFilters() const;

private:
    void reset();

    int m_cpuIndex = -1;
    int m_address = -1;
    int m_startingZone = 1;
    int m_viewerType = 0;
    QString m_description;
    OwningPtrList<ZpEventFilter> m_filters;
};
