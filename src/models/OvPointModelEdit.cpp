// The commands that change the selected rows of a point table: one value onto many rows, the
// CBE program, the KORVA fast inputs, the reset of points, and the error codes after a check.
#include "models/OvPointModel.h"

#include "models/OvPlantInfo.h"
#include "models/OvPointMdlItem.h"
#include "models/OvPointWorkList.h"

#include "cbe/CBEExpression.h"
#include "plant/ActivePlant.h"
#include "plant/CPUDevice.h"
#include "plant/CPUSystem.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"

#include <QDebug>

namespace {

bool isChannelItem(const TreeItem* item)
{
    return dynamic_cast<const OvSubItem*>(item) != nullptr;
}

} // namespace

void OvPointModel::endCommand()
{
    if (--m_commandDepth == 0 && m_rebuildPending) {
        m_rebuildPending = false;
        rebuildModel();
    }
}

void OvPointModel::storePoint(const OvGenericPoint& point)
{
    if (point.getSubIndex() > 0)
        m_loop.updateSubPoint(static_cast<const OvGenericSubPoint&>(point));
    else
        m_loop.updatePoint(point);
}

void OvPointModel::widen(QModelIndex* topLeft, QModelIndex* bottomRight, const QModelIndex& index) const
{
    *topLeft = topLeft->isValid() ? firstIndex(*topLeft, index) : index;
    *bottomRight = bottomRight->isValid() ? lastIndex(*bottomRight, index) : index;
}

void OvPointModel::editSelection(const QModelIndexList& indexes, const QVector<int>& roles,
                                 const std::function<bool(OvGenericPoint&)>& edit)
{
    if (!syncWithPlant())
        return;
    QList<const OvGenericPoint*> changed;
    QModelIndex topLeft;
    QModelIndex bottomRight;
    for (const QModelIndex& index : indexes) {
        TreeItem* item = index.isValid() ? itemForIndex(index) : nullptr;
        if (!item || item == m_root || item->childCount() > 0)
            continue;
        const OvGenericPoint* p = static_cast<OvPointMdlItem*>(item)->getPoint();
        if (!p)
            continue;
        if (isChannelItem(item)) {
            OvGenericSubPoint copy = *static_cast<const OvGenericSubPoint*>(p);
            if (!edit(copy))
                continue;
            changed.append(p);
            m_loop.updateSubPoint(copy);
            // The point row shows its channels' state too.
            widen(&topLeft, &bottomRight, index.parent());
        } else {
            OvGenericPoint copy = *p;
            if (!edit(copy))
                continue;
            changed.append(p);
            m_loop.updatePoint(copy);
        }
        widen(&topLeft, &bottomRight, index);
    }
    if (!topLeft.isValid() || !bottomRight.isValid())
        return;
    emit pointsChanged(changed);
    notifyRangeChanged(topLeft, bottomRight, roles);
}

// --- the setter family ---

namespace {

// One field of the family: compares, then stores the value into the copy.
template <typename T, typename Get, typename Set>
std::function<bool(OvGenericPoint&)> field(const T& value, Get get, Set set)
{
    return [value, get, set](OvGenericPoint& p) {
        if ((p.*get)() == value)
            return false;
        set(p, value);
        return true;
    };
}

// A flag onto the rows whose type takes it: any other row keeps what its record holds.
std::function<bool(OvGenericPoint&)> offered(bool noChannels, uint feature,
                                             const std::function<bool(OvGenericPoint&)>& edit)
{
    return [noChannels, feature, edit](OvGenericPoint& p) { return p.hasSetting(0, noChannels, feature) && edit(p); };
}

} // namespace

void OvPointModel::setSensorDescription(const QModelIndexList& indexes, const QString& desc)
{
    if (!OvPlantInfo::fitsName(desc))
        return;
    editSelection(
        indexes, {DescriptionRole},
        field(desc, &OvGenericPoint::description, [](OvGenericPoint& p, const QString& v) { p.setDescription(v); }));
}

void OvPointModel::setSensorCheckAudit(const QModelIndexList& indexes, bool on)
{
    editSelection(indexes, {CheckAuditRole},
                  field(on, &OvGenericPoint::checkAudit, [](OvGenericPoint& p, bool v) { p.setCheckAudit(v); }));
}

void OvPointModel::setSensorCheckTracking(const QModelIndexList& indexes, bool on)
{
    editSelection(
        indexes, {CheckTrackingRole},
        offered(false, OvGenericPoint::FEATURE_TRACKING,
                field(on, &OvGenericPoint::checkTracking, [](OvGenericPoint& p, bool v) { p.setCheckTracking(v); })));
}

void OvPointModel::setSensorCheckFlashing(const QModelIndexList& indexes, bool on)
{
    editSelection(
        indexes, {CheckFlashingRole},
        offered(true, OvGenericPoint::FEATURE_FLASHING,
                field(on, &OvGenericPoint::checkFlashing, [](OvGenericPoint& p, bool v) { p.setCheckFlashing(v); })));
}

void OvPointModel::setSensorNormalSensibilityLevel(const QModelIndexList& indexes, int val)
{
    editSelection(indexes, {SensNormalRole}, field(val, &OvGenericPoint::sensNormal, [](OvGenericPoint& p, int v) {
                      p.setSensitivities(v, p.sensLow(), p.sensHigh());
                  }));
}

void OvPointModel::setSensorHightSensibilityLevel(const QModelIndexList& indexes, int val)
{
    editSelection(indexes, {SensHighRole}, field(val, &OvGenericPoint::sensHigh, [](OvGenericPoint& p, int v) {
                      p.setSensitivities(p.sensNormal(), p.sensLow(), v);
                  }));
}

void OvPointModel::setSensorLowSensibilityLevel(const QModelIndexList& indexes, int val)
{
    editSelection(indexes, {SensLowRole}, field(val, &OvGenericPoint::sensLow, [](OvGenericPoint& p, int v) {
                      p.setSensitivities(p.sensNormal(), v, p.sensHigh());
                  }));
}

void OvPointModel::setSensorAllarmLevel(const QModelIndexList& selection, int val)
{
    editSelection(
        selection, {AlertLevelRAVIRole},
        field(val, &OvGenericPoint::alertLevelRAVI, [](OvGenericPoint& p, int v) { p.setAlertLevelRAVI(v); }));
}

void OvPointModel::setCheckSilenceMod(const QModelIndexList& selection, bool on)
{
    editSelection(selection, {CheckSilenceModRole},
                  offered(true, OvGenericPoint::FEATURE_SILENCE,
                          field(on, &OvGenericPoint::checkSilenceMod,
                                [](OvGenericPoint& p, bool v) { p.setCheckSilenceMod(v); })));
}

void OvPointModel::setCheckAutoSilenceMod(const QModelIndexList& selection, bool on)
{
    editSelection(selection, {CheckAutoSilenceModRole},
                  offered(true, OvGenericPoint::FEATURE_AUTO_SILENCE,
                          field(on, &OvGenericPoint::checkAutoSilenceMod,
                                [](OvGenericPoint& p, bool v) { p.setCheckAutoSilenceMod(v); })));
}

void OvPointModel::setRaviRadioFlag(const QModelIndexList& selection, bool on)
{
    editSelection(
        selection, {CheckRaviSCtrlDisaRole},
        field(on, &OvGenericPoint::checkRaviSCtrlDisa, [](OvGenericPoint& p, bool v) { p.setRaviRadioFlag(v); }));
}

void OvPointModel::setCBE(const QModelIndexList& indexes, const QString& cbe)
{
    const QString text = cbe.isEmpty() ? QString() : Ov4800::toDisplayString(cbe);
    editSelection(indexes, {CbeRole, IconNameRole}, [text](OvGenericPoint& p) {
        if (p.cbe() == text)
            return false;
        p.setCBE(text);
        if (Plant* plant = ActivePlant::get())
            p.setCBEErrorCode(int(plant->checkPointCBE(&p)));
        return true;
    });
}

// --- KORVA fast inputs ---

void OvPointModel::setFastInputDevice(const QModelIndexList& selection, int slot, int value)
{
    qDebug() << ">>>";
    editSelection(
        selection, {IconNameRole, slot == 0 ? FastInputDev1Role : FastInputDev2Role}, [slot, value](OvGenericPoint& p) {
            if (p.series() != 1)
                return false;
            bool second = false;
            if (p.hwType() == 180 || p.hwType() == 181) {
                if (slot != 0)
                    return false;
            } else if (p.hwType() == 182) {
                second = slot != 0;
            } else {
                return false;
            }
            if ((second ? p.fastInputDev2() : p.fastInputDev1()) == value)
                return false;
            p.setFastInput(second ? p.fastInputDev1() : value, second ? value : p.fastInputDev2(), p.fastInputLogic());
            return true;
        });
    qDebug() << "<<<";
}

void OvPointModel::setFastInputDeviceLgc(const QModelIndexList& selection, bool logic)
{
    qDebug() << ">>>";
    if (!syncWithPlant())
        return;
    QList<const OvGenericPoint*> changed;
    QModelIndex topLeft;
    QModelIndex bottomRight;
    for (const QModelIndex& index : selection) {
        TreeItem* item = index.isValid() ? itemForIndex(index) : nullptr;
        if (!item || item == m_root || item->childCount() > 0 || isChannelItem(item))
            continue;
        const OvGenericPoint* p = static_cast<OvPointMdlItem*>(item)->getPoint();
        if (!p || p->series() != 1 || p->hwType() != 182 || p->fastInputLogic() == logic)
            continue;
        changed.append(p);
        OvGenericPoint copy = *p;
        copy.setFastInput(copy.fastInputDev1(), copy.fastInputDev2(), logic);
        m_loop.updatePoint(copy);
        widen(&topLeft, &bottomRight, index);
    }
    if (topLeft.isValid() && bottomRight.isValid()) {
        emit pointsChanged(changed);
        notifyRangeChanged(topLeft, bottomRight, {FastInputLogicRole});
    }
    qDebug() << "<<<";
}

// --- reset ---

void OvPointModel::resetSensor(const QModelIndexList& indexes)
{
    if (!syncWithPlant())
        return;
    beginCommand();
    OvPointWorkList work(indexes);
    QList<const OvGenericPoint*> changed;
    QModelIndex topLeft;
    QModelIndex bottomRight;
    bool rowsInserted = false;
    QModelIndex index;
    while (work.next(&index)) {
        TreeItem* item = itemForIndex(index);
        if (!item || item == m_root)
            continue;
        const OvGenericPoint* p = static_cast<OvPointMdlItem*>(item)->getPoint();
        if (!p)
            continue;
        if (isChannelItem(item)) {
            const OvGenericSubPoint before = *static_cast<const OvGenericSubPoint*>(p);
            OvGenericSubPoint after = before;
            after.reset();
            if (after.isEqual(before))
                continue;
            changed.append(p);
            m_loop.updateSubPoint(after);
            widen(&topLeft, &bottomRight, index);
            continue;
        }
        const OvGenericPoint before = *p;
        OvGenericPoint after = before;
        after.resetData();
        // An empty address keeps its loop's protocol, as the loop's own empty slots do.
        after.setProtocol(before.family() == 1 ? OvLoop::sensorProtocol(m_loop.type())
                                               : OvLoop::moduleProtocol(m_loop.type()));
        const QModelIndex rowIndex = indexForItem(item);
        if (item->childCount() > 0) {
            // A range end on a channel row moves up to the row before the channel rows go.
            if (topLeft.isValid() && topLeft.parent() == rowIndex)
                topLeft = rowIndex;
            if (bottomRight.isValid() && bottomRight.parent() == rowIndex)
                bottomRight = rowIndex;
            work.dropChildrenOf(rowIndex);
            beginRemoveRows(rowIndex, 0, item->childCount() - 1);
            item->removeAllChildren();
            endRemoveRows();
        }
        if (after.isEqual(before))
            continue;
        if (m_loop.spanOf(before) > 1) {
            // The addresses the device occupied come back as rows of their own; a module that
            // took one of them as well has its row already.
            QList<OvGenericPoint*> freed;
            for (int k = 1; k < m_loop.spanOf(before); ++k) {
                OvGenericPoint* next = m_loop.getPoint(int(before.address()) + k - 1, 2);
                if (!next)
                    break;
                if (next->hwType() == 0)
                    freed.append(next);
            }
            if (!freed.isEmpty()) {
                const int row = item->row() + 1;
                beginInsertRows(QModelIndex(), row, row + freed.size() - 1);
                for (int k = 0; k < freed.size(); ++k)
                    insertPointItem(m_root, row + k, freed.at(k));
                endInsertRows();
                rowsInserted = true;
            }
        }
        for (int i = changed.size() - 1; i >= 0; --i) {
            if (changed.at(i)->getSubIndex() > 0 && changed.at(i)->address() == p->address()
                && changed.at(i)->family() == p->family())
                changed.removeAt(i);
        }
        changed.append(p);
        m_loop.updatePoint(after);
        widen(&topLeft, &bottomRight, rowIndex);
    }
    if (topLeft.isValid() && bottomRight.isValid()) {
        emit newPointActivated(changed);
        emit pointsChanged(changed);
        emit pointActivated();
        if (rowsInserted)
            m_rebuildPending = true;
        else
            notifyRangeChanged(topLeft, bottomRight);
    }
    endCommand();
}

QModelIndexList OvPointModel::selectAll(const QModelIndex& index) const
{
    QModelIndexList rows;
    TreeItem* item = index.isValid() ? itemForIndex(index) : nullptr;
    TreeItem* parentItem = item && item != m_root ? item->parent() : nullptr;
    if (parentItem) {
        for (int r = 0; r < parentItem->childCount(); ++r)
            rows.append(indexOf(r, 0, parentItem->child(r)));
    }
    qInfo() << "QModelIndexList:SIZE = " << rows.size();
    return rows;
}

void OvPointModel::refreshErrors()
{
    const Plant* plant = ActivePlant::get();
    const CPUDevice* cpu = plant ? plant->cpus().cpuAt(m_loop.ownerCpu() - 1) : nullptr;
    if (cpu && m_loop.loopIndex() >= 1) {
        const u32 g = u32(m_loop.loopIndex() - 1);
        // The mixed table shows both families: both take the plant's codes.
        QList<int> families;
        if (m_mode != kModules)
            families << 1;
        if (m_mode != kSensors)
            families << 2;
        for (int family : families) {
            const QList<OvGenericPoint*>& list = family == 1 ? m_loop.sensors() : m_loop.modules();
            for (int i = 0; i < list.size(); ++i) {
                const OvGenericPoint* source = cpu->getPoint(g, i, family);
                if (!source)
                    break;
                OvGenericPoint* target = list.at(i);
                target->setCBEErrorCode(source->getCBEErrorCode());
                const QList<OvGenericSubPoint>& from = source->subPoints();
                for (int k = 0; k < from.size() && k < target->subPoints().size(); ++k) {
                    OvGenericSubPoint channel = target->subPoints().at(k);
                    channel.setCBEErrorCode(from.at(k).cbeErrorCode());
                    target->updateSubPoint(channel);
                }
            }
        }
    }
    const int rows = rowCount();
    if (rows == 0)
        return;
    emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
    if (m_mode == kSensors)
        return;
    for (int r = 0; r < rows; ++r) {
        const QModelIndex row = index(r, 0);
        const int channels = rowCount(row);
        if (channels > 0)
            emit dataChanged(index(0, 0, row), index(channels - 1, columnCount() - 1, row));
    }
}
