#pragma once
// The zones table: one row per area of the plant, edited many rows at a time. Works on its own
// copy of the plant's areas and hands the whole copy to the plant after every change.
#include "plant/OvAreasSystem.h"

#include <QAbstractTableModel>
#include <QVector>

class OvAreaModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Roles {
        areaIconName = Qt::UserRole + 1,
        areaDescription,
        areaNightAndDaySensibility,
        areaPreAllarm,
        areaCorrelation,
        areaSensorCount,
        areaModuleCount,
        areaIndex,
    };
    Q_ENUM(Roles)

    explicit OvAreaModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Called by the application after the plant was set up, replaced or changed in type.
    void rebuildModel();
    // Re-reads the plant's areas after their device counts changed at these rows.
    void updateAreas(const QVector<int>& rows);
    // Not a slot: QML would take it for an array too, and edits there apply to the selection.
    void setAreaDescription(int rowIndex, const QString& desc);

signals:
    void dataUpdated();
    void descritionModified(const QList<int>& indexes, const QString& newVal);

public slots:
    void setAreaDescription(const QList<int>& selection, const QString& desc);
    void setCorrelation(const QList<int>& selection, int val);
    void copy(int rowIndexFrom, const QList<int>& selection);
    bool isNull(int rowIndex) const;
    bool getNightAndDayCheck(int rowIndex) const;
    bool getPreAllarmCheck(int rowIndex) const;
    void reset(const QList<int>& selection);
    void setNightAndDayCheck(const QList<int>& selection, bool enable);
    void enablePreAllarm(const QList<int>& selection, bool enable);

private:
    // Applies change to every selected row in the list (change returns whether it altered the
    // area) and stores the list in the plant once when any row changed. Returns the changed rows.
    template <typename Change>
    QList<int> applyToSelection(const QList<int>& selection, Change change);
    void emitChanged(const QList<int>& rows, const QVector<int>& roles);

    OvAreasSystem m_areas;
};
