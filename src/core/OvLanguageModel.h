#pragma once
// The translations the program can switch to, behind the "Language" submenu: one row per
// translation file, the one in use marked. Picking another row asks the application to load
// it (selectLanguage); the application reports back through onApplicationLanguageChanged.
#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

class OvLanguageModel : public QAbstractTableModel {
    Q_OBJECT
    // The scene appends it to every translated text; modelChanged after a switch makes those
    // bindings evaluate again, which installing a translator alone does not.
    Q_PROPERTY(QString emptyString READ getEmptyString NOTIFY modelChanged)

public:
    enum Roles {
        lgIconName = Qt::UserRole,
        lgActive,
        lgDescription,
        lgCode,
    };
    Q_ENUM(Roles)

    // The files in the "translations" folder beside the program, and the built-in ones.
    explicit OvLanguageModel(QObject* parent = nullptr);
    // The same from another folder.
    OvLanguageModel(const QString& folder, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

    int selectedRow() const { return m_selectedRow; }
    // Reads the folder again; dataUpdated comes inside the model reset.
    void refresh();

    // "ov4800_it.qm" gives "it": cut at the last ".", then after the last "_".
    static QString languageCode(const QString& fileName);

signals:
    void dataUpdated();
    void modelChanged();
    void selectLanguage(const QString& fileName);

public slots:
    // Asks for the translation of a row other than the one in use; a row outside the list
    // is only logged.
    void clicked(int row);
    QString getEmptyString() const { return QString(); }
    // Marks the row of the language now stored and makes the scene's texts evaluate again.
    void onApplicationLanguageChanged();
    // The same for the language the program shows, which is English when the stored one has no
    // translation.
    void setLanguageInUse(const QString& code);

private:
    struct RoleEntry {
        int role;
        const char* name;
        QVariant (OvLanguageModel::*value)(int row) const;
    };
    static const RoleEntry s_roles[];

    void fill();
    int findSelectedRow() const;
    void emitRowChanged(int row);
    QVariant iconName(int row) const;
    QVariant active(int row) const;
    QVariant description(int row) const;
    QVariant code(int row) const;

    QString m_folder;
    QStringList m_files;
    QString m_inUse;
    int m_selectedRow = -1;
};
