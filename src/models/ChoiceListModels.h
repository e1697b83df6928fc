#pragma once
// The lists behind the small choosers of the pages: zones, LIB counts, KORVA detectors of a loop
// and plant types. Each holds display texts and is rebuilt inside a model reset.
#include <QAbstractListModel>
#include <QStringList>
#include <QVector>

class OvAreaListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit OvAreaListModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QHash<int, QByteArray> roleNames() const override;
    void rebuildModel();

public slots:
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant data(const QModelIndex& index) const { return data(index, Qt::DisplayRole); }
    // Every row's text, for a chooser as wide as its longest.
    QStringList names() const { return m_names; }
    // Follows the zone table: selection holds 0-based zone positions.
    void onAreaDescriptionChanged(const QList<int>& selection, const QString& newVal);
    void onApplicationLanguageChanged();

private:
    QStringList m_names;
};

class OvLibModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit OvLibModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QHash<int, QByteArray> roleNames() const override;
    // Refills the labels for the panel model's LIB limit, in the current language.
    void reset();

public slots:
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant data(const QModelIndex& index) const { return data(index, Qt::DisplayRole); }
    int getIndexFromNLib(int nlib) const;
    int getnLibFromIndex(int index) const;

private:
    QStringList m_names;
    QVector<int> m_libNumbers;
};

class OvPinnModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit OvPinnModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QHash<int, QByteArray> roleNames() const override;
    // 0-based CPU position and loop within the CPU; an absent loop keeps the list as it is.
    void setActiveLoop(int cpuIndex, int loopIndex);

public slots:
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant data(const QModelIndex& index) const { return data(index, Qt::DisplayRole); }
    QVariant getDeviceAddress(int index) const;

private:
    QStringList m_addresses;
};

class OvPlantTypeModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit OvPlantTypeModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QHash<int, QByteArray> roleNames() const override;
    // Translates the names again; icons and flags stay.
    void reset();

public slots:
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant data(const QModelIndex& index) const { return data(index, Qt::DisplayRole); }

private:
    QStringList m_names;
    QStringList m_icons;
    QVector<bool> m_enabled;
};
