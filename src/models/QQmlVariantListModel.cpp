#include "models/QQmlVariantListModel.h"

#include <QHash>
#include <QList>

namespace {
const int kVariantRole = Qt::UserRole;
}

// The model's state; a child of the model, so it goes with it.
class QQmlVariantListModelPrivate : public QObject {
public:
    explicit QQmlVariantListModelPrivate(QQmlVariantListModel* model)
        : QObject(model)
        , q(model)
    {
        roles.insert(kVariantRole, QByteArrayLiteral("qtVariant"));
    }

    bool isRow(int row) const { return row >= 0 && row < items.size(); }

    // Announces the count after every change of the number of rows, and only when it differs
    // from the last one announced.
    void updateCount()
    {
        if (items.size() == count)
            return;
        count = items.size();
        emit q->countChanged(count);
    }

    QList<QVariant> items;
    QHash<int, QByteArray> roles;
    int count = 0;
    QQmlVariantListModel* const q;
};

QQmlVariantListModel::QQmlVariantListModel(QObject* parent)
    : QAbstractListModel(parent)
    , m_d(new QQmlVariantListModelPrivate(this))
{
}

QQmlVariantListModel::~QQmlVariantListModel()
{
    clear();
}

int QQmlVariantListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_d->items.size();
}

QVariant QQmlVariantListModel::data(const QModelIndex& index, int role) const
{
    if (role != kVariantRole || !m_d->isRow(index.row()))
        return QVariant();
    return m_d->items.at(index.row());
}

bool QQmlVariantListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != kVariantRole || !m_d->isRow(index.row()))
        return false;
    m_d->items[index.row()] = value;
    emit dataChanged(index, index, {role});
    return true;
}

QHash<int, QByteArray> QQmlVariantListModel::roleNames() const
{
    return m_d->roles;
}

void QQmlVariantListModel::clear()
{
    if (m_d->items.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, m_d->items.size() - 1);
    m_d->items.clear();
    endRemoveRows();
    m_d->updateCount();
}

int QQmlVariantListModel::count() const
{
    return m_d->items.size();
}

bool QQmlVariantListModel::isEmpty() const
{
    return m_d->items.isEmpty();
}

void QQmlVariantListModel::append(const QVariant& item)
{
    insert(m_d->items.size(), item);
}

void QQmlVariantListModel::prepend(const QVariant& item)
{
    insert(0, item);
}

void QQmlVariantListModel::insert(int idx, const QVariant& item)
{
    if (idx < 0 || idx > m_d->items.size())
        return;
    beginInsertRows(QModelIndex(), idx, idx);
    m_d->items.insert(idx, item);
    endInsertRows();
    m_d->updateCount();
}

void QQmlVariantListModel::appendList(const QVariantList& itemList)
{
    insertList(m_d->items.size(), itemList);
}

void QQmlVariantListModel::prependList(const QVariantList& itemList)
{
    if (itemList.isEmpty())
        return;
    beginInsertRows(QModelIndex(), 0, itemList.size() - 1);
    for (const QVariant& item : itemList)
        m_d->items.prepend(item);
    endInsertRows();
    m_d->updateCount();
}

void QQmlVariantListModel::replace(int pos, const QVariant& item)
{
    if (!m_d->isRow(pos))
        return;
    m_d->items[pos] = item;
    const QModelIndex changed = index(pos);
    emit dataChanged(changed, changed, {kVariantRole});
}

void QQmlVariantListModel::insertList(int idx, const QVariantList& itemList)
{
    if (itemList.isEmpty() || idx < 0 || idx > m_d->items.size())
        return;
    beginInsertRows(QModelIndex(), idx, idx + itemList.size() - 1);
    int row = idx;
    for (const QVariant& item : itemList)
        m_d->items.insert(row++, item);
    endInsertRows();
    m_d->updateCount();
}

void QQmlVariantListModel::move(int idx, int pos)
{
    if (idx == pos || !m_d->isRow(idx) || !m_d->isRow(pos))
        return;
    // Views name the row the item goes before, counted before it leaves: one past pos when it
    // moves down.
    const int destination = pos > idx ? pos + 1 : pos;
    if (!beginMoveRows(QModelIndex(), idx, idx, QModelIndex(), destination))
        return;
    m_d->items.move(idx, pos);
    endMoveRows();
}

void QQmlVariantListModel::remove(int idx)
{
    if (!m_d->isRow(idx))
        return;
    beginRemoveRows(QModelIndex(), idx, idx);
    m_d->items.removeAt(idx);
    endRemoveRows();
    m_d->updateCount();
}

QVariant QQmlVariantListModel::get(int idx) const
{
    return m_d->isRow(idx) ? m_d->items.at(idx) : QVariant();
}

QVariantList QQmlVariantListModel::list() const
{
    return m_d->items;
}
