#pragma once
// The repeaters table. Keeps no copy: reads and writes go straight to the active plant's
// repeaters, so the application resets it whenever the plant or its type changes.
#include <QAbstractTableModel>

class OvRepeaterModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Roles {
        rptIndex = Qt::UserRole + 1,
        rptDescription,
        rptEnabledStat,
    };
    Q_ENUM(Roles)

    explicit OvRepeaterModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

    void reset();

signals:
    void dataUpdated();

public slots:
    void enableRPT(const QList<int>& selection, bool enable);
    void setDescription(const QList<int>& selection, const QString& val);
    bool isEnableRTP(int rowIndex) const;
};
