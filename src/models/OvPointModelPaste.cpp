// Copy and paste special onto the selected rows, within the capacity of the loop board, of the
// loop's protocol and of the areas.
#include "models/OvPointModel.h"

#include "models/OvPlantInfo.h"
#include "models/OvPointMdlItem.h"
#include "models/OvPointWorkList.h"

#include "plant/ActivePlant.h"
#include "plant/OvAreasSystem.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"
#include "plant/PlantDialogs.h"

#include "ZpData/Values/PanelModel.h"

#include <QDebug>

namespace {

constexpr int kMaxPointsPerLib = 700;
constexpr int kMaxInputsPerLib = 512;
constexpr int kMaxVarnPerLoop = 30;
constexpr int kMaxAdvancedPerLoop = 10;
// The series-2 module that spans ten addresses from a multiple of ten.
constexpr u16 kDecadeModule = 0x400D;

bool isChannelItem(const TreeItem* item)
{
    return dynamic_cast<const OvSubItem*>(item) != nullptr;
}

// An empty limit leaves the detail text alone.
void showLimit(PlantMessage::Icon icon, const char* id, const char* detailId, const QString& limit)
{
    PlantMessage message;
    message.icon = icon;
    message.text = qtTrId(id);
    const QString detail = qtTrId(detailId);
    if (!detail.isEmpty())
        message.detailedText = limit.isEmpty() ? detail : detail + QStringLiteral(": ") + limit;
    PlantDialogs::show(message);
}

// Counts a change against a limit; the box shows once per command. A warning accepts.
bool countAgainst(int delta, int limit, int* count, bool* show, PlantMessage::Icon icon, const char* id,
                  const char* detailId, bool limitInDetail = true)
{
    *count += delta;
    if (*count <= limit)
        return true;
    if (*show) {
        *show = false;
        showLimit(icon, id, detailId, limitInDetail ? QString::number(limit) : QString());
    }
    return icon != PlantMessage::Critical;
}

// The channel positions of a point; the point itself when it has none.
QList<const OvGenericPoint*> positions(const OvGenericPoint& p)
{
    QList<const OvGenericPoint*> list;
    if (p.subPoints().isEmpty())
        list.append(&p);
    for (const OvGenericSubPoint& channel : p.subPoints())
        list.append(&channel);
    return list;
}

// The point's description with its address as a program names it: a channel by its module's
// address and its channel number, or by the loop address it takes where it takes its own. The
// panel keeps 32 characters of a name: the description gives way to the address.
QString withAddress(const OvGenericPoint& p, bool prefix)
{
    const int sub = p.getSubIndex();
    const bool byAddress = p.atOwnAddress();
    QString at = QString::number(p.address() + (byAddress ? unsigned(sub - 1) : 0u));
    if (sub != 0 && !byAddress)
        at += QLatin1Char('.') + QString::number(sub);
    const QString joint = QStringLiteral(": ");
    const QString kept = p.description().left(qMax(0, OvPlantInfo::kDescriptionMax - int(at.size() + joint.size())));
    return prefix ? at + joint + kept : kept + joint + at;
}

} // namespace

struct OvPointModel::PasteContext : CapacityCounts {
    bool showArea = true;
    OvAreasSystem areas;
    bool countAreas = false;
};

int OvPointModel::areaLimit()
{
    return PointType::panelFamily() == PanelFamily::KVX000 ? 50 : 32;
}

void OvPointModel::countCapacity(CapacityCounts* counts) const
{
    const Plant* plant = ActivePlant::get();
    if (!plant)
        return;
    const uint c = uint(m_loop.ownerCpu() - 1);
    const uint l = uint(m_loop.loopIndex() - 1);
    const uint other = l ^ 1u;
    const int sensors = plant->getActiveSensorCount(c, l) + plant->getActiveSensorCount(c, other);
    counts->points = sensors + plant->getActiveModuleCount(c, l) + plant->getActiveModuleCount(c, other);
    counts->inputs = sensors + plant->getActiveModuleCount(c, l, PointType::PT_INPUT)
        + plant->getActiveModuleCount(c, other, PointType::PT_INPUT);
    if (m_loop.type() == OvLoop::LOOP_VARN500)
        counts->advanced = plant->getActivePointCount(c, l, 1, 1, 2, uint(-1));
    else
        counts->varn = plant->getActivePointCount(c, l, 3, 2, 3, uint(-1));
}

void OvPointModel::preparePaste(PasteContext* context, const OvGenericPoint* source) const
{
    const Plant* plant = ActivePlant::get();
    if (!plant)
        return;
    countCapacity(context);
    context->areas = plant->areas();
    for (const OvGenericPoint* position : positions(*source))
        context->countAreas = context->countAreas || position->areaIndex() > 0;
}

bool OvPointModel::checkPointsPerLib(const OvGenericPoint& before, const OvGenericPoint& after, int* count,
                                     bool* show) const
{
    return countAgainst(after.getValidCount() - before.getValidCount(), kMaxPointsPerLib, count, show,
                        PlantMessage::Critical, QT_TRID_NOOP("USR_ERR_TOO_MANY_PTXLIB"),
                        QT_TRID_NOOP("USR_ERR_TOO_MANY_PTXLIB_DTL"));
}

bool OvPointModel::checkInputsPerLib(const OvGenericPoint& before, const OvGenericPoint& after, int* count,
                                     bool* show) const
{
    return countAgainst(after.getInputCount() - before.getInputCount(), kMaxInputsPerLib, count, show,
                        PlantMessage::Warning, QT_TRID_NOOP("USR_ERR_TOO_MANY_INPUT_PTXLIB"),
                        QT_TRID_NOOP("USR_ERR_TOO_MANY_INPUT_PTXLIB_DTL"));
}

bool OvPointModel::checkVarnCount(const OvGenericPoint& before, const OvGenericPoint& after, int* count,
                                  bool* show) const
{
    const bool ok = countAgainst(int(after.series() == 2) - int(before.series() == 2), kMaxVarnPerLoop, count, show,
                                 PlantMessage::Critical, QT_TRID_NOOP("USR_ERR_TOO_MANY_VARN_PTXLOOP"),
                                 QT_TRID_NOOP("USR_ERR_TOO_MANY_VARN_PTXLOOP_DTL"), false);
    qDebug() << "CHECK VARN " << *count;
    return ok;
}

bool OvPointModel::checkAdvancedCount(const OvGenericPoint& before, const OvGenericPoint& after, int* count,
                                      bool* show) const
{
    const bool ok = countAgainst(int(after.series() == 1) - int(before.series() == 1), kMaxAdvancedPerLoop, count, show,
                                 PlantMessage::Critical, QT_TRID_NOOP("USR_ERR_TOO_MANY_ADVANCED_PTXLOOP"),
                                 QT_TRID_NOOP("USR_ERR_TOO_MANY_ADVANCED_PTXLOOP_DTL"), false);
    qDebug() << "CHECK ADVANCED " << *count;
    return ok;
}

bool OvPointModel::passesCapacity(CapacityCounts* counts, const OvGenericPoint& before,
                                  const OvGenericPoint& after) const
{
    if (!checkPointsPerLib(before, after, &counts->points, &counts->showPoints))
        return false;
    if (!checkInputsPerLib(before, after, &counts->inputs, &counts->showInputs))
        return false;
    if (m_loop.type() == OvLoop::LOOP_VARN500)
        return checkAdvancedCount(before, after, &counts->advanced, &counts->showProtocol);
    return checkVarnCount(before, after, &counts->varn, &counts->showProtocol);
}

void OvPointModel::showAreaFullAlert() const
{
    showLimit(PlantMessage::Critical, QT_TRID_NOOP("USR_ERR_TOO_MANY_PTXAREA"),
              QT_TRID_NOOP("USR_ERR_TOO_MANY_PTXAREA_DTL"), QString::number(areaLimit()));
}

void OvPointModel::updateAreaCounts(const OvGenericPoint& before, OvGenericPoint* after, OvAreasSystem* areas,
                                    bool* show) const
{
    const bool sensor = before.family() == 1;
    for (const OvGenericPoint* position : positions(before)) {
        OvArea* area = areas && position->areaIndex() > 0 ? areas->areaAt(position->areaIndex() - 1) : nullptr;
        if (!area)
            continue;
        if (sensor && area->sensorCount() > 0)
            area->setSensorCount(area->sensorCount() - 1);
        else if (!sensor && area->moduleCount() > 0)
            area->setModuleCount(area->moduleCount() - 1);
    }
    const bool newSensor = after->family() == 1;
    for (int k = 0; k < qMax(1, after->subPoints().size()); ++k) {
        const int areaIndex = after->getAreaIndex(k);
        if (areaIndex <= 0)
            continue;
        // A channel without a type has no record in the panel, so no zone, as the zone box gives
        // it none: neither the source's nor its own, when the paste takes its type away.
        if (!after->isValid(k)) {
            after->setAreaIndex(k, -1);
            continue;
        }
        OvArea* area = areas ? areas->areaAt(areaIndex - 1) : nullptr;
        if (!area)
            continue;
        if (int(area->sensorCount() + area->moduleCount()) >= areaLimit()) {
            after->setAreaIndex(k, -1);
            if (*show) {
                *show = false;
                showAreaFullAlert();
            }
        } else if (newSensor) {
            area->setSensorCount(area->sensorCount() + 1);
        } else {
            area->setModuleCount(area->moduleCount() + 1);
        }
    }
}

const OvGenericPoint* OvPointModel::switchTarget(TreeItem* item, int family) const
{
    const auto* row = dynamic_cast<const OvPointMdlItem*>(item);
    const OvGenericPoint* held = row ? row->getPoint() : nullptr;
    if (!held || held->family() == family)
        return held;
    if (!dynamic_cast<const OvPtItem*>(item))
        return nullptr;
    // The address the row shows, not its row number: spans and filters make the two part.
    return m_loop.getPoint(int(held->address()) - 1, family);
}

bool OvPointModel::switchRowFamily(TreeItem* item, int family, const QModelIndex& index)
{
    auto* row = dynamic_cast<OvPtItem*>(item);
    if (!row || !row->getPoint())
        return false;
    const OvGenericPoint* held = row->getPoint();
    if (held->family() == family)
        return true;
    const OvGenericPoint* wanted = switchTarget(item, family);
    if (!wanted)
        return false;
    const int oldFamily = held->family();
    if (held->hwType() != 0)
        resetSensor({index});
    row->setPoint(wanted);
    if (wanted->hwType() != 0)
        qDebug() << "NON VUOTO";
    qDebug() << "not assigned " << oldFamily;
    return true;
}

void OvPointModel::removeCoveredRows(const OvGenericPoint& module, int channels)
{
    for (int k = 1; k < channels; ++k) {
        TreeItem* covered = findModuleItem(int(module.address()) + k, 0);
        const auto* row = static_cast<const OvPointMdlItem*>(covered);
        if (!row || !row->getPoint() || row->getPoint()->family() != 2 || row->getPoint()->hwType() != 0
            || row->parent() != m_root)
            continue;
        const int r = covered->row();
        beginRemoveRows(QModelIndex(), r, r);
        m_root->removeChildren(r, 1);
        endRemoveRows();
    }
}

void OvPointModel::copy(const QModelIndex& from, const QModelIndexList& toSelection)
{
    paste(from, toSelection, copyAll, false);
}

void OvPointModel::copySpecial(const QModelIndex& from, const QModelIndexList& toSelection, int copyFilter)
{
    int filter = copyFilter;
    if (!(filter & copyDescriptionBit))
        filter &= ~(copyAddAddressBit | copyPrefixAddressBit);
    if (!(filter & copyTypeBit))
        filter &= ~copyParamsBit;
    pasteSpecial(from, toSelection, filter);
}

void OvPointModel::pasteSpecial(const QModelIndex& from, const QModelIndexList& toSelection, int filter)
{
    paste(from, toSelection, filter, true);
}

void OvPointModel::paste(const QModelIndex& from, const QModelIndexList& toSelection, int filter, bool special)
{
    if (!syncWithPlant())
        return;
    const OvGenericPoint* original = from.isValid() ? getPoint(from) : nullptr;
    if (!original)
        return;
    // The source's own row may be a target: work from a copy.
    const bool fromChannel = original->getSubIndex() > 0;
    const OvGenericSubPoint sourceChannel = fromChannel ? *static_cast<const OvGenericSubPoint*>(original)
                                                        : OvGenericSubPoint();
    const OvGenericPoint sourcePoint = fromChannel ? OvGenericPoint() : *original;
    const OvGenericPoint& source = fromChannel ? static_cast<const OvGenericPoint&>(sourceChannel) : sourcePoint;

    beginCommand();
    PasteContext context;
    preparePaste(&context, &source);
    qDebug() << (special ? "COPY 2" : "COPY 1") << context.advanced;

    OvPointWorkList work(toSelection);
    QList<const OvGenericPoint*> changed;
    QPersistentModelIndex topLeft;
    QPersistentModelIndex bottomRight;
    auto widenTo = [&](const QModelIndex& index) {
        topLeft = topLeft.isValid() ? firstIndex(topLeft, index) : index;
        bottomRight = bottomRight.isValid() ? lastIndex(bottomRight, index) : index;
    };
    int skipped = 0;
    // Targets of the other level: a device onto a channel row, a channel onto a device row or a
    // channel of another kind. The channels of a row selected with them go with their row.
    int misplaced = 0;
    QModelIndex index;
    while (work.next(&index)) {
        TreeItem* item = itemForIndex(index);
        if (!item || item == m_root)
            continue;
        const OvGenericPoint* target = static_cast<OvPointMdlItem*>(item)->getPoint();
        if (!target)
            continue;
        if (source.series() == 2 && target->address() >= 100) {
            ++skipped;
            continue;
        }
        qDebug() << "Acting on " << target->family();
        const bool toChannel = isChannelItem(item);
        // A mixed row shows the source's family only once the paste is stored: switching resets
        // the point it shows, which a refused or empty paste must leave alone.
        bool switchRow = false;
        if (m_mode == kMixed && !toChannel) {
            const OvGenericPoint* wanted = switchTarget(item, source.family());
            if (!wanted)
                continue;
            switchRow = wanted != target;
            target = wanted;
        }
        if (fromChannel) {
            if (!toChannel) {
                ++misplaced;
                continue;
            }
            const auto& before = *static_cast<const OvGenericSubPoint*>(target);
            if (!special && !before.isCompatible(sourceChannel)) {
                ++misplaced;
                continue;
            }
            OvGenericSubPoint after = before;
            if (special)
                pastePoint(&sourceChannel, &after, filter);
            else
                after.pasteFrom(sourceChannel);
            if (!after.isEqual(before) && passesCapacity(&context, before, after)) {
                updateAreaCounts(before, &after, context.countAreas ? &context.areas : nullptr, &context.showArea);
                if (!after.isEqual(before)) {
                    changed.append(target);
                    m_loop.updateSubPoint(after);
                    widenTo(index);
                }
            }
            if (after.hwType() == 180)
                emit dataChanged(index.parent(), index.parent());
            continue;
        }
        if (toChannel) {
            if (!toSelection.contains(index.parent()))
                ++misplaced;
            continue;
        }
        if (target->family() == 2 && source.series() == 2 && source.hwType() == kDecadeModule
            && target->address() % 10 != 0)
            continue;
        OvGenericPoint after = *target;
        if (special)
            pastePoint(&source, &after, filter);
        else
            after.pasteFrom(source);
        // The mixed table shows a detector at an address another module's channels take. A module
        // that keeps its type keeps its addresses, even those an older file let another take.
        const bool retyped = after.hwType() != target->hwType() || after.protocol() != target->protocol()
            || after.series() != target->series();
        if (after.family() == 2 && after.hwType() != 0 && retyped
            && (coveringModule(int(after.address())) || !spanFits(after)))
            continue;
        if (after.isEqual(*target) || !passesCapacity(&context, *target, after))
            continue;
        updateAreaCounts(*target, &after, context.countAreas ? &context.areas : nullptr, &context.showArea);
        // A full zone, or a channel without a type, can take back all that the paste brought.
        if (after.isEqual(*target))
            continue;
        if (switchRow && !switchRowFamily(item, source.family(), index))
            continue;
        // The channel rows name the channels the store replaces: they go first.
        const QModelIndex rowIndex = indexForItem(item);
        if (item->childCount() > 0) {
            beginRemoveRows(rowIndex, 0, item->childCount() - 1);
            item->removeAllChildren();
            endRemoveRows();
        }
        for (int i = changed.size() - 1; i >= 0; --i) {
            if (changed.at(i)->getSubIndex() > 0 && changed.at(i)->address() == target->address()
                && changed.at(i)->family() == target->family())
                changed.removeAt(i);
        }
        changed.append(target);
        const int had = m_loop.spanOf(*target);
        m_loop.updatePoint(after);
        rebuildChannels(rowIndex);
        if (after.family() == 2 && m_loop.spanOf(after) > 1)
            removeCoveredRows(*target, m_loop.spanOf(after));
        // Addresses the old device took and the new one leaves free get their rows back.
        m_rebuildPending = m_rebuildPending || had > m_loop.spanOf(after);
        widenTo(rowIndex);
    }
    if (topLeft.isValid() && bottomRight.isValid()) {
        emit newPointActivated(changed);
        emit pointsChanged(changed);
        emit pointActivated();
        notifyRangeChanged(topLeft, bottomRight);
    }
    if (skipped > 0) {
        PlantMessage message;
        message.icon = PlantMessage::Critical;
        message.text = qtTrId("USR_ERR_VARN_PASTE", skipped);
        PlantDialogs::show(message);
    }
    if (misplaced > 0) {
        PlantMessage message;
        message.icon = PlantMessage::Warning;
        message.text = qtTrId("USR_ERR_CHANNEL_PASTE");
        PlantDialogs::show(message);
    }
    endCommand();
}

void OvPointModel::pastePoint(const OvGenericPoint* source, OvGenericPoint* destination, int filter) const
{
    if (!source || !destination || filter <= 0)
        return;
    const bool bothChannels = source->getSubIndex() > 0 && destination->getSubIndex() > 0;
    const bool compatible = bothChannels
        && static_cast<const OvGenericSubPoint*>(destination)
               ->isCompatible(*static_cast<const OvGenericSubPoint*>(source));
    if (filter == copyAll) {
        if (!bothChannels)
            destination->pasteFrom(*source);
        else if (compatible)
            static_cast<OvGenericSubPoint*>(destination)->pasteFrom(*static_cast<const OvGenericSubPoint*>(source));
        return;
    }
    bool params = false;
    if (filter & copyTypeBit) {
        if (compatible || !bothChannels) {
            destination->copyType(*source);
            params = true;
        }
    } else {
        if (!destination->isValid())
            return;
        params = compatible;
    }
    const QList<OvGenericSubPoint>& from = source->subPoints();
    const int shared = qMin(from.size(), destination->subPoints().size());
    if (params && (filter & copyParamsBit)) {
        if (destination->subPoints().isEmpty()) {
            const QString description = destination->description();
            const int area = destination->areaIndex();
            const QString cbe = destination->cbe();
            const int code = destination->cbeErrorCode();
            destination->pasteFrom(*source);
            destination->setDescription(description);
            destination->setAreaIndex(area);
            destination->setCBE(cbe);
            destination->setCBEErrorCode(code);
        } else {
            for (int k = 0; k < shared; ++k) {
                OvGenericSubPoint channel = destination->subPoints().at(k);
                const QString description = channel.description();
                const int area = channel.areaIndex();
                const QString cbe = channel.cbe();
                const int code = channel.cbeErrorCode();
                channel.pasteFrom(from.at(k));
                channel.setDescription(description);
                channel.setAreaIndex(area);
                channel.setCBE(cbe);
                channel.setCBEErrorCode(code);
                destination->updateSubPoint(channel);
            }
        }
    }
    if (filter & copyDescriptionBit) {
        if (destination->subPoints().isEmpty()) {
            destination->setDescription(source->description());
        } else {
            for (int k = 0; k < shared; ++k) {
                OvGenericSubPoint channel = destination->subPoints().at(k);
                channel.setDescription(from.at(k).description());
                destination->updateSubPoint(channel);
            }
        }
    }
    // A module with channels names each channel; its own row carries no name to the panel.
    const auto markAddress = [destination](bool prefix) {
        if (destination->subPoints().isEmpty()) {
            destination->setDescription(withAddress(*destination, prefix));
            return;
        }
        for (OvGenericSubPoint channel : destination->subPoints()) {
            channel.setDescription(withAddress(channel, prefix));
            destination->updateSubPoint(channel);
        }
    };
    if (filter & copyAddAddressBit)
        markAddress(false);
    if (filter & copyPrefixAddressBit)
        markAddress(true);
    if (filter & copyCBEBit) {
        Plant* plant = ActivePlant::get();
        auto takeProgram = [plant](OvGenericPoint* to, const QString& text) {
            to->setCBE(text);
            if (plant)
                to->setCBEErrorCode(int(plant->checkPointCBE(to)));
        };
        const bool sourceChannels = !from.isEmpty();
        const bool destinationChannels = !destination->subPoints().isEmpty();
        if (!sourceChannels && !destinationChannels) {
            if (source->inputType() == destination->inputType())
                takeProgram(destination, source->cbe());
        } else if (sourceChannels && !destinationChannels) {
            if (destination->inputType() == OvGenericPoint::kInputTypeChannels)
                takeProgram(destination, source->cbe());
        } else if (sourceChannels && destinationChannels) {
            for (int k = 0; k < shared; ++k) {
                OvGenericSubPoint channel = destination->subPoints().at(k);
                takeProgram(&channel, from.at(k).cbe());
                destination->updateSubPoint(channel);
            }
        }
    }
    if (filter & copyAreaBit) {
        if (destination->subPoints().isEmpty()) {
            destination->setAreaIndex(source->areaIndex());
        } else {
            for (int k = 0; k < shared; ++k)
                destination->setAreaIndex(k, from.at(k).areaIndex());
        }
    }
}
