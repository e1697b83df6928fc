#include "models/SensorAllarmLevelModel.h"

#include "models/ModelLogging.h"
#include "plant/OvGenericPoint.h"

#include <QDebug>

namespace {

constexpr int kLevels = OvGenericPoint::kAlertLevels;

// Row k of the table is level k + 1; column m - 1 is model type m.
const char* const kSuffixes[kLevels][3] = {
    {" - 1%/ft", " - 1%/ft", " - 1%/ft"},
    {" - 1%-2%/ft", " - 2%/ft", " - 2%/ft"},
    {" - 2%/ft", " - 3%/ft, T: <45s", " - 3%/ft"},
    {" - 2%-3.5%/ft", " - 3%/ft, T: 45s - 90s", " - 3%/ft"},
    {" - 3.5%/ft", " - 3%/ft, T: >90s", " - 4%/ft"},
};

} // namespace

SensorAllarmLevelModel::SensorAllarmLevelModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

int SensorAllarmLevelModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kLevels;
}

QHash<int, QByteArray> SensorAllarmLevelModel::roleNames() const
{
    return {{LevelNameRole, "levelName"}};
}

QVariant SensorAllarmLevelModel::data(const QModelIndex& index, int role) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return QVariant();
    if (role == LevelNameRole)
        return getLevelName(index.row(), m_modelType);
    qCDebug(lcModelPaint).nospace() << "SensorAllarmLevelModel::data:Role " << role << "\tNot Handled";
    return QVariant();
}

QString SensorAllarmLevelModel::getLevelName(int rowIndex, int modelType) const
{
    QString name = qtTrId("SENSOR_ALLARM_MODEL_PREFIX");
    if (rowIndex < 0 || rowIndex >= kLevels)
        return name;
    name += QStringLiteral(" %1").arg(rowIndex + 1);
    if (modelType >= 1 && modelType <= 3)
        name += QLatin1String(kSuffixes[rowIndex][modelType - 1]);
    return name;
}

void SensorAllarmLevelModel::setModelType(int type)
{
    if (type == m_modelType)
        return;
    beginResetModel();
    m_modelType = type;
    endResetModel();
}

void SensorAllarmLevelModel::refresh()
{
    beginResetModel();
    endResetModel();
    emit levelsNameUpdated();
}
