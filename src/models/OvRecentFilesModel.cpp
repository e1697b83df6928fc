#include "models/OvRecentFilesModel.h"

#include "core/OvParametersReference.h"

#include <QDebug>

const OvRecentFilesModel::RoleEntry OvRecentFilesModel::s_roles[] = {
    {itemFileIndex, "itemFileIndex", &OvRecentFilesModel::fileIndex},
    {itemFileName, "itemFileName", &OvRecentFilesModel::fileName},
};

OvRecentFilesModel::OvRecentFilesModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    load();
}

void OvRecentFilesModel::load()
{
    const OvParametersReference parameters;
    m_files = parameters.recentFilesName();
}

void OvRecentFilesModel::reset()
{
    beginResetModel();
    load();
    emit dataUpdated();
    endResetModel();
}

int OvRecentFilesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_files.size();
}

int OvRecentFilesModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant OvRecentFilesModel::data(const QModelIndex& index, int role) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model() || index.row() >= m_files.size())
        return QVariant();
    for (const RoleEntry& entry : s_roles) {
        if (entry.role == role)
            return (this->*entry.value)(index.row());
    }
    qDebug().nospace() << "OvRecentFilesModel::data:Role: " << role << "\tNot Handled";
    return QVariant();
}

Qt::ItemFlags OvRecentFilesModel::flags(const QModelIndex& index) const
{
    if (index.row() < 0 || index.column() < 0 || !index.model())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QHash<int, QByteArray> OvRecentFilesModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    for (const RoleEntry& entry : s_roles)
        names.insert(entry.role, entry.name);
    return names;
}

QVariant OvRecentFilesModel::fileIndex(int row) const
{
    return row;
}

QVariant OvRecentFilesModel::fileName(int row) const
{
    return m_files.at(row);
}

void OvRecentFilesModel::clicked(int i)
{
    qDebug().nospace() << "\t\tclicked on index = " << i;
    if (i < 0 || i >= m_files.size())
        return;
    emit selectFile(m_files.at(i));
}
