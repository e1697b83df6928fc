// The general-parameters and access-codes pages, the search and the whole-plant CBE check on the
// running application, offscreen. Screenshots of both pages and of the search dialog in both
// themes go to "screenshots" beside the test.
#include "../plant/PlantBuilder.h"
#include "../plant/PlantTestSupport.h"
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "SceneSettle.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "models/OvCPUModel.h"
#include "models/OvGroupsModel.h"
#include "models/OvPlantModel.h"
#include "models/OvPointModel.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QSignalSpy>
#include <QThread>
#include <QtQuick>
#include <QtTest>

Q_DECLARE_METATYPE(const OvGenericPoint*)

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_generalpages";
static char* s_argv[] = {s_arg0, nullptr};

namespace {

} // namespace

class tst_GeneralPages : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;

    QQuickItem* find(const char* name) const { return findAll(m_window->contentItem(), name).value(0); }
    QString page() const { return m_window->property("workingAreaStat").toString(); }
    QObject* dialog() const { return m_window->findChild<QObject*>("searchDlg"); }
    // Once the item has stayed in place for a few event rounds (a busy machine lays out late),
    // the pointer is moved there first: a click out of nowhere does not reach a control inside
    // the parameters page's flickable.
    void click(QQuickItem* item)
    {
        QVERIFY(item);
        QPoint at(-1, -1);
        for (int same = 0, round = 0; same < 3 && round < 400; ++round) {
            QCoreApplication::processEvents();
            QThread::msleep(5);
            const QPoint now = item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
            same = now == at ? same + 1 : 0;
            at = now;
        }
        QTest::mouseMove(m_window, at);
        QTest::mousePress(m_window, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(m_window, Qt::LeftButton, Qt::NoModifier, at);
    }
    void type(QQuickItem* field, const QString& text, bool enter = true)
    {
        QVERIFY(field);
        field->forceActiveFocus();
        QTRY_VERIFY(field->hasActiveFocus());
        QVERIFY(QMetaObject::invokeMethod(field, "selectAll"));
        for (const QChar c : text)
            QTest::keyClick(m_window, c.toLatin1());
        if (enter)
            QTest::keyClick(m_window, Qt::Key_Return);
    }
    // Ctrl+F (when the dialog is closed), the target, the fields, Enter.
    void search(int target, const QString& address, const QString& cpu = {}, const QString& loop = {})
    {
        if (!dialog())
            QTest::keyClick(m_window, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(dialog() && dialog()->property("opened").toBool());
        auto* content = dialog()->property("contentItem").value<QQuickItem*>();
        QVERIFY(findAll(content, "searchTarget").value(0)->setProperty("currentIndex", target));
        if (target >= 2) {
            type(findAll(content, "searchCpu").value(0), cpu, false);
            type(findAll(content, "searchLoop").value(0), loop, false);
        }
        type(findAll(content, "searchAddress").value(0), address);
    }
    void shoot(const QString& name)
    {
        QObject* themes = m_app->engine()->rootContext()->contextProperty("theThemeModel").value<QObject*>();
        const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
        QVERIFY(themes && QDir().mkpath(dir));
        for (int t = 0; t < 2; ++t) {
            QVERIFY(QMetaObject::invokeMethod(themes, "clicked", Q_ARG(int, t)));
            QSharedPointer<QQuickItemGrabResult> grab = m_window->contentItem()->grabToImage();
            // Polled: the application's quit on its first frame ends any nested event loop.
            bool ready = false;
            connect(grab.data(), &QQuickItemGrabResult::ready, this, [&ready] { ready = true; });
            QTRY_VERIFY(ready);
            QVERIFY(grab->image().save(dir + QString("/%1_theme%2.png").arg(name).arg(t)));
        }
    }

private slots:
    void initTestCase()
    {
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        m_window = m_app->mainWindow();
        QVERIFY(m_window);
        m_window->resize(1000, 700);
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
        // Loop 1 of CPU 1 VARN: a detector at 5, the output module "Bell" at 5 (type row 24).
        Plant* plant = m_app->plant();
        plant->cpus().cpuAt(0)->setLoopType(0, 1);
        OvGenericPoint detector = plantbuild::point(1, 1, 5, 2, 1, 1, 30, 4);
        OvGenericPoint bell = plantbuild::point(1, 1, 5, 2, 2, 1, 130, 24);
        bell.setDescription("Bell");
        plant->cpus().setPoint(&detector);
        plant->cpus().setPoint(&bell);
        m_app->updateModels();
    }

    void cleanupTestCase()
    {
        delete m_app;
        m_app = nullptr;
        TestBase::cleanupTestCase();
    }

    void doSearch_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("cpu");
        QTest::addColumn<int>("loop");
        QTest::addColumn<int>("address");
        QTest::addColumn<bool>("found");
        QTest::newRow("CPU 1") << 2 << 1 << 0 << 0 << true;
        QTest::newRow("CPU 0") << 2 << 0 << 0 << 0 << false;
        QTest::newRow("CPU 2 of one") << 2 << 2 << 0 << 0 << false;
        QTest::newRow("loop 1") << 2 << 1 << 1 << 0 << true;
        QTest::newRow("loop 3") << 2 << 1 << 3 << 0 << false;
        QTest::newRow("detector 5") << 2 << 1 << 1 << 5 << true;
        QTest::newRow("empty address 6") << 2 << 1 << 1 << 6 << false;
        QTest::newRow("module 5") << 3 << 1 << 1 << 5 << true;
        QTest::newRow("target 4") << 4 << 0 << 0 << 1 << false;
        QTest::newRow("target -1") << -1 << 0 << 0 << 1 << false;
    }
    void doSearch()
    {
        QFETCH(int, target);
        QFETCH(int, cpu);
        QFETCH(int, loop);
        QFETCH(int, address);
        QFETCH(bool, found);
        QSignalSpy sensor(m_app, &Ov4kApp::selectSensor);
        QSignalSpy module(m_app, &Ov4kApp::selectModule);
        QVERIFY(m_app->doSearch(1, 0, 0, 2));
        QCOMPARE(m_app->doSearch(target, cpu, loop, address), found);
        QCOMPARE(m_app->getLastSearchTargetType(), found ? target : 1);
        QCOMPARE(sensor.count() + module.count(), found && target >= 2 ? 1 : 0);
        if (found && target >= 2)
            QCOMPARE((target == 2 ? sensor : module).first(), QVariantList({cpu, loop, address}));
        // The loop page's tables create their rows over the next frames; the next search must
        // not reset them half-way.
        settleScene(m_app->engine());
    }

    // The last zone and group are found, the ones past them are not; nothing is found on a
    // CPU that is not installed.
    void edges()
    {
        const int zones = m_app->plant()->areas().count();
        const int groups = m_app->plant()->groups().count();
        QSignalSpy zone(m_app, &Ov4kApp::selectAreaIndex);
        QSignalSpy group(m_app, &Ov4kApp::selectGroupIndex);
        QVERIFY(m_app->doSearch(0, 0, 0, zones) && !m_app->doSearch(0, 0, 0, zones + 1));
        QVERIFY(m_app->doSearch(1, 0, 0, groups) && !m_app->doSearch(1, 0, 0, groups + 1));
        QCOMPARE(zone.takeFirst(), QVariantList({zones}));
        QCOMPARE(group.takeFirst(), QVariantList({groups}));
        CPUDevice* cpu = m_app->plant()->cpus().cpuAt(0);
        cpu->setEnabled(false);
        const bool anyFound = m_app->doSearch(2, 1, 0, 0) || m_app->doSearch(3, 1, 1, 0) || m_app->doSearch(2, 1, 1, 5);
        cpu->setEnabled(true);
        QVERIFY(!anyFound);
    }

    // A CPU found is the tree's current CPU row, a loop its loop row; a point opens its loop page.
    void treeSelection()
    {
        OvPlantModel* tree = m_app->plantTreeModel();
        QSignalSpy selected(tree, &OvPlantModel::itemSelected);
        QSignalSpy pointPage(tree, &OvPlantModel::pointPageSelected);
        QVERIFY(m_app->doSearch(2, 1, 0, 0) && m_app->doSearch(2, 1, 1, 0));
        QCOMPARE(selected.count(), 2);
        const QModelIndex cpuRow = selected.at(0).at(0).value<QModelIndex>();
        QCOMPARE(cpuRow, tree->index(0, 0, tree->index(1, 0)));
        QCOMPARE(selected.at(1).at(0).value<QModelIndex>().parent(), cpuRow);
        QVERIFY(m_app->doSearch(2, 1, 1, 5));
        QCOMPARE(pointPage.last().at(0).value<const OvGenericPoint*>(), m_app->plant()->getPoint(0, 0, 4, 1));
        QCOMPARE(page(), QString("PLANT_ACTIVE_CPU_DATA_PAGE"));
    }

    // Through the dialog: a zone past the last says so until edited; a group opens its page on
    // its tab, a zone on its row.
    void dialogKeys()
    {
        search(0, QString::number(m_app->plant()->areas().count() + 1));
        QQuickItem* notFound = nullptr;
        QTRY_VERIFY(
            (notFound = findAll(dialog()->property("contentItem").value<QQuickItem*>(), "itemNotFound").value(0)));
        QCOMPARE(notFound->property("text").toString(), QString("Not found"));
        // A second Ctrl+F while it is open opens no second dialog.
        QTest::keyClick(m_window, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(m_window->findChildren<QObject*>("searchDlg").size(), 1);
        shoot("search");
        QTest::keyClick(m_window, Qt::Key_Backspace);
        QVERIFY(!notFound->isVisible());
        for (const int number : {2, 301}) { // direct, then reverse of the default 300 direct groups
            search(1, QString::number(number));
            QTRY_VERIFY(!dialog());
            QCOMPARE(page(), QString("PLANT_ACTIVE_GROUPS_DATA_PAGE_SELECTED"));
            QTRY_COMPARE(find("groupsTabs")->property("currentIndex").toInt(), number <= 300 ? 0 : 1);
        }
        search(0, "3");
        QTRY_VERIFY(!dialog());
        QCOMPARE(page(), QString("PLANT_ACTIVE_AREAS_DATA_PAGE_SELECTED"));
        QQuickItem* areas = find("areaRow");
        while (areas && !areas->property("copiedRow").isValid())
            areas = areas->parentItem();
        QVERIFY(areas);
        QTRY_COMPARE(areas->property("selection").toList(), QVariantList({2}));
    }

    // A language switch translates the open dialog again and keeps its target and fields.
    void searchLanguageSwitch()
    {
        QTest::keyClick(m_window, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(dialog() && dialog()->property("opened").toBool());
        auto* content = dialog()->property("contentItem").value<QQuickItem*>();
        QQuickItem* target = findAll(content, "searchTarget").value(0);
        QVERIFY(target && target->setProperty("currentIndex", 3));
        type(findAll(content, "searchLoop").value(0), "2", false);
        QStringList shown; // target and loop after each switch, compared once English is back
        for (const char* file : {"ov4800_it.qm", "ov4800_en.qm"}) {
            m_app->onSelectLanguage(file);
            shown << target->property("displayText").toString()
                  << findAll(content, "searchLoop").value(0, target)->property("text").toString();
        }
        QCOMPARE(shown, QStringList({"Modulo", "2", "Module", "2"}));
        QVERIFY(QMetaObject::invokeMethod(dialog(), "close"));
        QTRY_VERIFY(!dialog());
    }

    void checkCBE()
    {
        Plant* plant = m_app->plant();
        OvGroupsModel* groups = m_app->groupsModel();
        groups->setDirectGroupsFilter(true);
        plant->groups().groupAt(0)->setCBE("(G9999)");
        OvGenericPoint detector = *plant->getPoint(0, 0, 4, 1);
        detector.setCBE("OR(G9999)");
        plant->cpus().updatePoint(&detector);
        expectWarning("CBE ERROR");
        QSignalSpy marks(m_app->plantTreeModel(), &OvPlantModel::updateErrorsFlag);
        m_app->checkCBE();
        QCOMPARE(marks.count(), 1);
        QVERIFY(!plant->isCBESystemModified());
        QCOMPARE(m_app->plantTreeModel()->getErrorFlag(m_app->plantTreeModel()->index(1, 0)), 2);
        QCOMPARE(groups->data(groups->index(0, 0), OvGroupsModel::groupIconName).toString(), QString("errors.png"));
        QVERIFY(!QGuiApplication::overrideCursor());
        // Programs left wrong would be reported again by the compile of the pages test.
        plant->groups().groupAt(0)->setCBE(QString());
        detector.setCBE(QString());
        plant->cpus().updatePoint(&detector);
    }

    void pages()
    {
        Plant* plant = m_app->plant();
        m_window->resize(1000, 2300); // the whole parameters page without scrolling
        m_app->onGeneralParametersPageSelected();
        QQuickItem* delay = nullptr;
        QTRY_VERIFY((delay = find("sirenDelayTime")) && delay->mapToScene(QPointF(0, 0)).y() > 600);
        QVERIFY(!delay->isEnabled()); // counts only while sirens do not start at once
        click(find("sirenInstantActivation"));
        QTRY_VERIFY(delay->isEnabled());
        QCOMPARE(find("sirenDelayTimeRange")->property("text").toString(), QString::fromUtf8("0 – 600"));
        plant->modifyPlantData(false);
        plant->clearModificationBits(~0u);
        type(delay, "601");
        QCOMPARE(find("sirenDelayTimeRefusal")->property("text").toString(), QString("From 0 to 600"));
        QCOMPARE(delay->property("text").toString(), QString("0")); // what is stored
        QVERIFY(plant->getSirenDelayTime() == 0 && !plant->isPlantDataModified() && !plant->isModified());
        type(delay, "120");
        QVERIFY(plant->getSirenDelayTime() == 120 && plant->isPlantDataModified() && plant->isModified());
        QVERIFY(!find("sirenDelayTimeRefusal"));

        // Mode 2, then the output: the CPU row ("#1", no description) and the loop row ("#1")
        // expand, the module row is chosen.
        QVERIFY(QMetaObject::invokeMethod(find("walkTestMode"), "activated", Q_ARG(int, 2)));
        QCOMPARE(plant->getWalkTest(), 2u);
        QQuickItem* name = find("walkTestOutputName");
        QCOMPARE(name->property("text").toString(), QString("Choose the walk test output"));
        click(find("walkTestOutput"));
        for (int row = 0; row < 3; ++row) {
            QTRY_COMPARE(findAll(m_window->contentItem(), "walkTestRow").size(), row + 1);
            QCOMPARE(find("walkTestRow")->property("rowText").toString(), QString("#1"));
            click(findAll(m_window->contentItem(), "walkTestRow").at(row));
        }
        QTRY_COMPARE(name->property("text").toString(), QString("1.1.5 Bell"));
        QCOMPARE(QList<uint>({plant->getWalkTestCPUID(), plant->getWalkTestLoopID(), plant->getWalkTestModuleID(),
                              plant->getWalkTestSubID()}),
                 QList<uint>({1, 1, 5, 0}));
        QVERIFY(!find("walkTestProblem"));
        shoot("general_parameters");

        m_window->resize(1000, 700);
        QVERIFY(QMetaObject::invokeMethod(find("passwordsButton"), "clicked"));
        QTRY_COMPARE(page(), QString("PLANT_PWD_MNG"));
        QQuickItem* level3 = nullptr;
        QTRY_VERIFY((level3 = find("password3")));
        QCOMPARE(level3->property("text").toString(), QString("60427")); // the panel's default
        // Emptied, the field takes the panel's own code and says so; what cannot be stored is
        // refused, and the field shows what is.
        level3->forceActiveFocus();
        QTRY_VERIFY(level3->hasActiveFocus());
        QVERIFY(QMetaObject::invokeMethod(level3, "selectAll"));
        QTest::keyClick(m_window, Qt::Key_Delete);
        QTest::keyClick(m_window, Qt::Key_Return);
        QCOMPARE(find("passwordRefusal3")->property("text").toString(),
                 QString("No code: the panel keeps its own code 60427"));
        QCOMPARE(plant->getPassword(1), 60427u);
        for (const char* typed : {"123456", "ab12"}) {
            type(level3, typed);
            QCOMPARE(find("passwordRefusal3")->property("text").toString(), QString("Digits only, at most 99999"));
            QCOMPARE(level3->property("text").toString(), QString("60427"));
            QCOMPARE(plant->getPassword(1), 60427u);
        }
        type(level3, "12345");
        QCOMPARE(plant->getPassword(1), 12345u);
        shoot("passwords");

        // Siren delay u16 at 5200; walk-test output at 5188 (CPU and loop bits 0, module bit 5 of
        // 5189 set by default, module - 1); level 3 u32 at 5212.
        QCOMPARE(plant->copyTo(), 0);
        const QByteArray general = planttest::block(2);
        QCOMPARE(general.mid(5200, 2) + general.mid(5188, 3) + general.mid(5212, 4),
                 QByteArray::fromHex("7800"
                                     "002004"
                                     "39300000"));
    }
    // Ctrl+F finds detector 5 on its loop page's row. Its program names module 5, which is then
    // removed on the page: the check button marks the point, its loop and the CPUs row, clears
    // the need for a check and disables itself.
    void loopPageAfterSearch()
    {
        Plant* plant = m_app->plant();
        m_window->resize(1600, 700);
        search(2, "5", "1", "1");
        QTRY_VERIFY(!dialog());
        QCOMPARE(page(), QString("PLANT_ACTIVE_CPU_DATA_PAGE"));
        QQuickItem* table = nullptr;
        QTRY_VERIFY((table = find("pointTable")));
        auto* sensors = qobject_cast<OvPointModel*>(
            m_app->engine()->rootContext()->contextProperty("theSensorModel").value<QObject*>());
        QVERIFY(sensors);
        QTRY_COMPARE(table->property("currentIndex").toModelIndex(), sensors->index(4, 0));
        QCOMPARE(sensors->data(sensors->index(4, 0), OvPointModel::DeviceIndexRole).toString(), QString("#  5"));

        sensors->setCBE({sensors->index(4, 0)}, "(C1L1M5)");
        QCOMPARE(plant->getPoint(0, 0, 4, 1)->cbeErrorCode(), 0);
        m_app->checkCBE();
        QQuickItem* check = find("checkCbeButton");
        QTRY_VERIFY(!check->isEnabled());

        find("pointTabs")->setProperty("currentIndex", 1);
        QQuickItem* bell = nullptr;
        QTRY_VERIFY((bell = findAll(m_window->contentItem(), "pointDescription").value(0)));
        QCOMPARE(bell->property("text").toString(), QString("Bell"));
        const QPoint at = bell->mapToScene(QPointF(bell->width() / 2, bell->height() / 2)).toPoint();
        QTest::mouseClick(m_window, Qt::RightButton, Qt::NoModifier, at);
        QQuickItem* remove = nullptr;
        QTRY_VERIFY((remove = find("pointMenuRemove")) && remove->isEnabled());
        click(remove);
        QTRY_COMPARE(plant->getPoint(0, 0, 4, 2)->hwType(), u16(0));
        QVERIFY(plant->isCBESystemModified());
        QTRY_VERIFY(check->isEnabled());

        expectWarning("CBE ERROR");
        click(check);
        QTRY_VERIFY(!plant->isCBESystemModified());
        QTRY_VERIFY(!check->isEnabled());
        QVERIFY(plant->getPoint(0, 0, 4, 1)->cbeErrorCode() != 0);
        QCOMPARE(sensors->data(sensors->index(4, 0), OvPointModel::IconNameRole).toString(), QString("errors.png"));
        OvPlantModel* tree = m_app->plantTreeModel();
        const QModelIndex cpuRow = tree->index(0, 0, tree->index(1, 0));
        QVERIFY(tree->getErrorFlag(tree->index(1, 0, cpuRow)) != 0);
        QCOMPARE(tree->getErrorFlag(tree->index(1, 0)), 2);
    }

    // The walk-test drop-down opens inside its window: below the field where it fits, above it
    // near the bottom.
    void walkTestDropFits_data()
    {
        QTest::addColumn<int>("fieldY");
        QTest::addColumn<int>("side"); // 1 below the field, -1 above, 0 room on neither
        QTest::newRow("room below") << 20 << 1;
        QTest::newRow("room just below") << 150 << 1;
        QTest::newRow("near the bottom") << 440 << -1;
        QTest::newRow("room just above") << 290 << -1;
        QTest::newRow("room on neither side") << 200 << 0;
    }
    void walkTestDropFits()
    {
        QFETCH(int, fieldY);
        QFETCH(int, side);
        QQmlComponent component(m_app->engine());
        component.setData(QStringLiteral("import QtQuick 2.15\nimport QtQuick.Window 2.15\nimport \"qrc:/qml/pages\"\n"
                                         "Window { width: 500; height: 480; visible: true;"
                                         " OvWalkTestTreeView { objectName: \"chooser\"; x: 10; y: %1; width: 300 } }")
                              .arg(fieldY)
                              .toUtf8(),
                          QUrl("qrc:/qml/walktest.qml"));
        PageWindow window(qobject_cast<QQuickWindow*>(component.create(m_app->engine()->rootContext())));
        QVERIFY2(window, qPrintable(component.errorString()));
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QQuickItem* chooser = findAll(window->contentItem(), "chooser").value(0);
        QVERIFY(chooser);
        const QPoint at = chooser->mapToScene(QPointF(chooser->width() / 2, chooser->height() / 2)).toPoint();
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, at);
        QObject* drop = chooser->findChild<QObject*>("walkTestDrop");
        QVERIFY(drop);
        QTRY_VERIFY(drop->property("opened").toBool());
        auto* content = drop->property("background").value<QQuickItem*>();
        QVERIFY(content);
        const QRectF shown(content->mapToScene(QPointF(0, 0)), QSizeF(content->width(), content->height()));
        QCOMPARE(shown.height(), 12 * 24 + 2.0);
        QVERIFY2(shown.top() >= 0 && shown.bottom() <= window->height(),
                 qPrintable(QString("%1 to %2").arg(shown.top()).arg(shown.bottom())));
        const QRectF field(chooser->mapToScene(QPointF(0, 0)), QSizeF(chooser->width(), chooser->height()));
        if (side > 0)
            QCOMPARE(shown.top(), field.bottom());
        else if (side < 0)
            QCOMPARE(shown.bottom(), field.top());
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTRY_VERIFY(!drop->property("opened").toBool());
        window.reset();
        m_window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    // From the access-codes page, reached by the parameters page's button, a click on the
    // general-parameters row of the tree (still the selected one) goes back.
    void backFromAccessCodes()
    {
        OvPlantModel* tree = m_app->plantTreeModel();
        const QModelIndex plantRow = tree->index(0, 0);
        QModelIndex params;
        for (int row = 0; row < tree->rowCount(plantRow) && !params.isValid(); ++row) {
            const QModelIndex candidate = tree->index(row, 0, plantRow);
            m_app->onPlantInfoPageSelected();
            QVERIFY(QMetaObject::invokeMethod(m_window, "onPlantElementsClicked",
                                              Q_ARG(QVariant, QVariant::fromValue(candidate))));
            if (page() == QLatin1String("PLANT_GEN_PARAMETER"))
                params = candidate;
        }
        QVERIFY(params.isValid());
        for (int round = 0; round < 2; ++round) {
            QQuickItem* button = nullptr;
            QTRY_VERIFY((button = find("passwordsButton")));
            QVERIFY(QMetaObject::invokeMethod(button, "clicked"));
            QTRY_COMPARE(page(), QString("PLANT_PWD_MNG"));
            QVERIFY(QMetaObject::invokeMethod(m_window, "onPlantElementsClicked",
                                              Q_ARG(QVariant, QVariant::fromValue(params))));
            QTRY_COMPARE(page(), QString("PLANT_GEN_PARAMETER"));
        }
    }

    // Tab by Tab through the parameters page, each field that takes the focus is scrolled into
    // sight, the walk-test fields at the bottom included.
    void focusScrollsIntoView()
    {
        m_window->resize(1024, 700);
        m_app->onGeneralParametersPageSelected();
        QQuickItem* flick = nullptr;
        QTRY_VERIFY((flick = find("parametersFlick")));
        QQuickItem* walk = find("walkBox");
        find("passwordsButton")->forceActiveFocus(Qt::TabFocusReason);
        const QRectF shown = flick->mapRectToScene(QRectF(0, 0, flick->width(), flick->height()));
        bool reached = false;
        for (int tab = 0; tab < 80 && !reached; ++tab) {
            QTest::keyClick(m_window, Qt::Key_Tab);
            QQuickItem* focused = m_window->activeFocusItem();
            QVERIFY(focused);
            const QRectF at = focused->mapRectToScene(QRectF(0, 0, focused->width(), focused->height()));
            QVERIFY2(shown.contains(at), qPrintable(focused->objectName()));
            reached = walk->isAncestorOf(focused);
        }
        QVERIFY(reached);
        m_window->resize(1000, 700);
    }

    // Page Down and Up, Home and End, Ctrl+Home and Ctrl+End scroll a form (the CPU page's is of
    // the same kind) as the wheel does, once a click on it, off its fields, gave it the keys, or
    // from a check box; a text field keeps Home and End for its text. A page is the form's height.
    void formKeys_data()
    {
        QTest::addColumn<QString>("focus"); // empty: a click on the form's first plain text
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected"); // top, page, two pages, end, end less a page
        const auto row = [](const char* name, const char* focus, const char* keys, const char* expected) {
            QTest::newRow(name) << QString(focus) << QString(keys) << QString(expected);
        };
        row("Page Down", "", "PgDown", "page");
        row("Page Down twice", "", "PgDown PgDown", "two pages");
        row("End", "", "End", "end");
        row("Ctrl+End", "", "Ctrl+End", "end");
        row("End, Page Up", "", "End PgUp", "end less a page");
        row("End, Home", "", "End Home", "top");
        row("End, Ctrl+Home", "", "End Ctrl+Home", "top");
        row("Page Down on a check box", "detectorsCheckStat", "PgDown", "page");
        row("End in a field", "detectorsCheckTime", "End", "top");
    }
    void formKeys()
    {
        QFETCH(QString, focus);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        m_window->resize(1000, 700);
        m_app->onGeneralParametersPageSelected();
        QQuickItem* flick = nullptr;
        QTRY_VERIFY((flick = find("parametersFlick")));
        flick->setProperty("contentY", 0);
        const qreal height = flick->height();
        const qreal bottom = flick->property("contentHeight").toReal() - height;
        QVERIFY2(bottom > height / 2, qPrintable(QString::number(bottom)));
        if (focus.isEmpty()) {
            // The first text that is no part of a control.
            QQuickItem* plain = nullptr;
            std::function<void(QQuickItem*, bool)> walk = [&](QQuickItem* item, bool inControl) {
                inControl = inControl || item->inherits("QQuickControl") || item->inherits("QQuickTextInput");
                if (!plain && !inControl && item->isVisible() && item->inherits("QQuickText"))
                    plain = item;
                for (QQuickItem* child : item->childItems())
                    walk(child, inControl);
            };
            walk(flick, false);
            QVERIFY(plain);
            click(plain);
        } else {
            find(qPrintable(focus))->forceActiveFocus();
        }
        QTRY_VERIFY(flick->property("contentY").toReal() == 0.0);
        for (const QString& key : keys.split(' ')) {
            const bool ctrl = key.startsWith(QLatin1String("Ctrl+"));
            const QString name = key.mid(ctrl ? 5 : 0);
            const Qt::Key code = name == QLatin1String("PgDown") ? Qt::Key_PageDown
                : name == QLatin1String("PgUp")                  ? Qt::Key_PageUp
                : name == QLatin1String("Home")                  ? Qt::Key_Home
                                                                 : Qt::Key_End;
            QTest::keyClick(m_window, code, ctrl ? Qt::ControlModifier : Qt::NoModifier);
        }
        const qreal wanted = expected == QLatin1String("page") ? qMin(height, bottom)
            : expected == QLatin1String("two pages")           ? qMin(2 * height, bottom)
            : expected == QLatin1String("end")                 ? bottom
            : expected == QLatin1String("end less a page")     ? qMax(0.0, bottom - height)
                                                               : 0.0;
        QTRY_COMPARE(flick->property("contentY").toReal(), wanted);
    }

    // A refusal is said where it happened and no longer: back on its page, a field holding its
    // stored value has no refusal under it; on another page the information bar is empty.
    void refusalsGoOnReturn_data()
    {
        QTest::addColumn<QByteArray>("opener");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal"); // its name; empty for the information bar
        const QString x33(33, 'x');
        QTest::newRow("level 3") << QByteArray("onPwdMngPageSelected") << "password3"
                                 << "123456"
                                 << "passwordRefusal3";
        QTest::newRow("level 4") << QByteArray("onPwdMngPageSelected") << "password4"
                                 << "ab12"
                                 << "passwordRefusal4";
        QTest::newRow("plant") << QByteArray("onPlantInfoPageSelected") << "plantDescription" << x33
                               << "descriptionRefusal";
        QTest::newRow("zone") << QByteArray("onGeneralAreasPageSelected") << "areaDescription" << x33 << "";
        QTest::newRow("direct groups") << QByteArray("onGeneralGroupsPageSelected") << "directCount"
                                       << "401"
                                       << "directCountRefusal";
    }
    void refusalsGoOnReturn()
    {
        QFETCH(QByteArray, opener);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        m_window->resize(1000, 700);
        QVERIFY(QMetaObject::invokeMethod(m_app, opener));
        QQuickItem* edited = nullptr;
        QTRY_VERIFY((edited = find(qPrintable(field))));
        const QString stored = edited->property("text").toString();
        type(edited, typed);
        QQuickItem* said = find(refusal.isEmpty() ? "infoMessage" : qPrintable(refusal));
        QCOMPARE(said->property("text").toString(),
                 typed == QString(33, 'x')           ? QString("At most 32 characters")
                     : typed == QLatin1String("401") ? QString("From 1 to 400")
                                                     : QString("Digits only, at most 99999"));
        m_app->onGeneralCPUsPageSelected();
        QTRY_COMPARE(find("infoMessage")->property("text").toString(), QString());
        QVERIFY(QMetaObject::invokeMethod(m_app, opener));
        QTRY_VERIFY((edited = find(qPrintable(field))));
        QCOMPARE(edited->property("text").toString(), stored);
        QVERIFY(refusal.isEmpty() || !find(qPrintable(refusal)));
    }

    // A new plant of each panel of the build: the networked plant type is offered only where the
    // panel has a network; elsewhere it is shown out of reach and a click on it asks for nothing.
    void plantTypeChooser_data()
    {
        QTest::addColumn<int>("choice"); // in the new-plant question
        QTest::addColumn<int>("configNumber");
        QTest::addColumn<bool>("networked");
        QTest::newRow("KV1300") << 0 << 7 << false;
        QTest::newRow("KV1600") << 1 << 8 << true;
    }

    void plantTypeChooser()
    {
        QFETCH(int, choice);
        QFETCH(int, configNumber);
        QFETCH(bool, networked);
        m_app->plant()->modifyPlantData(false);
        m_app->plant()->clearModificationBits(~0u);
        m_dialogs.answer(PlantMessage::Button(PlantMessage::FirstChoice + choice));
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
        QCOMPARE(Configuration::instance()->configNumber(), configNumber);
        QCOMPARE(m_app->plant()->getPlantType(), 0);
        m_window->setProperty("workingAreaStat", "PLANT_ACTIVE_GEN_INFO");
        QTRY_COMPARE(findAll(m_window->contentItem(), "plantTypeEntry").size(), 2);
        QQuickItem* entries[2] = {};
        for (QQuickItem* entry : findAll(m_window->contentItem(), "plantTypeEntry"))
            entries[qmlContext(entry)->contextProperty("index").toInt()] = entry;
        QVERIFY(entries[0] && entries[1]);
        QCOMPARE(find("plantTypeBox")->isEnabled(), networked);
        QCOMPARE(entries[1]->isEnabled(), networked);
        QCOMPARE(entries[1]->opacity(), networked ? 1.0 : 0.4);
        QCOMPARE(entries[0]->opacity(), 1.0); // the plant's own type
        shoot(QString("plant_type_%1").arg(QTest::currentDataTag()));

        QSignalSpy request(m_window, SIGNAL(plantChangeTypeRqst(int)));
        click(entries[1]);
        QTRY_COMPARE(request.count(), networked ? 1 : 0);
        QTRY_COMPARE(m_app->plant()->getPlantType(), networked ? 1 : 0);
    }

    // The plant page's CPUs and loops follow the plant: edits on the plant while it is shown,
    // and edits on the CPU list while another page is.
    void plantFactsFollowTheCpus()
    {
        Plant* plant = m_app->plant();
        QCOMPARE(plant->getPlantType(), 1);
        m_window->setProperty("workingAreaStat", "PLANT_ACTIVE_GEN_INFO");
        QQuickItem* cpus = nullptr;
        QTRY_VERIFY((cpus = find("enabledCpus")) && cpus->isVisible());
        QQuickItem* loops = find("loopsInUse");
        QCOMPARE(cpus->property("text").toString(), QString("1"));
        const QString max = QString(" / %1").arg(plant->getLoopMaxCount());
        // One LIB of two loops.
        QCOMPARE(loops->property("text").toString(), "2" + max);
        plant->setCPUStat(1, true);
        QTRY_COMPARE(cpus->property("text").toString(), QString("1, 2"));
        plant->setCPULibCount(0, 2);
        QTRY_COMPARE(loops->property("text").toString(), QString::number(plant->getActiveLoopCount()) + max);
        QVERIFY(plant->getActiveLoopCount() >= 4);

        m_window->setProperty("workingAreaStat", "PLANT_ACTIVE_CPU_GEN_PAGE");
        QTRY_VERIFY(!cpus->isVisible());
        const int before = plant->getActiveLoopCount();
        OvCPUModel* list = m_app->cpuModel(); // row 1 is CPU 3
        list->setData(list->index(1, 0), true, OvCPUModel::itemEnableStat);
        list->setData(list->index(1, 0), 2, OvCPUModel::itemLibCount);
        QVERIFY(plant->getActiveLoopCount() > before);
        m_window->setProperty("workingAreaStat", "PLANT_ACTIVE_GEN_INFO");
        QTRY_COMPARE(cpus->property("text").toString(), QString("1, 2, 3"));
        QTRY_COMPARE(loops->property("text").toString(), QString::number(plant->getActiveLoopCount()) + max);
        // The boards' table logs each record it assigns as an error line.
        QVERIFY(!traceErrors("set_cpu_llId").isEmpty());
    }
};

QTEST_APPLESS_MAIN(tst_GeneralPages)
#include "tst_generalpages.moc"
