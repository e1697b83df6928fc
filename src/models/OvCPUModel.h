#pragma once
// The list of the plant's CPUs after the first (CPU 1 has its own box on the page): one row per
// CPU with its number, installed state, board count, board and UPS flags and name. Edits work
// on the model's own copy of the CPUs, refreshed from the plant before each edit, and reach the
// plant only through cpuDeviceModified, which the application applies. Installing a CPU or
// adding boards beyond the plant type's loop budget is refused with a message box.
#include "plant/CPUSystem.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QVector>

class Plant;

class OvCPUModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Roles {
        itemIconName = Qt::UserRole + 1,
        itemIndex,
        itemEnableStat,
        itemLibCount,
        itemSibStat,
        itemUPSPresent,
        itemDescription,
    };
    Q_ENUM(Roles)
    static constexpr int kColumns = 7;

    explicit OvCPUModel(Plant* plant = nullptr, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;
    // Always false: an accepted edit is announced by cpuDeviceModified and dataChanged, a
    // refused one by revertData.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The plant's CPUs copied again, when a row is first asked for; none without a plant.
    void reset(Plant* plant);
    // The copy of dev's CPU takes the listed roles from it (260 the whole CPU, its type
    // included; 261 the SIB settings); the row is announced for every CPU but the first.
    void onCPUDataChanged(const CPUDevice& dev, QVector<int> roles);

    // "#" and the CPU index right-aligned in two characters.
    static QString indexText(int cpuIndex);

signals:
    void cpuDeviceModified(CPUDevice dev, QVector<int> roles);
    void selectCPURqst(uint cpu);
    void revertData(int revertIndex);

public slots:
    bool setData(int rowIndex, int columnIndex, QVariant value);
    bool isSameIndex(QString strIndex, int index);
    // -1 selects CPU 1, row r the CPU of that row; anything lower nothing.
    void selectCPU(int rowIndex);

private:
    void announce(const QModelIndex& index, int position, const QVector<int>& roles);

    // The copy of cpu's CPU becomes cpu whole, its type included.
    void takeCPU(const CPUDevice& cpu);
    // The copy, taken from m_source first when a reset left one.
    CPUSystem& cpus() const;

    mutable CPUSystem m_cpus;
    // An open resets the model whether or not a page shows it: a full plant's CPUs, with every
    // board and point, are copied only once a row is asked for.
    mutable QPointer<Plant> m_source;
};
