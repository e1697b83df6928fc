// The plant tree joined to the application and its scene, offscreen: the tree and the device
// chooser's model are published, a click on a tree row through the window switches the page, a
// new plant rebuilds the tree in place, and the application ends cleanly.
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Configuration.h"
#include "app/Ov4kApp.h"
#include "models/ActiveItemsModel.h"
#include "models/OvPlantModel.h"
#include "plant/ActivePlant.h"
#include "plant/CPUSystem.h"
#include "plant/Plant.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_planttreewiring";
static char* s_argv[] = {s_arg0, nullptr};

class tst_PlantTreeWiring : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;

    QObject* published(const char* name) const
    {
        return m_app->engine()->rootContext()->contextProperty(QLatin1String(name)).value<QObject*>();
    }
    void newPlant()
    {
        m_dialogs.clear();
        if (m_app->plant() && m_app->plant()->getModificationStat() > 1)
            m_dialogs.answer(PlantMessage::Discard);
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
    }
    // A click on the row as the scene's tree sends it.
    void click(const QModelIndex& index)
    {
        QVERIFY(
            QMetaObject::invokeMethod(m_window, "onPlantElementsClicked", Q_ARG(QVariant, QVariant::fromValue(index))));
    }
    QString page() const { return m_window->property("workingAreaStat").toString(); }

private slots:
    void initTestCase()
    {
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        m_window = m_app->mainWindow();
        QVERIFY(m_window);
        const QStringList clicks = messages(QtDebugMsg)
                                       .filter(QStringLiteral("Connect onPlantElementsClicked: retVal = "));
        QCOMPARE(clicks.size(), 1);
        QVERIFY(clicks.first().endsWith(QStringLiteral("true")));
    }

    void cleanupTestCase()
    {
        delete m_app;
        m_app = nullptr;
        QVERIFY(!ActivePlant::installed());
        TestBase::cleanupTestCase();
    }

    // Before any plant the tree is there, empty, and the application gives no plant.
    void beforeThePlant()
    {
        QCOMPARE(ActivePlant::installed(), static_cast<ActivePlant*>(m_app));
        QVERIFY(!ActivePlant::get());
        auto* tree = qobject_cast<OvPlantModel*>(published("elementTreeViewModel"));
        QVERIFY(tree);
        QCOMPARE(tree->rowCount(), 0);
        QVERIFY(qobject_cast<ActiveItemsModel*>(published("theDevicesMdl")));
    }

    void newPlantFillsTheTree()
    {
        newPlant();
        QCOMPARE(ActivePlant::get(), m_app->plant());
        auto* tree = qobject_cast<OvPlantModel*>(published("elementTreeViewModel"));
        QCOMPARE(tree, m_app->plantTreeModel());
        // The plant and the CPUs, one row for each installed CPU.
        QCOMPARE(tree->rowCount(), 2);
        const QModelIndex cpus = tree->index(1, 0);
        QCOMPARE(tree->rowCount(cpus), CPUSystem(m_app->plant()->cpus(), true).count());
        QVERIFY(tree->rowCount(cpus) > 0);
    }

    void clickSwitchesPage()
    {
        auto* tree = m_app->plantTreeModel();
        const QModelIndex cpu = tree->index(0, 0, tree->index(1, 0));
        QVERIFY(tree->rowCount(cpu) >= 2); // the annunciators row, then the loops
        click(cpu);
        QCOMPARE(page(), QStringLiteral("PLANT_ACTIVE_CPU_DATA_PAGE"));
        QCOMPARE(m_app->pageCode(), 8);
        click(tree->index(0, 0)); // the plant's information page
        QCOMPARE(page(), QStringLiteral("PLANT_ACTIVE_GEN_INFO"));
        QCOMPARE(m_app->pageCode(), 1);
        click(tree->index(1, 0, cpu)); // the first loop
        QCOMPARE(page(), QStringLiteral("PLANT_ACTIVE_CPU_DATA_PAGE"));
        QCOMPARE(m_app->pageCode(), 9);
        uint cpuIndex = 99;
        uint loopIndex = 99;
        QVERIFY(tree->getCurrentLoopAddress(cpuIndex, loopIndex));
        QCOMPARE(loopIndex, 0u);
    }

    void loopPageSlot_data()
    {
        QTest::addColumn<int>("cpu");
        QTest::addColumn<int>("loop");
        QTest::addColumn<int>("code");
        QTest::newRow("CPU data") << 0 << -1 << 8;
        QTest::newRow("loop") << 2 << 3 << 9;
        QTest::newRow("no CPU") << -1 << 3 << 1;
    }
    void loopPageSlot()
    {
        QFETCH(int, cpu);
        QFETCH(int, loop);
        QFETCH(int, code);
        m_app->onPlantInfoPageSelected();
        m_app->onLoopPageSelected(cpu, loop);
        QCOMPARE(m_app->pageCode(), code);
        QCOMPARE(page(), QString::fromLatin1(code == 1 ? "PLANT_ACTIVE_GEN_INFO" : "PLANT_ACTIVE_CPU_DATA_PAGE"));
    }

    void newPlantRebuildsTheTree()
    {
        OvPlantModel* tree = m_app->plantTreeModel();
        QSignalSpy reset(tree, &QAbstractItemModel::modelReset);
        newPlant();
        QCOMPARE(m_app->plantTreeModel(), tree);
        QCOMPARE(published("elementTreeViewModel"), static_cast<QObject*>(tree));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(tree->rowCount(), 2);
        // Nothing is current in the new tree: a click on its loop row switches again.
        uint cpuIndex = 0;
        uint loopIndex = 0;
        QVERIFY(!tree->getCurrentLoopAddress(cpuIndex, loopIndex));
        m_app->onPlantInfoPageSelected();
        click(tree->index(1, 0, tree->index(0, 0, tree->index(1, 0))));
        QCOMPARE(m_app->pageCode(), 9);
    }
};

QTEST_APPLESS_MAIN(tst_PlantTreeWiring)
#include "tst_planttreewiring.moc"
