#pragma once
// The tree of the point-type drop-down: the hardware types one loop protocol offers for sensors
// or modules, cut down to what the selected address may hold, with their software types or
// device codes below them. For a selected channel it lists instead the software types that
// channel accepts.
#include <QAbstractItemModel>
#include <QModelIndex>
#include <QVariant>

#include <memory>

class OvGenericPoint;
class PointTypeItem;
class PointTypeList;
class TreeItem;

class OvPointTypeTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Roles {
        PointItemIconNameRole = Qt::UserRole + 1,
        PointItemNameRole,
        PointItemValueRole,
        PointItemDescriptionRole,
    };

    OvPointTypeTreeModel();
    // protocol 1 ADV, 2 VARN, 4 APOLLO; family 1 sensors, 2 modules.
    OvPointTypeTreeModel(int protocol, int family);
    ~OvPointTypeTreeModel() override;

    int protocol() const { return m_protocol; }
    int family() const { return m_family; }
    bool subPointMode() const { return m_subPointMode; }

    // Leaves sub-point mode; rebuilds only when a value changes.
    void setProtocolAndFamily(int protocol, int family);
    // A plain point sets the drop rules (rebuilding when one changed or a channel was held);
    // a channel switches to the list of its software types. A null point changes nothing.
    void setPointFilter(const OvGenericPoint* point, bool dropType16397, int maxSubCount, bool excludeSeries2,
                        int maxSubCountSeries1, int maxSubCountSeries2, bool decadeAddress);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool insertColumns(int column, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeColumns(int column, int count, const QModelIndex& parent = QModelIndex()) override;
    QHash<int, QByteArray> roleNames() const override;

    // The root for an invalid index and for an item that is being destroyed.
    virtual TreeItem* itemForIndex(const QModelIndex& index) const;

    // Leaves only.
    Q_INVOKABLE bool canBeSelected(const QModelIndex& index) const;
    // A PointType; an invalid index reads the root, whose columns give 0.
    Q_INVOKABLE QVariant getPointType(const QModelIndex& index) const;
    Q_INVOKABLE QModelIndex getFirstIndex() const;
    // The row named text, or the child named "row - child", or for a channel the row named as
    // text ends ("model - row"); row 0 when none.
    Q_INVOKABLE QModelIndex getFirstIndex(const QString& text) const;
    // Type-ahead: the next row whose name starts with the key's letter; row 0 when none.
    Q_INVOKABLE QModelIndex keyPressed(const QModelIndex& index, Qt::Key keyPressed) const;
    // A top-level row's parent is the root, given as row 0.
    Q_INVOKABLE QModelIndex getParent(const QModelIndex& index) const;
    Q_INVOKABLE QModelIndex getNext(const QModelIndex& index, bool isExpanded) const;
    Q_INVOKABLE QModelIndex getPrev(const QModelIndex& index) const;

private:
    // What identifies a held channel; the channel itself belongs to a loop copy that may go.
    struct SubPointKey {
        int protocol = 0;
        int series = 0;
        int family = 0;
        int hwType = 0;
        int loop = 0;
        unsigned int address = 0;
        int subIndex = 0;
        bool operator==(const SubPointKey& o) const
        {
            return protocol == o.protocol && series == o.series && family == o.family && hwType == o.hwType
                && loop == o.loop && address == o.address && subIndex == o.subIndex;
        }
    };

    void buildTree();
    void buildSubPointList();
    // Whether the drop rules leave out a hardware type of series and channel count.
    bool isDropped(int series, int hwType, int channels) const;
    void addSingleTypeRow(int series, int protocol, int family, int hwType, const QString& modelName, int channels,
                          const QList<int>& swTypes);
    QModelIndex indexFor(TreeItem* item) const;
    static QString nameOf(const TreeItem* item);
    static TreeItem* findByPrefix(TreeItem* item, const QString& prefix, bool withSiblings);

    PointTypeItem* m_root = nullptr;
    int m_protocol = 0;
    int m_family = 0;
    std::unique_ptr<PointTypeList> m_typeList;
    bool m_holdsSubPoint = false;
    SubPointKey m_subPoint;
    bool m_dropType16397 = false;
    bool m_excludeSeries2 = false;
    bool m_subPointMode = false;
    int m_maxSubCountSeries1 = -1;
    int m_maxSubCountSeries2 = -1;
    int m_maxSubCount = -1;
    bool m_decadeAddress = true;
};
