// Giving the selected rows a point type from the type drop-down, and putting points into a zone.
#include "models/OvPointModel.h"

#include "models/OvPointMdlItem.h"
#include "models/OvPointWorkList.h"

#include "plant/ActivePlant.h"
#include "plant/OvArea.h"
#include "plant/OvAreasSystem.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"
#include "plant/PlantDialogs.h"
#include "plant/PointType.h"

#include <QDebug>
#include <QPersistentModelIndex>

namespace {

void showCritical(const char* id)
{
    PlantMessage message;
    message.icon = PlantMessage::Critical;
    message.text = qtTrId(id);
    PlantDialogs::show(message);
}

// The old point's description, zone, program and the settings both types support, onto the new
// one; a program, when asked for, only onto a point of the same input kind.
void carrySettings(const OvGenericPoint& oldPoint, OvGenericPoint* newPoint, bool program)
{
    newPoint->setDescription(oldPoint.description());
    if (oldPoint.areaIndex() > 0 && newPoint->hasFeature(OvGenericPoint::FEATURE_AREA))
        newPoint->setAreaIndex(oldPoint.areaIndex());
    if (program && !oldPoint.cbe().isEmpty() && newPoint->hasFeature(OvGenericPoint::FEATURE_CBE)
        && newPoint->inputType() == oldPoint.inputType()) {
        newPoint->setCBE(oldPoint.cbe());
        if (Plant* plant = ActivePlant::get())
            newPoint->setCBEErrorCode(int(plant->checkPointCBE(newPoint)));
    }
    const auto both = [&](uint feature) { return oldPoint.hasFeature(feature) && newPoint->hasFeature(feature); };
    if (both(OvGenericPoint::FEATURE_AUDIT))
        newPoint->setCheckAudit(oldPoint.checkAudit());
    if (both(OvGenericPoint::FEATURE_TRACKING))
        newPoint->setCheckTracking(oldPoint.checkTracking());
    if (both(OvGenericPoint::FEATURE_FLASHING))
        newPoint->setCheckFlashing(oldPoint.checkFlashing());
    if (both(OvGenericPoint::FEATURE_ALERT_LEVEL))
        newPoint->setAlertLevelRAVI(oldPoint.alertLevelRAVI());
    if (both(OvGenericPoint::FEATURE_THREE_LEVELS))
        newPoint->setSensitivities(oldPoint.sensNormal(), oldPoint.sensLow(), oldPoint.sensHigh());
    if (both(OvGenericPoint::FEATURE_RAVI_RADIO))
        newPoint->setRaviRadioFlag(oldPoint.checkRaviSCtrlDisa());
    if (both(OvGenericPoint::FEATURE_SILENCE))
        newPoint->setCheckSilenceMod(oldPoint.checkSilenceMod());
    if (both(OvGenericPoint::FEATURE_AUTO_SILENCE))
        newPoint->setCheckAutoSilenceMod(oldPoint.checkAutoSilenceMod());
}

} // namespace

struct OvPointModel::TypeChecks : CapacityCounts {
    bool showFollowing = true;
    bool showCovered = true;
};

// --- retyping ---

bool OvPointModel::selectPointType(const QModelIndex& reference, const QModelIndexList& selection,
                                   const PointType& type)
{
    qDebug() << ">>>";
    if (selection.isEmpty() || !reference.isValid() || !syncWithPlant())
        return true;
    TypeChecks checks;
    countCapacity(&checks);
    qDebug() << "VARN COUNT " << checks.varn;
    qDebug() << "ADV COUNT " << checks.advanced;
    const bool referenceIsChannel = isChannel(reference);
    // Only the first entry of the selection may ask; a removed or invalid one asks nothing.
    bool askHere = selection.first().isValid();

    beginCommand();
    OvPointWorkList work(selection);
    QList<const OvGenericPoint*> changed;
    QList<QPersistentModelIndex> touched;
    bool rebuild = false;
    QModelIndex index;
    while (work.next(&index)) {
        const bool ask = askHere;
        askHere = false;
        TreeItem* item = itemForIndex(index);
        auto* row = item != m_root ? static_cast<OvPointMdlItem*>(item) : nullptr;
        if (!row || !row->getPoint())
            continue;
        qDebug() << "Acting on " << row->getPoint()->family();
        // The point as it was; a family switch resets it in the loop, but only once the row's
        // checks have passed, so that a refused row keeps its point.
        const OvGenericPoint old(*row->getPoint());
        const bool switchRow = m_mode == kMixed && type.getFamily() != old.family();
        const OvGenericPoint* p = switchRow ? switchTarget(item, type.getFamily()) : row->getPoint();
        if (!p)
            continue;
        const bool channelMode = p->family() != 1 && referenceIsChannel;
        if (p->isSameType(&type))
            continue;
        const bool channelRow = isChannel(index);
        if (channelRow != channelMode)
            continue;
        const int address = int(p->address());

        if (channelMode) {
            OvGenericSubPoint copy(*static_cast<const OvGenericSubPoint*>(p));
            if (!copy.acceptsPointType(&type))
                continue;
            copy.setPointType(type);
            if (!passesCapacity(&checks, *p, copy))
                continue;
            if (!carryOverParams(old, &copy, ask) && copy.swType() == 57)
                copy.setCheckSilenceMod(true);
            changed.append(p);
            m_loop.updateSubPoint(copy);
            const int s = copy.getSubIndex();
            const OvGenericPoint* module = moduleAt(address);
            const OvGenericPoint* there = moduleAt(address + s - 1);
            if (module && s > 1 && s <= m_loop.spanOf(*module) && there && there->hwType() == 0)
                removeRowOfAddress(address + s - 1, true);
            const QModelIndex parentRow = index.parent();
            emit dataChanged(parentRow, parentRow);
            touched.append(index);
            continue;
        }

        OvGenericPoint copy(*p);
        const bool multiAddress = p->family() != 1 && type.getSeries() == 2;
        bool linked = false;
        if (!multiAddress && OvGenericPoint::isLinkedModule(type.getSeries(), type.hwType())) {
            if (!OvGenericPoint::linkedModuleFits(unsigned(address), moduleAt(address + 1)))
                continue;
            linked = true;
        }
        copy.setPointType(type);
        if (copy.family() == 2 && coveringModule(address)) {
            if (checks.showCovered) {
                checks.showCovered = false;
                showCritical(QT_TRID_NOOP("USR_ERR_ADDRESS_COVERED"));
            }
            continue;
        }
        if (!passesCapacity(&checks, *p, copy))
            continue;
        if (!checkFreeFollowingAddresses(item, copy, &checks.showFollowing))
            continue;
        if (switchRow) {
            if (!switchRowFamily(item, type.getFamily(), index))
                continue;
            index = indexForItem(item);
        }
        if (!carryOverParams(old, &copy, ask) && copy.swType() == 57)
            copy.setCheckSilenceMod(true);
        changed.append(p);
        if (type.hwType() == OvGenericPoint::kLinkedModuleCode && (multiAddress || linked))
            createDefaultChannels(&copy);
        const int had = m_loop.spanOf(*p);
        const int now = m_loop.spanOf(copy);
        for (int k = had; k < now; ++k)
            removeRowOfAddress(address + k, true);
        if (linked)
            removeRowOfAddress(address + 1, false);
        // Addresses the old device covered and the new one leaves free get their rows back.
        rebuild = rebuild || had > now;
        dropChannelRows(item);
        m_loop.updatePoint(copy);
        index = indexForItem(item);
        rebuildChannels(index);
        touched.append(index);
    }

    if (!changed.isEmpty()) {
        emit newPointActivated(changed);
        emit pointsChanged(changed);
        emit pointActivated();
        if (rebuild) {
            m_rebuildPending = true;
        } else {
            QModelIndex topLeft;
            QModelIndex bottomRight;
            for (const QPersistentModelIndex& at : touched) {
                topLeft = firstIndex(topLeft, at);
                bottomRight = lastIndex(bottomRight, at);
            }
            notifyRangeChanged(topLeft, bottomRight);
        }
    }
    endCommand();
    return true;
}

const OvGenericPoint* OvPointModel::coveringModule(int address) const
{
    const OvGenericPoint* m = m_loop.moduleAtAddress(address).point;
    return m && int(m->address()) != address ? m : nullptr;
}

bool OvPointModel::checkFreeFollowingAddresses(TreeItem* item, const OvGenericPoint& newPoint, bool* showAlert) const
{
    if (!item || spanFits(newPoint))
        return true;
    if (showAlert && *showAlert) {
        *showAlert = false;
        showCritical(QT_TRID_NOOP("USR_ERR_NOT_EMPTY_SIBLING"));
    }
    return false;
}

bool OvPointModel::spanFits(const OvGenericPoint& newPoint) const
{
    const int needed = m_loop.spanOf(newPoint);
    if (needed < 2)
        return true;
    const int address = int(newPoint.address());
    if (address + needed - 1 > m_loop.modules().size())
        return false;
    // The addresses the replaced module already takes are its own; rows may hide the others,
    // so the loop is asked. A mixed row may still show the sensor of that address.
    const OvGenericPoint* replaced = moduleAt(address);
    const int own = replaced && replaced->hwType() != 0 ? m_loop.spanOf(*replaced) : 1;
    for (int k = own; k < needed; ++k) {
        const OvGenericPoint* m = moduleAt(address + k);
        if (m && m->hwType() != 0)
            return false;
    }
    return true;
}

bool OvPointModel::carryOverParams(const OvGenericPoint& oldPoint, OvGenericPoint* newPoint, bool ask)
{
    if (m_askCopyParams && ask && oldPoint.isValid()) {
        PlantMessage message;
        message.icon = PlantMessage::Question;
        message.text = qtTrId("USR_INFO_COPY_PARAM");
        message.buttons = PlantMessage::Yes | PlantMessage::No;
        message.defaultButton = PlantMessage::Yes;
        message.checkBoxText = qtTrId("USR_MSG_DONT_SHOW_AGAIN");
        bool dontAsk = false;
        m_copyParamsAnswer = PlantDialogs::show(message, &dontAsk) == PlantMessage::Yes ? 1 : 0;
        m_askCopyParams = !dontAsk;
    }
    if (m_copyParamsAnswer == 0 || !oldPoint.isValid())
        return false;

    if (newPoint->subPoints().isEmpty()) {
        carrySettings(oldPoint, newPoint, oldPoint.subPoints().isEmpty());
        return true;
    }
    // A module with channels keeps its settings in its channels, which the panel stores: each
    // takes them from the old module's channel at its place, or, all but the program, from the
    // old point itself.
    for (OvGenericSubPoint channel : newPoint->subPoints()) {
        const int k = channel.getSubIndex() - 1;
        if (oldPoint.subPoints().isEmpty())
            carrySettings(oldPoint, &channel, false);
        else if (k < oldPoint.subPoints().size() && oldPoint.subPoints().at(k).isValid())
            carrySettings(oldPoint.subPoints().at(k), &channel, true);
        newPoint->updateSubPoint(channel);
    }
    return true;
}

void OvPointModel::createDefaultChannels(OvGenericPoint* point)
{
    point->typeLinkedChannels();
}

void OvPointModel::removeRowOfAddress(int address, bool modulesOnly)
{
    TreeItem* found = findModuleItem(address, 0);
    const auto* row = static_cast<const OvPointMdlItem*>(found);
    if (!row || row->parent() != m_root || !row->getPoint() || int(row->getPoint()->address()) != address)
        return;
    if (modulesOnly && row->getPoint()->family() == 1)
        return;
    const int r = found->row();
    beginRemoveRows(QModelIndex(), r, r);
    m_root->removeChildren(r, 1);
    endRemoveRows();
}

void OvPointModel::dropChannelRows(TreeItem* row)
{
    if (!row || row->childCount() == 0)
        return;
    beginRemoveRows(indexForItem(row), 0, row->childCount() - 1);
    row->removeAllChildren();
    endRemoveRows();
}

// --- zones ---

void OvPointModel::setPointAreaIndex(const QModelIndexList& selection, int areaIndex)
{
    qInfo().nospace() << "OvPointModel::setPointAreaIndex: selSize = " << selection.size() << "\tIndex = " << areaIndex;
    const Plant* plant = ActivePlant::get();
    // A zone past the plant's list has no place in the panel.
    if (selection.isEmpty() || areaIndex < 0 || !plant || areaIndex > plant->areas().count() || !syncWithPlant())
        return;
    OvArea area = areaIndex > 0 ? plant->areas().areas().at(areaIndex - 1) : OvArea();
    bool full = false;
    bool showBox = true;
    QList<const OvGenericPoint*> changed;
    QModelIndex topLeft;
    QModelIndex bottomRight;
    for (const QModelIndex& index : selection) {
        if (assignArea(index, areaIndex, &area, &full, &showBox, &changed)) {
            topLeft = firstIndex(topLeft, index);
            bottomRight = lastIndex(bottomRight, index);
        }
    }
    notifyAreaChange(changed, topLeft, bottomRight);
}

QVariant OvPointModel::setPointAreaIndex(const QModelIndex& index, int areaIndex, bool showUserAllert)
{
    const Plant* plant = ActivePlant::get();
    if (areaIndex < 0 || !plant || areaIndex > plant->areas().count() || !syncWithPlant())
        return showUserAllert;
    OvArea area = areaIndex > 0 ? plant->areas().areas().at(areaIndex - 1) : OvArea();
    bool full = false;
    QList<const OvGenericPoint*> changed;
    if (assignArea(index, areaIndex, &area, &full, &showUserAllert, &changed))
        notifyAreaChange(changed, index, index);
    return showUserAllert;
}

bool OvPointModel::assignArea(const QModelIndex& index, int areaIndex, OvArea* area, bool* areaFull, bool* showBox,
                              QList<const OvGenericPoint*>* changed)
{
    if (!index.isValid())
        return false;
    TreeItem* item = itemForIndex(index);
    if (item == m_root || item->childCount() > 0)
        return false;
    const OvGenericPoint* p = getPoint(index);
    const int stored = areaIndex == 0 ? -1 : areaIndex;
    if (!p || !p->isValid() || p->areaIndex() == stored)
        return false;
    if (!*areaFull && areaIndex > 0 && int(area->sensorCount() + area->moduleCount()) >= areaLimit()) {
        if (*showBox) {
            *showBox = false;
            showAreaFullAlert();
        }
        *areaFull = true;
    }
    if (*areaFull)
        return true;
    changed->append(p);
    if (isChannel(index)) {
        OvGenericSubPoint copy(*static_cast<const OvGenericSubPoint*>(p));
        copy.setAreaIndex(stored);
        m_loop.updateSubPoint(copy);
    } else {
        OvGenericPoint copy(*p);
        copy.setAreaIndex(stored);
        m_loop.updatePoint(copy);
    }
    if (p->family() == 1)
        area->setSensorCount(area->sensorCount() + 1);
    else
        area->setModuleCount(area->moduleCount() + 1);
    return true;
}

void OvPointModel::notifyAreaChange(const QList<const OvGenericPoint*>& changed, const QModelIndex& topLeft,
                                    const QModelIndex& bottomRight)
{
    if (!topLeft.isValid() || !bottomRight.isValid())
        return;
    if (!changed.isEmpty())
        emit pointsChanged(changed);
    const QVector<int> roles{AreaIndexRole, IconNameRole};
    notifyRangeChanged(topLeft, bottomRight, roles);
    const QModelIndex parentRow = topLeft.parent();
    if (parentRow.isValid() && parentRow == bottomRight.parent())
        notifyRangeChanged(parentRow, parentRow, roles);
}
