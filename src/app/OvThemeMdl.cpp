#include "app/OvThemeMdl.h"

#include "app/IdleWork.h"
#include "core/OvParametersReference.h"
#include "core/WindowSettings.h"

#include <QDebug>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QResource>
#include <QTextLayout>

namespace {
const char* const kDefaultFamily = "Verdana";
const int kColumns = 2;

// Registered in this order; the Medium one gives the application font family.
const char* const kFontFiles[] = {
    ":/Resources/fonts/FernholdtSansWebBlack.ttf",     ":/Resources/fonts/FernholdtSansWebBlackItalic.ttf",
    ":/Resources/fonts/FernholdtSansWebBold.ttf",      ":/Resources/fonts/FernholdtSansWebBoldItalic.ttf",
    ":/Resources/fonts/FernholdtSansWebBook.ttf",      ":/Resources/fonts/FernholdtSansWebBookItalic.ttf",
    ":/Resources/fonts/FernholdtSansWebExtraBold.ttf", ":/Resources/fonts/FernholdtSansWebExtraboldItalic.ttf",
    ":/Resources/fonts/FernholdtSansWebLight.ttf",     ":/Resources/fonts/FernholdtSansWebLightItalic.ttf",
    ":/Resources/fonts/FernholdtSansWebMedium.ttf",    ":/Resources/fonts/FernholdtSansWebMediumItalic.ttf",
};
const int kMediumFont = 10;

// Font engines are kept per thread, the database's matches for all: laying out a word in the
// application's font (which items meet before the scene's family reaches them) and in the
// family fills both for the calling thread.
void layOutSample(const QString& family)
{
    QFont font = QGuiApplication::font();
    for (int pass = 0; pass < 2; ++pass) {
        QTextLayout sample(QStringLiteral("File"), font);
        sample.beginLayout();
        sample.createLine();
        sample.endLayout();
        font.setFamily(family);
    }
}

// A face stored uncompressed in the program's resources is handed over where it lies, for as
// long as the program runs: the database keeps what it is given and the font engine reads it
// from there. Given the file's name instead, the database keeps a copy of the file and every
// engine made from it reads another.
int addFontFile(const char* file)
{
    const QResource resource{QLatin1String(file)};
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression && resource.size() > 0)
        return QFontDatabase::addApplicationFontFromData(
            QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), int(resource.size())));
    return QFontDatabase::addApplicationFont(QLatin1String(file));
}

// The Medium face's family, or an empty text when it could not be registered.
QString registerMediumFace()
{
    const int id = addFontFile(kFontFiles[kMediumFont]);
    const QStringList families = id >= 0 ? QFontDatabase::applicationFontFamilies(id) : QStringList();
    return families.isEmpty() ? QString() : families.first();
}

// The worker's family, read once it has been waited for.
QString s_mediumFamily;
IdleWork s_mediumFace;
} // namespace

void OvThemeMdl::startRegisteringFont()
{
    if (s_mediumFace.pending())
        return;
    s_mediumFace = IdleWork([] { s_mediumFamily = registerMediumFace(); });
}

void OvThemeMdl::prepareFonts() const
{
    layOutSample(m_fontFamily);
}

void OvThemeMdl::finishRegisteringFont()
{
    s_mediumFace.wait();
}

const OvThemeMdl::RoleEntry OvThemeMdl::s_roles[] = {
    {themeIconName, "themeIconName", &OvThemeMdl::iconName},
    {themeActive, "themeActive", &OvThemeMdl::active},
    {themeDescription, "themeDescription", &OvThemeMdl::description},
};

OvThemeMdl::OvThemeMdl(QObject* parent)
    : QAbstractTableModel(parent)
    , m_fontFamily(QLatin1String(kDefaultFamily))
{
    // Message ids, translated when shown.
    m_themes << QStringLiteral(QT_TRID_NOOP("THEME_DARK")) << QStringLiteral(QT_TRID_NOOP("THEME_LIGHT"));
    m_themeIndex = getThemeIndex();
    qInfo() << "Current Theme Index = " << m_themeIndex;

    // The first frame needs the Medium font only; every further face costs start-up time.
    QString family;
    if (s_mediumFace.pending()) {
        s_mediumFace.wait();
        family = s_mediumFamily;
    } else {
        family = registerMediumFace();
    }
    if (!family.isEmpty())
        m_fontFamily = family;
}

void OvThemeMdl::registerFonts() const
{
    if (m_fontsRegistered)
        return;
    m_fontsRegistered = true;
    int fileNumber = 0;
    for (const char* file : kFontFiles) {
        if (fileNumber++ != kMediumFont)
            addFontFile(file);
    }
    m_fonts = QFontDatabase().families(QFontDatabase::Any);
}

int OvThemeMdl::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_themes.size();
}

int OvThemeMdl::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant OvThemeMdl::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_themes.size())
        return QVariant();
    for (const RoleEntry& entry : s_roles) {
        if (entry.role == role)
            return (this->*entry.value)(index.row());
    }
    qDebug() << "OvThemeMdl::data:Role: " << role << "\tNot Handled";
    return QVariant();
}

Qt::ItemFlags OvThemeMdl::flags(const QModelIndex& index) const
{
    qDebug() << "Pluto";
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

QHash<int, QByteArray> OvThemeMdl::roleNames() const
{
    QHash<int, QByteArray> names = QAbstractTableModel::roleNames();
    for (const RoleEntry& entry : s_roles)
        names.insert(entry.role, entry.name);
    return names;
}

QVariant OvThemeMdl::iconName(int row) const
{
    return row == m_themeIndex ? QStringLiteral("../Resources/tickOn.png") : QStringLiteral("../Resources/null.png");
}

QVariant OvThemeMdl::active(int row) const
{
    return row == m_themeIndex;
}

QVariant OvThemeMdl::description(int row) const
{
    return qtTrId(qPrintable(m_themes.at(row)));
}

void OvThemeMdl::onApplicationLanguageChanged()
{
    for (int row = 0; row < m_themes.size(); ++row)
        emitRowChanged(row);
}

void OvThemeMdl::clicked(int i)
{
    qDebug() << "\t\tclicked on index = " << i;
    if (i == m_themeIndex || i < 0 || i >= m_themes.size())
        return;
    const int previous = m_themeIndex;
    m_themeIndex = i;
    setThemeIndex(static_cast<unsigned int>(i));
    emitRowChanged(i);
    // A stored index that is not a row has no row to repaint.
    if (previous >= 0 && previous < m_themes.size())
        emitRowChanged(previous);
    emit themeChanged();
}

void OvThemeMdl::emitRowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, kColumns - 1));
}

QString OvThemeMdl::pick(const char* dark, const char* light) const
{
    return QLatin1String(isLight() ? light : dark);
}

QString OvThemeMdl::getToolBarName() const
{
    return pick("Toolbar.png", "lightToolbar.png");
}

QString OvThemeMdl::toolTipBgImage() const
{
    return pick("Fondo_2.png", "lightFondo_2.png");
}

QString OvThemeMdl::toolTipTextColor() const
{
    return pick("white", "black");
}

QString OvThemeMdl::menuBgImage() const
{
    return pick("menuBar.png", "lightMenuBar.png");
}

QString OvThemeMdl::menuTextColor(bool enabled) const
{
    return pick(enabled ? "white" : "lightgrey", "black");
}

QString OvThemeMdl::waBgImage() const
{
    return pick("WorkigArea_BLU.png", "lightWorkinAreaBg.png");
}

int OvThemeMdl::waBgFillMode() const
{
    return 3; // Image.Tile
}

QString OvThemeMdl::editTextColor(bool selected) const
{
    return selected ? pick("black", "white") : pick("white", "black");
}

QString OvThemeMdl::infoBarBgImage() const
{
    return pick("Infobar.png", "lightInfobar.png");
}

QString OvThemeMdl::rowBgColor(bool selected) const
{
    const QString color = selected ? pick("#e8e7e7", "#1a2129") : QStringLiteral("#00000000");
    qInfo() << "rowBgColor = " << color;
    return color;
}

QString OvThemeMdl::placeholderTextColor(bool) const
{
    return pick("#e8e7e7", "#353333");
}

QString OvThemeMdl::boxBorderColor() const
{
    return pick("white", "black");
}

QString OvThemeMdl::boxFillColor() const
{
    return pick("#1a2129", "#e4dbdb");
}

QString OvThemeMdl::tabBgImage() const
{
    return pick("tabPage.png", "lightTabPage.png");
}

int OvThemeMdl::getFontFamilySize() const
{
    registerFonts();
    return m_fonts.size();
}

QString OvThemeMdl::getFontFamily(int id) const
{
    registerFonts();
    if (id < 0 || id >= m_fonts.size())
        return QLatin1String(kDefaultFamily);
    return m_fonts.at(id);
}

QString OvThemeMdl::getCurrentFont() const
{
    registerFonts();
    if (m_fontIndex > 0 && m_fontIndex < m_fonts.size())
        return m_fonts.at(m_fontIndex);
    return QLatin1String(kDefaultFamily);
}

void OvThemeMdl::setFontFamily(int idx)
{
    registerFonts();
    if (idx == m_fontIndex || idx < 0 || idx >= m_fonts.size())
        return;
    m_fontIndex = idx;
    setFont(m_fonts.at(idx));
}

void OvThemeMdl::setFont(const QString& font)
{
    m_fontFamily = font;
    OvParametersReference::SaveApplicationFontFamilyName(font);
    emit currentFontChanged();
}

QString OvThemeMdl::getFontMenuFontName(const QString& text) const
{
    registerFonts();
    if (text == m_fontFamily || m_fonts.contains(text))
        return text;
    return m_fontFamily;
}
