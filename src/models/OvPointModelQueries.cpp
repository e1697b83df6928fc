// What the loop page asks of the point tables before it offers a command or a setting.
#include "models/OvPointMdlItem.h"
#include "models/OvPointModel.h"

#include "core/ErrorMessages.h"
#include "plant/ActivePlant.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"
#include "plant/PointType.h"

#include <QDebug>

namespace {

constexpr int kLinkedModuleType = 0x400D;

} // namespace

OvGenericPoint* OvPointModel::getPoint(const QModelIndex& index) const
{
    if (!index.isValid())
        return nullptr;
    const auto* item = static_cast<const OvPointMdlItem*>(itemForIndex(index));
    // The rows name points of the model's own loop copy, which it may change.
    return item ? const_cast<OvGenericPoint*>(item->getPoint()) : nullptr;
}

bool OvPointModel::isChannel(const QModelIndex& index) const
{
    if (!index.isValid())
        return false;
    const auto* item = static_cast<const OvPointMdlItem*>(itemForIndex(index));
    return item && item->itemType() == 2;
}

bool OvPointModel::isValid(const QModelIndex& index) const
{
    const OvGenericPoint* p = getPoint(index);
    return p && p->isValid();
}

int OvPointModel::subCount(const QModelIndex& index) const
{
    return index.isValid() ? rowCount(index.sibling(index.row(), 0)) : 0;
}

bool OvPointModel::isThereAnyValid(const QModelIndexList& indexes) const
{
    for (const QModelIndex& index : indexes)
        if (isValid(index))
            return true;
    return false;
}

bool OvPointModel::canErase(const QModelIndexList& indexes) const
{
    for (const QModelIndex& index : indexes) {
        const OvGenericPoint* p = getPoint(index);
        if (!p || !p->isValid())
            continue;
        if (p->family() == 1 || !isChannel(index))
            return true;
        // A channel goes only from the end of the module's programmed channels.
        const OvGenericPoint* module = moduleAt(int(p->address()));
        if (!module)
            return true;
        if (module->series() == 1 && m_loop.type() != OvLoop::LOOP_VARN500)
            return true;
        const int next = p->getSubIndex();
        if (next >= module->subPoints().size() || !module->subPoints().at(next).isValid())
            return true;
    }
    return false;
}

bool OvPointModel::canBeUsedForCopy(const QModelIndexList& indexes) const
{
    if (indexes.isEmpty())
        return false;
    const OvGenericPoint* p = getPoint(indexes.first());
    if (!p || !p->isValid())
        return false;
    if (isChannel(indexes.first()))
        return !(p->series() == 2 && p->hwType() == kLinkedModuleType);
    if (p->family() == 2 && p->series() == 2)
        return p->subPoints().isEmpty();
    return true;
}

void OvPointModel::currentRowChanged(const QModelIndex& index)
{
    if (const OvGenericPoint* p = getPoint(index))
        emit currentSensorSelectionChanged(*p);
}

int OvPointModel::getPointAreaIndex(const QModelIndex& index) const
{
    const OvGenericPoint* p = getPoint(index);
    return p ? p->areaIndex() : -1;
}

QVariant OvPointModel::getPointAreaIndexStr(const QModelIndex& index) const
{
    const Plant* plant = ActivePlant::get();
    if (!plant)
        return QVariant();
    const OvGenericPoint* p = getPoint(index);
    if (!p || p->areaIndex() <= 0)
        return qtTrId("PT_NOT_ASSIGNED");
    QString text = QString::number(p->areaIndex());
    const QList<OvArea>& areas = plant->areas().areas();
    if (p->areaIndex() <= areas.size()) {
        const QString description = areas.at(p->areaIndex() - 1).description();
        if (!description.isEmpty())
            text += QStringLiteral(": ") + description;
    }
    return text;
}

// --- which settings a row's type supports ---

bool OvPointModel::supports(const QModelIndex& index, int family, bool noChannels, uint feature) const
{
    const OvGenericPoint* p = getPoint(index);
    return p && p->hasSetting(family, noChannels, feature);
}

bool OvPointModel::isValidCheckAudit(const QModelIndex& index) const
{
    return supports(index, 1, true, OvGenericPoint::FEATURE_AUDIT);
}

bool OvPointModel::isValidAlertLevelRAVI(const QModelIndex& index) const
{
    return supports(index, 1, true, OvGenericPoint::FEATURE_ALERT_LEVEL);
}

bool OvPointModel::isValidLSens(const QModelIndex& index) const
{
    return supports(index, 1, true, OvGenericPoint::FEATURE_THREE_LEVELS);
}

bool OvPointModel::isValidNSens(const QModelIndex& index) const
{
    return supports(index, 1, true, OvGenericPoint::FEATURE_THREE_LEVELS);
}

bool OvPointModel::isValidHSens(const QModelIndex& index) const
{
    return supports(index, 1, true, OvGenericPoint::FEATURE_THREE_LEVELS);
}

bool OvPointModel::isValidCheckTracking(const QModelIndex& index) const
{
    return supports(index, 0, false, OvGenericPoint::FEATURE_TRACKING);
}

bool OvPointModel::isValidCheckFlashing(const QModelIndex& index) const
{
    return supports(index, 0, true, OvGenericPoint::FEATURE_FLASHING);
}

bool OvPointModel::isValidRaviRadioFlag(const QModelIndex& index) const
{
    return supports(index, 1, true, OvGenericPoint::FEATURE_RAVI_RADIO);
}

bool OvPointModel::isValidCheckSilenceMod(const QModelIndex& index) const
{
    return supports(index, 0, true, OvGenericPoint::FEATURE_SILENCE);
}

bool OvPointModel::isValidAutoCheckSilenceMod(const QModelIndex& index) const
{
    return supports(index, 0, true, OvGenericPoint::FEATURE_AUTO_SILENCE);
}

bool OvPointModel::isValidCBEFlag(const QModelIndex& index) const
{
    return supports(index, 0, true, OvGenericPoint::FEATURE_CBE);
}

bool OvPointModel::isValidAreaFlag(const QModelIndex& index) const
{
    return supports(index, 0, true, OvGenericPoint::FEATURE_AREA);
}

bool OvPointModel::isValidFastInput(const QModelIndex& index, int devIdx) const
{
    const OvGenericPoint* p = getPoint(index);
    if (!p || p->series() != 1)
        return false;
    switch (p->hwType()) {
    case 182: return true;
    case 180: return devIdx == 0 && p->subPoints().isEmpty();
    case 181: return devIdx == 0;
    default: return false;
    }
}

bool OvPointModel::isValidFastInputLogic(const QModelIndex& index) const
{
    const OvGenericPoint* p = getPoint(index);
    return p && p->series() == 1 && p->hwType() == 182;
}

int OvPointModel::getAllarmLevelMdlType(const QModelIndex& index) const
{
    const OvGenericPoint* p = getPoint(index);
    if (!p || p->family() != 1)
        return 0;
    switch (p->hwType()) {
    case 30: return 1;
    case 32: return 2;
    case 31: return 3;
    default: return 0;
    }
}

int OvPointModel::getAllarmLevelMdlType(const QModelIndexList& selection) const
{
    int running = 0;
    for (const QModelIndex& index : selection) {
        const int value = getAllarmLevelMdlType(index);
        if (running == 0)
            running = value;
        else if (value != running)
            return 0;
    }
    return running;
}

bool OvPointModel::isCBEEditEnabled(const QModelIndexList& selection) const
{
    int kind = -1;
    for (const QModelIndex& index : selection) {
        const OvGenericPoint* p = getPoint(index);
        if (!p)
            continue;
        const int inputKind = p->subPoints().isEmpty() ? p->inputType() : OvGenericPoint::kInputTypeChannels;
        if (kind >= 0 && inputKind != kind)
            return false;
        kind = inputKind;
    }
    return true;
}

bool OvPointModel::isCBEEditDirect(const QModelIndexList& selection) const
{
    for (const QModelIndex& index : selection) {
        const OvGenericPoint* p = getPoint(index);
        if (p && (!p->subPoints().isEmpty() || p->inputType() != 1))
            return false;
    }
    return true;
}

QVariantList OvPointModel::getCBEOwners(const QModelIndexList& selection) const
{
    QVariantList owners;
    for (const QModelIndex& index : selection)
        if (const OvGenericPoint* p = getPoint(index))
            owners.append(p->cbeOwner());
    return owners;
}

bool OvPointModel::isEditable(const QModelIndex& idx) const
{
    const OvGenericPoint* p = getPoint(idx);
    if (!p || p->swType() == 27)
        return false;
    if (!isChannel(idx))
        return true;
    if (p->isValid())
        return p->swType() != 54;
    // A free channel may be typed once the channel before it is.
    const int s = p->getSubIndex();
    const int a = int(p->address());
    const OvGenericPoint* module = moduleAt(a);
    if (!module || s < 2)
        return true;
    const QList<OvGenericSubPoint>& channels = module->subPoints();
    const bool previousValid = s - 2 < channels.size() && channels.at(s - 2).isValid();
    const auto rowPointValid = [](const TreeItem* row) {
        return static_cast<const OvPointMdlItem*>(row)->getPoint()
            && static_cast<const OvPointMdlItem*>(row)->getPoint()->isValid();
    };
    if (module->series() == 2 && module->hwType() == kLinkedModuleType && s != 2) {
        if (!previousValid)
            return false;
        const TreeItem* row = findModuleItem(a + s - 1, 0);
        if (!row)
            return true;
        if (!static_cast<const OvPointMdlItem*>(row)->getPoint())
            return false;
        return !rowPointValid(row);
    }
    if (m_loop.type() != OvLoop::LOOP_VARN500)
        return true;
    if (!previousValid)
        return false;
    const TreeItem* row = findModuleItem(a + s - 1, 0);
    if (!row)
        return a + s - 1 <= m_loop.modules().size();
    return !rowPointValid(row);
}

bool OvPointModel::canOpenTypeSelection(const QModelIndexList& selection, const QModelIndex& index)
{
    Q_UNUSED(selection)
    onCurrentIndexChanged(index);
    return true;
}

int OvPointModel::rowDistance(const QModelIndex& a, const QModelIndex& b, bool firstExpanded) const
{
    if (!a.isValid() || !b.isValid())
        return 0;
    const int aChildren = firstExpanded ? rowCount(a.sibling(a.row(), 0)) : 0;
    if (a.parent() == b.parent())
        return b.row() - a.row() + aChildren;
    int start = a.row() - aChildren;
    const QModelIndex pa = a.parent();
    if (pa.isValid())
        start = pa.row() + (start - rowCount(pa));
    int end = b.row();
    const QModelIndex pb = b.parent();
    if (pb.isValid())
        end += pb.row();
    return end - start;
}

void OvPointModel::doGenericTest()
{
    qInfo() << "OvPointModel::doGenericTest()";
}

void OvPointModel::onColumnMoved(const QModelIndex& parent, int, int, const QModelIndex&, int)
{
    qInfo() << "parent" << parent;
}

int OvPointModel::getColumnOrder(int idx)
{
    qInfo() << "OvPointModel::getColumnOrder : " << idx;
    return idx;
}

QString OvPointModel::getIconToolTip(const QModelIndex& index) const
{
    const OvGenericPoint* p = getPoint(index);
    if (!p || !p->isValid())
        return QString();
    const Plant* plant = ActivePlant::get();
    const int korva = plant ? plant->checkKorvaModule(p) : 0;
    if (korva != 0)
        return getErrorMessage(korva);
    if (p->getCBEErrorCode() != 0)
        return getErrorMessage(p->getCBEErrorCode());
    if (m_loop.sharesAddress(*p))
        return qtTrId("USR_ERR_ADDRESS_COVERED");
    return p->isAreaAssigned() ? QString() : qtTrId("PT_NOT_ASSIGNED");
}

QString OvPointModel::getSelectedIndexesStr(const QModelIndexList& selection) const
{
    struct Item {
        int address;
        int sub;
    };
    const auto write = [](const Item& item) {
        return item.sub > 0 ? QStringLiteral("%1.%2").arg(item.address).arg(item.sub) : QString::number(item.address);
    };
    QString text = qtTrId("CSV_ADDRESS") + QStringLiteral(": ");
    bool inRun = false;
    Item last{0, 0};
    int further = 0;
    const auto closeRun = [&]() {
        if (further >= 2)
            text += QStringLiteral(" - ") + write(last);
        else if (further == 1)
            text += QStringLiteral("; ") + write(last);
    };
    for (const QModelIndex& index : selection) {
        const OvGenericPoint* p = getPoint(index);
        if (!p)
            continue;
        // A channel is named as a program names it, as its row is.
        Item item{int(p->address()), 0};
        const OvGenericPoint* module = p->getSubIndex() > 0 ? getPoint(index.parent()) : nullptr;
        if (module && module->channelsAtOwnAddresses())
            item.address += p->getSubIndex() - 1;
        else
            item.sub = p->getSubIndex();
        if (inRun) {
            const bool extends = (item.sub == 0 && last.sub == 0 && item.address == last.address + 1)
                || (item.address == last.address && item.sub == last.sub + 1);
            if (extends) {
                last = item;
                ++further;
                continue;
            }
            closeRun();
            text += QStringLiteral("; ");
        }
        text += write(item);
        inRun = true;
        last = item;
        further = 0;
    }
    if (inRun)
        closeRun();
    return text;
}

// --- for the editing commands ---

TreeItem* OvPointModel::findModuleItem(int address, int subIndex) const
{
    for (int r = qMin(address, m_root->childCount()) - 1; r >= 0; --r) {
        TreeItem* row = m_root->child(r);
        const OvGenericPoint* p = static_cast<const OvPointMdlItem*>(row)->getPoint();
        if (!p || int(p->address()) != address)
            continue;
        if (subIndex >= 1 && subIndex <= row->childCount())
            return row->child(subIndex - 1);
        return row;
    }
    return nullptr;
}

namespace {

QModelIndex topOf(const QModelIndex& index)
{
    return index.parent().isValid() ? index.parent() : index;
}

bool lessThan(const QModelIndex& a, const QModelIndex& b)
{
    if (a.row() != b.row())
        return a.row() < b.row();
    if (a.column() != b.column())
        return a.column() < b.column();
    return a.internalId() < b.internalId();
}

} // namespace

QModelIndex OvPointModel::outerIndex(const QModelIndex& a, const QModelIndex& b, bool last) const
{
    if (!a.isValid())
        return b;
    if (!b.isValid())
        return a;
    const QModelIndex ta = topOf(a), tb = topOf(b);
    if (ta.row() == tb.row()) {
        if (a.parent() != b.parent())
            return ta;
        return lessThan(last ? a : b, last ? b : a) ? b : a;
    }
    return (last ? ta.row() > tb.row() : ta.row() < tb.row()) ? ta : tb;
}

QModelIndex OvPointModel::firstIndex(const QModelIndex& a, const QModelIndex& b) const
{
    return outerIndex(a, b, false);
}

QModelIndex OvPointModel::lastIndex(const QModelIndex& a, const QModelIndex& b) const
{
    return outerIndex(a, b, true);
}

void OvPointModel::notifyRangeChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                      const QVector<int>& roles)
{
    if (topLeft.parent() != bottomRight.parent())
        return;
    emit dataChanged(topLeft, bottomRight, roles);
    const QModelIndex parentIndex = topLeft.parent();
    const int rows = rowCount(parentIndex);
    for (int r = qMax(0, topLeft.row()); r <= bottomRight.row() && r < rows; ++r) {
        const QModelIndex row = index(r, 0, parentIndex);
        const int children = rowCount(row);
        if (children > 0)
            emit dataChanged(index(0, 0, row), index(children - 1, 0, row), roles);
    }
}

int OvPointModel::checkTypePlacement(const OvGenericPoint* point, const PointType& type) const
{
    if (!point)
        return -1;
    if (type.getSeries() != 2 || type.hwType() != kLinkedModuleType)
        return 0;
    const OvGenericPoint* next = moduleAt(int(point->address()) + 1);
    if (point->address() % 10 != 0 || !next)
        return -1;
    return next->isValid() ? -1 : 1;
}
