// The theme model: both themes' roles and values written out from the theme tables, the theme
// switch with its stored setting, and the application font family. The bundled fonts are
// replaced by a test resource that puts known families under three of the twelve names.
#include "app/OvThemeMdl.h"
#include "IsolatedHome.h"

#include <QAbstractItemModelTester>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QSettings>
#include <QSignalSpy>
#include "MessageCapture.h"

#include <QtTest>

namespace {

const char* const kGroupKey = "mainWnd/themeIndex";
const char* const kFontKey = "applicationFontFamily";
const int kNotStored = -100;

void storeTheme(int index)
{
    QSettings settings;
    if (index == kNotStored)
        settings.remove(QLatin1String(kGroupKey));
    else
        settings.setValue(QLatin1String(kGroupKey), index);
}

QVariant storedTheme()
{
    return QSettings().value(QLatin1String(kGroupKey));
}

// Calls a slot the way QML does, by name; "not a slot" when there is no such slot.
QVariant callSlot(QObject* object, const QByteArray& name, const QVariant& argument)
{
    const QMetaObject* meta = object->metaObject();
    const QByteArray signature = name + (argument.isValid() ? "(bool)" : "()");
    const int index = meta->indexOfMethod(signature.constData());
    if (index < 0 || meta->method(index).methodType() != QMetaMethod::Slot)
        return QStringLiteral("not a slot");
    const QMetaMethod method = meta->method(index);
    QVariant result(method.returnType(), nullptr);
    const QGenericReturnArgument ret(method.typeName(), result.data());
    const bool flag = argument.toBool();
    const bool called = argument.isValid()
        ? method.invoke(object, Qt::DirectConnection, ret, Q_ARG(bool, flag))
        : method.invoke(object, Qt::DirectConnection, ret);
    return called ? result : QStringLiteral("not called");
}

} // namespace

class tst_ThemeModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void shape();
    void roles_data();
    void roles();
    void unservedRole_data();
    void unservedRole();
    void invalidIndex();
    void flags();
    void startLogsThemeIndex();
    void themeValues_data();
    void themeValues();
    void rowBgColorLogs();
    void themeSwitch();
    void themeSwitchFromIndexOutsideRows();
    void clickedOutsideRows_data();
    void clickedOutsideRows();
    void emptyString();

    void fontFamilyFromMediumFont();
    void withoutBundledFontsStaysVerdana();
    void fontFamilies();
    void currentFont();
    void setFontFamilyOutsideRows();
    void setFontSavesAndSignals();
    void fontMenuFontName();
    void programFontFiles_data();
    void programFontFiles();
};

void tst_ThemeModel::initTestCase()
{
    messagecapture::install();
}

void tst_ThemeModel::init()
{
    messagecapture::warnings() = 0;
    QSettings().clear();
}

void tst_ThemeModel::cleanup()
{
    QCOMPARE(messagecapture::warnings(), 0);
}

void tst_ThemeModel::shape()
{
    OvThemeMdl model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);

    const QHash<int, QByteArray> names = model.roleNames();
    QCOMPARE(names.value(256), QByteArray("themeIconName"));
    QCOMPARE(names.value(257), QByteArray("themeActive"));
    QCOMPARE(names.value(258), QByteArray("themeDescription"));
    QCOMPARE(names.value(Qt::DisplayRole), QByteArray("display"));
    QCOMPARE(int(OvThemeMdl::themeIconName), 256);
    QCOMPARE(int(OvThemeMdl::themeActive), 257);
    QCOMPARE(int(OvThemeMdl::themeDescription), 258);
}

void tst_ThemeModel::roles_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("description");

    const QString tick = QStringLiteral("../Resources/tickOn.png");
    const QString none = QStringLiteral("../Resources/null.png");
    QTest::newRow("not stored, Dark") << kNotStored << 0 << tick << true << "Dark";
    QTest::newRow("not stored, Light") << kNotStored << 1 << none << false << "Light";
    QTest::newRow("0, Dark") << 0 << 0 << tick << true << "Dark";
    QTest::newRow("0, Light") << 0 << 1 << none << false << "Light";
    QTest::newRow("1, Dark") << 1 << 0 << none << false << "Dark";
    QTest::newRow("1, Light") << 1 << 1 << tick << true << "Light";
    QTest::newRow("5, Dark") << 5 << 0 << none << false << "Dark";
    QTest::newRow("5, Light") << 5 << 1 << none << false << "Light";
    QTest::newRow("-1, Dark") << -1 << 0 << none << false << "Dark";
    QTest::newRow("-1, Light") << -1 << 1 << none << false << "Light";
}

void tst_ThemeModel::roles()
{
    QFETCH(int, stored);
    QFETCH(int, row);
    QFETCH(QString, icon);
    QFETCH(bool, active);
    QFETCH(QString, description);

    storeTheme(stored);
    OvThemeMdl model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int column = 0; column < 2; ++column) {
        const QModelIndex index = model.index(row, column);
        QCOMPARE(model.data(index, 256), QVariant(icon));
        QCOMPARE(model.data(index, 257), QVariant(active));
        QCOMPARE(model.data(index, 258), QVariant(description));
    }
}

void tst_ThemeModel::unservedRole_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("line");

    QTest::newRow("display") << int(Qt::DisplayRole) << "OvThemeMdl::data:Role:  0 \tNot Handled";
    QTest::newRow("edit") << int(Qt::EditRole) << "OvThemeMdl::data:Role:  2 \tNot Handled";
    QTest::newRow("255") << 255 << "OvThemeMdl::data:Role:  255 \tNot Handled";
    QTest::newRow("259") << 259 << "OvThemeMdl::data:Role:  259 \tNot Handled";
}

void tst_ThemeModel::unservedRole()
{
    QFETCH(int, role);
    QFETCH(QString, line);

    OvThemeMdl model(nullptr);
    MessageCapture log;
    QCOMPARE(model.data(model.index(1, 1), role), QVariant());
    QCOMPARE(log.lines(), QStringList{line});
    QCOMPARE(log.lines(QtDebugMsg), QStringList{line});
}

void tst_ThemeModel::invalidIndex()
{
    OvThemeMdl model(nullptr);
    MessageCapture log;
    QCOMPARE(model.data(QModelIndex(), 256), QVariant());
    QCOMPARE(model.data(QModelIndex(), 0), QVariant());
    QCOMPARE(log.lines(), QStringList());
}

void tst_ThemeModel::flags()
{
    OvThemeMdl model(nullptr);
    MessageCapture log;
    QCOMPARE(int(model.flags(model.index(0, 0))), 163);
    QCOMPARE(int(model.flags(model.index(1, 1))), 163);
    QCOMPARE(int(model.flags(QModelIndex())), 0);
    QCOMPARE(log.lines(QtDebugMsg), (QStringList{"Pluto", "Pluto", "Pluto"}));
}

void tst_ThemeModel::startLogsThemeIndex()
{
    storeTheme(1);
    MessageCapture log;
    OvThemeMdl model(nullptr);
    QCOMPARE(log.lines(QtInfoMsg), QStringList{"Current Theme Index =  1"});
}

void tst_ThemeModel::themeValues_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<QVariant>("argument");
    QTest::addColumn<QVariant>("value");

    const QVariant none;
    const QVariant on(true);
    const QVariant off(false);
    struct Row {
        const char* slot;
        QVariant argument;
        QVariant dark;
        QVariant light;
    };
    const Row rows[] = {
        {"getToolBarName", none, "Toolbar.png", "lightToolbar.png"},
        {"toolTipBgImage", none, "Fondo_2.png", "lightFondo_2.png"},
        {"toolTipTextColor", none, "white", "black"},
        {"menuBgImage", none, "menuBar.png", "lightMenuBar.png"},
        {"menuTextColor", on, "white", "black"},
        {"menuTextColor", off, "lightgrey", "black"},
        {"waBgImage", none, "WorkigArea_BLU.png", "lightWorkinAreaBg.png"},
        {"waBgFillMode", none, 3, 3},
        {"editTextColor", on, "black", "white"},
        {"editTextColor", off, "white", "black"},
        {"infoBarBgImage", none, "Infobar.png", "lightInfobar.png"},
        {"rowBgColor", on, "#e8e7e7", "#1a2129"},
        {"rowBgColor", off, "#00000000", "#00000000"},
        {"placeholderTextColor", on, "#e8e7e7", "#353333"},
        {"placeholderTextColor", off, "#e8e7e7", "#353333"},
        {"boxBorderColor", none, "white", "black"},
        {"boxFillColor", none, "#1a2129", "#e4dbdb"},
        {"tabBgImage", none, "tabPage.png", "lightTabPage.png"},
        {"getEmptyString", none, "", ""},
    };
    // Light only at index 1; every other stored value gives Dark.
    const struct {
        const char* name;
        int stored;
        bool light;
    } themes[] = {
        {"not stored", kNotStored, false},
        {"0", 0, false},
        {"1", 1, true},
        {"2", 2, false},
        {"5", 5, false},
        {"-1", -1, false},
    };
    for (const auto& theme : themes) {
        for (const Row& row : rows) {
            const QByteArray name = QByteArray(theme.name) + ", " + row.slot
                + (row.argument.isValid() ? (row.argument.toBool() ? "(true)" : "(false)") : "");
            QVariant value = theme.light ? row.light : row.dark;
            if (value.userType() == QMetaType::QByteArray || value.userType() == QMetaType::Char)
                value = value.toString();
            QTest::newRow(name.constData())
                << theme.stored << QByteArray(row.slot) << row.argument << value;
        }
    }
}

void tst_ThemeModel::themeValues()
{
    QFETCH(int, stored);
    QFETCH(QByteArray, slot);
    QFETCH(QVariant, argument);
    QFETCH(QVariant, value);

    storeTheme(stored);
    OvThemeMdl model(nullptr);
    QCOMPARE(callSlot(&model, slot, argument), value);
}

void tst_ThemeModel::rowBgColorLogs()
{
    OvThemeMdl model(nullptr);
    MessageCapture log;
    model.rowBgColor(true);
    model.rowBgColor(false);
    QCOMPARE(log.lines(QtInfoMsg),
             (QStringList{"rowBgColor =  \"#e8e7e7\"", "rowBgColor =  \"#00000000\""}));
}

void tst_ThemeModel::themeSwitch()
{
    OvThemeMdl model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy theme(&model, &OvThemeMdl::themeChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QCOMPARE(model.getToolBarName(), QString("Toolbar.png"));
    QCOMPARE(model.data(model.index(0, 0), 256), QVariant("../Resources/tickOn.png"));

    MessageCapture log;
    QVERIFY(QMetaObject::invokeMethod(&model, "clicked", Q_ARG(int, 1)));
    QCOMPARE(log.lines(QtDebugMsg).value(0), QString("\t\tclicked on index =  1"));
    QCOMPARE(storedTheme().toString(), QString("1"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(1, 0));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(1, 1));
    QCOMPARE(changed.at(0).at(2).value<QVector<int>>(), QVector<int>());
    QCOMPARE(changed.at(1).at(0).toModelIndex(), model.index(0, 0));
    QCOMPARE(changed.at(1).at(1).toModelIndex(), model.index(0, 1));
    QCOMPARE(changed.at(1).at(2).value<QVector<int>>(), QVector<int>());
    QCOMPARE(theme.count(), 1);
    QCOMPARE(reset.count(), 0);

    QCOMPARE(model.getToolBarName(), QString("lightToolbar.png"));
    QCOMPARE(model.waBgImage(), QString("lightWorkinAreaBg.png"));
    QCOMPARE(model.data(model.index(0, 0), 256), QVariant("../Resources/null.png"));
    QCOMPARE(model.data(model.index(1, 1), 256), QVariant("../Resources/tickOn.png"));
    QCOMPARE(model.data(model.index(1, 0), 257), QVariant(true));

    // The same theme again only logs.
    log.clear();
    model.clicked(1);
    QCOMPARE(log.lines(), QStringList{"\t\tclicked on index =  1"});
    QCOMPARE(changed.count(), 2);
    QCOMPARE(theme.count(), 1);

    // The stored theme survives a restart.
    OvThemeMdl restarted(nullptr);
    QCOMPARE(restarted.getToolBarName(), QString("lightToolbar.png"));
    QCOMPARE(restarted.data(restarted.index(1, 0), 256), QVariant("../Resources/tickOn.png"));

    model.clicked(0);
    QCOMPARE(storedTheme().toString(), QString("0"));
    QCOMPARE(changed.count(), 4);
    QCOMPARE(changed.at(2).at(0).toModelIndex(), model.index(0, 0));
    QCOMPARE(changed.at(3).at(0).toModelIndex(), model.index(1, 0));
    QCOMPARE(theme.count(), 2);
    QCOMPARE(model.getToolBarName(), QString("Toolbar.png"));
    QCOMPARE(model.menuBgImage(), QString("menuBar.png"));
}

// A stored index that names no row has no row to repaint.
void tst_ThemeModel::themeSwitchFromIndexOutsideRows()
{
    storeTheme(5);
    OvThemeMdl model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy theme(&model, &OvThemeMdl::themeChanged);

    model.clicked(1);
    QCOMPARE(storedTheme().toString(), QString("1"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(1, 0));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(1, 1));
    QCOMPARE(theme.count(), 1);
    QCOMPARE(model.getToolBarName(), QString("lightToolbar.png"));
}

void tst_ThemeModel::clickedOutsideRows_data()
{
    QTest::addColumn<int>("index");

    QTest::newRow("-1") << -1;
    QTest::newRow("2") << 2;
    QTest::newRow("5") << 5;
}

void tst_ThemeModel::clickedOutsideRows()
{
    QFETCH(int, index);

    OvThemeMdl model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy theme(&model, &OvThemeMdl::themeChanged);
    model.clicked(index);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(theme.count(), 0);
    QCOMPARE(storedTheme().isValid(), false);
    QCOMPARE(model.data(model.index(0, 0), 257), QVariant(true));
}

void tst_ThemeModel::emptyString()
{
    OvThemeMdl model(nullptr);
    const QMetaObject* meta = model.metaObject();
    const QMetaProperty property = meta->property(meta->indexOfProperty("emptyString"));
    QVERIFY(property.isValid());
    QCOMPARE(property.isWritable(), false);
    QCOMPARE(property.read(&model), QVariant(QString()));
    QCOMPARE(QByteArray(property.notifySignal().name()), QByteArray("modelChanged"));
    QCOMPARE(model.getEmptyString(), QString());
}

void tst_ThemeModel::fontFamilyFromMediumFont()
{
    OvThemeMdl model(nullptr);
    QCOMPARE(model.getFont(), QString("DejaVu Sans"));
    QCOMPARE(model.property("fontFamily"), QVariant("DejaVu Sans"));
    // Registering stores nothing.
    QCOMPARE(QSettings().value(QLatin1String(kFontKey)), QVariant());
}

void tst_ThemeModel::withoutBundledFontsStaysVerdana()
{
    Q_CLEANUP_RESOURCE(thememodel_fonts);
    QVERIFY(!QFile::exists(QStringLiteral(":/Resources/fonts/FernholdtSansWebMedium.ttf")));
    {
        OvThemeMdl model(nullptr);
        QCOMPARE(model.getFont(), QString("Verdana"));
    }
    Q_INIT_RESOURCE(thememodel_fonts);
    QVERIFY(QFile::exists(QStringLiteral(":/Resources/fonts/FernholdtSansWebMedium.ttf")));
}

void tst_ThemeModel::fontFamilies()
{
    OvThemeMdl model(nullptr);
    const QStringList families = QFontDatabase().families();
    QVERIFY(families.contains(QStringLiteral("DejaVu Sans")));
    QVERIFY(families.contains(QStringLiteral("DejaVu Serif")));
    QCOMPARE(model.getFontFamilySize(), families.size());
    for (int id = 0; id < families.size(); ++id)
        QCOMPARE(model.getFontFamily(id), families.at(id));
    QCOMPARE(model.getFontFamily(-1), QString("Verdana"));
    QCOMPARE(model.getFontFamily(model.getFontFamilySize()), QString("Verdana"));
}

void tst_ThemeModel::currentFont()
{
    OvThemeMdl model(nullptr);
    QVERIFY(model.getFontFamilySize() >= 3);
    QSignalSpy fontChanged(&model, &OvThemeMdl::currentFontChanged);
    QCOMPARE(model.getCurrentFont(), QString("Verdana"));

    model.setFontFamily(0);
    QCOMPARE(fontChanged.count(), 1);
    QCOMPARE(model.getFont(), model.getFontFamily(0));
    QCOMPARE(QSettings().value(QLatin1String(kFontKey)), QVariant(model.getFontFamily(0)));
    // Row 0 is never reported as current.
    QCOMPARE(model.getCurrentFont(), QString("Verdana"));

    model.setFontFamily(0);
    QCOMPARE(fontChanged.count(), 1);

    model.setFontFamily(2);
    QCOMPARE(fontChanged.count(), 2);
    QCOMPARE(model.getCurrentFont(), model.getFontFamily(2));
    QCOMPARE(model.getFont(), model.getFontFamily(2));
    QCOMPARE(QSettings().value(QLatin1String(kFontKey)), QVariant(model.getFontFamily(2)));
}

void tst_ThemeModel::setFontFamilyOutsideRows()
{
    OvThemeMdl model(nullptr);
    model.setFontFamily(1);
    QSignalSpy fontChanged(&model, &OvThemeMdl::currentFontChanged);
    model.setFontFamily(-1);
    model.setFontFamily(model.getFontFamilySize());
    QCOMPARE(fontChanged.count(), 0);
    QCOMPARE(model.getCurrentFont(), model.getFontFamily(1));
    QCOMPARE(model.getFont(), model.getFontFamily(1));
}

void tst_ThemeModel::setFontSavesAndSignals()
{
    OvThemeMdl model(nullptr);
    QSignalSpy fontChanged(&model, &OvThemeMdl::currentFontChanged);

    QSettings().setValue(QLatin1String(kFontKey), QStringLiteral("Other"));
    model.setFont(QStringLiteral("DejaVu Sans"));
    QCOMPARE(fontChanged.count(), 1);
    QCOMPARE(QSettings().value(QLatin1String(kFontKey)), QVariant("DejaVu Sans"));

    QVERIFY(model.setProperty("fontFamily", QStringLiteral("DejaVu Serif")));
    QCOMPARE(fontChanged.count(), 2);
    QCOMPARE(model.getFont(), QString("DejaVu Serif"));
    QCOMPARE(QSettings().value(QLatin1String(kFontKey)), QVariant("DejaVu Serif"));
    // setFont leaves the chosen row alone.
    QCOMPARE(model.getCurrentFont(), QString("Verdana"));
}

void tst_ThemeModel::fontMenuFontName()
{
    OvThemeMdl model(nullptr);
    QCOMPARE(model.getFontMenuFontName(QStringLiteral("DejaVu Serif")), QString("DejaVu Serif"));
    QCOMPARE(model.getFontMenuFontName(QStringLiteral("DejaVu Sans")), QString("DejaVu Sans"));
    QCOMPARE(model.getFontMenuFontName(QStringLiteral("No Such Family")), QString("DejaVu Sans"));
    QCOMPARE(model.getFontMenuFontName(QString()), QString("DejaVu Sans"));

    model.setFont(QStringLiteral("Not Installed Either"));
    QCOMPARE(model.getFontMenuFontName(QStringLiteral("Not Installed Either")),
             QString("Not Installed Either"));
    QCOMPARE(model.getFontMenuFontName(QStringLiteral("No Such Family")),
             QString("Not Installed Either"));
}

void tst_ThemeModel::programFontFiles_data()
{
    QTest::addColumn<QString>("file");

    const char* const names[] = {
        "FernholdtSansWebBlack", "FernholdtSansWebBlackItalic", "FernholdtSansWebBold",
        "FernholdtSansWebBoldItalic", "FernholdtSansWebBook", "FernholdtSansWebBookItalic",
        "FernholdtSansWebExtraBold", "FernholdtSansWebExtraboldItalic", "FernholdtSansWebLight",
        "FernholdtSansWebLightItalic", "FernholdtSansWebMedium", "FernholdtSansWebMediumItalic",
    };
    for (const char* name : names)
        QTest::newRow(name) << QStringLiteral(":/Resources/fonts/%1.ttf").arg(QLatin1String(name));
}

// The fonts the program ships sit where the model looks for them.
void tst_ThemeModel::programFontFiles()
{
    QFETCH(QString, file);

    Q_CLEANUP_RESOURCE(thememodel_fonts);
    Q_INIT_RESOURCE(resources);
    const int id = QFontDatabase::addApplicationFont(file);
    QString medium;
    {
        OvThemeMdl model(nullptr);
        medium = model.getFont();
    }
    Q_CLEANUP_RESOURCE(resources);
    Q_INIT_RESOURCE(thememodel_fonts);

    QVERIFY(id >= 0);
    QVERIFY(!QFontDatabase::applicationFontFamilies(id).isEmpty());
    if (file.endsWith(QLatin1String("WebMedium.ttf")))
        QCOMPARE(medium, QFontDatabase::applicationFontFamilies(id).first());
    QVERIFY(medium != QLatin1String("Verdana"));
}

int main(int argc, char** argv)
{
    IsolatedHome home;
    if (!home.isValid())
        return 1;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("OvTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_thememodel"));
    // Linking the program's resources registers them; only programFontFiles wants them.
    Q_CLEANUP_RESOURCE(resources);
    Q_INIT_RESOURCE(thememodel_fonts);
    tst_ThemeModel test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_thememodel.moc"
