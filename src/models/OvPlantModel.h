#pragma once
// The navigation tree at the left of the window ("elementTreeViewModel"): the plant's fixed
// pages and the installed CPUs with their annunciators entry and loops. A click emits the signal
// that switches the working page. CPU and loop rows hold snapshots of their CPU, kept in step by
// the upkeep operations; icons, texts and badges are computed at every call, the badges on the
// live plant (ActivePlant).
//
// No index outlives its item: every removal is announced before the items go, and the current
// item is forgotten when the row it names (or one above it) is removed.
#include "plant/CPUSystem.h"

#include <QAbstractItemModel>
#include <QList>
#include <QModelIndex>
#include <QString>

class CPUDevice;
class OvGenericPoint;
class OvCPUItem;
class OvModelItem;
class Plant;
class TreeItem;

class OvPlantModel : public QAbstractItemModel {
    Q_OBJECT
    Q_PROPERTY(QString plantDescription READ getPlantDescription NOTIFY plantDescriptionChanged)

public:
    enum Roles {
        itemIconImagePath = Qt::UserRole + 1,
        itemDescription,
        itemHeight,
        itemEnabled,
    };
    Q_ENUM(Roles)

    explicit OvPlantModel(const Plant* plant);
    ~OvPlantModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int, Qt::Orientation, const QVariant&, int = Qt::EditRole) override { return false; }
    bool insertRows(int, int, const QModelIndex& = QModelIndex()) override { return false; }
    bool insertColumns(int, int, const QModelIndex& = QModelIndex()) override { return false; }
    bool removeRows(int, int, const QModelIndex& = QModelIndex()) override { return false; }
    bool removeColumns(int, int, const QModelIndex& = QModelIndex()) override { return false; }
    QHash<int, QByteArray> roleNames() const override;

    // Invalid for null; else (row in its parent, 0) on the item.
    virtual QModelIndex indexForItem(TreeItem* item) const;
    // The root for an invalid index or one whose item is being destroyed.
    virtual TreeItem* itemForIndex(const QModelIndex& index) const;

    QString getPlantDescription() const { return m_plantDescription; }

    void onCPUDataChanged(const CPUDevice& cpu);
    void onCPUDescriptionChanged(const CPUDevice& cpu);
    void onCPULibCountChanged(const CPUDevice& cpu);
    void onPlantTypeChanged();
    void onNewPointActivated(const QList<const OvGenericPoint*>& points);
    void onApplicationLanguageChanged();
    void refreshErrorFlags();
    void notifyErrorsChanged();
    // True with the current loop's 0-based CPU and loop when a loop row is current.
    bool getCurrentLoopAddress(uint& cpu, uint& loop) const;

signals:
    void plantDescriptionChanged();
    void plantInfoPageSelected();
    void generalParametersPageSelected();
    void pwdMngPageSelected();
    void generalAreasPageSelected();
    void generalGroupsPageSelected();
    void repeatersPageSelected();
    void generalCPUsPageSelected();
    void cpuPageSelected(int cpuIndex);
    void loopPageSelected(int cpuIndex, int loopIndex);
    void pointPageSelected(const OvGenericPoint* point);
    void itemSelected(QModelIndex itemIndex);
    void annunciatorPageSelected(int cpuIndex);
    void updateErrorsFlag();
    void expandModelIndex(QModelIndex itemIndex);

public slots:
    void onTreeViewItemClicked(const QVariant& idx);
    // A page was shown without the tree: the next click on the selected row opens its page
    // again.
    void forgetCurrentPage() { m_currentIndex = QModelIndex(); }
    int getRowPixelHeight(const QModelIndex& index) const;
    void rebuildModel(const Plant* plant);
    int getActiveCPULoopCount() const;
    void onLoopTypeChanged(uint cpuIndex, uint loopIndex, int newVal);
    void onLoopOpenFlagChanged(uint cpuIndex, uint loopIndex, bool newVal);
    void onSelectCPURqst(uint cpu);
    QString getInfoToolTip(const QModelIndex& index) const;
    int getErrorFlag(const QModelIndex& index) const;
    void onSelectAreaIndex(int areaIndex);
    void onSelectGroupIndex(int groupIndex);
    void onSelectSensor(int cpuAddress, int lineIdx, int address);
    void onSelectModule(int cpuAddress, int lineIdx, int address);

private:
    void buildTree(const Plant& plant);
    void addCPUItem(const CPUDevice& cpu, bool notify);
    void appendLoopItems(OvCPUItem* cpuItem, int first, int last);
    OvModelItem* findCPUItem(uint cpuIndex) const;
    OvModelItem* findLoopItem(uint cpuIndex, int loopNumber) const;
    // Announces and deletes rows first..last of parent, forgetting the current item when it is
    // among them or below them.
    void removeItemRows(TreeItem* parent, int first, int last);
    void selectItem(TreeItem* item);
    void selectPoint(int cpuAddress, int lineIdx, int address, int family);
    QString iconOf(const TreeItem* item) const;
    QString textOf(const TreeItem* item) const;
    static QString plantIcon(const Plant* plant);

    QString m_plantDescription;
    OvModelItem* m_root = nullptr;
    OvModelItem* m_cpusItem = nullptr;
    TreeItem* m_currentItem = nullptr;
    OvModelItem* m_plantItem = nullptr;
    OvModelItem* m_repeatersItem = nullptr;
    QModelIndex m_currentIndex;
};
