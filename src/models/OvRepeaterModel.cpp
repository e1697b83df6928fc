#include "models/OvRepeaterModel.h"

#include "models/ModelLogging.h"
#include "models/OvPlantInfo.h"
#include "plant/ActivePlant.h"
#include "plant/Plant.h"

#include <QDebug>

namespace {
constexpr int kColumns = 3;
}

OvRepeaterModel::OvRepeaterModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int OvRepeaterModel::rowCount(const QModelIndex& parent) const
{
    const Plant* plant = ActivePlant::get();
    return parent.isValid() || !plant ? 0 : plant->getRepeatersCount();
}

int OvRepeaterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

Qt::ItemFlags OvRepeaterModel::flags(const QModelIndex& index) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QHash<int, QByteArray> OvRepeaterModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    names.insert(rptIndex, "rptIndex");
    names.insert(rptDescription, "rptDescription");
    names.insert(rptEnabledStat, "rptEnabledStat");
    return names;
}

QVariant OvRepeaterModel::data(const QModelIndex& index, int role) const
{
    const Plant* plant = ActivePlant::get();
    if (index.row() < 0 || index.column() < 0 || !index.model() || !plant)
        return QVariant();
    const ZpRepeater* repeater = plant->repeaters().at(index.row());
    switch (role) {
    case rptIndex: return QString("#%1").arg(index.row() + 1, 3, 10, QChar(' '));
    case rptDescription: return repeater ? repeater->description : QString();
    case rptEnabledStat: return repeater && repeater->enabled;
    default:
        qCDebug(lcModelPaint).nospace() << "OvRepeaterModel::data:Role: " << role << "\tNot Handled";
        return QVariant();
    }
}

void OvRepeaterModel::enableRPT(const QList<int>& selection, bool enable)
{
    Plant* plant = ActivePlant::get();
    if (!plant)
        return;
    int lowest = 65535;
    int highest = 0;
    for (int row : selection) {
        const ZpRepeater* repeater = plant->repeaters().at(row);
        if (!repeater || repeater->enabled == enable)
            continue;
        plant->enableRepeater(row, enable);
        lowest = qMin(lowest, row);
        highest = qMax(highest, row);
    }
    if (lowest <= highest)
        emit dataChanged(index(lowest, 0), index(highest, kColumns - 1), {rptEnabledStat});
}

void OvRepeaterModel::setDescription(const QList<int>& selection, const QString& val)
{
    Plant* plant = ActivePlant::get();
    if (!plant || !OvPlantInfo::fitsName(val))
        return;
    int lowest = 65535;
    int highest = 0;
    for (int row : selection) {
        const ZpRepeater* repeater = plant->repeaters().at(row);
        if (!repeater || repeater->description == val)
            continue;
        plant->setRepeaterDescription(row, val);
        lowest = qMin(lowest, row);
        highest = qMax(highest, row);
    }
    if (lowest <= highest)
        emit dataChanged(index(lowest, 0), index(highest, kColumns - 1), {rptDescription});
}

bool OvRepeaterModel::isEnableRTP(int rowIndex) const
{
    const Plant* plant = ActivePlant::get();
    const ZpRepeater* repeater = plant ? plant->repeaters().at(rowIndex) : nullptr;
    return repeater && repeater->enabled;
}

void OvRepeaterModel::reset()
{
    qDebug() << ">>>";
    beginResetModel();
    endResetModel();
    qDebug() << "<<<";
}
