#pragma once
// One event filter of a device row. It owns the filter that the annunciator stores a clone of,
// together with the editable type and target that filter is built from. After a change of type
// or target the row is dirty until rebuildFilter builds the filter again.
#include "models/OvAnnunciatorDev.h"

#include <memory>

class ZpEventFilter;
class OvAnnunciatorDeviceItem;

class OvAnnunciatorFilterItem : public OvAnnunciatorDev {
public:
    // Takes over filter (a "none" filter when null) and reads the type and target from it.
    OvAnnunciatorFilterItem(std::unique_ptr<ZpEventFilter> filter, OvAnnunciatorDev* parent);
    ~OvAnnunciatorFilterItem() override;

    int itemKind() const override { return kFilter; }
    // "<device>.<row + 1>"; empty without a device parent.
    QString addressText() const override;
    int number() const override { return row() + 1; }
    QString description() const override;
    QString targetText() const override { return targetLabel; }
    bool isValid() const override;

    // The device row above, null when the parent is no device.
    OvAnnunciatorDeviceItem* device() const;
    const ZpEventFilter* filter() const { return m_filter.get(); }
    // Replaces the filter by a clone of other (a "none" filter for null) and takes its type
    // and target.
    void setFromFilter(const ZpEventFilter* other);
    // Builds the filter from the type and target; a target that is not complete gives a "none"
    // filter. Rebuilds the target text; the row is clean afterwards.
    void rebuildFilter();
    void rebuildFilterIfDirty()
    {
        if (filterDirty)
            rebuildFilter();
    }
    void rebuildTargetText();
    // The two filters are not equal; false when other is null.
    bool differsFrom(const OvAnnunciatorFilterItem* other) const;
    // Type and target as a new type leaves them: nothing chosen, except all CPUs for a CPU
    // exclusion, which needs no other choice. Marks the row dirty.
    void setType(int type);
    void setTarget(int cpu, int loop, int point, int sub, int zone);

    int typeCode = 0;
    // -1 nothing chosen; 0 all (CPUs, areas).
    int targetCpu = -1;
    int targetLoop = -1;
    int targetPoint = -1;
    int targetSub = -1;
    int targetZone = -1;
    QString targetLabel;
    bool filterDirty = false;

private:
    void readTarget();

    std::unique_ptr<ZpEventFilter> m_filter;
};
