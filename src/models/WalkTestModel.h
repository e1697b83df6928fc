#pragma once
// The drop-down tree of the walk-test output ("wtModel"): enabled CPUs, their loops and the
// output modules on ADV and VARN loops, with the output channels of multi-channel modules below
// their module. Only a module or channel row can be chosen; the choice is kept as CPU, loop,
// module address and channel (0 for a whole module), -1 each while none is chosen.
#include <QAbstractItemModel>
#include <QString>

class OvGenericPoint;
class TreeItem;

class WalkTestModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Roles {
        itemIconName = Qt::UserRole + 1,
        itemIndex,
        itemDescription,
    };
    Q_ENUM(Roles)

    explicit WalkTestModel(QObject* parent = nullptr);
    ~WalkTestModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // False, with nothing announced, for a range outside the parent's children.
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool setData(const QModelIndex&, const QVariant&, int = Qt::EditRole) override { return false; }
    bool setHeaderData(int, Qt::Orientation, const QVariant&, int = Qt::EditRole) override { return false; }
    bool insertRows(int, int, const QModelIndex& = QModelIndex()) override { return false; }
    bool insertColumns(int, int, const QModelIndex& = QModelIndex()) override { return false; }
    bool removeColumns(int, int, const QModelIndex& = QModelIndex()) override { return false; }
    QHash<int, QByteArray> roleNames() const override;

    // The root for an invalid index.
    virtual TreeItem* itemForIndex(const QModelIndex& index) const;

    Q_INVOKABLE bool canBeSelected(const QModelIndex& index) const;
    Q_INVOKABLE void select(const QModelIndex& index);
    // The chosen output's name, or the prompt to choose one.
    Q_INVOKABLE QString getCurrentSelectedItemName() const;
    Q_INVOKABLE int getCPUIndex() const { return m_cpu; }
    Q_INVOKABLE int getLoopIndex() const { return m_loop; }
    Q_INVOKABLE int getModuleIndex() const { return m_module; }
    Q_INVOKABLE int getSubIndex() const { return m_sub; }
    Q_INVOKABLE QModelIndex getFirstIndex() const;
    // Clears the choice and rebuilds the tree from the active plant; in walk-test mode 2 the
    // plant's stored output becomes the choice again.
    Q_INVOKABLE void rebuildModel();
    // False, with the choice cleared, when the chosen module or channel is no longer a valid
    // point; true when nothing is chosen.
    Q_INVOKABLE bool checkSelectedPoint();

private:
    void buildTree();
    void addModule(TreeItem* loopItem, int cpu, int loop, const OvGenericPoint& module);
    void clearSelection();
    void composeName();

    TreeItem* m_root = nullptr;
    QString m_name;
    int m_cpu = -1;
    int m_loop = -1;
    int m_module = -1;
    int m_sub = -1;
};
