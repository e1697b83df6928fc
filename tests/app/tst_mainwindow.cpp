// The main window of the real application object, offscreen, with private settings and data
// folders and no plant: menu and tool-bar enable rules, keys, scale factors, page switching,
// the theme switch, and screenshots of the first view in both themes for a person to look at.
// The tests run inside the application's own event loop, started by Ov4kApp::run().
#include "IsolatedHome.h"

#include "app/ApplicationLog.h"
#include "app/Ov4kApp.h"

#include <QDir>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

int g_argc = 1;
char g_arg0[] = "tst_mainwindow";
char* g_argv[] = {g_arg0, nullptr};

QObject* findNamed(QObject* root, const char* name)
{
    return root ? root->findChild<QObject*>(QLatin1String(name)) : nullptr;
}

// The menu entry that opens the named submenu of a parent menu.
QObject* submenuEntry(QObject* root, const char* menuName)
{
    QObject* menu = findNamed(root, menuName);
    if (!menu)
        return nullptr;
    const QList<QObject*> all = root->findChildren<QObject*>();
    for (QObject* object : all) {
        if (object->property("subMenu").value<QObject*>() == menu)
            return object;
    }
    return nullptr;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void resourceReadable_data();
    void resourceReadable();
    void titleAndFirstState();
    void justOpenShowsOnlyTheBrandPicture();
    void menuEnabledWithoutPlant_data();
    void menuEnabledWithoutPlant();
    void submenusEnabledWithoutPlant_data();
    void submenusEnabledWithoutPlant();
    void toolButtonEnabledWithoutPlant_data();
    void toolButtonEnabledWithoutPlant();
    void aboutBoxDisablesBars();
    void keysWithoutPlant();
    void layoutMirrorsForRightToLeftLanguages_data();
    void layoutMirrorsForRightToLeftLanguages();
    void scaleFactorAtTwiceTheInitialSize();
    void screenshotDarkTheme();
    void themeSwitchStoresAndChangesImages();
    void screenshotLightTheme();
    void pageSlots_data();
    void pageSlots();
    void negativeCpuChangesNothing_data();
    void negativeCpuChangesNothing();
    void cleanup();
    void cleanupTestCase();

private:
    QObject* named(const char* name) const { return findNamed(m_window, name); }
    void grabInto(const QString& fileName);

    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;
    QStringList m_qmlWarnings;
};

void TestMainWindow::initTestCase()
{
    m_app = qobject_cast<Ov4kApp*>(QCoreApplication::instance());
    QVERIFY(m_app);
    m_window = m_app->mainWindow();
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // While the tests run, QtTest's message handler stands in for the log's.
    connect(m_app->engine(), &QQmlEngine::warnings, this, [this](const QList<QQmlError>& warnings) {
        for (const QQmlError& warning : warnings)
            m_qmlWarnings << warning.toString();
    });
}

// Every image the theme model, the brand and the window icon name, and the theme's fonts.
void TestMainWindow::resourceReadable_data()
{
    QTest::addColumn<QString>("path");
    const char* images[] = {
        "Toolbar.png", "lightToolbar.png", "Fondo_2.png", "lightFondo_2.png", "menuBar.png",
        "lightMenuBar.png", "WorkigArea_BLU.png", "lightWorkinAreaBg.png", "Infobar.png",
        "lightInfobar.png", "tabPage.png", "lightTabPage.png", "tickOn.png", "null.png",
        "WorkigArea_Anello_m.png", "Blank_m.png", "infoBGImage_m.png", "logoTavrel.ico"};
    for (const char* image : images)
        QTest::newRow(image) << QStringLiteral(":/Resources/") + QLatin1String(image);
}

void TestMainWindow::resourceReadable()
{
    QFETCH(QString, path);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QVERIFY(image.width() > 0);
}

void TestMainWindow::titleAndFirstState()
{
    QCOMPARE(m_window->title(), QStringLiteral("KV1300-01 Tavrel-FSX"));
    QCOMPARE(m_window->property("workingAreaStat").toString(), QStringLiteral("JUST_OPEN"));
    QCOMPARE(m_window->minimumWidth(), 750);
    QCOMPARE(m_window->minimumHeight(), 650);
    // The initial size of a fresh settings folder.
    QCOMPARE(m_window->property("originalWidth").toInt(), 960);
    QCOMPARE(m_window->property("originalHeight").toInt(), 720);
    QCOMPARE(m_app->pageCode(), 0);
}

void TestMainWindow::justOpenShowsOnlyTheBrandPicture()
{
    auto* picture = qobject_cast<QQuickItem*>(named("brandPicture"));
    auto* split = qobject_cast<QQuickItem*>(named("plantSplitView"));
    QVERIFY(picture);
    QVERIFY(split);
    QCOMPARE(picture->isVisible(), true);
    QCOMPARE(split->isVisible(), false);
}

void TestMainWindow::menuEnabledWithoutPlant_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("New") << "newItem" << true;
    QTest::newRow("Open") << "openItem" << true;
    QTest::newRow("Save") << "saveItem" << false;
    QTest::newRow("Save as") << "saveAsItem" << false;
    QTest::newRow("PDF") << "pdfItem" << false;
    QTest::newRow("CSV") << "csvItem" << false;
    QTest::newRow("Compile") << "compileItem" << false;
    QTest::newRow("Import") << "importItem" << true;
    QTest::newRow("Exit") << "exitItem" << true;
    QTest::newRow("clear recent files") << "clearRecentItem" << false;
    QTest::newRow("Search") << "searchItem" << true;
    QTest::newRow("About") << "aboutItem" << true;
    QTest::newRow("File menu") << "fileMenu" << true;
    QTest::newRow("Options menu") << "optionsMenu" << true;
    QTest::newRow("Info menu") << "infoMenu" << true;
}

void TestMainWindow::menuEnabledWithoutPlant()
{
    QFETCH(QString, item);
    QFETCH(bool, enabled);
    QObject* object = named(item.toLatin1().constData());
    QVERIFY2(object, qPrintable(item));
    QCOMPARE(object->property("enabled").toBool(), enabled);
}

void TestMainWindow::submenusEnabledWithoutPlant_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("recent files") << "recentMenu" << false;
    QTest::newRow("Language") << "languageMenu" << true;
    QTest::newRow("Theme") << "themeMenu" << true;
}

void TestMainWindow::submenusEnabledWithoutPlant()
{
    QFETCH(QString, menu);
    QFETCH(bool, enabled);
    QObject* entry = submenuEntry(m_window, menu.toLatin1().constData());
    QVERIFY2(entry, qPrintable(menu));
    QCOMPARE(entry->property("enabled").toBool(), enabled);
}

void TestMainWindow::toolButtonEnabledWithoutPlant_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Open") << "openButton" << true;
    QTest::newRow("New") << "newButton" << true;
    QTest::newRow("Save") << "saveButton" << false;
    QTest::newRow("PDF") << "pdfButton" << false;
    QTest::newRow("CSV") << "csvButton" << false;
    QTest::newRow("Compile") << "compileButton" << false;
    QTest::newRow("Import") << "importButton" << true;
    QTest::newRow("check CBE") << "checkCbeButton" << false;
}

void TestMainWindow::toolButtonEnabledWithoutPlant()
{
    QFETCH(QString, button);
    QFETCH(bool, enabled);
    QObject* object = named(button.toLatin1().constData());
    QVERIFY2(object, qPrintable(button));
    QCOMPARE(object->property("enabled").toBool(), enabled);
}

void TestMainWindow::aboutBoxDisablesBars()
{
    QObject* newButton = named("newButton");
    QObject* fileMenu = named("fileMenu");
    QVERIFY(newButton);
    QVERIFY(fileMenu);

    QMetaObject::invokeMethod(m_window, "showAboutDlg");
    QCOMPARE(newButton->property("enabled").toBool(), false);
    QObject* menuBar = m_window->property("menuBar").value<QObject*>();
    QVERIFY(menuBar);
    QCOMPARE(menuBar->property("enabled").toBool(), false);

    QObject* close = named("closeInfoBtn");
    QVERIFY(close);
    QMetaObject::invokeMethod(close, "clicked");
    QTRY_COMPARE(newButton->property("enabled").toBool(), true);
    QCOMPARE(menuBar->property("enabled").toBool(), true);
}

void TestMainWindow::keysWithoutPlant()
{
    QSignalSpy newSpy(m_window, SIGNAL(onFileNewMenu()));
    QSignalSpy saveSpy(m_window, SIGNAL(clickedOnFileSaveBtn()));
    QSignalSpy saveAsSpy(m_window, SIGNAL(clickedOnFileSaveAs()));
    m_window->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(m_window));

    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(m_window, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(m_window, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(saveSpy.count(), 0);
    QCOMPARE(saveAsSpy.count(), 0);
    QCOMPARE(newSpy.count(), 1);
}

void TestMainWindow::layoutMirrorsForRightToLeftLanguages_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("mirrored");
    QTest::newRow("Arabic") << "ar" << true;
    QTest::newRow("Hebrew") << "iw" << true;
    QTest::newRow("Italian") << "it" << false;
}

// Arabic and Hebrew read right to left: the tool bar then starts at the right with "OpenFile";
// other languages keep it at the left.
void TestMainWindow::layoutMirrorsForRightToLeftLanguages()
{
    QFETCH(QString, language);
    QFETCH(bool, mirrored);
    QObject* parameters = m_app->engine()->rootContext()->contextProperty(QStringLiteral("theParameters"))
                              .value<QObject*>();
    QVERIFY(parameters);
    QString saved;
    QVERIFY(QMetaObject::invokeMethod(parameters, "getActualLanguage", Q_RETURN_ARG(QString, saved)));
    QVERIFY(QMetaObject::invokeMethod(parameters, "setActualLanguage", Q_ARG(QString, language)));
    emit m_app->applicationLanguageChanged();

    auto* open = qobject_cast<QQuickItem*>(named("openButton"));
    auto* newFile = qobject_cast<QQuickItem*>(named("newButton"));
    QVERIFY(open);
    QVERIFY(newFile);
    const qreal quarter = m_window->width() / 4;
    if (mirrored) {
        QTRY_VERIFY(open->mapToScene(QPointF(0, 0)).x() > 3 * quarter);
        QVERIFY(newFile->mapToScene(QPointF(0, 0)).x() < open->mapToScene(QPointF(0, 0)).x());
    } else {
        QTRY_VERIFY(open->mapToScene(QPointF(0, 0)).x() < quarter);
        QVERIFY(newFile->mapToScene(QPointF(0, 0)).x() > open->mapToScene(QPointF(0, 0)).x());
    }

    QVERIFY(QMetaObject::invokeMethod(parameters, "setActualLanguage", Q_ARG(QString, saved)));
    emit m_app->applicationLanguageChanged();
}

void TestMainWindow::scaleFactorAtTwiceTheInitialSize()
{
    const int width = m_window->property("originalWidth").toInt();
    const int height = m_window->property("originalHeight").toInt();
    m_window->resize(2 * width, 2 * height);
    QTRY_COMPARE(m_window->property("orizontalScaleFactor").toReal(), 2.0);
    QCOMPARE(m_window->property("verticalScaleFactor").toReal(), 2.0);
    QCOMPARE(m_app->getWndWidth(), 2 * width);
    QCOMPARE(m_app->getWndHeight(), 2 * height);

    m_window->resize(width, height);
    QTRY_COMPARE(m_window->property("orizontalScaleFactor").toReal(), 1.0);
    QCOMPARE(m_window->property("verticalScaleFactor").toReal(), 1.0);
}

// The whole scene from the window's root item. QQuickWindow::grabWindow() gives a null image
// on the offscreen platform with the software renderer (its backing store has no image), so
// the root item is rendered into an image instead.
void TestMainWindow::grabInto(const QString& fileName)
{
    QVERIFY(QDir().mkpath(QStringLiteral(OV_SCREENSHOT_DIR)));
    const QSharedPointer<QQuickItemGrabResult> grab = m_window->contentItem()->grabToImage();
    QVERIFY(grab);
    QSignalSpy ready(grab.data(), &QQuickItemGrabResult::ready);
    QVERIFY(ready.wait());
    const QImage image = grab->image();
    QCOMPARE(image.size(), m_window->size());
    QVERIFY(image.save(QStringLiteral(OV_SCREENSHOT_DIR "/") + fileName));
}

void TestMainWindow::screenshotDarkTheme()
{
    grabInto(QStringLiteral("mainwindow_just_open_dark.png"));

    QObject* options = named("optionsMenu");
    QVERIFY(options);
    QVERIFY(QMetaObject::invokeMethod(options, "open"));
    QTRY_COMPARE(options->property("opened").toBool(), true);
    grabInto(QStringLiteral("mainwindow_options_menu_dark.png"));
    QVERIFY(QMetaObject::invokeMethod(options, "close"));
    QTRY_COMPARE(options->property("visible").toBool(), false);
}

void TestMainWindow::themeSwitchStoresAndChangesImages()
{
    QObject* theme = m_app->engine()->rootContext()->contextProperty(QStringLiteral("theThemeModel"))
                         .value<QObject*>();
    QVERIFY(theme);
    QObject* toolBarImage = named("toolBarBackground");
    QObject* workingAreaImage = named("workingAreaBackground");
    QVERIFY(toolBarImage);
    QVERIFY(workingAreaImage);
    QCOMPARE(toolBarImage->property("source").toUrl(), QUrl(QStringLiteral("qrc:/Resources/Toolbar.png")));
    QCOMPARE(workingAreaImage->property("source").toUrl(),
             QUrl(QStringLiteral("qrc:/Resources/WorkigArea_BLU.png")));

    QMetaObject::invokeMethod(theme, "clicked", Q_ARG(int, 1));

    QCOMPARE(QSettings().value(QStringLiteral("mainWnd/themeIndex")).toInt(), 1);
    QCOMPARE(toolBarImage->property("source").toUrl(),
             QUrl(QStringLiteral("qrc:/Resources/lightToolbar.png")));
    QCOMPARE(workingAreaImage->property("source").toUrl(),
             QUrl(QStringLiteral("qrc:/Resources/lightWorkinAreaBg.png")));
    QCOMPARE(toolBarImage->property("status").toInt(), 1); // Image.Ready: the file exists
}

void TestMainWindow::screenshotLightTheme()
{
    grabInto(QStringLiteral("mainwindow_just_open_light.png"));
}

void TestMainWindow::pageSlots_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::addColumn<int>("cpu");
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("titleId");
    QTest::newRow("plant info") << QByteArray("onPlantInfoPageSelected") << -2
                                << "PLANT_ACTIVE_GEN_INFO" << 1 << "PAGE_PLANT_GEN_INFO";
    QTest::newRow("general parameters") << QByteArray("onGeneralParametersPageSelected") << -2
                                        << "PLANT_GEN_PARAMETER" << 2 << "PAGE_PLANT_GEN_PARAMETERS";
    QTest::newRow("passwords") << QByteArray("onPwdMngPageSelected") << -2 << "PLANT_PWD_MNG" << 3
                               << "PAGE_PLANT_PASSWORDS";
    QTest::newRow("areas") << QByteArray("onGeneralAreasPageSelected") << -2
                           << "PLANT_ACTIVE_AREAS_DATA_PAGE_SELECTED" << 4 << "PAGE_AREAS";
    QTest::newRow("groups") << QByteArray("onGeneralGroupsPageSelected") << -2
                            << "PLANT_ACTIVE_GROUPS_DATA_PAGE_SELECTED" << 5 << "PAGE_GROUPS";
    QTest::newRow("repeaters") << QByteArray("onRepeatersPageSelected") << -2
                               << "PLANT_REPEATERS_DATA_PAGE_SELECTED" << 6 << "PAGE_REPEATERS";
    QTest::newRow("CPUs") << QByteArray("onGeneralCPUsPageSelected") << -2
                          << "PLANT_ACTIVE_CPU_GEN_PAGE" << 7 << "PAGE_CPU_GEN_INFO";
    QTest::newRow("CPU 0") << QByteArray("onCpuPageSelected") << 0 << "PLANT_ACTIVE_CPU_DATA_PAGE" << 8
                           << "PAGE_CPU_DATA";
    QTest::newRow("annunciators of CPU 0, no annunciator model")
        << QByteArray("onAnnunciatorPageSelected") << 0 << "PLANT_ANNUNCIATOR_DATA_PAGE_SELECTED" << 10
        << "PAGE_ANNUNCIATORS";
    QTest::newRow("annunciators of CPU 3") << QByteArray("onAnnunciatorPageSelected") << 3
                                           << "PLANT_ANNUNCIATOR_DATA_PAGE_SELECTED" << 10
                                           << "PAGE_ANNUNCIATORS";
}

void TestMainWindow::pageSlots()
{
    QFETCH(QByteArray, slot);
    QFETCH(int, cpu);
    QFETCH(QString, state);
    QFETCH(int, code);
    QFETCH(QString, titleId);

    m_window->setProperty("workingAreaStat", QStringLiteral("JUST_OPEN"));
    const bool invoked = cpu == -2 ? QMetaObject::invokeMethod(m_app, slot.constData())
                                   : QMetaObject::invokeMethod(m_app, slot.constData(), Q_ARG(int, cpu));
    QVERIFY(invoked);
    QCOMPARE(m_window->property("workingAreaStat").toString(), state);
    QCOMPARE(m_app->pageCode(), code);

    // Exactly the page of the state shows, beside the plant tree.
    auto* split = qobject_cast<QQuickItem*>(named("plantSplitView"));
    QVERIFY(split);
    QCOMPARE(split->isVisible(), true);
    QStringList shown;
    for (QQuickItem* title : m_window->findChildren<QQuickItem*>(QStringLiteral("pageTitle"))) {
        if (title->isVisible())
            shown << title->property("text").toString();
    }
    QCOMPARE(shown, QStringList{qtTrId(titleId.toLatin1().constData())});

    if (slot == "onPlantInfoPageSelected")
        grabInto(QStringLiteral("mainwindow_plant_info_light.png"));
}

void TestMainWindow::negativeCpuChangesNothing_data()
{
    QTest::addColumn<QByteArray>("slot");
    QTest::newRow("CPU page") << QByteArray("onCpuPageSelected");
    QTest::newRow("annunciator page") << QByteArray("onAnnunciatorPageSelected");
}

void TestMainWindow::negativeCpuChangesNothing()
{
    QFETCH(QByteArray, slot);
    QVERIFY(QMetaObject::invokeMethod(m_app, "onPwdMngPageSelected"));
    QVERIFY(QMetaObject::invokeMethod(m_app, slot.constData(), Q_ARG(int, -1)));
    QCOMPARE(m_window->property("workingAreaStat").toString(), QStringLiteral("PLANT_PWD_MNG"));
    QCOMPARE(m_app->pageCode(), 3);
}

void TestMainWindow::cleanup()
{
    const QStringList warnings = m_qmlWarnings;
    m_qmlWarnings.clear();
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
}

// No QML warning, error or critical line in the log written before and after the tests.
void TestMainWindow::cleanupTestCase()
{
    QFile log(ApplicationLog::filePath());
    QVERIFY(log.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList bad;
    const QStringList lines = QString::fromLocal8Bit(log.readAll()).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.contains(QLatin1String(" - Warning: ")) || line.contains(QLatin1String(" - Critical: "))
            || line.contains(QLatin1String("qrc:/qml/")))
            bad << line;
    }
    QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
}

int main(int argc, char** argv)
{
    IsolatedHome home;
    if (!home.isValid())
        return 1;
    Q_INIT_RESOURCE(translations);
    Q_INIT_RESOURCE(qml);
    Q_INIT_RESOURCE(resources);
    // The offscreen platform has no OpenGL.
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);

    Ov4kApp app(g_argc, g_argv);
    TestMainWindow test;
    int result = 1;
    QTimer::singleShot(0, &app, [&] {
        result = QTest::qExec(&test, argc, argv);
        app.quit();
    });
    const int loop = app.run();
    return result != 0 ? result : loop;
}

#include "tst_mainwindow.moc"
