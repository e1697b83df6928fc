#pragma once
// The rows of the walk-test chooser: three columns (icon name, index, description).
#include "models/TreeItem.h"

class WalkTestItem : public TreeItem {
public:
    using TreeItem::TreeItem;
    virtual int itemType() const { return 0; }
};

class CPUWalkTestItem : public WalkTestItem {
public:
    using WalkTestItem::WalkTestItem;
    int itemType() const override { return 1; }
};

class LoopWalkTestItem : public WalkTestItem {
public:
    using WalkTestItem::WalkTestItem;
    int itemType() const override { return 2; }
};

class ModuleWalkTestItem : public WalkTestItem {
public:
    using WalkTestItem::WalkTestItem;
    int itemType() const override { return 3; }
};

// A module, or one of its channels, chosen as the walk-test point; sub is 0 for a module
// without channels.
class ModuleSubTestItem : public WalkTestItem {
public:
    ModuleSubTestItem(int cpu, int loop, int module, int sub, const QList<QVariant>& data, TreeItem* parent)
        : WalkTestItem(data, parent)
        , cpu(cpu)
        , loop(loop)
        , module(module)
        , sub(sub)
    {
    }
    int itemType() const override { return 4; }
    const int cpu;
    const int loop;
    const int module;
    const int sub;
};
