#pragma once
// The group pages' table ("ovGroupModel"): the direct or the reverse groups of the plant,
// shown one kind at a time by the direct-groups filter. Edits are made on a copy of the plant's
// groups, which is then handed back whole.
#include "plant/OvGroupsSystem.h"

#include <QAbstractTableModel>
#include <QString>
#include <QVariantList>

class OvGroupsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Roles {
        groupType = Qt::UserRole + 1,
        groupIconName,
        groupDescription,
        groupCBE,
        groupDoubleConsent,
        groupIndex,
    };
    Q_ENUM(Roles)

    explicit OvGroupsModel(QObject* parent = nullptr);
    ~OvGroupsModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void dataUpdated();
    void remoteSelect(int gIndex);

public slots:
    int getGroupsCount() const { return m_groups.count(); }
    int getDirectGrupsCount() const { return m_groups.directGroupsCount(); }
    int getHighSensibilityGroupIndex() const { return m_groups.highSensibilityGroupIndex(); }
    int getLowSensibilityGroupIndex() const { return m_groups.lowSensibilityGroupIndex(); }
    void setHighSensibilityGroupIndex(int val);
    void setLowSensibilityGroupIndex(int val);
    void enableHighSensibilityGroup(bool enable);
    void enableLowSensibilityGroup(bool enable);
    void setDirectGroupsFilter(bool setOn);
    bool getDirectGroupsFilter() const { return m_directGroupsFilter; }
    // Moves the direct/reverse split; when that clears groups holding a program or a name, the
    // user is asked first, and a No keeps everything (dataUpdated tells the page to read back).
    void setDirectGrupsCount(int count);
    int getDirectGroupsCountMinimum() const { return 1; }
    // Empty when count lies within the range the page offers; otherwise that range, translated.
    QString checkDirectGroupsCount(int count) const;
    void setGroupDescription(int rowIndex, const QString& desc);
    void setGroupDescription(const QVariantList& selection, const QString& desc);
    void setCBE(const QVariantList& selection, const QString& cbe);
    bool isEmpty(int rowIndex) const;
    void copy(int rowIndexFrom, const QVariantList& selection);
    bool getDoubleConsentFlag(int rowIndex) const;
    void setDoubleConsentFlag(const QVariantList& selection, bool flag);
    QString getIconToolTip(int rowIndex) const;
    void resetGroups(const QVariantList& selection);
    QString getSelectedIndexesStr(const QVariantList& selection) const;
    void select(int groupIdx);

    // The application's: a new or replaced plant, after a check of the whole plant, after a
    // language change.
    void rebuildModel();
    void updateFromPlant();
    void onApplicationLanguageChanged();

private:
    // The list position of a row of the current filter; -1 out of range.
    int positionOf(int row) const;
    // The direct count as the row mapping uses it: never negative.
    int directCount() const;
    QString iconName(const OvGroup& group) const;
    void setSensibilityGroup(bool high, int val);
    void enableSensibilityGroup(bool high, bool enable);
    // Hands the copy to the plant when there is one; true when there was.
    bool storeToPlant();
    void emitRowsChanged(int lowest, int highest, const QVector<int>& roles);
    void emitAllRows(int role);

    bool m_directGroupsFilter = true;
    bool m_askingDirectCount = false;
    OvGroupsSystem m_groups;
};
