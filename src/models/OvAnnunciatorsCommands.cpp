// The editing commands of the annunciator and viewer model. Each walks the selection, changes
// the rows of the kind it handles, reports them with one change range and sends copies of the
// changed devices to the application.
#include "models/OvAnnunciatorDeviceItem.h"
#include "models/OvAnnunciatorFilterItem.h"
#include "models/OvAnnunciatorsModel.h"
#include "models/OvPlantInfo.h"
#include "plant/PlantDialogs.h"

#include <QDebug>

namespace {

const QVector<int> kFilterTypeRoles{OvAnnunciatorsModel::itemIconName, OvAnnunciatorsModel::description,
                                    OvAnnunciatorsModel::filterTarget, OvAnnunciatorsModel::filterType};

void showLimit(const char* id)
{
    PlantMessage message;
    message.icon = PlantMessage::Critical;
    message.text = qtTrId(id);
    message.buttons = PlantMessage::Ok;
    message.defaultButton = PlantMessage::Ok;
    PlantDialogs::show(message);
}

} // namespace

OvAnnunciatorsSystem OvAnnunciatorsModel::newMap() const
{
    return OvAnnunciatorsSystem(u32(m_activeCPU + 1));
}

void OvAnnunciatorsModel::putInto(OvAnnunciatorsSystem& map, const OvAnnunciatorDeviceItem* device)
{
    // The plant's map holds installed devices only: an edit of a device that is not installed
    // stays in the tree until the device is installed.
    if (device->isValid())
        map.setAnnunciator(device->annunciator);
}

void OvAnnunciatorsModel::emitChanged(const OvAnnunciatorsSystem& changed)
{
    if (!changed.annunciators().isEmpty())
        emit devicesChanged(changed);
}

void OvAnnunciatorsModel::startRemovalQuestion()
{
    if (m_removalAnswer != 2 && m_removalAnswer != -2)
        m_removalAnswer = 0;
}

bool OvAnnunciatorsModel::confirmDeviceRemoval(OvAnnunciatorDev* item)
{
    if (!item)
        return false;
    if (m_removalAnswer > 0)
        return true;
    bool anyValid = false;
    for (int r = 0; r < item->childCount() && !anyValid; ++r)
        anyValid = item->childDev(r)->isValid();
    if (!anyValid)
        return true;
    if (m_removalAnswer < 0)
        return false;
    PlantMessage message;
    message.icon = PlantMessage::Question;
    message.text = qtTrId("USR_ERR_ATTEMPT_TO_DEL_NON_EMPTY");
    message.buttons = PlantMessage::Ok | PlantMessage::No;
    message.defaultButton = PlantMessage::No;
    message.checkBoxText = qtTrId("USR_MSG_DONT_SHOW_AGAIN");
    bool keep = false;
    const bool yes = PlantDialogs::show(message, &keep) == PlantMessage::Ok;
    m_removalAnswer = (yes ? 1 : -1) * (keep ? 2 : 1);
    return yes;
}

void OvAnnunciatorsModel::removeAllFilterRows(OvAnnunciatorDeviceItem* device, QModelIndexList& work, int position)
{
    const int count = device->childCount();
    if (count == 0)
        return;
    for (int i = work.size() - 1; i > position; --i) {
        const OvAnnunciatorDev* row = rowOf(work.at(i));
        if (row && row->parent() == device)
            work.removeAt(i);
    }
    beginRemoveRows(indexForItem(device), 0, count - 1);
    device->removeFilterRows(0, count);
    endRemoveRows();
}

void OvAnnunciatorsModel::appendNoneFilter(OvAnnunciatorDeviceItem* device)
{
    const int row = device->childCount();
    beginInsertRows(indexForItem(device), row, row);
    device->appendFilterRow(new OvAnnunciatorFilterItem(nullptr, device));
    endInsertRows();
}

void OvAnnunciatorsModel::enableDevice(const QModelIndexList& selection, bool enable)
{
    enableDevice(selection, enable, 0);
}

void OvAnnunciatorsModel::enableDevice(const QModelIndexList& selection, bool enable, int totalCount)
{
    startRemovalQuestion();
    QModelIndexList work = rowsOf(selection);
    OvAnnunciatorsSystem changed = newMap();
    OvAnnunciatorsSystem removed = newMap();
    int installed = 0;
    bool allowed = true;
    bool pastPanelShown = false;
    for (int i = 0; i < work.size(); ++i) {
        const QModelIndex at = work.at(i);
        OvAnnunciatorDev* row = rowOf(at);
        if (!row)
            continue;
        if (row->isValid() == enable) {
            notifyRangeChanged(at, at);
            continue;
        }
        if (row->itemKind() == OvAnnunciatorDev::kFilter) {
            auto* filter = static_cast<OvAnnunciatorFilterItem*>(row);
            OvAnnunciatorDeviceItem* device = filter->device();
            if (!enable && device) {
                filter->setType(0);
                device->storeFilterRow(filter);
                putInto(changed, device);
                const QModelIndex parent = indexForItem(device);
                emit dataChanged(index(0, 0, parent), index(device->childCount() - 1, 0, parent));
                emit dataChanged(parent, parent);
            }
        } else if (row->itemKind() == OvAnnunciatorDev::kDevice) {
            auto* device = static_cast<OvAnnunciatorDeviceItem*>(row);
            // The panel keeps 16 displays of each kind: a viewer past them would be lost when saved.
            const bool kept = device->row() < OvAnnunciatorsSystem::kMaxDisplays;
            if (enable && allowed) {
                if (kept && installed + totalCount < kMaxInstalled) {
                    device->install(m_activeCPU + 1, device->row() + 1);
                    device->validateFilters();
                    putInto(changed, device);
                    ++installed;
                    notifyRangeChanged(at, at);
                    continue;
                }
                if (!kept) {
                    if (!pastPanelShown)
                        showLimit(QT_TRID_NOOP("USR_ERR_VIEWER_PAST_PANEL"));
                    pastPanelShown = true;
                } else {
                    showLimit(QT_TRID_NOOP("USR_ERR_TOO_MANY_VIEWER"));
                    allowed = false; // the limit is reached: nothing more is installed
                }
            }
            // Removal, and every device refused by the limit.
            if (confirmDeviceRemoval(device)) {
                OvAnnunciator before(device->annunciator);
                before.setAddress(device->address);
                removed.setAnnunciator(before);
                removeAllFilterRows(device, work, i);
                device->reset();
            }
        }
        notifyRangeChanged(at, at);
    }
    emitChanged(changed);
    if (!removed.annunciators().isEmpty())
        emit devicesRemove(removed);
    qDebug() << "COUNT " << countEnabled();
}

void OvAnnunciatorsModel::addFilter(const QModelIndexList& cells)
{
    const QModelIndexList selection = rowsOf(cells);
    if (m_viewerMode)
        return;
    qInfo() << "OvAnnunciatorsModel::addFilter = " << selection.size();
    OvAnnunciatorsSystem changed = newMap();
    QModelIndex first, last;
    for (const QModelIndex& index : selection) {
        OvAnnunciatorDeviceItem* device = deviceOf(index);
        if (!device || !device->isValid())
            continue;
        if (device->childCount() >= OvAnnunciatorDeviceItem::kMaxFilters) {
            showLimit(QT_TRID_NOOP("USR_ERR_TOO_MANY_EVT_FILTER"));
            break;
        }
        appendNoneFilter(device);
        const QModelIndex at = indexForItem(device);
        first = rangeLowerBound(first, at);
        last = rangeUpperBound(last, at);
        putInto(changed, device);
    }
    notifyRangeChanged(first, last);
    emitChanged(changed);
}

void OvAnnunciatorsModel::addFilters(const QModelIndexList& cells)
{
    const QModelIndexList selection = rowsOf(cells);
    if (m_viewerMode)
        return;
    qInfo() << "OvAnnunciatorsModel::addFilters = " << selection.size();
    OvAnnunciatorsSystem changed = newMap();
    for (const QModelIndex& index : selection) {
        OvAnnunciatorDeviceItem* device = deviceOf(index);
        if (!device || !device->isValid())
            continue;
        while (device->childCount() < OvAnnunciatorDeviceItem::kMaxFilters) {
            appendNoneFilter(device);
            putInto(changed, device);
        }
        const QModelIndex at = indexForItem(device);
        emit dataChanged(at, at);
    }
    emitChanged(changed);
}

void OvAnnunciatorsModel::removeFilter(const QModelIndexList& cells)
{
    const QModelIndexList selection = rowsOf(cells);
    if (m_viewerMode)
        return;
    qInfo() << "OvAnnunciatorsModel::removeFilter = " << selection.size();
    OvAnnunciatorsSystem changed = newMap();
    QModelIndex first, last;
    for (const QModelIndex& index : selection) {
        OvAnnunciatorDeviceItem* device = deviceOf(index);
        if (!device || device->childCount() == 0)
            continue;
        const int row = device->childCount() - 1;
        const QModelIndex at = indexForItem(device);
        beginRemoveRows(at, row, row);
        device->removeFilterRows(row, 1);
        endRemoveRows();
        first = rangeLowerBound(first, at);
        last = rangeUpperBound(last, at);
        putInto(changed, device);
    }
    notifyRangeChanged(first, last);
    emitChanged(changed);
}

void OvAnnunciatorsModel::removeFilters(const QModelIndexList& cells)
{
    const QModelIndexList selection = rowsOf(cells);
    if (m_viewerMode)
        return;
    startRemovalQuestion();
    qInfo() << "OvAnnunciatorsModel::removeFilters = " << selection.size();
    QModelIndexList work = selection;
    OvAnnunciatorsSystem changed = newMap();
    QModelIndex first, last;
    for (int i = 0; i < work.size(); ++i) {
        OvAnnunciatorDev* row = rowOf(work.at(i));
        if (!confirmDeviceRemoval(row) || row->itemKind() != OvAnnunciatorDev::kDevice || row->childCount() == 0)
            continue;
        auto* device = static_cast<OvAnnunciatorDeviceItem*>(row);
        removeAllFilterRows(device, work, i);
        const QModelIndex at = indexForItem(device);
        first = rangeLowerBound(first, at);
        last = rangeUpperBound(last, at);
        putInto(changed, device);
    }
    if (first.isValid() && last.isValid()) {
        notifyRangeChanged(first, last);
        emitChanged(changed);
    }
}

void OvAnnunciatorsModel::setFilterType(const QModelIndexList& cells, int type)
{
    const QModelIndexList selection = rowsOf(cells);
    if (m_viewerMode)
        return;
    OvAnnunciatorsSystem changed = newMap();
    QModelIndex first, last;
    for (const QModelIndex& index : selection) {
        OvAnnunciatorFilterItem* filter = filterOf(index);
        OvAnnunciatorDeviceItem* device = filter ? filter->device() : nullptr;
        if (!device || filter->typeCode == type)
            continue;
        filter->setType(type);
        device->storeFilterRow(filter);
        putInto(changed, device);
        first = rangeLowerBound(first, index);
        last = rangeUpperBound(last, index);
    }
    notifyRangeChanged(first, last, kFilterTypeRoles);
    emitChanged(changed);
    if (first.isValid()) {
        const QModelIndex device = first.parent();
        notifyRangeChanged(device, device, kFilterTypeRoles);
    }
}

void OvAnnunciatorsModel::selectTarget(const QModelIndex& idx, int cpuAdd, int lAdd, int plAdd, int slAdd, int alAdd)
{
    if (m_viewerMode)
        return;
    OvAnnunciatorFilterItem* filter = filterOf(idx);
    if (!filter)
        return;
    filter->setTarget(cpuAdd, lAdd, plAdd, slAdd, alAdd);
    OvAnnunciatorDeviceItem* device = filter->device();
    if (!device) {
        emit dataChanged(idx, idx, {itemIconName, filterTarget, devEnabled, devErrInfo, zoneRangeStart, viewerType});
        return;
    }
    if (filter->isValid()) {
        filter->rebuildFilter();
        device->storeFilterRow(filter);
        OvAnnunciatorsSystem changed = newMap();
        putInto(changed, device);
        emitChanged(changed);
    }
    const QModelIndex parent = indexForItem(device);
    emit dataChanged(index(0, 0, parent), index(device->childCount() - 1, 0, parent),
                     {itemIconName, filterTarget, devEnabled, devErrInfo, zoneRangeStart, viewerType});
    emit dataChanged(parent, parent, {itemIconName, devErrInfo, zoneRangeStart, viewerType});
}

void OvAnnunciatorsModel::copy(const QModelIndex& from, const QModelIndexList& toSelection)
{
    OvAnnunciatorDev* source = rowOf(from);
    if (!source)
        return;
    QModelIndexList work = rowsOf(toSelection);
    OvAnnunciatorsSystem changed = newMap();
    QModelIndex first, last;
    bool pastPanelShown = false;
    for (int i = 0; i < work.size(); ++i) {
        const QModelIndex index = work.at(i);
        OvAnnunciatorDev* row = rowOf(index);
        if (!row || row->itemKind() != source->itemKind())
            continue;
        if (row->itemKind() == OvAnnunciatorDev::kFilter) {
            auto* src = static_cast<OvAnnunciatorFilterItem*>(source);
            auto* to = static_cast<OvAnnunciatorFilterItem*>(row);
            OvAnnunciatorDeviceItem* device = to->device();
            if (!device)
                continue;
            src->rebuildFilterIfDirty();
            to->rebuildFilterIfDirty();
            if (!to->differsFrom(src))
                continue;
            to->setFromFilter(src->filter());
            device->storeFilterRow(to);
            putInto(changed, device);
        } else if (row->itemKind() == OvAnnunciatorDev::kDevice) {
            auto* src = static_cast<OvAnnunciatorDeviceItem*>(source);
            auto* to = static_cast<OvAnnunciatorDeviceItem*>(row);
            if (to->annunciator == src->annunciator)
                continue;
            if (to->row() >= OvAnnunciatorsSystem::kMaxDisplays) { // the panel would not keep it
                if (!pastPanelShown)
                    showLimit(QT_TRID_NOOP("USR_ERR_VIEWER_PAST_PANEL"));
                pastPanelShown = true;
                continue;
            }
            removeAllFilterRows(to, work, i);
            const int count = src->childCount();
            if (count > 0) {
                beginInsertRows(indexForItem(to), 0, count - 1);
                for (int r = 0; r < count; ++r) {
                    OvAnnunciatorFilterItem* original = src->filterRow(r);
                    original->rebuildFilterIfDirty();
                    to->appendFilterRow(new OvAnnunciatorFilterItem(original->filter()->clone(), to));
                }
                endInsertRows();
            }
            if (!to->isValid()) {
                to->install(m_activeCPU + 1, to->row() + 1);
                to->validateFilters();
            }
            to->setDescription(src->description());
            putInto(changed, to);
        } else {
            continue;
        }
        first = rangeLowerBound(first, index);
        last = rangeUpperBound(last, index);
    }
    // The installed box and the error marks change with a pasted device as well.
    notifyRangeChanged(
        first, last,
        {itemIconName, devEnabled, description, filterTarget, devErrInfo, filterType, addFilterCmd, removeFilterCmd});
    emitChanged(changed);
}

void OvAnnunciatorsModel::setDescription(const QModelIndexList& cells, const QString& desc)
{
    const QModelIndexList selection = rowsOf(cells);
    if (!OvPlantInfo::fitsName(desc))
        return;
    OvAnnunciatorsSystem changed = newMap();
    QModelIndex first, last;
    for (const QModelIndex& index : selection) {
        OvAnnunciatorDeviceItem* device = deviceOf(index);
        if (!device || device->description() == desc)
            continue;
        device->setDescription(desc);
        putInto(changed, device);
        first = rangeLowerBound(first, index);
        last = rangeUpperBound(last, index);
    }
    notifyRangeChanged(first, last, {description});
    emitChanged(changed);
}

void OvAnnunciatorsModel::setStartingZone(const QModelIndexList& cells, int zone)
{
    const QModelIndexList selection = rowsOf(cells);
    qDebug() << "set Starting zone " << zone;
    OvAnnunciatorsSystem changed = newMap();
    QModelIndex first, last;
    for (const QModelIndex& index : selection) {
        OvAnnunciatorDeviceItem* device = deviceOf(index);
        if (!device || device->startingZone() == zone)
            continue;
        device->setStartingZone(zone);
        qDebug() << "set Starting zone aa " << device->startingZone();
        putInto(changed, device);
        first = rangeLowerBound(first, index);
        last = rangeUpperBound(last, index);
    }
    notifyRangeChanged(first, last, {zoneRangeStart});
    emitChanged(changed);
}

void OvAnnunciatorsModel::setViewerType(const QModelIndexList& cells, int type)
{
    const QModelIndexList selection = rowsOf(cells);
    qDebug() << "set viewer Type " << type;
    OvAnnunciatorsSystem changed = newMap();
    QModelIndex first, last;
    for (const QModelIndex& index : selection) {
        OvAnnunciatorDeviceItem* device = deviceOf(index);
        if (!device || device->viewerType() == type)
            continue;
        device->setViewerType(type);
        qDebug() << "set  viewer Type  aa " << device->viewerType();
        putInto(changed, device);
        first = rangeLowerBound(first, index);
        last = rangeUpperBound(last, index);
    }
    notifyRangeChanged(first, last, {viewerType, zoneRangeStart});
    emitChanged(changed);
}
