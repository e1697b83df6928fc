#pragma once
// The look of the scene, published to QML as "theThemeModel": the two themes (one row each,
// the model of the theme menu), the images and colours of the active one, and the application
// font family. Pages ask the slots again on themeChanged.
#include <QAbstractTableModel>
#include <QString>
#include <QStringList>

class OvThemeMdl : public QAbstractTableModel {
    Q_OBJECT
    Q_PROPERTY(QString emptyString READ getEmptyString NOTIFY modelChanged)
    Q_PROPERTY(QString fontFamily READ getFont WRITE setFont NOTIFY currentFontChanged)

public:
    enum Roles {
        themeIconName = Qt::UserRole,
        themeActive,
        themeDescription,
    };
    Q_ENUM(Roles)

    // Reads the stored theme and registers the bundled Medium font, which names the family;
    // needs a QGuiApplication. The other bundled fonts and the list of installed families wait
    // until a font slot or registerFonts() needs them.
    explicit OvThemeMdl(QObject* parent = nullptr);
    // Registers the face the first frame needs on a worker, so the next model's construction
    // only collects it; needs the application object, which waits with
    // finishRegisteringFont() before it goes.
    static void startRegisteringFont();
    static void finishRegisteringFont();
    // Fills the calling thread's font caches for the scene's first texts.
    void prepareFonts() const;

    // One row per theme at the top level, two columns giving the same data.
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

public slots:
    // Makes theme row i the active one and stores it; a row outside the themes is ignored.
    void clicked(int i);
    // The theme names are translated: every row is repainted in the new language.
    void onApplicationLanguageChanged();
    QString getEmptyString() const { return QString(); }

    // Image values are bare file names.
    QString getToolBarName() const;
    QString toolTipBgImage() const;
    QString toolTipTextColor() const;
    QString menuBgImage() const;
    QString menuTextColor(bool enabled) const;
    QString waBgImage() const;
    int waBgFillMode() const;
    QString editTextColor(bool selected) const;
    QString infoBarBgImage() const;
    QString rowBgColor(bool selected) const;
    QString placeholderTextColor(bool selected) const;
    QString boxBorderColor() const;
    QString boxFillColor() const;
    QString tabBgImage() const;

    // Registers the bundled fonts not registered yet and lists the installed families, once.
    void registerFonts() const;

    int getFontFamilySize() const;
    // "Verdana" for an id outside the installed families.
    QString getFontFamily(int id) const;
    // "Verdana" unless setFontFamily chose a row above 0.
    QString getCurrentFont() const;
    // A row outside the installed families is ignored.
    void setFontFamily(int idx);
    QString getFont() const { return m_fontFamily; }
    // Saves the family and signals even when it is unchanged.
    void setFont(const QString& font);
    // text when that family exists (or is the current one), else the current family.
    QString getFontMenuFontName(const QString& text) const;

signals:
    void modelChanged();
    void themeChanged();
    void currentFontChanged();

private:
    struct RoleEntry {
        int role;
        const char* name;
        QVariant (OvThemeMdl::*value)(int row) const;
    };
    static const RoleEntry s_roles[];

    bool isLight() const { return m_themeIndex == 1; }
    QString pick(const char* dark, const char* light) const;
    QVariant iconName(int row) const;
    QVariant active(int row) const;
    QVariant description(int row) const;
    void emitRowChanged(int row);

    QStringList m_themes;
    int m_themeIndex = -1;
    int m_fontIndex = -1;
    // Filled by registerFonts(), which the const font slots call.
    mutable QStringList m_fonts;
    mutable bool m_fontsRegistered = false;
    QString m_fontFamily;
};
