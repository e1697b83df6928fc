#pragma once
// The recently used plant files, newest first, behind the "openRecentFile" submenu. The list is
// the one the settings store keeps; the model only reads it, at construction and on reset().
#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

class OvRecentFilesModel : public QAbstractTableModel {
    Q_OBJECT
    Q_PROPERTY(QString emptyString READ getEmptyString NOTIFY modelChanged)

public:
    enum Roles {
        itemFileIndex = Qt::UserRole,
        itemFileName,
    };
    Q_ENUM(Roles)

    explicit OvRecentFilesModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

    // Reloads the stored list; dataUpdated comes inside the model reset.
    void reset();

public slots:
    // Asks for the file of row i to be opened; a row outside the list is ignored.
    void clicked(int i);
    QString getEmptyString() const { return QString(); }

signals:
    void dataUpdated();
    void modelChanged();
    void selectFile(const QString& filename);

private:
    struct RoleEntry {
        int role;
        const char* name;
        QVariant (OvRecentFilesModel::*value)(int row) const;
    };
    static const RoleEntry s_roles[];

    void load();
    QVariant fileIndex(int row) const;
    QVariant fileName(int row) const;

    QStringList m_files;
};
