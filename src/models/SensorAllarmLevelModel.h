#pragma once
// The five alarm levels a detector can be given on the loop page, named by what each step means
// for the selected detector kind (obscuration per foot, and for one kind a time window). The
// kind ("model type") comes from the point model's getAllarmLevelMdlType.
#include <QAbstractListModel>

class SensorAllarmLevelModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Roles { LevelNameRole = Qt::UserRole + 1 };

    explicit SensorAllarmLevelModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QHash<int, QByteArray> roleNames() const override;
    int modelType() const { return m_modelType; }
    // Lets the views fetch the names again in the new language.
    void refresh();

signals:
    void levelsNameUpdated();

public slots:
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant data(const QModelIndex& index) const { return data(index, Qt::DisplayRole); }
    // Row k names level k + 1 (OvGenericPoint::alertLevel); the prefix alone for a row outside
    // the levels.
    QString getLevelName(int rowIndex, int modelType) const;
    QString getLevelName(int rowIndex) const { return getLevelName(rowIndex, m_modelType); }
    void setModelType(int type);

private:
    int m_modelType = 0;
};
