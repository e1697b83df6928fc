#pragma once
// The CPU types a CPU of the plant may be set to, one row per code of the brand's
// cpuTypeList, published to QML as "theCpuTypeMdl". The rows follow the brand only when the
// application calls reload().
#include <QAbstractListModel>
#include <QList>
#include <QStringList>

class cpuTypeModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Roles {
        name = Qt::UserRole + 1,
        code,
    };
    Q_ENUM(Roles)

    explicit cpuTypeModel(QObject* parent = nullptr);

    // Rows of the top level only: a row has no children.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QHash<int, QByteArray> roleNames() const override;

public slots:
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // The first row holding code, or -1.
    int getIndexFromCode(int typeCode) const;
    // The code of row index, or -1 for an index that is not a row.
    int getCodeFromIndex(int index) const;
    void reload();

private:
    void load();

    QStringList m_names;
    QList<int> m_codes;
};
