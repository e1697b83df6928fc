#include "app/cpuTypeModel.h"

#include "core/Configuration.h"

#include <QDebug>

namespace {
struct RoleRow {
    int role;
    const char* name;
};
const RoleRow kRoles[] = {
    {cpuTypeModel::name, "name"},
    {cpuTypeModel::code, "code"},
};
} // namespace

cpuTypeModel::cpuTypeModel(QObject* parent)
    : QAbstractListModel(parent)
{
    load();
}

int cpuTypeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_names.size();
}

QHash<int, QByteArray> cpuTypeModel::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    for (const RoleRow& row : kRoles)
        names.insert(row.role, row.name);
    return names;
}

QVariant cpuTypeModel::data(const QModelIndex& index, int role) const
{
    qDebug() << "GET DATA CPU TYPE " << index.isValid() << index.row() << m_names;
    if (!index.isValid() || index.row() < 0 || index.row() >= m_names.size())
        return QVariant();
    switch (role) {
    case name: return m_names.at(index.row());
    case code: return m_codes.at(index.row());
    default: return QVariant();
    }
}

int cpuTypeModel::getIndexFromCode(int typeCode) const
{
    qDebug() << m_codes;
    return m_codes.indexOf(typeCode);
}

int cpuTypeModel::getCodeFromIndex(int index) const
{
    if (index < 0 || index >= m_codes.size())
        return -1;
    return m_codes.at(index);
}

void cpuTypeModel::reload()
{
    beginResetModel();
    m_names.clear();
    m_codes.clear();
    load();
    endResetModel();
}

void cpuTypeModel::load()
{
    const QVariantList list = Configuration::instance()->cpuTypeList();
    for (const QVariant& value : list) {
        const int typeCode = value.toInt();
        m_names << Configuration::getCpuTypeName(typeCode);
        m_codes << typeCode;
    }
}
