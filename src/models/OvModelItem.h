#pragma once
// The items of the plant navigation tree. Each class stands for one kind of row; a model asks
// itemType() before it treats a row as a CPU, a loop or an annunciator entry. Two columns: the
// icon file name and the description.
#include "models/TreeItem.h"
#include "plant/CPUDevice.h"

class OvModelItem : public TreeItem {
public:
    enum Kind {
        kRoot = 0,
        kPlant = 1,
        kGenParameters = 2,
        kPwdMng = 3,
        kAreas = 4,
        kGroups = 5,
        kRepeaters = 6,
        kCPUs = 7,
        kCPU = 8,
        kLoop = 9,
        kAnnunciator = 11,
    };
    using TreeItem::TreeItem;
    virtual int itemType() const { return kRoot; }
};

class OvPlantItem : public OvModelItem {
public:
    using OvModelItem::OvModelItem;
    int itemType() const override { return kPlant; }
};

class OvGenParametersItem : public OvModelItem {
public:
    using OvModelItem::OvModelItem;
    int itemType() const override { return kGenParameters; }
};

class OvPwdMngItem : public OvModelItem {
public:
    using OvModelItem::OvModelItem;
    int itemType() const override { return kPwdMng; }
};

class OvAreasItem : public OvModelItem {
public:
    using OvModelItem::OvModelItem;
    int itemType() const override { return kAreas; }
};

class OvGrupsItem : public OvModelItem {
public:
    using OvModelItem::OvModelItem;
    int itemType() const override { return kGroups; }
};

class OvRepeatersItem : public OvModelItem {
public:
    using OvModelItem::OvModelItem;
    int itemType() const override { return kRepeaters; }
};

class OvCPUsItem : public OvModelItem {
public:
    using OvModelItem::OvModelItem;
    int itemType() const override { return kCPUs; }
};

// Holds a snapshot of its CPU, refreshed only by the model's upkeep operations.
class OvCPUItem : public OvModelItem {
public:
    OvCPUItem(const QList<QVariant>& data, const CPUDevice& cpu, TreeItem* parent)
        : OvModelItem(data, parent)
        , cpu(cpu)
    {
    }
    int itemType() const override { return kCPU; }
    CPUDevice cpu;
};

// A snapshot of the owning CPU and the 1-based loop number within it.
class OvLoopItem : public OvModelItem {
public:
    OvLoopItem(const QList<QVariant>& data, const CPUDevice& cpu, int loopNumber, TreeItem* parent)
        : OvModelItem(data, parent)
        , cpu(cpu)
        , loopNumber(loopNumber)
    {
    }
    int itemType() const override { return kLoop; }
    CPUDevice cpu;
    int loopNumber;
};

class OvAnnunciatorItem : public OvModelItem {
public:
    OvAnnunciatorItem(const QList<QVariant>& data, int cpuIndex, TreeItem* parent)
        : OvModelItem(data, parent)
        , cpuIndex(cpuIndex)
    {
    }
    int itemType() const override { return kAnnunciator; }
    // 1-based.
    int cpuIndex;
};
