#pragma once
// The items of the plant navigation tree. Each class stands for one kind of row; a model asks
// itemType() before it treats a row as a CPU, a loop or an annunciator entry. Two columns: the
// icon file name and the description.
#include "models/TreeItem.h"
#include "plant/CPUDevice.h"

#include <memory>

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

// A snapshot of a CPU that a CPU item and its loop items share until one of them is changed:
// a full plant has hundreds of loop items, and a copy of a CPU holds all its points.
class CPUSnapshot {
public:
    explicit CPUSnapshot(const CPUDevice& cpu)
        : m_cpu(std::make_shared<CPUDevice>(cpu))
    {
    }
    const CPUDevice& get() const { return *m_cpu; }
    // This holder's own copy, made when the snapshot is shared.
    CPUDevice& detached()
    {
        if (m_cpu.use_count() > 1)
            m_cpu = std::make_shared<CPUDevice>(*m_cpu);
        return *m_cpu;
    }
    // Takes cpu's data and keeps the snapshot's CPU type, as assigning a CPU does.
    void assign(const CPUDevice& cpu)
    {
        auto fresh = std::make_shared<CPUDevice>(cpu);
        fresh->setCpuType(m_cpu->cpuType());
        m_cpu = std::move(fresh);
    }

private:
    std::shared_ptr<CPUDevice> m_cpu;
};

// Holds a snapshot of its CPU, refreshed only by the model's upkeep operations.
class OvCPUItem : public OvModelItem {
public:
    OvCPUItem(const QList<QVariant>& data, const CPUDevice& cpu, TreeItem* parent)
        : OvModelItem(data, parent)
        , snapshot(cpu)
    {
    }
    int itemType() const override { return kCPU; }
    const CPUDevice& cpu() const { return snapshot.get(); }
    CPUSnapshot snapshot;
};

// A snapshot of the owning CPU and the 1-based loop number within it.
class OvLoopItem : public OvModelItem {
public:
    OvLoopItem(const QList<QVariant>& data, const CPUDevice& cpu, int loopNumber, TreeItem* parent)
        : OvModelItem(data, parent)
        , snapshot(cpu)
        , loopNumber(loopNumber)
    {
    }
    OvLoopItem(const QList<QVariant>& data, const CPUSnapshot& cpu, int loopNumber, TreeItem* parent)
        : OvModelItem(data, parent)
        , snapshot(cpu)
        , loopNumber(loopNumber)
    {
    }
    int itemType() const override { return kLoop; }
    const CPUDevice& cpu() const { return snapshot.get(); }
    CPUSnapshot snapshot;
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
