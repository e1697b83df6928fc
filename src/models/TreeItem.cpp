#include "models/TreeItem.h"

#include <QDebug>

TreeItem::TreeItem(const QList<QVariant>& data, TreeItem* parent)
    : pThis(this)
    , itemData(data)
    , parentItem(parent)
{
}

TreeItem::~TreeItem()
{
    pThis = nullptr;
    removeAllChildren();
}

TreeItem* TreeItem::child(int row) const
{
    return row >= 0 && row < childItems.size() ? childItems.at(row) : nullptr;
}

QVariant TreeItem::data(int column) const
{
    return column >= 0 && column < itemData.size() ? itemData.at(column) : QVariant();
}

int TreeItem::row() const
{
    return parentItem ? int(parentItem->childItems.indexOf(const_cast<TreeItem*>(this))) : 0;
}

TreeItem* TreeItem::nextSibling() const
{
    return parentItem ? parentItem->child(row() + 1) : nullptr;
}

void TreeItem::appendChild(TreeItem* item)
{
    childItems.append(item);
}

void TreeItem::insertChild(TreeItem* item, int position)
{
    if (position < 0)
        position = 0;
    if (position >= childItems.size())
        childItems.append(item);
    else
        childItems.insert(position, item);
}

void TreeItem::removeChild(TreeItem* item)
{
    childItems.removeOne(item);
}

bool TreeItem::removeChildren(int position, int count)
{
    if (position < 0 || position + count > childItems.size())
        return false;
    for (int i = 0; i < count; ++i)
        delete childItems.takeAt(position);
    return true;
}

void TreeItem::removeAllChildren()
{
    while (!childItems.isEmpty())
        delete childItems.takeFirst();
}

TreeItem* TreeItem::fromIndex(const QModelIndex& index, TreeItem* fallback)
{
    if (!index.isValid() || !index.internalPointer())
        return fallback;
    auto* item = static_cast<TreeItem*>(index.internalPointer());
    if (item->self() != item) {
        qCritical() << "item != item->pThis\t" << static_cast<void*>(item);
        return fallback;
    }
    return item;
}
