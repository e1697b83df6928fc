#pragma once
// The point tables of the loop page ("theSensorModel", "theModuleModel", "theMixedModel"): one
// row per address of the active loop, a multi-channel module's channels as its child rows. The
// model works on its own copy of the loop; the rows name points of that copy. Besides the cells
// it answers what the page asks before an edit: which settings a row's type supports, which
// types an address may take, whether rows may be erased or copied.
#include "plant/OvGenericPoint.h"
#include "plant/OvLoop.h"

#include <QAbstractItemModel>
#include <QModelIndexList>
#include <QPersistentModelIndex>
#include <QVariant>
#include <QVector>

#include <functional>

class OvArea;
class OvAreasSystem;
class OvGenericSubPoint;
class OvPinnModel;
class OvPointTypeTreeModel;
class PointType;
class TreeItem;

Q_DECLARE_METATYPE(OvGenericPoint)

class OvPointModel : public QAbstractItemModel {
    Q_OBJECT
    // Whether a row is marked for Paste (markCopySource).
    Q_PROPERTY(bool hasCopySource READ hasCopySource NOTIFY copySourceChanged)

public:
    enum Roles {
        IconNameRole = Qt::UserRole + 1,
        HardwareTypeRole,
        DescriptionRole,
        AreaIndexRole,
        SensorTypeRole,
        CheckAuditRole,
        CheckFlashingRole,
        CheckTrackingRole,
        CheckRaviSCtrlDisaRole,
        CheckTrackingModRole,
        CheckFlashingModRole,
        CheckAutoSilenceModRole,
        CheckSilenceModRole,
        SensNormalRole,
        SensLowRole,
        SensHighRole,
        CbeRole,
        AlertLevelRAVIRole,
        NullDataRole,
        FastInputDev1Role,
        FastInputDev2Role,
        FastInputLogicRole,
        DeviceIndexRole,
        IsValidRole,
    };
    Q_ENUM(Roles)

    enum Mode { kSensors = 0, kModules = 1, kMixed = 2 };
    // Row filter bits.
    enum Filter { kOnlyValid = 1, kOnlyErrors = 4 };

    explicit OvPointModel(int mode, QObject* parent = nullptr);
    ~OvPointModel() override;

    // Registers the types that travel through the model's signals and invokables.
    static void registerMetaTypes();

    int mode() const { return m_mode; }
    int filter() const { return m_filter; }
    const OvLoop& activeLoop() const { return m_loop; }

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

    virtual QModelIndex indexForItem(TreeItem* item) const;
    // The root for an invalid index, an index of another model and the index of a row that is
    // gone: no index taken before a row went names the row built in its place.
    virtual TreeItem* itemForIndex(const QModelIndex& index) const;

    // A copy of the loop replaces the held one; all rows are rebuilt.
    void setActiveLoop(const OvLoop& loop);
    // The held loop takes what the plant holds of it, so that no command stores a point older
    // than the plant's. Rows whose points changed only in their values stay and repaint; any
    // other change rebuilds the rows, and the result is then false: indexes taken before name
    // other rows. Nothing happens while one of this model's commands runs, or without a plant
    // holding the loop.
    bool syncWithPlant();
    void rebuildModel();
    // The row of a point of the held loop, through pointSelected.
    void selectPoint(const OvGenericPoint& p);
    void flipFilterOnVoidAddresses();
    void flipFilterOnPointError();
    void onApplicationLanguageChanged();

    // --- for the editing commands ---
    // The point or channel of a row; null for an invalid index.
    OvGenericPoint* getPoint(const QModelIndex& index) const;
    // The top-level row of the point at address, or its channel row subIndex (1-based).
    TreeItem* findModuleItem(int address, int subIndex) const;
    bool insertPointItem(TreeItem* parent, int row, OvGenericPoint* p);
    // After a type change: the row's channel rows follow the point's channels.
    void rebuildChannels(const QModelIndex& index);
    // Bounds of a dataChanged range over a selection.
    QModelIndex firstIndex(const QModelIndex& a, const QModelIndex& b) const;
    QModelIndex lastIndex(const QModelIndex& a, const QModelIndex& b) const;
    // dataChanged over the range and over the channel rows of every row in it.
    void notifyRangeChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                            const QVector<int>& roles = QVector<int>());
    // -1 without a point; for the series-2 module that needs its next address free: 1 when
    // that address is free, -1 when not; 0 for any other type.
    int checkTypePlacement(const OvGenericPoint* point, const PointType& type) const;
    static QString roleName(int role);

    // After a CBE check of the plant: the rows take the plant's error codes.
    void refreshErrors();

    // Paste-filter bits; 255 is the whole point.
    enum CopyFilter {
        copyTypeBit = 0x01,
        copyDescriptionBit = 0x02,
        copyAddAddressBit = 0x04,
        copyPrefixAddressBit = 0x08,
        copyParamsBit = 0x10,
        copyCBEBit = 0x20,
        copyAreaBit = 0x40,
        copyAll = 255,
    };
    Q_ENUM(CopyFilter)

    // In the mixed table: the row holds the other family's point of the address it shows; a
    // typed point of the old family is reset first. False for a channel row, or when that
    // address has no point of the wanted family.
    bool switchRowFamily(TreeItem* item, int family, const QModelIndex& index);
    // The point a top-level row holds once switched to family, the row left as it is: its own
    // point for the same family; null for a channel row of another family or a missing point.
    const OvGenericPoint* switchTarget(TreeItem* item, int family) const;
    // The destination takes what filter selects of source.
    void pastePoint(const OvGenericPoint* source, OvGenericPoint* destination, int filter) const;

signals:
    void currentSensorSelectionChanged(OvGenericPoint sensor);
    void sensorTypeModelChanged();
    void activeLoopChanged();
    void pointActivated();
    void newPointActivated(QList<const OvGenericPoint*> points);
    void pointsChanged(QList<const OvGenericPoint*> points);
    void pointSelected(QModelIndex ptIndex);
    void headerDataRequest();
    void subPointSelected(bool isSubPoint);
    void copySourceChanged();

public slots:
    bool isValid(const QModelIndex& index) const;
    int subCount(const QModelIndex& index) const;
    bool isThereAnyValid(const QModelIndexList& indexes) const;
    bool canErase(const QModelIndexList& indexes) const;
    bool canBeUsedForCopy(const QModelIndexList& indexes) const;
    void currentRowChanged(const QModelIndex& index);
    QVariant getSensorTypeTreeModel();
    QVariant getModuleTypeTreeModel();
    QVariant getKorvaPtModel();
    int getPointAreaIndex(const QModelIndex& index) const;
    QVariant getPointAreaIndexStr(const QModelIndex& index) const;

    bool isValidCheckAudit(const QModelIndex& index) const;
    bool isValidAlertLevelRAVI(const QModelIndex& index) const;
    bool isValidLSens(const QModelIndex& index) const;
    bool isValidNSens(const QModelIndex& index) const;
    bool isValidHSens(const QModelIndex& index) const;
    bool isValidCheckTracking() const { return true; }
    bool isValidCheckTracking(const QModelIndex& index) const;
    bool isValidCheckFlashing() const { return true; }
    bool isValidCheckFlashing(const QModelIndex& index) const;
    bool isValidRaviRadioFlag(const QModelIndex& index) const;
    bool isValidCheckSilenceMod(const QModelIndex& index) const;
    bool isValidAutoCheckSilenceMod(const QModelIndex& index) const;
    bool isValidCBEFlag(const QModelIndex& index) const;
    bool isValidAreaFlag(const QModelIndex& index) const;
    bool isValidFastInput(const QModelIndex& index, int devIdx) const;
    bool isValidFastInputLogic(const QModelIndex& index) const;

    int getAllarmLevelMdlType(const QModelIndex& index) const;
    int getAllarmLevelMdlType(const QModelIndexList& selection) const;
    void onCurrentIndexChanged(const QModelIndex& index);
    bool isCBEEditEnabled(const QModelIndexList& selection) const;
    bool isCBEEditDirect(const QModelIndexList& selection) const;
    // The owners of the program the keypad edits for the selection (OvGenericPoint::cbeOwner).
    QVariantList getCBEOwners(const QModelIndexList& selection) const;
    bool isEditable(const QModelIndex& idx) const;
    bool canOpenTypeSelection(const QModelIndexList& selection, const QModelIndex& index);
    // --- types and zones (OvPointModelType.cpp) ---
    // reference is the row whose type drop-down was used. Always true.
    bool selectPointType(const QModelIndex& reference, const QModelIndexList& selection, const PointType& type);
    // Zone 0 takes the points out of their zone; the zone's point limit is checked.
    void setPointAreaIndex(const QModelIndexList& selection, int areaIndex);
    // One row of a caller's loop: the box of a full zone shows only while showUserAllert is
    // true. The flag after the call.
    QVariant setPointAreaIndex(const QModelIndex& index, int areaIndex, bool showUserAllert);
    int rowDistance(const QModelIndex& a, const QModelIndex& b, bool firstExpanded) const;
    void doGenericTest();
    void onColumnMoved(const QModelIndex& parent, int start, int end, const QModelIndex& destination, int column);
    QString getIconToolTip(const QModelIndex& index) const;
    int getColumnOrder(int idx);
    QString getSelectedIndexesStr(const QModelIndexList& selection) const;
    void select(int ptIdx);
    // The row Paste takes its point from. The mark names the row, not its point: it goes with
    // the row, and whenever the rows are rebuilt (another loop, a filter, a retyping that frees
    // addresses), so that a paste never takes whatever row came to stand in its place.
    void markCopySource(const QModelIndex& index);
    // The marked row; invalid when none is.
    QModelIndex copySource() const { return m_copySource; }
    bool hasCopySource() const { return m_copySource.isValid(); }

    QModelIndexList selectAll(const QModelIndex& index) const;
    void setSensorDescription(const QModelIndexList& indexes, const QString& desc);
    void setSensorCheckAudit(const QModelIndexList& indexes, bool on);
    void setSensorCheckTracking(const QModelIndexList& indexes, bool on);
    void setSensorCheckFlashing(const QModelIndexList& indexes, bool on);
    void setSensorLowSensibilityLevel(const QModelIndexList& indexes, int val);
    void setSensorNormalSensibilityLevel(const QModelIndexList& indexes, int val);
    void setSensorHightSensibilityLevel(const QModelIndexList& indexes, int val);
    void setSensorAllarmLevel(const QModelIndexList& selection, int val);
    void setCheckSilenceMod(const QModelIndexList& selection, bool on);
    void setCheckAutoSilenceMod(const QModelIndexList& selection, bool on);
    void setRaviRadioFlag(const QModelIndexList& selection, bool on);
    void setCBE(const QModelIndexList& indexes, const QString& cbe);
    void setFastInputDevice(const QModelIndexList& selection, int slot, int value);
    void setFastInputDeviceLgc(const QModelIndexList& selection, bool logic);
    void resetSensor(const QModelIndexList& indexes);
    void copy(const QModelIndex& from, const QModelIndexList& toSelection);
    void copySpecial(const QModelIndex& from, const QModelIndexList& toSelection, int copyFilter);

private:
    // What a paste carries between its targets: running counts, show-once flags, the areas.
    // The earlier (or, with last, the later) of two rows in view order; a channel row and a row
    // of its own point give that point's row.
    QModelIndex outerIndex(const QModelIndex& a, const QModelIndex& b, bool last) const;
    // Running counts of the capacity checks of one command, each box shown once.
    struct CapacityCounts {
        int points = 0;
        int inputs = 0;
        int varn = 0;
        int advanced = 0;
        bool showPoints = true;
        bool showInputs = true;
        bool showProtocol = true;
    };
    struct PasteContext;
    // The plant's counts for the held loop's board and loop.
    void countCapacity(CapacityCounts* counts) const;
    // Whether replacing before with after keeps within every capacity limit; counts follow.
    bool passesCapacity(CapacityCounts* counts, const OvGenericPoint& before, const OvGenericPoint& after) const;
    // Applies edit to a copy of each selected row's point and stores the copies that edit
    // changed; rows that show channel rows are left to those rows.
    void editSelection(const QModelIndexList& indexes, const QVector<int>& roles,
                       const std::function<bool(OvGenericPoint&)>& edit);
    // Stores a copy of a row's point or channel into the held loop.
    void storePoint(const OvGenericPoint& point);
    void widen(QModelIndex* topLeft, QModelIndex* bottomRight, const QModelIndex& index) const;
    // The model is rebuilt at the end of the outermost command that asked for it.
    void beginCommand() { ++m_commandDepth; }
    void endCommand();
    void pasteSpecial(const QModelIndex& from, const QModelIndexList& toSelection, int filter);
    void paste(const QModelIndex& from, const QModelIndexList& toSelection, int filter, bool special);
    void preparePaste(PasteContext* context, const OvGenericPoint* source) const;
    bool checkPointsPerLib(const OvGenericPoint& before, const OvGenericPoint& after, int* count, bool* show) const;
    bool checkInputsPerLib(const OvGenericPoint& before, const OvGenericPoint& after, int* count, bool* show) const;
    bool checkVarnCount(const OvGenericPoint& before, const OvGenericPoint& after, int* count, bool* show) const;
    bool checkAdvancedCount(const OvGenericPoint& before, const OvGenericPoint& after, int* count, bool* show) const;
    // Every paste passes here before it stores: a position of after keeps its zone only when it
    // has a type and, when areas are given to count in, the zone has room; the counts of areas
    // then follow the target from before to after.
    void updateAreaCounts(const OvGenericPoint& before, OvGenericPoint* after, OvAreasSystem* areas, bool* show) const;
    void showAreaFullAlert() const;
    static int areaLimit();
    // The rows of the addresses a multi-address module now covers, found by address.
    void removeCoveredRows(const OvGenericPoint& module, int channels);

    // The rows of the held loop; the caller frames it in a model reset.
    void buildRows();
    void addSensorRow(int i);
    void addModuleRow(int i);
    void appendPointRow(const OvGenericPoint* p);
    bool isChannel(const QModelIndex& index) const;
    QModelIndex indexOf(int row, int column, TreeItem* item) const;
    // Tells QML when the marked row is gone.
    void onRowsGone();
    // The module at a 1-based address of the held loop; null past the list.
    const OvGenericPoint* moduleAt(int address) const;
    // Feature check of the isValid... family; family 0 takes any point.
    bool supports(const QModelIndex& index, int family, bool noChannels, uint feature) const;
    QVariant emptyRowData(const QModelIndex& index, int role) const;
    void prepareSensorTree(const OvGenericPoint* p);
    void prepareModuleTree(const OvGenericPoint* p);
    // 1 + the free module addresses that follow address, up to lastAddress and at most 10.
    int freeAfter(int address, int lastAddress) const;
    static int protocolOfLoopType(int type);
    // --- types and zones ---
    // Whether the new point takes the settings of the old one; the user is asked once.
    bool carryOverParams(const OvGenericPoint& oldPoint, OvGenericPoint* newPoint, bool ask);
    // The addresses a multi-address point needs beyond those its row already covers hold no
    // typed module; showAlert, when set, shows the box once and is cleared.
    bool checkFreeFollowingAddresses(TreeItem* item, const OvGenericPoint& newPoint, bool* showAlert) const;
    // Whether the addresses newPoint takes after its own are the loop's and hold no other module.
    bool spanFits(const OvGenericPoint& newPoint) const;
    // The channels of the linked module whose catalogue allows one type each.
    static void createDefaultChannels(OvGenericPoint* point);
    // The module at an earlier address whose channels reach address; null when none does.
    const OvGenericPoint* coveringModule(int address) const;
    // One row of a zone assignment; false for a row that is not considered at all.
    bool assignArea(const QModelIndex& index, int areaIndex, OvArea* area, bool* areaFull, bool* showBox,
                    QList<const OvGenericPoint*>* changed);
    void notifyAreaChange(const QList<const OvGenericPoint*>& changed, const QModelIndex& topLeft,
                          const QModelIndex& bottomRight);
    // What a retyping carries between its rows: running counts and show-once flags.
    struct TypeChecks;
    // The top-level row of an address goes; modulesOnly keeps a row that shows a sensor.
    void removeRowOfAddress(int address, bool modulesOnly);
    // The channel rows of a row go before its point's channels are replaced.
    void dropChannelRows(TreeItem* row);

    OvLoop m_loop;
    int m_mode;
    OvPointTypeTreeModel* m_sensorTypeTree = nullptr;
    OvPointTypeTreeModel* m_moduleTypeTree = nullptr;
    OvPinnModel* m_korvaModel = nullptr;
    TreeItem* m_root = nullptr;
    bool m_askCopyParams = true;
    uint m_copyParamsAnswer = 0xFFFFFFFF;
    int m_filter = 0;
    int m_spanIndex = -1;
    int m_spanLast = 0;
    int m_commandDepth = 0;
    bool m_rebuildPending = false;
    QPersistentModelIndex m_copySource;
    bool m_copySourceShown = false;
};
