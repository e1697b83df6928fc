#pragma once
// A parameter table of one row and four columns whose cells hold nothing yet: every role gives
// an invalid value.
#include <QAbstractTableModel>

class OvPlantParameterMdl : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Roles {
        parameterID = Qt::UserRole + 1,
        parameterName,
        parameterType,
        parameterVald,
    };
    Q_ENUM(Roles)

    explicit OvPlantParameterMdl(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void dataUpdated();

private:
    struct RoleEntry {
        int role;
        const char* name;
    };
    static const RoleEntry s_roles[];
};
