#pragma once
// The viewers ("theViewersMdl") or the annunciators ("theAnnunciatorsMdl") of the active CPU: a
// fixed column of device rows, one per address, installed or not, each with its event-filter
// rows. The tree is a working copy read from the plant when it is rebuilt; every edit is sent as
// copies of the changed or removed devices (devicesChanged, devicesRemove), which the
// application stores into the plant. The filter commands do nothing in the viewer model. A
// selection may name a row once per column: every command, and every check that counts rows,
// counts it once.
#include "plant/OvAnnunciatorsSystem.h"

#include <QAbstractItemModel>
#include <QModelIndexList>

class OvAnnunciatorDev;
class OvAnnunciatorDeviceItem;
class OvAnnunciatorFilterItem;
class TreeItem;

Q_DECLARE_METATYPE(OvAnnunciatorsSystem)

class OvAnnunciatorsModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Roles {
        itemAddress = Qt::UserRole + 1,
        itemIconName,
        devEnabled,
        description,
        filterTarget,
        isFilterItem,
        devErrInfo,
        filterType,
        addFilterCmd,
        removeFilterCmd,
        nullData,
        zoneRangeStart,
        viewerType,
    };
    Q_ENUM(Roles)

    static constexpr int kColumns = 11;
    // Annunciators and viewers of one CPU together.
    static constexpr int kMaxInstalled = 32;

    explicit OvAnnunciatorsModel(bool isViewer, QObject* parent = nullptr);
    ~OvAnnunciatorsModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

    virtual QModelIndex indexForItem(TreeItem* item) const;
    // The root for an invalid index. Null for an index of another model or whose pointer is not
    // the child at its row of the root or of a device row: a remembered index whose row was
    // removed or rebuilt is never read.
    virtual OvAnnunciatorDev* itemForIndex(const QModelIndex& index) const;

    // Model reset around the tree of that CPU (0-based; -1 none).
    void rebuildModel(int cpuIndex);
    // Rebuilds only for another CPU.
    void setActiveCPU(int cpuIndex);
    int activeCPU() const { return m_activeCPU; }
    int removalAnswer() const { return m_removalAnswer; }

    // The lesser and greater of two changed indexes, as the bounds of one dataChanged under a
    // common parent; an invalid bound gives the other.
    static QModelIndex rangeLowerBound(const QModelIndex& bound, const QModelIndex& index);
    static QModelIndex rangeUpperBound(const QModelIndex& bound, const QModelIndex& index);
    // dataChanged from first to last when they share a parent, then over the filter rows of
    // each device row between them. Empty roles: all.
    void notifyRangeChanged(const QModelIndex& first, const QModelIndex& last, const QVector<int>& roles = {});
    static QString roleNameOf(int role);

signals:
    void activeCPUChanged();
    void devicesChanged(OvAnnunciatorsSystem system);
    void devicesRemove(OvAnnunciatorsSystem system);

public slots:
    void test();
    void setFilterType(const QModelIndexList& selection, int type);
    bool isValid(const QModelIndex& index, int tmp) const;
    // totalCount: the devices installed on the CPU in both models before this command.
    void enableDevice(const QModelIndexList& selection, bool enable, int totalCount);
    void enableDevice(const QModelIndexList& selection, bool enable);
    void setDescription(const QModelIndexList& selection, const QString& desc);
    void setStartingZone(const QModelIndexList& selection, int zone);
    void setViewerType(const QModelIndexList& selection, int type);
    void addFilter(const QModelIndexList& selection);
    void addFilters(const QModelIndexList& selection);
    void removeFilter(const QModelIndexList& selection);
    void removeFilters(const QModelIndexList& selection);
    // Paste of the row of from over every row of the same kind in toSelection.
    void copy(const QModelIndex& from, const QModelIndexList& toSelection);
    int getSelectedCPUAddress() const { return m_activeCPU + 1; }
    QString getFilterType(const QModelIndex& idx) const;
    bool isViewer() const { return m_viewerMode; }
    QModelIndexList selectAll(const QModelIndex& idx) const;
    bool isFilter(const QModelIndex& idx) const;
    // Device rows only or filter rows only.
    bool areCoerent(const QModelIndexList& selection) const;
    // What the target chooser may offer for the row's filter type: 2 CPUs, 1 areas, 6 sensors,
    // 26 modules; 0 none.
    int getDeviceModelFilter(const QModelIndex& idx) const;
    void selectTarget(const QModelIndex& idx, int cpuAdd, int lAdd, int plAdd, int slAdd, int alAdd);
    bool canBeUsedForCopy(const QModelIndexList& selection) const;
    bool canBeUsedForPaste(const QModelIndex& from, const QModelIndexList& selection) const;
    bool canBeResetted(const QModelIndexList& selection) const;
    bool canAddFilter(const QModelIndexList& selection) const;
    bool canRmFilter(const QModelIndexList& selection) const;
    int countEnabled() const;

private:
    static const QHash<int, QByteArray>& ownRoleNames();
    void buildTree();
    // The row of index, null for the root and for what itemForIndex refuses.
    OvAnnunciatorDev* rowOf(const QModelIndex& index) const;
    OvAnnunciatorDeviceItem* deviceOf(const QModelIndex& index) const;
    OvAnnunciatorFilterItem* filterOf(const QModelIndex& index) const;
    // Each row of selection once, by its first column: a row selected whole comes as one index
    // per column. An index refused by rowOf is kept as it is.
    QModelIndexList rowsOf(const QModelIndexList& selection) const;
    QModelIndex firstColumnOf(const QModelIndex& index) const;
    static bool canAddFilterTo(const OvAnnunciatorDev* row);
    static bool canRemoveFilterFrom(const OvAnnunciatorDev* row);
    OvAnnunciatorsSystem newMap() const;
    static void putInto(OvAnnunciatorsSystem& map, const OvAnnunciatorDeviceItem* device);
    // May the filters of this device be thrown away; asks at most once per command.
    bool confirmDeviceRemoval(OvAnnunciatorDev* item);
    // Forgets the answers of the last command; a "do not ask again" answer stays.
    void startRemovalQuestion();
    // Removes the device's filter rows, and from the rest of the working list (after position)
    // the indexes of those rows.
    void removeAllFilterRows(OvAnnunciatorDeviceItem* device, QModelIndexList& work, int position);
    void appendNoneFilter(OvAnnunciatorDeviceItem* device);
    void emitChanged(const OvAnnunciatorsSystem& changed);

    OvAnnunciatorDev* m_root;
    int m_activeCPU = -1;
    bool m_viewerMode;
    int m_removalAnswer = -1;
};
