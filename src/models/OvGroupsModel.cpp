#include "models/OvGroupsModel.h"

#include "models/ModelLogging.h"

#include "cbe/CBEExpression.h"
#include "core/ErrorMessages.h"
#include "plant/ActivePlant.h"
#include "plant/Plant.h"
#include "plant/PlantDialogs.h"

#include <QDebug>

namespace {

QVector<int> rowsOf(const QVariantList& selection)
{
    QVector<int> rows;
    rows.reserve(selection.size());
    for (const QVariant& v : selection)
        rows.append(v.toInt());
    return rows;
}

} // namespace

OvGroupsModel::OvGroupsModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

OvGroupsModel::~OvGroupsModel() = default;

int OvGroupsModel::directCount() const
{
    return qMax(0, m_groups.directGroupsCount());
}

int OvGroupsModel::positionOf(int row) const
{
    // A row past the table would reach a group of the other kind.
    if (row < 0 || row >= rowCount())
        return -1;
    return m_directGroupsFilter ? row : row + directCount();
}

int OvGroupsModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    const int direct = qMin(directCount(), m_groups.count());
    return m_directGroupsFilter ? direct : m_groups.count() - direct;
}

int OvGroupsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 6;
}

Qt::ItemFlags OvGroupsModel::flags(const QModelIndex& index) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QHash<int, QByteArray> OvGroupsModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    names[groupType] = "groupType";
    names[groupIconName] = "groupIconName";
    names[groupDescription] = "groupDescription";
    names[groupCBE] = "groupCBE";
    names[groupDoubleConsent] = "groupDoubleConsent";
    names[groupIndex] = "groupIndex";
    return names;
}

QString OvGroupsModel::iconName(const OvGroup& group) const
{
    uint code = uint(group.cbeErrorCode());
    if (code == uint(OvGroup::kUnchecked)) {
        Plant* plant = ActivePlant::get();
        // While a compile converts the plant a check would convert it as well: answered as
        // unchecked.
        if (!plant || plant->isBusy())
            return QStringLiteral("errors.png");
        code = plant->checkGroupCBE(&group);
    }
    if (code != 0)
        return QStringLiteral("errors.png");
    const int number = group.index();
    if (number == m_groups.highSensibilityGroupIndex())
        return QStringLiteral("highSensibilityGroup_on.png");
    if (number == m_groups.lowSensibilityGroupIndex())
        return QStringLiteral("lowSensibilityGroup_on.png");
    return QStringLiteral("null.png");
}

QVariant OvGroupsModel::data(const QModelIndex& index, int role) const
{
    qCDebug(lcModelPaint) << "OvGroupsModel::data" << index.row() << index.column() << role;
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return QVariant();
    const int position = positionOf(index.row());
    const OvGroup group = position >= 0 ? m_groups.groups().at(position) : OvGroup();
    switch (role) {
    case groupType: return 0;
    case groupIconName: return iconName(group);
    case groupDescription: return group.description();
    case groupCBE: return group.cbe().isEmpty() ? QString() : Ov4800::toStorageString(group.cbe());
    case groupDoubleConsent: return group.doubleConsent();
    case groupIndex: return QStringLiteral("%1").arg(group.index(), 3, 10, QLatin1Char(' '));
    default: qDebug().noquote() << "OvGroupsModel::data:Role: " << role << "\tNot Handled"; return QVariant();
    }
}

bool OvGroupsModel::storeToPlant()
{
    Plant* plant = ActivePlant::get();
    if (!plant)
        return false;
    plant->setGroups(m_groups);
    return true;
}

void OvGroupsModel::emitRowsChanged(int lowest, int highest, const QVector<int>& roles)
{
    emit dataChanged(index(lowest, 0), index(highest, 5), roles);
}

void OvGroupsModel::emitAllRows(int role)
{
    const int rows = rowCount();
    if (rows > 0)
        emit dataChanged(index(0, 0), index(rows - 1, 5), {role});
}

void OvGroupsModel::setSensibilityGroup(bool high, int val)
{
    const int current = high ? m_groups.highSensibilityGroupIndex() : m_groups.lowSensibilityGroupIndex();
    if (val == current)
        return;
    if (high)
        m_groups.setHighSensibilityGroupIndex(val);
    else
        m_groups.setLowSensibilityGroupIndex(val);
    if (storeToPlant())
        rebuildModel();
}

void OvGroupsModel::setHighSensibilityGroupIndex(int val)
{
    setSensibilityGroup(true, val);
}

void OvGroupsModel::setLowSensibilityGroupIndex(int val)
{
    setSensibilityGroup(false, val);
}

void OvGroupsModel::enableSensibilityGroup(bool high, bool enable)
{
    const int current = high ? m_groups.highSensibilityGroupIndex() : m_groups.lowSensibilityGroupIndex();
    const int other = high ? m_groups.lowSensibilityGroupIndex() : m_groups.highSensibilityGroupIndex();
    int number = -1;
    if (enable) {
        const int reverse = m_groups.count() - directCount();
        // With no reverse group there is no group to name.
        if (current >= 0 || reverse <= 0)
            return;
        number = directCount() + 1;
        // One reverse group may be both; with two the other one is free.
        if (number == other && reverse >= 2)
            number = directCount() + 2;
    } else if (current < 0) {
        return;
    }
    if (high)
        m_groups.setHighSensibilityGroupIndex(number);
    else
        m_groups.setLowSensibilityGroupIndex(number);
    if (storeToPlant())
        rebuildModel();
}

void OvGroupsModel::enableHighSensibilityGroup(bool enable)
{
    enableSensibilityGroup(true, enable);
}

void OvGroupsModel::enableLowSensibilityGroup(bool enable)
{
    enableSensibilityGroup(false, enable);
}

void OvGroupsModel::setDirectGroupsFilter(bool setOn)
{
    if (setOn == m_directGroupsFilter)
        return;
    m_directGroupsFilter = setOn;
    rebuildModel();
}

void OvGroupsModel::setDirectGrupsCount(int count)
{
    // The question takes the focus from the field, which reports its edit once more: one
    // question is open at a time, and only its answer counts.
    if (m_askingDirectCount || count < 0 || count > m_groups.count() || count == m_groups.directGroupsCount())
        return;
    int lost = 0;
    for (const OvGroup& group : m_groups.groups()) {
        const bool direct = group.index() - 1 < count;
        if (direct != group.isDirect() && (!group.cbe().isEmpty() || !group.description().isEmpty()))
            ++lost;
    }
    if (lost > 0) {
        PlantMessage message;
        message.icon = PlantMessage::Question;
        message.text = qtTrId("USR_MSG_ASK_DIRECT_GROUPS_CLEAR", lost);
        message.buttons = PlantMessage::Yes | PlantMessage::No;
        message.defaultButton = PlantMessage::No;
        m_askingDirectCount = true;
        const PlantMessage::Button answer = PlantDialogs::show(message);
        m_askingDirectCount = false;
        if (answer != PlantMessage::Yes) {
            emit dataUpdated();
            return;
        }
    }
    m_groups.setDirectGroupsCount(count);
    if (storeToPlant())
        rebuildModel();
}

QString OvGroupsModel::checkDirectGroupsCount(int count) const
{
    if (count < getDirectGroupsCountMinimum() || count > m_groups.count())
        return qtTrId("ERR_VALUE_OUT_OF_RANGE").arg(getDirectGroupsCountMinimum()).arg(m_groups.count());
    return QString();
}

void OvGroupsModel::setGroupDescription(int rowIndex, const QString& desc)
{
    const int position = positionOf(rowIndex);
    if (position < 0)
        return;
    OvGroup* group = m_groups.groupAt(position);
    if (group->description() == desc)
        return;
    group->setDescription(desc);
    if (storeToPlant())
        emitRowsChanged(rowIndex, rowIndex, {});
}

void OvGroupsModel::setGroupDescription(const QVariantList& selection, const QString& desc)
{
    int lowest = 65535, highest = 0;
    bool changed = false;
    for (int row : rowsOf(selection)) {
        const int position = positionOf(row);
        if (position < 0 || m_groups.groupAt(position)->description() == desc)
            continue;
        m_groups.groupAt(position)->setDescription(desc);
        lowest = qMin(lowest, row);
        highest = qMax(highest, row);
        changed = true;
    }
    if (changed && storeToPlant())
        emitRowsChanged(lowest, highest, {groupDescription});
}

void OvGroupsModel::setCBE(const QVariantList& selection, const QString& cbe)
{
    const QString text = cbe.isEmpty() ? QString() : Ov4800::toDisplayString(cbe);
    Plant* plant = ActivePlant::get();
    int lowest = 65535, highest = 0;
    bool changed = false;
    for (int row : rowsOf(selection)) {
        const int position = positionOf(row);
        if (position < 0)
            continue;
        OvGroup* group = m_groups.groupAt(position);
        if (group->cbe() == text)
            continue;
        group->setCBE(text);
        if (plant && !plant->isBusy())
            group->setCBEErrorCode(int(plant->checkGroupCBE(group)));
        lowest = qMin(lowest, row);
        highest = qMax(highest, row);
        changed = true;
    }
    if (!changed)
        return;
    storeToPlant();
    emitRowsChanged(lowest, highest, {groupCBE, groupIconName});
}

bool OvGroupsModel::isEmpty(int rowIndex) const
{
    const int position = positionOf(rowIndex);
    if (position < 0)
        return true;
    const OvGroup& group = m_groups.groups().at(position);
    return group.description().isEmpty() && group.cbe().isEmpty() && !group.doubleConsent();
}

void OvGroupsModel::copy(int rowIndexFrom, const QVariantList& selection)
{
    const int from = positionOf(rowIndexFrom);
    if (from < 0)
        return;
    const OvGroup source = m_groups.groups().at(from);
    int lowest = 65535, highest = 0;
    bool changed = false;
    for (int row : rowsOf(selection)) {
        const int position = positionOf(row);
        if (position < 0 || position == from)
            continue;
        OvGroup* group = m_groups.groupAt(position);
        group->setCBE(source.cbe());
        group->setCBEErrorCode(source.cbeErrorCode());
        group->setDescription(source.description());
        group->setDoubleConsent(source.doubleConsent());
        lowest = qMin(lowest, row);
        highest = qMax(highest, row);
        changed = true;
    }
    if (!changed)
        return;
    storeToPlant();
    emitRowsChanged(lowest, highest, {});
}

bool OvGroupsModel::getDoubleConsentFlag(int rowIndex) const
{
    const int position = positionOf(rowIndex);
    return position >= 0 && m_groups.groups().at(position).doubleConsent();
}

void OvGroupsModel::setDoubleConsentFlag(const QVariantList& selection, bool flag)
{
    int lowest = 65535, highest = 0;
    bool changed = false;
    for (int row : rowsOf(selection)) {
        const int position = positionOf(row);
        if (position < 0 || m_groups.groupAt(position)->doubleConsent() == flag)
            continue;
        m_groups.groupAt(position)->setDoubleConsent(flag);
        lowest = qMin(lowest, row);
        highest = qMax(highest, row);
        changed = true;
    }
    if (changed && storeToPlant())
        emitRowsChanged(lowest, highest, {groupDoubleConsent});
}

QString OvGroupsModel::getIconToolTip(int rowIndex) const
{
    const int position = positionOf(rowIndex);
    if (position < 0)
        return QString();
    const int code = m_groups.groups().at(position).cbeErrorCode();
    if (code == 0 || code == OvGroup::kUnchecked)
        return QString();
    return getErrorMessage(code);
}

void OvGroupsModel::resetGroups(const QVariantList& selection)
{
    int lowest = 65535, highest = 0;
    bool changed = false;
    for (int row : rowsOf(selection)) {
        const int position = positionOf(row);
        if (position < 0)
            continue;
        OvGroup* group = m_groups.groupAt(position);
        group->clear();
        // A cleared group keeps its kind: the kind follows the position, not the contents.
        group->setDirect(position < directCount());
        lowest = qMin(lowest, row);
        highest = qMax(highest, row);
        changed = true;
    }
    if (!changed)
        return;
    storeToPlant();
    emitRowsChanged(lowest, highest, {});
}

QString OvGroupsModel::getSelectedIndexesStr(const QVariantList& selection) const
{
    QString text = qtTrId("GROUP_INDEX") + QStringLiteral(": ");
    int previous = 0;
    int runLength = 0;
    auto closeRun = [&]() {
        if (runLength >= 3)
            text += QStringLiteral(" - %1").arg(previous);
        else if (runLength == 2)
            text += QStringLiteral("; %1").arg(previous);
    };
    for (int row : rowsOf(selection)) {
        const int position = positionOf(row);
        if (position < 0)
            continue;
        const int number = position + 1;
        if (runLength > 0 && number == previous + 1) {
            ++runLength;
        } else {
            closeRun();
            text += runLength > 0 ? QStringLiteral("; %1").arg(number) : QString::number(number);
            runLength = 1;
        }
        previous = number;
    }
    closeRun();
    return text;
}

void OvGroupsModel::select(int groupIdx)
{
    if (groupIdx < 0 || groupIdx >= m_groups.count())
        return;
    const bool direct = groupIdx < directCount();
    if (direct != m_directGroupsFilter)
        return;
    emit remoteSelect(direct ? groupIdx : groupIdx - directCount());
}

void OvGroupsModel::rebuildModel()
{
    qDebug().noquote() << "";
    beginResetModel();
    if (const Plant* plant = ActivePlant::get())
        m_groups = plant->groups();
    else
        m_groups.clear();
    emit dataUpdated();
    endResetModel();
    qDebug().noquote() << "";
}

void OvGroupsModel::updateFromPlant()
{
    if (const Plant* plant = ActivePlant::get()) {
        const QList<OvGroup>& source = plant->groups().groups();
        for (int p = 0; p < m_groups.count(); ++p)
            m_groups.groupAt(p)->setCBEErrorCode(p < source.size() ? source.at(p).cbeErrorCode() : 0);
    }
    emitAllRows(groupIconName);
}

void OvGroupsModel::onApplicationLanguageChanged()
{
    emitAllRows(groupCBE);
}
