#pragma once
// A list model for QML over plain values: one row per QVariant, served under the role
// "qtVariant", with slots to fill, edit and reorder the list and a count QML can bind to.
// Positions outside the list are ignored by every slot that takes one.
#include <QAbstractListModel>
#include <QVariant>
#include <QVariantList>

class QQmlVariantListModelPrivate;

class QQmlVariantListModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    explicit QQmlVariantListModel(QObject* parent = nullptr);
    // Clears the list first, so views see the rows go.
    ~QQmlVariantListModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QHash<int, QByteArray> roleNames() const override;

public slots:
    void clear();
    int count() const;
    bool isEmpty() const;
    void append(const QVariant& item);
    void prepend(const QVariant& item);
    // idx may be the count, which appends.
    void insert(int idx, const QVariant& item);
    void appendList(const QVariantList& itemList);
    // Each item goes to row 0 in turn, so the block lands in reverse order.
    void prependList(const QVariantList& itemList);
    void replace(int pos, const QVariant& item);
    // The items keep their order from row idx on; idx may be the count.
    void insertList(int idx, const QVariantList& itemList);
    // Takes the item at idx to row pos; both must be rows of the list.
    void move(int idx, int pos);
    void remove(int idx);
    QVariant get(int idx) const;
    QVariantList list() const;

signals:
    void countChanged(int count);

private:
    QQmlVariantListModelPrivate* const m_d;
};
