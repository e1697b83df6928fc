#pragma once
// The node of every item tree behind a QML tree model. An item owns its children and records
// its parent, which never changes; the creator hands a new item to that same parent with
// appendChild or insertChild. A model puts the item itself into its indexes; the self pointer
// lets it refuse an item that is being destroyed.
#include <QList>
#include <QModelIndex>
#include <QVariant>

class TreeItem {
public:
    // The item an index of a tree model points at; fallback for an index without one, and for
    // one whose item is being destroyed (logged as critical).
    static TreeItem* fromIndex(const QModelIndex& index, TreeItem* fallback);
    explicit TreeItem(const QList<QVariant>& data, TreeItem* parent = nullptr);
    virtual ~TreeItem();
    TreeItem(const TreeItem&) = delete;
    TreeItem& operator=(const TreeItem&) = delete;

    // Null outside 0 .. childCount() - 1.
    TreeItem* child(int row) const;
    int childCount() const { return childItems.size(); }
    int columnCount() const { return itemData.size(); }
    // Invalid outside 0 .. columnCount() - 1.
    QVariant data(int column) const;
    TreeItem* parent() const { return parentItem; }
    // 0 for a root.
    int row() const;
    // Null for a root and for the last child.
    TreeItem* nextSibling() const;

    // The list takes ownership.
    void appendChild(TreeItem* item);
    // A position at or past the end appends.
    void insertChild(TreeItem* item, int position);
    // Takes the item out without deleting it; ownership passes to the caller.
    void removeChild(TreeItem* item);
    // False, nothing changed, for a range outside the children; true without change for count < 1.
    bool removeChildren(int position, int count);
    void removeAllChildren();

    // This item while it lives, null once its destructor has begun.
    const TreeItem* self() const { return pThis; }

private:
    TreeItem* pThis;
    QList<TreeItem*> childItems;
    QList<QVariant> itemData;
    TreeItem* parentItem;
};
