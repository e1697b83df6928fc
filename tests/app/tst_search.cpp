// The search and the whole-plant CBE check on the running application, offscreen: what
// doSearch finds and refuses, the signals reaching the plant tree, the search dialog driven by
// keys, and the error marks the check refreshes.
#include "../plant/PlantBuilder.h"
#include "../plant/ScriptedDialogs.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Configuration.h"
#include "app/Ov4kApp.h"
#include "app/OvThemeMdl.h"
#include "models/OvGroupsModel.h"
#include "models/OvPlantModel.h"
#include "plant/CPUSystem.h"
#include "plant/Plant.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QtQuick>
#include <QtTest>

Q_DECLARE_METATYPE(const OvGenericPoint*)

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_search";
static char* s_argv[] = {s_arg0, nullptr};

namespace {

QQuickItem* findItem(QQuickItem* item, const QString& name)
{
    if (item->objectName() == name)
        return item;
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* found = findItem(child, name))
            return found;
    return nullptr;
}

} // namespace

class tst_Search : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;

    QString page() const { return m_window->property("workingAreaStat").toString(); }
    QObject* dialog() const { return m_window->findChild<QObject*>("searchDlg"); }
    QQuickItem* dialogItem(const char* name) const
    {
        return findItem(dialog()->property("contentItem").value<QQuickItem*>(), QString::fromLatin1(name));
    }
    void type(const char* field, const QString& text)
    {
        QQuickItem* item = dialogItem(field);
        QVERIFY2(item, field);
        item->forceActiveFocus();
        QVERIFY(QMetaObject::invokeMethod(item, "selectAll"));
        for (const QChar c : text)
            QTest::keyClick(m_window, c.toLatin1());
    }
    // Ctrl+F, the target chosen, the fields typed, Enter in the last one.
    void search(int target, const QString& cpu, const QString& loop, const QString& address)
    {
        if (!dialog()) {
            QTest::keyClick(m_window, Qt::Key_F, Qt::ControlModifier);
            QTRY_VERIFY(dialog() && dialog()->property("opened").toBool());
        }
        QVERIFY(dialogItem("searchTarget")->setProperty("currentIndex", target));
        if (target >= 2) {
            type("searchCpu", cpu);
            type("searchLoop", loop);
        }
        type("searchAddress", address);
        QTest::keyClick(m_window, Qt::Key_Return);
    }

private slots:
    void initTestCase()
    {
        qputenv("QT_QUICK_BACKEND", "software");
        Q_INIT_RESOURCE(translations);
        Q_INIT_RESOURCE(qml);
        Q_INIT_RESOURCE(resources);
        m_app = new Ov4kApp(s_argc, s_argv);
        TestBase::initTestCase();
        QTimer::singleShot(0, m_app, [this] {
            connect(m_app->mainWindow(), &QQuickWindow::frameSwapped, m_app, &QCoreApplication::quit,
                    Qt::QueuedConnection);
        });
        QCOMPARE(m_app->run(), 0);
        m_window = m_app->mainWindow();
        QVERIFY(m_window);
        m_window->resize(1000, 700);
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
        Plant* plant = m_app->plant();
        QVERIFY(plant);
        // CPU 1 with a detector at 5 of loop 1.
        plant->cpus().cpuAt(0)->setLoopType(0, 1);
        OvGenericPoint detector = plantbuild::point(1, 1, 5, 2, 1, 1, 30, 4);
        plant->cpus().setPoint(&detector);
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
        QTest::newRow("zone 1") << 0 << 0 << 0 << 1 << true;
        QTest::newRow("zone 0") << 0 << 0 << 0 << 0 << false;
        QTest::newRow("group 1") << 1 << 0 << 0 << 1 << true;
        QTest::newRow("CPU 1") << 2 << 1 << 0 << 0 << true;
        QTest::newRow("CPU 1 as module") << 3 << 1 << -1 << -1 << true;
        QTest::newRow("CPU 0") << 2 << 0 << 0 << 0 << false;
        QTest::newRow("CPU 2 of a single") << 2 << 2 << 0 << 0 << false;
        QTest::newRow("CPU 65") << 2 << 65 << 0 << 0 << false;
        QTest::newRow("loop 1") << 2 << 1 << 1 << 0 << true;
        QTest::newRow("loop 3") << 2 << 1 << 3 << 0 << false;
        QTest::newRow("detector 5") << 2 << 1 << 1 << 5 << true;
        QTest::newRow("detector 6") << 2 << 1 << 1 << 6 << false;
        QTest::newRow("module 5") << 3 << 1 << 1 << 5 << false;
        QTest::newRow("detector 0") << 2 << 1 << 1 << -1 << true;
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
        QSignalSpy zone(m_app, &Ov4kApp::selectAreaIndex);
        QSignalSpy group(m_app, &Ov4kApp::selectGroupIndex);
        QSignalSpy sensor(m_app, &Ov4kApp::selectSensor);
        QSignalSpy module(m_app, &Ov4kApp::selectModule);
        QVERIFY(m_app->doSearch(1, 0, 0, 2));
        QCOMPARE(m_app->doSearch(target, cpu, loop, address), found);
        QCOMPARE(m_app->getLastSearchTargetType(), found ? target : 1);
        QCOMPARE(zone.count(), found && target == 0 ? 1 : 0);
        QCOMPARE(group.count(), found && target == 1 ? 2 : 1);
        QSignalSpy* point = target == 2 ? &sensor : &module;
        if (found && target >= 2)
            QCOMPARE(point->takeFirst(), QVariantList({cpu, loop, address}));
        QCOMPARE(sensor.count() + module.count(), 0);
    }

    // The last zone and group are found, the ones past them are not.
    void countEdges()
    {
        const Plant* plant = m_app->plant();
        const int zones = plant->areas().count();
        const int groups = plant->groups().count();
        QVERIFY(zones > 1 && groups > 1);
        QVERIFY(m_app->doSearch(0, 0, 0, zones));
        QVERIFY(!m_app->doSearch(0, 0, 0, zones + 1));
        QVERIFY(m_app->doSearch(1, 0, 0, groups));
        QVERIFY(!m_app->doSearch(1, 0, 0, groups + 1));
    }

    // A CPU found is the tree's current CPU row; a loop its loop row.
    void treeSelection()
    {
        OvPlantModel* tree = m_app->plantTreeModel();
        QSignalSpy selected(tree, &OvPlantModel::itemSelected);
        QVERIFY(m_app->doSearch(2, 1, 0, 0));
        QCOMPARE(selected.count(), 1);
        const QModelIndex cpuRow = selected.takeFirst().at(0).value<QModelIndex>();
        QCOMPARE(cpuRow.parent(), tree->index(1, 0));
        QCOMPARE(cpuRow.row(), 0);
        QVERIFY(m_app->doSearch(2, 1, 1, 0));
        QCOMPARE(selected.count(), 1);
        const QModelIndex loopRow = selected.takeFirst().at(0).value<QModelIndex>();
        QCOMPARE(loopRow.parent(), cpuRow);
        uint cpu = 0;
        uint loop = 9;
        QVERIFY(tree->getCurrentLoopAddress(cpu, loop));
        QCOMPARE(loop, 0u);
        QSignalSpy pointPage(tree, &OvPlantModel::pointPageSelected);
        QVERIFY(m_app->doSearch(2, 1, 1, 5));
        QCOMPARE(pointPage.count(), 1);
        const auto* detector = pointPage.at(0).at(0).value<const OvGenericPoint*>();
        QVERIFY(detector);
        QCOMPARE(detector->address(), 5u);
        QCOMPARE(page(), QString("PLANT_ACTIVE_CPU_DATA_PAGE"));
    }

    // Through the dialog: a zone past the last says so; a group opens its page on its row.
    void dialogKeys()
    {
        auto* theme = qobject_cast<OvThemeMdl*>(
            m_app->engine()->rootContext()->contextProperty("theThemeModel").value<QObject*>());
        QVERIFY(theme);
        const int zones = m_app->plant()->areas().count();
        search(0, QString(), QString(), QString::number(zones + 1));
        QQuickItem* notFound = dialogItem("itemNotFound");
        QTRY_VERIFY(notFound->isVisible());
        QCOMPARE(notFound->property("text").toString(), QString("Not found"));
        const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
        QDir().mkpath(dir);
        for (int t = 0; t < 2; ++t) {
            theme->clicked(t);
            const QSharedPointer<QQuickItemGrabResult> grab = m_window->contentItem()->grabToImage();
            QVERIFY(grab);
            // Polled: the application's quit on its first frame ends any nested event loop.
            bool ready = false;
            connect(grab.data(), &QQuickItemGrabResult::ready, this, [&ready] { ready = true; });
            QTRY_VERIFY(ready);
            QVERIFY(grab->image().save(dir + QString("/search_theme%1.png").arg(t)));
        }
        type("searchAddress", "1");
        QVERIFY(!notFound->isVisible());

        // Direct group 2, then reverse group 301 of the default 300 direct groups.
        for (const int number : {2, 301}) {
            search(1, QString(), QString(), QString::number(number));
            QTRY_VERIFY(!dialog());
            QCOMPARE(page(), QString("PLANT_ACTIVE_GROUPS_DATA_PAGE_SELECTED"));
            QQuickItem* tabs = findItem(m_window->contentItem(), "groupsTabs");
            QVERIFY(tabs);
            QTRY_COMPARE(tabs->property("currentIndex").toInt(), number <= 300 ? 0 : 1);
        }
        QCOMPARE(m_app->getLastSearchTargetType(), 1);

        // A zone: its page with the zone's row selected.
        search(0, QString(), QString(), "3");
        QTRY_VERIFY(!dialog());
        QCOMPARE(page(), QString("PLANT_ACTIVE_AREAS_DATA_PAGE_SELECTED"));
        QQuickItem* row = findItem(m_window->contentItem(), "areaRow");
        QVERIFY(row);
        QQuickItem* areas = row;
        while (areas && !areas->property("copiedRow").isValid())
            areas = areas->parentItem();
        QVERIFY(areas);
        QTRY_COMPARE(areas->property("selection").toList(), QVariantList({2}));
    }

    // A CPU that is not installed has no row in the tree: nothing on it is found.
    void cpuNotInstalled()
    {
        CPUDevice* cpu = m_app->plant()->cpus().cpuAt(0);
        cpu->setEnabled(false);
        const bool cpuFound = m_app->doSearch(2, 1, 0, 0);
        const bool loopFound = m_app->doSearch(3, 1, 1, 0);
        const bool pointFound = m_app->doSearch(2, 1, 1, 5);
        cpu->setEnabled(true);
        QVERIFY(!cpuFound && !loopFound && !pointFound);
        QVERIFY(m_app->doSearch(2, 1, 1, 5));
    }

    // The check re-reads every program, the groups model and the tree's marks follow it.
    void checkCBE()
    {
        Plant* plant = m_app->plant();
        OvPlantModel* tree = m_app->plantTreeModel();
        OvGroupsModel* groups = m_app->groupsModel();
        groups->setDirectGroupsFilter(true);
        plant->groups().groupAt(0)->setCBE("(G9999)");
        OvGenericPoint detector = *plant->getPoint(0, 0, 4, 1);
        detector.setCBE("OR(G9999)");
        plant->cpus().updatePoint(&detector);
        expectWarning("CBE ERROR");
        QSignalSpy marks(tree, &OvPlantModel::updateErrorsFlag);
        QSignalSpy rows(groups, &QAbstractItemModel::dataChanged);
        m_app->checkCBE();
        QCOMPARE(marks.count(), 1);
        QVERIFY(rows.count() >= 1);
        QVERIFY(!plant->isCBESystemModified());
        QVERIFY(plant->getPoint(0, 0, 4, 1)->cbeErrorCode() != 0);
        QCOMPARE(tree->getErrorFlag(tree->index(1, 0)), 2);
        QCOMPARE(groups->data(groups->index(0, 0), OvGroupsModel::groupIconName).toString(), QString("errors.png"));
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

QTEST_APPLESS_MAIN(tst_Search)
#include "tst_search.moc"
