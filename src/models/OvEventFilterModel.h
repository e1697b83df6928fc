#pragma once
// The sixteen event-filter types in the interface language ("ovEvtFilterModel"): the row is the
// type code that the filter-type chooser hands to the annunciator model.
#include <QAbstractListModel>
#include <QStringList>

class OvEventFilterModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Roles { filterName = Qt::UserRole + 1 };

    explicit OvEventFilterModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QHash<int, QByteArray> roleNames() const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // After a change of language: the labels in the new one.
    void reset();

public slots:
    QVariant data(const QModelIndex& index) const { return data(index, Qt::DisplayRole); }

private:
    void build();

    QStringList m_labels;
};
