// The real application object and its scene, offscreen, with private settings and data folders,
// a file named on the command line and no plant. The functions run in order on one object:
// mouse positions; start, run until the first frame and quit the loop; the main window left
// behind; the end, with the log read back line by line. The log's handler passes nothing on,
// so the test base's handler goes on top of it: a QML warning, such as an image the scene
// cannot open, fails the test.
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "models/OvPlantModel.h"
#include "plant/Plant.h"

#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
// The program name, one option Qt takes for itself, then a file name split by the shell.
static int s_argc = 6;
static char s_args[][12] = {"tst_ov4kapp", "-platform", "offscreen", "a", "b", "c"};
static char* s_argv[] = {s_args[0], s_args[1], s_args[2], s_args[3], s_args[4], s_args[5], nullptr};

class tst_Ov4kApp : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;
    QQmlContext* m_context = nullptr;

    QObject* named(const QString& name) const { return m_window->findChild<QObject*>(name); }
    QObject* published(const char* name) const { return m_context->contextProperty(name).value<QObject*>(); }

private slots:
    void initTestCase()
    {
        QVERIFY(s_home.isValid());
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QCOMPARE(m_app->currentFilePath(), QStringLiteral("a b c"));
        QCOMPARE(QPoint(m_app->getMouseXPosition(), m_app->getMouseYPosition()), QPoint(-1, -1)); // no move yet
    }

    // An event moves the recorded position or leaves it.
    void mouse_data()
    {
        QTest::addColumn<int>("event");
        QTest::addColumn<QPointF>("pos");
        QTest::addColumn<QPoint>("recorded");
        QTest::newRow("halves round upward") << int(QEvent::MouseMove) << QPointF(2.5, -2.5) << QPoint(3, -2);
        QTest::newRow("nearest") << int(QEvent::MouseMove) << QPointF(-3.4, 7.6) << QPoint(-3, 8);
        QTest::newRow("a press is no move") << int(QEvent::MouseButtonPress) << QPointF(50, 60) << QPoint(-3, 8);
    }
    void mouse()
    {
        QFETCH(int, event);
        QFETCH(QPointF, pos);
        QMouseEvent mouse(QEvent::Type(event), pos, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_app, &mouse);
        QTEST(QPoint(m_app->getMouseXPosition(), m_app->getMouseYPosition()), "recorded");
    }

    void start()
    {
        // Quit once the scene has drawn its first frame, so that bindings evaluated while
        // drawing have reported what they had to.
        QTimer::singleShot(0, m_app, [this] {
            connect(m_app->mainWindow(), &QQuickWindow::frameSwapped, m_app, &QCoreApplication::quit,
                    Qt::QueuedConnection);
            m_app->mainWindow()->update();
        });
        // The file named on the command line does not exist.
        m_dialogs.answer(PlantMessage::Ok);
        QCOMPARE(m_app->run(), 0);
        QCOMPARE(m_dialogs.asked().size(), 1);
        QCOMPARE(m_dialogs.asked().first().text, QStringLiteral("File not found"));
        QCOMPARE(m_dialogs.asked().first().detailedText, QStringLiteral("a b c"));
        m_window = m_app->mainWindow();
        m_context = m_app->engine()->rootContext();
        QVERIFY(m_window);
        QCOMPARE(m_window->title(), QStringLiteral("KV1300-01 Tavrel-FSX"));
        QVERIFY(!QGuiApplication::windowIcon().isNull());
        QCOMPARE(published("theApp"), static_cast<QObject*>(m_app));
        QVERIFY(published("theThemeModel") && published("theCpuTypeMdl") && published("theParameters")
                && published("config") && !published("activePlant"));
        QCOMPARE(m_window->property("workingAreaStat").toString(), QStringLiteral("JUST_OPEN"));
        QCOMPARE(m_app->pageCode(), 0);
        QVERIFY(named("brandPicture")->property("visible").toBool());
        QVERIFY(!named("plantSplitView")->property("visible").toBool());
        // The initial size of a fresh settings folder, and the least one.
        QCOMPARE(QList<QSize>({m_window->size(), m_window->minimumSize()}), QList<QSize>({{960, 720}, {750, 650}}));
        m_window->resize(1920, 1080); // the scale factors follow: twice the width, one and a half the height
        QTRY_COMPARE(m_window->property("orizontalScaleFactor").toReal(), 2.0);
        QCOMPARE(m_window->property("verticalScaleFactor").toReal(), 1.5);
        QCOMPARE(QSize(m_app->getWndWidth(), m_app->getWndHeight()), QSize(1920, 1080));
        m_window->resize(960, 720);
        QVERIFY(QMetaObject::invokeMethod(m_app, "onPlantDescriptionChange"));
        QCOMPARE(m_window->title(), QStringLiteral("a b c - KV1300-01 Tavrel-FSX"));
    }

    // Without a plant only New, Open, Import, Exit, the Options menu and the About entry serve.
    // A submenu is enabled through the entry that opens it.
    void enabledWithoutPlant_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("enabled");
        for (const char* name : {"newItem", "openItem", "importItem", "exitItem", "searchItem", "voidAddressesItem",
                                 "aboutItem", "fileMenu", "optionsMenu", "infoMenu", "languageMenu", "themeMenu",
                                 "openButton", "newButton", "importButton"})
            QTest::newRow(name) << name << true;
        for (const char* name :
             {"saveItem", "saveAsItem", "pdfItem", "csvItem", "compileItem", "clearRecentItem", "recentMenu",
              "saveButton", "pdfButton", "csvButton", "compileButton", "checkCbeButton"})
            QTest::newRow(name) << name << false;
    }
    void enabledWithoutPlant()
    {
        QFETCH(QString, name);
        QFETCH(bool, enabled);
        QObject* object = named(name);
        QVERIFY2(object, qPrintable(name));
        for (QObject* entry : m_window->findChildren<QObject*>()) {
            if (entry->property("subMenu").value<QObject*>() == object)
                object = entry;
        }
        QCOMPARE(object->property("enabled").toBool(), enabled);
        // The About box disables every tool button and the menu bar while it is open.
        QObject* bar = name.endsWith("Button") ? object : m_window->property("menuBar").value<QObject*>();
        QVERIFY(QMetaObject::invokeMethod(m_window, "showAboutDlg"));
        QCOMPARE(bar->property("enabled").toBool(), false);
        QVERIFY(QMetaObject::invokeMethod(named("closeInfoBtn"), "clicked"));
        QTRY_COMPARE(bar->property("enabled").toBool(), bar != object || enabled);
        QCOMPARE(object->property("enabled").toBool(), enabled);
    }

    void themeSwitch()
    {
        const auto images = [this] {
            return named("toolBarBackground")->property("source").toString() + ' '
                + named("workingAreaBackground")->property("source").toString();
        };
        QCOMPARE(images(), QStringLiteral("qrc:/Resources/Toolbar.png qrc:/Resources/WorkigArea_BLU.png"));
        QVERIFY(QMetaObject::invokeMethod(published("theThemeModel"), "clicked", Q_ARG(int, 1)));
        QCOMPARE(QSettings().value(QStringLiteral("mainWnd/themeIndex")).toInt(), 1);
        QCOMPARE(images(), QStringLiteral("qrc:/Resources/lightToolbar.png qrc:/Resources/lightWorkinAreaBg.png"));
        QCOMPARE(named("toolBarBackground")->property("status").toInt(), 1); // Image.Ready: the file exists
    }

    // Each row calls the slot its name gives. A negative CPU changes nothing: those rows still
    // show the page before them. The titles are the English texts, so they also show that the
    // translation was installed.
    void pageSlots_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("title");
        QTest::newRow("onPlantInfoPageSelected()") << "PLANT_ACTIVE_GEN_INFO" << 1 << "Plant information";
        QTest::newRow("onGeneralParametersPageSelected()") << "PLANT_GEN_PARAMETER" << 2 << "General parameters";
        QTest::newRow("onPwdMngPageSelected()") << "PLANT_PWD_MNG" << 3 << "Passwords";
        QTest::newRow("onCpuPageSelected(-1)") << "PLANT_PWD_MNG" << 3 << "Passwords";
        QTest::newRow("onAnnunciatorPageSelected(-1)") << "PLANT_PWD_MNG" << 3 << "Passwords";
        QTest::newRow("onGeneralAreasPageSelected()") << "PLANT_ACTIVE_AREAS_DATA_PAGE_SELECTED" << 4 << "Areas";
        QTest::newRow("onGeneralGroupsPageSelected()") << "PLANT_ACTIVE_GROUPS_DATA_PAGE_SELECTED" << 5 << "Groups";
        QTest::newRow("onRepeatersPageSelected()") << "PLANT_REPEATERS_DATA_PAGE_SELECTED" << 6 << "Repeaters";
        QTest::newRow("onGeneralCPUsPageSelected()") << "PLANT_ACTIVE_CPU_GEN_PAGE" << 7 << "Panels";
        QTest::newRow("onCpuPageSelected(0)") << "PLANT_ACTIVE_CPU_DATA_PAGE" << 8 << "Panel";
        // No annunciator model exists yet.
        QTest::newRow("onAnnunciatorPageSelected(0)") << "PLANT_ANNUNCIATOR_DATA_PAGE_SELECTED" << 10 << "Annunciators";
        QTest::newRow("onAnnunciatorPageSelected(3)") << "PLANT_ANNUNCIATOR_DATA_PAGE_SELECTED" << 10 << "Annunciators";
    }
    void pageSlots()
    {
        const QList<QByteArray> call = QByteArray(QTest::currentDataTag()).chopped(1).split('(');
        QVERIFY(call[1].isEmpty() ? QMetaObject::invokeMethod(m_app, call[0])
                                  : QMetaObject::invokeMethod(m_app, call[0], Q_ARG(int, call[1].toInt())));
        QTEST(m_window->property("workingAreaStat").toString(), "state");
        QTEST(m_app->pageCode(), "code");
        // Exactly the page of the state shows, beside the plant tree.
        QStringList shown;
        for (QQuickItem* item : m_window->findChildren<QQuickItem*>(QStringLiteral("pageTitle"))) {
            if (item->isVisible())
                shown << item->property("text").toString();
        }
        QTEST(shown.join('|'), "title");
    }

    // A point changed through the slot the scene calls by name is the plant's, and the tree marks
    // its errors again, once.
    void sensorChanged()
    {
        m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        QVERIFY(m_app->plant() && m_app->plantTreeModel());
        QSignalSpy marks(m_app->plantTreeModel(), &OvPlantModel::updateErrorsFlag);
        OvGenericPoint point(1, 1, 1, 7);
        point.setDescription(QStringLiteral("Changed"));
        QVERIFY(QMetaObject::invokeMethod(m_app, "onSensorChanged", Q_ARG(OvGenericPoint, point)));
        QCOMPARE(m_app->plant()->getPoint(0, 0, 6, 1)->description(), QStringLiteral("Changed"));
        QCOMPARE(marks.count(), 1);
    }

    void quit()
    {
        // A second run finds the engine in place: the path of a scene that yields no window.
        expectWarning(QStringLiteral("^Filed to create GUI components\\.$"));
        QCOMPARE(m_app->run(), EXIT_FAILURE);
        delete m_window;
        delete m_app;
        // The brand applied first names the folder: organisation, then application.
        QFile file(s_home.path() + QStringLiteral("/.local/share/Tavrel-FSX/KV1300-01/ov4800.log"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QStringList lines = QString::fromLocal8Bit(file.readAll()).split('\n');
        QCOMPARE(lines.takeLast(), QString()); // the last line is ended too
        // Date and time, "." and the milliseconds modulo 10000 without leading zeros, " - ", the
        // level with its source position, the message.
        const QRegularExpression layout(QStringLiteral(
            R"(^\d{4}-\d\d-\d\dT\d\d:\d\d:\d\d\.(?:0|[1-9]\d{0,3}) - (?:(?:Debug|Warning): \[[^\t]+@\d+\t[^\t]*\]\t)"
            R"(|(?:Critical|Fatal): \[[^\t]+:\d+\t[^\t]*\](?!\t)|Info: )(.*)$)"));
        QStringList texts;
        for (const QString& line : qAsConst(lines)) {
            const auto match = layout.match(line);
            QVERIFY2(match.hasMatch(), qPrintable(line));
            texts << match.captured(1);
        }
        QVERIFY(!lines.filter(QRegularExpression(R"( - Debug: \[[^\t]*/Ov4kApp\.cpp@)")).isEmpty());
        // QML warnings reach the log as warning lines; an announced one stops at the test base.
        QCOMPARE(lines.filter(QRegularExpression(" - (Warning|Critical|Fatal): ")), QStringList());
        const QString stars(87, '*');
        QCOMPARE(texts.mid(0, 3) + texts.mid(texts.size() - 3),
                 QStringList(
                     {stars, "**************\t\tAPPLICATION START: \"KV1300-01\" \tv:  \"2.7\" \t******************",
                      stars, stars, "**************\t\tAPPLICATION END: \"KV1300-01\" \t******************", stars}));
        QCOMPARE(texts.count("Start Main Loop."), 1);
        QCOMPARE(texts.filter("Application argument:"), QStringList{"Application argument:  \"a\""});
    }
};

QTEST_APPLESS_MAIN(tst_Ov4kApp)
#include "tst_ov4kapp.moc"
