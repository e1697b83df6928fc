#include "models/OvEventFilterModel.h"

#include "plant/EventFilterLabel.h"
#include "plant/ZpEventFilter.h"

#include <QDebug>

OvEventFilterModel::OvEventFilterModel(QObject* parent)
    : QAbstractListModel(parent)
{
    build();
}

void OvEventFilterModel::build()
{
    m_labels.clear();
    for (u32 type = ZpEventFilter::None; type <= ZpEventFilter::ModuleExcl; ++type)
        m_labels << eventFilterTypeLabel(type);
}

void OvEventFilterModel::reset()
{
    beginResetModel();
    build();
    endResetModel();
}

int OvEventFilterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_labels.size();
}

QHash<int, QByteArray> OvEventFilterModel::roleNames() const
{
    return {{filterName, "filterName"}};
}

QVariant OvEventFilterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_labels.size() || index.column() != 0)
        return QVariant();
    if (role == filterName)
        return m_labels.at(index.row());
    qDebug().nospace() << "OvEventFilterModel::data:Role " << role << "\tNot Handled";
    return QVariant();
}
