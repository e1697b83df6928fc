// The plant tree and the device chooser in the main scene, offscreen over a test plant: any QML
// warning fails the test. The window's click signal and the loop page slot are wired as the
// application wires them. Screenshots of both themes go to "screenshots" beside the test.
#include "../app/SceneSettle.h"
#include "ModelFixture.h"
#include "TestBase.h"
#include "app/OvThemeMdl.h"
#include "core/ConfigurationCommon.h"
#include "models/ActiveItemsModel.h"
#include "models/OvPlantModel.h"

#include <QDir>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTranslator>
#include <QtTest>

#include <functional>

using modeltest::at;
using modeltest::FixturePlant;
using plantbuild::point;

static void initResources()
{
    Q_INIT_RESOURCE(translations);
    Q_INIT_RESOURCE(qml);
    Q_INIT_RESOURCE(resources);
}

namespace {

const char* const kPublished[] = {
    "elementTreeViewModel",
    "activePlant",
    "theApp",
    "theParameters",
    "cpusModelData",
    "ovGroupModel",
    "ovAreaModel",
    "sensorAllarmLevelModel",
    "wtModel",
    "cbeEditor",
    "theLanguageModel",
    "theRecentFilesModel",
    "ovRepeatersMdl",
    "theAnnunciatorsMdl",
    "theViewersMdl",
    "ovEvtFilterModel",
    "theDevicesMdl",
    "theThemeModel",
    "thePlantTypeMdl",
    "theLibMdl",
    "theCpuTypeMdl",
    "theAreaListMdl",
};

// Panel 8, CPU 1 with one board and a name of 32 characters: VARN loop 1 with two named
// detectors and a module whose channels are all unused (a warning badge), and a group program in
// error.
void scenePlant(Plant& plant)
{
    plant.setPlantType(0, false);
    plant.setDescription("Scene plant");
    CPUDevice* cpu = plant.cpus().cpuAt(0);
    cpu->setDescription("Main building east wing panel 01");
    cpu->setLibCount(1);
    cpu->setLoopType(0, 1);
    for (int address : {2, 5}) {
        OvGenericPoint s = point(1, 1, address, 2, 1, 1, 30, 4);
        s.setDescription(QString("Office %1").arg(address));
        s.setAreaIndex(1);
        plant.setPoint(s);
    }
    OvGenericPoint m = point(1, 1, 9, 2, 2, 1, 133, 53, 2);
    for (OvGenericSubPoint channel : m.subPoints()) {
        channel.resetData();
        m.updateSubPoint(channel);
    }
    plant.setPoint(m);
    plant.groups().groupAt(2)->setCBE("(G1)");
}

void collect(QQuickItem* item, const char* name, QList<QQuickItem*>& found)
{
    if (item->objectName() == QLatin1String(name))
        found << item;
    for (QQuickItem* child : item->childItems())
        collect(child, name, found);
}

// The visible delegate of objectName whose rowIndex is index.
QQuickItem* rowItem(QQuickWindow* window, const char* name, const QModelIndex& index)
{
    QList<QQuickItem*> found;
    collect(window->contentItem(), name, found);
    for (QQuickItem* item : found)
        if (item->isVisible() && item->property("rowIndex").value<QModelIndex>() == index)
            return item;
    return nullptr;
}

QPoint centre(QQuickItem* item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

} // namespace

class tst_PlantScene : public TestBase {
    Q_OBJECT

    // The scene after the theme's pictures are in: the grab of a frame drawn after the change.
    static void shoot(QQuickWindow* window, const QString& path)
    {
        const QSharedPointer<QQuickItemGrabResult> grab = window->contentItem()->grabToImage();
        QVERIFY(grab);
        QSignalSpy ready(grab.data(), &QQuickItemGrabResult::ready);
        QVERIFY(ready.count() || ready.wait(5000));
        QVERIFY2(!grab->image().isNull(), "empty grab");
        QVERIFY2(grab->image().save(path), qPrintable(path));
    }

    QString shotPath(const QString& name) const
    {
        const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
        QDir().mkpath(dir);
        return dir + "/" + name + ".png";
    }

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        initResources();
        Configuration::instance()->loadDefaultConfig();
        qRegisterMetaType<const OvGenericPoint*>("const OvGenericPoint*");
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    }

    void treeAndChooser()
    {
        QTranslator english;
        QVERIFY(english.load(":/translations/ov4800_en.qm"));
        QCoreApplication::installTranslator(&english);
        FixturePlant plant(8);
        scenePlant(*plant);
        expectWarning("CBE ERROR");
        plant->checkCBESystem();

        OvPlantModel tree(&*plant);
        ActiveItemsModel devices;
        OvThemeMdl theme;
        QAbstractItemModelTester treeTester(&tree, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QAbstractItemModelTester devicesTester(&devices, QAbstractItemModelTester::FailureReportingMode::QtTest);

        QQmlApplicationEngine engine;
        for (const char* name : kPublished)
            engine.rootContext()->setContextProperty(QLatin1String(name), nullptr);
        engine.rootContext()->setContextProperty("isQt57", false);
        engine.rootContext()->setContextProperty("debugMode", false);
        ConfigurationCommon::registerQmlType();
        engine.rootContext()->setContextProperty("config", Configuration::instance());
        engine.rootContext()->setContextProperty("theThemeModel", &theme);
        engine.rootContext()->setContextProperty("elementTreeViewModel", &tree);
        engine.rootContext()->setContextProperty("theDevicesMdl", &devices);
        engine.load(QUrl("qrc:/qml/main.qml"));
        QCOMPARE(engine.rootObjects().size(), 1);
        auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
        QVERIFY(window);
        window->resize(1280, 900);

        // As the application wires them: the window's click to the tree, the loop page slot.
        int pageCode = 0;
        QVERIFY(
            connect(window, SIGNAL(onPlantElementsClicked(QVariant)), &tree, SLOT(onTreeViewItemClicked(QVariant))));
        connect(&tree, &OvPlantModel::loopPageSelected, this, [&](int cpu, int loop) {
            if (cpu < 0)
                return;
            window->setProperty("workingAreaStat", "PLANT_ACTIVE_CPU_DATA_PAGE");
            pageCode = loop < 0 ? 8 : 9;
        });
        window->setProperty("workingAreaStat", "PLANT_ACTIVE");
        QVERIFY(QTest::qWaitForWindowExposed(window));

        // Selected from outside: shown, expanded, not echoed as a click.
        QSignalSpy cpuPage(&tree, &OvPlantModel::cpuPageSelected);
        tree.onSelectGroupIndex(0);
        tree.onSelectCPURqst(0);
        QCOMPARE(cpuPage.count(), 1);
        const QModelIndex loop1 = at(tree, {1, 0, 1});
        QQuickItem* loopRow = nullptr;
        QTRY_VERIFY((loopRow = rowItem(window, "plantTreeIcon", loop1)));
        QCOMPARE(cpuPage.count(), 1);

        // Badges: groups in error, the CPUs, CPU and loop rows warned.
        QQuickItem* groupsRow = rowItem(window, "plantTreeIcon", at(tree, {0, 2}));
        QQuickItem* cpusRow = rowItem(window, "plantTreeIcon", at(tree, {1}));
        QVERIFY(groupsRow && cpusRow);
        QCOMPARE(groupsRow->property("errorFlag").toInt(), 2);
        QCOMPARE(cpusRow->property("errorFlag").toInt(), 1);
        QCOMPARE(loopRow->property("errorFlag").toInt(), 1);

        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre(loopRow));
        QTRY_COMPARE(window->property("workingAreaStat").toString(), QString("PLANT_ACTIVE_CPU_DATA_PAGE"));
        QCOMPARE(pageCode, 9);

        // The expanded CPU gains a board's loops, then loses them: the rows that go are not
        // asked for their data.
        CPUDevice changed = *plant->cpus().cpuAt(0);
        const u32 boards = changed.getLibCount();
        const int rows = tree.rowCount(at(tree, {1, 0}));
        changed.setLibCount(boards + 1);
        tree.onCPUDataChanged(changed);
        QTRY_VERIFY(rowItem(window, "plantTreeIcon", at(tree, {1, 0, rows})));
        changed.setLibCount(boards);
        tree.onCPUDataChanged(changed);
        QTRY_VERIFY(!rowItem(window, "plantTreeIcon", at(tree, {1, 0, rows})));
        changed.setLibCount(boards + 1);
        tree.onCPULibCountChanged(changed);
        QTRY_VERIFY(rowItem(window, "plantTreeIcon", at(tree, {1, 0, rows})));
        changed.setLibCount(boards);
        tree.onCPULibCountChanged(changed);
        settleScene(&engine);
        QCOMPARE(tree.rowCount(at(tree, {1, 0})), rows);
        // The name shows whole in the pane's first width; three boards make its row taller.
        QQuickItem* cpuName = rowItem(window, "plantTreeText", at(tree, {1, 0}));
        QVERIFY(cpuName);
        QCOMPARE(cpuName->property("truncated").toBool(), false);
        changed.setLibCount(3);
        tree.onCPULibCountChanged(changed);
        settleScene(&engine);
        QCOMPARE(rowItem(window, "plantTreeIcon", at(tree, {1, 0}))->height(), 96.0);

        QQuickItem* cpuRow = rowItem(window, "plantTreeIcon", at(tree, {1, 0}));
        QVERIFY(cpuRow);
        QTest::mouseMove(window, centre(cpuRow));
        // The tree's one tip tells of the row under the pointer; it opens under the pointer,
        // not over the row above, and goes with its row.
        QPointer<QObject> tip;
        std::function<void(QQuickItem*)> findTip = [&](QQuickItem* item) {
            if (QObject* found = item->findChild<QObject*>("plantTreeTip", Qt::FindDirectChildrenOnly))
                tip = found;
            for (QQuickItem* child : item->childItems())
                findTip(child);
        };
        findTip(window->contentItem());
        QVERIFY(tip);
        QTRY_VERIFY(tip->property("shown").toBool());
        QTRY_VERIFY(tip->property("opened").toBool());
        auto* tipItem = tip->property("background").value<QQuickItem*>();
        QVERIFY(tipItem);
        const QPointF tipAt = tipItem->mapToScene(QPointF(0, 0));
        QVERIFY2(tipAt.y() > centre(cpuRow).y() && tipAt.x() > centre(cpuRow).x(),
                 qPrintable(QString("tip at %1,%2, pointer at %3,%4")
                                .arg(tipAt.x())
                                .arg(tipAt.y())
                                .arg(centre(cpuRow).x())
                                .arg(centre(cpuRow).y())));
        QCOMPARE(tip->property("text").toString(), QString("Main building east wing panel 01"));
        tree.rebuildModel(&*plant);
        settleScene(&engine);
        QTRY_VERIFY(!tip || !tip->property("visible").toBool());
        QTest::mouseMove(window, QPoint(window->width() - 5, window->height() - 5));

        for (int t = 0; t < 2; ++t) {
            theme.clicked(t);
            shoot(window, shotPath(QString("plant_tree_theme%1").arg(t)));
        }

        // The device chooser for detectors, opened and a detector picked.
        QQmlComponent component(&engine);
        component.setData("import QtQuick 2.15\nimport \"qrc:/qml/controls\"\n"
                          "OvDeviceChooser { x: 300; y: 20; width: 260; deviceType: 6 }",
                          QUrl("qrc:/qml/chooser.qml"));
        auto* chooser = qobject_cast<QQuickItem*>(component.create(engine.rootContext()));
        QVERIFY2(chooser, qPrintable(component.errorString()));
        chooser->setParentItem(window->contentItem());
        QSignalSpy chosen(chooser, SIGNAL(chosen(int, int, int, int, int)));
        QMetaObject::invokeMethod(chooser, "open");
        QTRY_VERIFY(chooser->property("opened").toBool());
        const QModelIndex detector5 = at(devices, {0, 0, 1});
        QCOMPARE(devices.data(detector5, 259).toString(), QString("5:Office 5"));
        // The loops under the top rows open by their branch, as the user opens them.
        QList<QQuickItem*> trees;
        collect(window->contentItem(), "deviceTree", trees);
        QCOMPARE(trees.size(), 1);
        QVERIFY(QMetaObject::invokeMethod(trees.first(), "expand",
                                          Q_ARG(QVariant, QVariant::fromValue(at(devices, {0, 0})))));
        QQuickItem* row = nullptr;
        QTRY_VERIFY((row = rowItem(window, "deviceRow", detector5)));
        for (int t = 0; t < 2; ++t) {
            theme.clicked(t);
            shoot(window, shotPath(QString("device_chooser_theme%1").arg(t)));
        }
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre(row));
        QTRY_COMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0), (QList<QVariant>{1, 1, 5, -1, -1}));
        QCOMPARE((QList<int>{devices.getSelectedCPUAddress(), devices.getSelectedLoopAddress(),
                             devices.getSelectedPointAddress()}),
                 (QList<int>{1, 1, 5}));
        QCOMPARE(chooser->property("text").toString(), QString("5:Office 5"));
        delete chooser;
        settleScene(&engine);
        QCoreApplication::removeTranslator(&english);
    }
};

QTEST_MAIN(tst_PlantScene)
#include "tst_plantscene.moc"
