#pragma once
// The tree from which the user picks one target of the active plant ("theDevicesMdl"): an area
// (or all), a CPU, a loop, a point or a channel. rebuildModel lists what a filter's device-type
// bits ask for; the getters read the chosen target back as numbers.
#include <QAbstractItemModel>
#include <QModelIndexList>

class ActiveItem;
class CPUDevice;
class OvGenericPoint;
class OvLoop;

class ActiveItemsModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Roles {
        itemIconName = Qt::UserRole + 1,
        itemAddress,
        itemDescription,
        selectable,
    };
    Q_ENUM(Roles)

    // Bits of rebuildModel's deviceType.
    enum DeviceBits { kAreas = 1, kCPUs = 2, kSensors = 4, kModules = 8 };

    explicit ActiveItemsModel(QObject* parent = nullptr);
    ~ActiveItemsModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

public slots:
    // Does not check selectable: the chooser asks canBeSelected first.
    void select(const QModelIndex& index);
    bool canBeSelected(const QModelIndex& index) const;
    QModelIndex getFirstIndex() const;
    void rebuildModel(int deviceType, bool skipEmpty);
    QModelIndexList getParentIndexes() const;
    // The number of the nearest item of that kind from the selection up; -1 without one.
    int getSelectedCPUAddress() const;
    int getSelectedLoopAddress() const;
    int getSelectedPointAddress() const;
    int getSelectedSubAddress() const;
    int getSelectedAreaAddress() const;

private:
    ActiveItem* itemOf(const QModelIndex& index) const;
    int selectedAddress(int kind) const;
    void addAreas(bool skipEmpty);
    void addCPU(const CPUDevice& cpu, int deviceType, bool skipEmpty);
    // number: 1-based over the CPU's boards.
    void addLoop(ActiveItem* cpuItem, const OvLoop& loop, int number, int deviceType, bool skipEmpty);
    static void addPoints(ActiveItem* parent, const QList<OvGenericPoint*>& points, bool skipEmpty);

    ActiveItem* m_root;
    ActiveItem* m_selected = nullptr;
};
