#pragma once
// A row of the selectable-target tree: everything lives in its own fields, no columns.
#include "models/TreeItem.h"

#include <QString>

class ActiveItem : public TreeItem {
public:
    enum Kind { kRoot = 0, kArea = 1, kCPU = 2, kLoop = 3, kFamily = 4, kPoint = 5, kSub = 6 };

    // The root: address -1, not selectable.
    ActiveItem()
        : TreeItem({}, nullptr)
    {
    }
    ActiveItem(int address, int kind, const QString& description, const QString& iconName, bool selectable,
               ActiveItem* parent)
        : TreeItem({}, parent)
        , address(address)
        , kind(kind)
        , description(description)
        , iconName(iconName)
        , selectable(selectable)
    {
    }
    virtual int itemType() const { return kind; }

    // Area (0 for all), CPU index, loop number, point address, sub index or family, by kind.
    int address = -1;
    int kind = kRoot;
    QString description;
    QString iconName;
    bool selectable = false;
};
