#include "models/OvAnnunciatorDeviceItem.h"

#include "models/OvAnnunciatorFilterItem.h"
#include "plant/ZpEventFilter.h"

OvAnnunciatorDeviceItem::OvAnnunciatorDeviceItem(const OvAnnunciator& annunciator, int address,
                                                 OvAnnunciatorDev* parent)
    : OvAnnunciatorDev(parent)
    , annunciator(annunciator)
    , address(address)
{
}

void OvAnnunciatorDeviceItem::install(int cpu, int address)
{
    annunciator.setCpuIndex(cpu);
    annunciator.setAddress(address);
}

void OvAnnunciatorDeviceItem::reset()
{
    annunciator.setCpuIndex(-1);
    annunciator.setStartingZone(1);
    removeAllChildren();
    dropFilters(0, annunciator.filters().size());
}

OvAnnunciatorFilterItem* OvAnnunciatorDeviceItem::filterRow(int row) const
{
    OvAnnunciatorDev* item = childDev(row);
    return item && item->itemKind() == kFilter ? static_cast<OvAnnunciatorFilterItem*>(item) : nullptr;
}

void OvAnnunciatorDeviceItem::appendFilterRow(OvAnnunciatorFilterItem* row)
{
    appendChild(row);
    storeFilterRow(row);
}

void OvAnnunciatorDeviceItem::storeFilterRow(OvAnnunciatorFilterItem* row)
{
    row->rebuildFilterIfDirty();
    annunciator.setFilter(row->row(), *row->filter());
    validateFilters();
}

void OvAnnunciatorDeviceItem::removeFilterRows(int first, int count)
{
    if (count > 0 && removeChildren(first, count))
        dropFilters(first, count);
}

void OvAnnunciatorDeviceItem::dropFilters(int first, int count)
{
    // The annunciator offers no removal: it is built again without those positions.
    OvAnnunciator kept;
    kept.setCpuIndex(annunciator.cpuIndex());
    kept.setAddress(annunciator.address());
    kept.setStartingZone(annunciator.startingZone());
    kept.setViewerType(annunciator.viewerType());
    kept.setDescription(annunciator.description());
    const QList<ZpEventFilter*>& filters = annunciator.filters();
    for (int i = 0; i < filters.size(); ++i)
        if ((i < first || i >= first + count) && filters.at(i))
            kept.setFilter(-1, *filters.at(i));
    annunciator = kept;
    validateFilters();
}

void OvAnnunciatorDeviceItem::validateFilters()
{
    errorCode = kNoError;
    if (!isValid())
        return;
    for (int r = 0; r < childCount(); ++r)
        childDev(r)->errorCode = kNoError;
    // A row's code is not cleared per pass: an earlier pass may have marked it as included.
    for (int i = childCount() - 1; i >= 1; --i) {
        OvAnnunciatorFilterItem* later = filterRow(i);
        if (!later)
            continue;
        later->rebuildFilterIfDirty();
        if (later->filter()->getType() == ZpEventFilter::None)
            continue;
        for (int j = i - 1; j >= 0; --j) {
            OvAnnunciatorFilterItem* earlier = filterRow(j);
            if (!earlier)
                continue;
            earlier->rebuildFilterIfDirty();
            if (later->filter()->isEqual(earlier->filter())) {
                later->errorCode = kDuplicatedFilter;
                if (errorCode == kNoError || errorCode == kIncludedFilter)
                    errorCode = kDuplicatedFilter;
                break;
            }
            if (later->filter()->isCoveredBy(earlier->filter())) {
                later->errorCode = kIncludedFilter;
            } else if (earlier->filter()->isCoveredBy(later->filter())) {
                earlier->errorCode = kIncludedFilter;
            } else {
                continue;
            }
            if (errorCode == kNoError)
                errorCode = kIncludedFilter;
            break;
        }
    }
}
