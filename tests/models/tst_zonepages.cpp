// The plant, zones and repeaters pages in the main scene, offscreen over a test plant: any QML
// warning fails the test. Screenshots of both themes go to "screenshots" beside the test.
#include "../app/SceneSettle.h"
#include "ModelFixture.h"
#include "TestBase.h"
#include "app/OvThemeMdl.h"
#include "core/ConfigurationCommon.h"
#include "models/ChoiceListModels.h"
#include "models/OvAreaModel.h"
#include "models/OvPlantInfo.h"
#include "models/OvRepeaterModel.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QJSValue>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlIncubator>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

using modeltest::FixturePlant;

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
    "thePlantInfo",
};

void collect(QQuickItem* item, const char* name, QList<QQuickItem*>& found)
{
    if (item->objectName() == QLatin1String(name) && item->isVisible())
        found << item;
    for (QQuickItem* child : item->childItems())
        collect(child, name, found);
}

// The visible item of objectName inside the delegate row rowIndex (any row for -1).
QQuickItem* find(QQuickWindow* window, const char* name, int row = -1)
{
    QList<QQuickItem*> found;
    collect(window->contentItem(), name, found);
    for (QQuickItem* item : found) {
        for (QQuickItem* up = item; up; up = up->parentItem())
            if (row < 0 || (up->property("rowIndex").isValid() && up->property("rowIndex").toInt() == row))
                return item;
    }
    return nullptr;
}

QPoint centre(QQuickItem* item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

} // namespace

class tst_ZonePages : public TestBase {
    Q_OBJECT

    static void shoot(QQuickWindow* window, const QString& name)
    {
        const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
        QDir().mkpath(dir);
        const QSharedPointer<QQuickItemGrabResult> grab = window->contentItem()->grabToImage();
        QVERIFY(grab);
        QSignalSpy ready(grab.data(), &QQuickItemGrabResult::ready);
        QVERIFY(ready.count() || ready.wait(5000));
        QVERIFY(grab->image().save(dir + "/" + name + ".png"));
    }

    // The window over a plant of zones with only the zone model and the theme published; window
    // stays null when it does not show.
    static void loadZonesScene(QQmlApplicationEngine& engine, OvAreaModel& areas, OvThemeMdl& theme, Plant* plant,
                               QQuickWindow*& window)
    {
        areas.rebuildModel();
        for (const char* name : kPublished)
            engine.rootContext()->setContextProperty(QLatin1String(name), nullptr);
        engine.rootContext()->setContextProperty("isQt57", false);
        engine.rootContext()->setContextProperty("debugMode", false);
        ConfigurationCommon::registerQmlType();
        engine.rootContext()->setContextProperty("config", Configuration::instance());
        engine.rootContext()->setContextProperty("theThemeModel", &theme);
        engine.rootContext()->setContextProperty("activePlant", plant);
        engine.rootContext()->setContextProperty("ovAreaModel", &areas);
        engine.load(QUrl("qrc:/qml/main.qml"));
        QCOMPARE(engine.rootObjects().size(), 1);
        window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
        if (!window || !QTest::qWaitForWindowExposed(window))
            window = nullptr;
    }

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        initResources();
        Configuration::instance()->loadDefaultConfig();
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    }

    void pages()
    {
        QTranslator english;
        QVERIFY(english.load(":/translations/ov4800_en.qm"));
        QCoreApplication::installTranslator(&english);
        FixturePlant plant(8);
        plant->areas().areaAt(0)->setDescription(QString(32, 'W'));
        plant->areas().areaAt(1)->setDescription("Hall");
        plant->areas().areaAt(1)->setSensorCount(4);
        plant->areas().areaAt(5)->setModuleCount(2);

        OvAreaModel areas;
        OvRepeaterModel repeaters;
        OvAreaListModel zones;
        OvPlantTypeModel types;
        OvPlantInfo info;
        OvThemeMdl theme;
        connect(&areas, &OvAreaModel::descritionModified, &zones, &OvAreaListModel::onAreaDescriptionChanged);
        areas.rebuildModel();
        repeaters.reset();

        QQmlApplicationEngine engine;
        for (const char* name : kPublished)
            engine.rootContext()->setContextProperty(QLatin1String(name), nullptr);
        engine.rootContext()->setContextProperty("isQt57", false);
        engine.rootContext()->setContextProperty("debugMode", false);
        ConfigurationCommon::registerQmlType();
        engine.rootContext()->setContextProperty("config", Configuration::instance());
        engine.rootContext()->setContextProperty("theThemeModel", &theme);
        engine.rootContext()->setContextProperty("activePlant", &*plant);
        engine.rootContext()->setContextProperty("ovAreaModel", &areas);
        engine.rootContext()->setContextProperty("ovRepeatersMdl", &repeaters);
        engine.rootContext()->setContextProperty("theAreaListMdl", &zones);
        engine.rootContext()->setContextProperty("thePlantTypeMdl", &types);
        engine.rootContext()->setContextProperty("thePlantInfo", &info);
        engine.load(QUrl("qrc:/qml/main.qml"));
        QCOMPARE(engine.rootObjects().size(), 1);
        auto* window = qobject_cast<QQuickWindow*>(engine.rootObjects().first());
        QVERIFY(window);
        window->resize(1000, 700);
        QVERIFY(QTest::qWaitForWindowExposed(window));

        // Zones: rows 2 to 4 selected, a description typed, pre-alarm ticked.
        window->setProperty("workingAreaStat", "PLANT_ACTIVE_AREAS_DATA_PAGE_SELECTED");
        QQuickItem* row2 = nullptr;
        QTRY_VERIFY((row2 = find(window, "areaRow", 2)));
        QQuickItem* page = row2;
        while (page && !page->property("copiedRow").isValid())
            page = page->parentItem();
        QVERIFY(page);
        // A name wider than its field shows its start, nothing being focused.
        QQuickItem* longName = find(window, "areaDescription", 0);
        QVERIFY(longName && longName->property("contentWidth").toReal() > longName->width());
        QRectF first;
        QVERIFY(QMetaObject::invokeMethod(longName, "positionToRectangle", Q_RETURN_ARG(QRectF, first), Q_ARG(int, 0)));
        QVERIFY2(first.x() >= 0 && first.x() < longName->width(), qPrintable(QString::number(first.x())));
        page->setProperty("selection", QVariantList{2, 3, 4});
        QSignalSpy changed(&areas, &QAbstractItemModel::dataChanged);
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre(find(window, "areaDescription", 2)));
        for (const char c : QByteArray("Stairs"))
            QTest::keyClick(window, c);
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_COMPARE(changed.count(), 1);
        for (int p = 2; p <= 4; ++p)
            QCOMPARE(plant->areas().areaAt(p)->description(), QString("Stairs"));
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre(find(window, "preAlarm", 3)));
        QTRY_COMPARE(changed.count(), 2);
        for (int p = 2; p <= 4; ++p)
            QVERIFY(plant->areas().areaAt(p)->preAllarm());
        QVERIFY(!plant->areas().areaAt(5)->preAllarm());
        QCOMPARE(zones.data(zones.index(3), Qt::UserRole + 1).toString(), QString("3: Stairs"));

        // Row 1 copied onto row 5: its own module count stays.
        QObject* copyItem = page->findChild<QObject*>("copyItem");
        QObject* pasteItem = page->findChild<QObject*>("pasteItem");
        QVERIFY(copyItem && pasteItem);
        page->setProperty("selection", QVariantList{1});
        QTRY_VERIFY(copyItem->property("enabled").toBool());
        QVERIFY(!pasteItem->property("enabled").toBool());
        QVERIFY(QMetaObject::invokeMethod(copyItem, "triggered"));
        page->setProperty("selection", QVariantList{5});
        QTRY_VERIFY(pasteItem->property("enabled").toBool());
        QVERIFY(QMetaObject::invokeMethod(pasteItem, "triggered"));
        QCOMPARE(plant->areas().areaAt(5)->description(), QString("Hall"));
        QCOMPARE(plant->areas().areaAt(5)->moduleCount(), 2u);
        QCOMPARE(plant->areas().areaAt(5)->sensorCount(), 0u);
        // Rebuilt, as for another plant, the zones forget the copied row. A reset that cancels a
        // row still being made leaves it counted as in the making when the engine goes.
        settleScene(&engine);
        areas.rebuildModel();
        QVERIFY(!pasteItem->property("enabled").toBool());
        page->forceActiveFocus();
        QTest::keyClick(window, Qt::Key_Delete);
        QTRY_VERIFY(plant->areas().areaAt(5)->description().isEmpty());
        for (int t = 0; t < 2; ++t) {
            theme.clicked(t);
            shoot(window, QString("zones_theme%1").arg(t));
        }

        // Repeaters: Enter enables the selection.
        window->setProperty("workingAreaStat", "PLANT_REPEATERS_DATA_PAGE_SELECTED");
        QTRY_VERIFY(find(window, "repeaterRow", 3));
        QQuickItem* repeatersPage = find(window, "repeaterRow", 3);
        while (repeatersPage && !repeatersPage->property("selection").isValid())
            repeatersPage = repeatersPage->parentItem();
        QVERIFY(repeatersPage);
        repeatersPage->setProperty("selection", QVariantList{1, 3});
        repeatersPage->forceActiveFocus();
        QTest::keyClick(window, Qt::Key_Return);
        QTRY_VERIFY(plant->getRepeaterStat(1) && plant->getRepeaterStat(3));
        QVERIFY(!plant->getRepeaterStat(2));
        for (int t = 0; t < 2; ++t) {
            theme.clicked(t);
            shoot(window, QString("repeaters_theme%1").arg(t));
        }

        // Plant: a refused description shows why and is not stored; a type choice is a request.
        plant->setDescription("Site");
        window->setProperty("workingAreaStat", "PLANT_ACTIVE_GEN_INFO");
        QQuickItem* field = nullptr;
        QTRY_VERIFY((field = find(window, "plantDescription")));
        QSignalSpy typeRequest(window, SIGNAL(plantChangeTypeRqst(int)));
        const QString refused[] = {QString(33, 'x'), QString::fromUtf8("Caf\u00e9 \u20ac")};
        for (const QString& text : refused) {
            field->setProperty("text", text);
            QVERIFY(QMetaObject::invokeMethod(field, "editingFinished"));
            QCOMPARE(find(window, "descriptionRefusal")->property("text").toString(),
                     OvPlantInfo::checkDescription(text));
            QCOMPARE(plant->getDescription(), QString("Site"));
        }
        QCOMPARE(OvPlantInfo::checkDescription(QString(33, 'x')), QString("At most 32 characters"));
        QCOMPARE(OvPlantInfo::checkDescription(QString(32, 'x') + QChar(0xff)), QString("At most 32 characters"));
        QVERIFY(OvPlantInfo::checkDescription(QString(31, 'x') + QChar(0xff)).isEmpty());
        field->setProperty("text", "North site");
        QVERIFY(QMetaObject::invokeMethod(field, "editingFinished"));
        QCOMPARE(plant->getDescription(), QString("North site"));
        Configuration::instance()->set_has_network_type(true);
        QList<QQuickItem*> entries;
        collect(window->contentItem(), "plantTypeEntry", entries);
        QCOMPARE(entries.size(), 2);
        QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, centre(entries.at(1)));
        QTRY_COMPARE(typeRequest.count(), 1);
        QCOMPARE(typeRequest.at(0).at(0).toInt(), 1);
        for (int t = 0; t < 2; ++t) {
            theme.clicked(t);
            shoot(window, QString("plant_info_theme%1").arg(t));
        }
        // Pages load asynchronously: on a busy machine one may still be in the making here.
        if (QQmlIncubationController* incubation = engine.incubationController())
            QTRY_COMPARE(incubation->incubatingObjectCount(), 0);
        QCoreApplication::removeTranslator(&english);
    }

    // Ctrl+C and Ctrl+V on the page do what the menu's Copy and Paste do: zone 2 onto zones 6
    // and 7. In a name field they are the field's, whether or not text is selected: what is
    // typed there, with the clipboard pasted into it, is the name those zones take.
    void zonesCopyPasteKeys_data()
    {
        QTest::addColumn<bool>("copyInField");
        QTest::addColumn<bool>("pasteInField");
        QTest::addColumn<QString>("stored");
        QTest::newRow("keys on the page") << false << false << "Hall";
        QTest::newRow("keys in a name field") << true << true << "Stores Annex";
        QTest::newRow("copied on the page, pasted in a name field") << false << true << "Stores Annex";
        QTest::newRow("copied in a name field, pasted on the page") << true << false << "";
    }
    void zonesCopyPasteKeys()
    {
        QFETCH(bool, copyInField);
        QFETCH(bool, pasteInField);
        QFETCH(QString, stored);
        FixturePlant plant(8);
        plant->areas().areaAt(1)->setDescription("Hall");
        OvAreaModel areas;
        OvThemeMdl theme;
        QQmlApplicationEngine engine;
        QQuickWindow* window = nullptr;
        loadZonesScene(engine, areas, theme, &*plant, window);
        QVERIFY(window);
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->setProperty("workingAreaStat", "PLANT_ACTIVE_AREAS_DATA_PAGE_SELECTED");
        QQuickItem* page = nullptr;
        QTRY_VERIFY((page = find(window, "areaRow", 6)));
        while (page && !page->property("copiedRow").isValid())
            page = page->parentItem();
        QVERIFY(page);
        QGuiApplication::clipboard()->setText("Annex");
        const auto press = [&](const QVariantList& rows, Qt::Key key, bool inField) {
            page->setProperty("selection", rows);
            if (inField) {
                find(window, "areaDescription", rows.first().toInt())->forceActiveFocus();
                if (key == Qt::Key_V)
                    for (const char c : QByteArray("Stores "))
                        QTest::keyClick(window, c);
            } else {
                page->forceActiveFocus();
            }
            QTest::keyClick(window, key, Qt::ControlModifier);
        };
        press({1}, Qt::Key_C, copyInField);
        press({6, 7}, Qt::Key_V, pasteInField);
        if (pasteInField)
            QTest::keyClick(window, Qt::Key_Return);
        for (int p : {6, 7})
            QCOMPARE(plant->areas().areaAt(p)->description(), stored);
        settleScene(&engine);
    }

    // The zone model withdrawn under a page with a selection, as when the window closes: the
    // menu offers nothing and nothing is logged.
    void zonesPageWithoutModel()
    {
        FixturePlant plant(8);
        plant->areas().areaAt(1)->setDescription("Hall");
        OvAreaModel areas;
        OvThemeMdl theme;
        QQmlApplicationEngine engine;
        QQuickWindow* window = nullptr;
        loadZonesScene(engine, areas, theme, &*plant, window);
        QVERIFY(window);
        window->setProperty("workingAreaStat", "PLANT_ACTIVE_AREAS_DATA_PAGE_SELECTED");
        QQuickItem* page = nullptr;
        QTRY_VERIFY((page = find(window, "areaRow", 1)));
        while (page && !page->property("copiedRow").isValid())
            page = page->parentItem();
        QVERIFY(page);
        QObject* copyItem = page->findChild<QObject*>("copyItem");
        QObject* removeItem = page->findChild<QObject*>("removeItem");
        QVERIFY(copyItem && removeItem);
        page->setProperty("selection", QVariantList{1});
        QTRY_VERIFY(copyItem->property("enabled").toBool());
        QVERIFY(removeItem->property("enabled").toBool());
        // No row still being made when the model goes, as in pages().
        settleScene(&engine);
        engine.rootContext()->setContextProperty("ovAreaModel", nullptr);
        page->setProperty("selection", QVariantList{1, 2});
        page->setProperty("selection", QVariantList{1});
        QVERIFY(!copyItem->property("enabled").toBool());
        QVERIFY(!removeItem->property("enabled").toBool());
    }
};

QTEST_MAIN(tst_ZonePages)
#include "tst_zonepages.moc"
