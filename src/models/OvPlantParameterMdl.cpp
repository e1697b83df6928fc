#include "models/OvPlantParameterMdl.h"

#include <QDebug>

namespace {
const int kRows = 1;
const int kColumns = 4;
}

const OvPlantParameterMdl::RoleEntry OvPlantParameterMdl::s_roles[] = {
    {parameterID, "parameterID"},
    {parameterName, "parameterName"},
    {parameterType, "parameterType"},
    {parameterVald, "parameterVald"},
};

OvPlantParameterMdl::OvPlantParameterMdl(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int OvPlantParameterMdl::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kRows;
}

int OvPlantParameterMdl::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant OvPlantParameterMdl::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    for (const RoleEntry& entry : s_roles) {
        if (entry.role == role)
            return QVariant();
    }
    qDebug().nospace() << "OvPlantParameterMdl::data:Role: " << role << "\tNot Handled";
    return QVariant();
}

Qt::ItemFlags OvPlantParameterMdl::flags(const QModelIndex& index) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QHash<int, QByteArray> OvPlantParameterMdl::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    for (const RoleEntry& entry : s_roles)
        names.insert(entry.role, entry.name);
    return names;
}
