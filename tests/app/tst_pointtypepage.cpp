// Types, zones and alarm levels given on the loop page, offscreen with any QML warning failing
// the test; then the compiled device records and a save and reopen. Screenshots of the open
// drop-down and combos go to "screenshots".
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "SceneSettle.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "core/Configuration.h"
#include "models/OvPlantModel.h"
#include "models/OvPointModel.h"
#include "models/OvPointTypeTreeModel.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"

#include "ZpData/Container/ZpConf.h"

#include <QQmlContext>
#include <QQmlIncubationController>
#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_pointtypepage";
static char* s_argv[] = {s_arg0, nullptr};

namespace {

// The visible item of that name in the table cell of index (the view hands persistent indexes).
QQuickItem* inCell(QQuickItem* item, const QString& name, const QModelIndex& index)
{
    if (item->objectName() == name && item->isVisible()) {
        QModelIndex at;
        for (QQuickItem* it = item; it && !at.isValid(); it = it->parentItem()) {
            if (QObject* style = it->property("styleData").value<QObject*>())
                at = style->property("index").value<QPersistentModelIndex>();
        }
        if (at == index)
            return item;
    }
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* found = inCell(child, name, index))
            return found;
    return nullptr;
}

QPoint centre(QQuickItem* item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

// The 43-byte record of CPU 1 for an address (and channel) of a family.
QByteArray record(int address, bool module, int channel = -1)
{
    QByteArray rec(43, '\0');
    for (u32 slot = 0; slot < 700; ++slot) {
        if (g_zpConf->get_device_record(reinterpret_cast<u8*>(rec.data()), 0, slot) == 0 && u8(rec[0]) == address - 1
            && bool(u8(rec[1]) & 0x80) == module && (rec[2] || rec[3]) && (channel < 0 || u8(rec[8]) == channel))
            return rec;
    }
    return QByteArray();
}

// Address, type, zone and level of every row and channel row.
void snapshot(const OvPointModel* model, const QModelIndex& parent, QStringList* cells)
{
    for (int r = 0; r < model->rowCount(parent); ++r) {
        const QModelIndex at = model->index(r, 0, parent);
        for (int role : {279, 258, 260, 274})
            *cells << model->data(at, role).toString();
        snapshot(model, at, cells);
    }
}

} // namespace

class tst_PointTypePage : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QTemporaryDir m_dir;
    PageWindow m_window;

    void settle() { settleScene(m_app->engine()); }
    void shoot(const QString& name)
    {
        QObject* theme = m_app->engine()->rootContext()->contextProperty("theThemeModel").value<QObject*>();
        const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
        QVERIFY(theme && QDir().mkpath(dir));
        for (int t = 0; t < 2; ++t) {
            QVERIFY(QMetaObject::invokeMethod(theme, "clicked", Q_ARG(int, t)));
            const QSharedPointer<QQuickItemGrabResult> grab = m_window->contentItem()->grabToImage();
            QSignalSpy ready(grab.data(), &QQuickItemGrabResult::ready);
            QTRY_VERIFY(ready.count() > 0);
            QVERIFY(grab->image().save(QString("%1/%2_theme%3.png").arg(dir, name).arg(t)));
        }
    }
    void showLoop()
    {
        settle();
        OvPlantModel* tree = m_app->plantTreeModel();
        const QModelIndex loop = tree->index(1, 0, tree->index(0, 0, tree->index(1, 0)));
        QVERIFY(QMetaObject::invokeMethod(m_app->mainWindow(), "onPlantElementsClicked",
                                          Q_ARG(QVariant, QVariant::fromValue(loop))));
        settle();
    }
    // A click on the row's status icon selects it; the page's selectIndex scrolls to it.
    void selectRow(const QModelIndex& index, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QObject* view = m_window->property("view").value<QObject*>();
        if (QQuickItem* icon = inCell(m_window->contentItem(), "pointStatusIcon", index))
            QTest::mouseClick(m_window.get(), Qt::LeftButton, modifiers, centre(icon));
        else
            QVERIFY(QMetaObject::invokeMethod(view, "selectIndex", Q_ARG(QVariant, QVariant::fromValue(index))));
        settle();
    }
    // Opens the drop-down at the row's type cell and activates the first leaf the test wants.
    PointType chooseType(const QModelIndex& index, OvPointTypeTreeModel* tree,
                         const std::function<bool(const PointType&)>& wanted, const QString& shot = QString())
    {
        QQuickItem* cell = inCell(m_window->contentItem(), "pointTypeOpen", index);
        if (!cell)
            return PointType();
        QTest::mouseClick(m_window.get(), Qt::LeftButton, Qt::NoModifier, centre(cell));
        QQuickItem* view = nullptr;
        if (!QTest::qWaitFor([&] { return (view = inCell(m_window->contentItem(), "typeTree", QModelIndex())); }))
            return PointType();
        QModelIndexList leaves;
        for (int r = 0; r < tree->rowCount(); ++r) {
            leaves << tree->index(r, 0);
            for (int c = 0; c < tree->rowCount(tree->index(r, 0)); ++c)
                leaves << tree->index(c, 0, tree->index(r, 0));
        }
        for (const QModelIndex& leaf : leaves) {
            const PointType type = qvariant_cast<PointType>(tree->getPointType(leaf));
            if (tree->canBeSelected(leaf) && wanted(type)) {
                if (!shot.isEmpty())
                    shoot(shot);
                QMetaObject::invokeMethod(view, "activated", Q_ARG(QVariant, QVariant::fromValue(leaf)));
                settle();
                return type;
            }
        }
        return PointType();
    }
    void chooseInCombo(const char* name, const QModelIndex& index, int row, const QString& shot = QString())
    {
        QQuickItem* combo = nullptr;
        QTRY_VERIFY((combo = inCell(m_window->contentItem(), name, index)));
        if (!shot.isEmpty()) {
            QObject* popup = combo->property("popup").value<QObject*>();
            QVERIFY(QMetaObject::invokeMethod(popup, "open"));
            QTRY_VERIFY(popup->property("opened").toBool());
            // The list shows every name whole and stays below the window's bars.
            auto* list = qobject_cast<QAbstractItemModel*>(combo->property("model").value<QObject*>());
            QVERIFY(list || qstrcmp(name, "pointZone") != 0);
            const QFontMetricsF metrics(combo->property("font").value<QFont>());
            for (int r = 0; list && qstrcmp(name, "pointZone") == 0 && r < list->rowCount(); ++r) {
                const QString name = list->index(r, 0).data(Qt::UserRole + 1).toString();
                QVERIFY2(metrics.horizontalAdvance(name) < popup->property("width").toReal(), qPrintable(name));
            }
            const auto* content = popup->property("contentItem").value<QQuickItem*>();
            QVERIFY(content->mapToScene(QPointF()).y() >= 100);
            shoot(shot);
            QVERIFY(QMetaObject::invokeMethod(popup, "close"));
            QTRY_VERIFY(!popup->property("visible").toBool());
        }
        QVERIFY(QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, row)));
        settle();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(s_home.isValid() && m_dir.isValid());
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
    }

    void cleanupTestCase()
    {
        m_window.reset();
        delete m_app;
        TestBase::cleanupTestCase();
    }

    void typesZonesAndLevels()
    {
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        Plant* plant = m_app->plant();
        plant->cpus().cpuAt(0)->setLoopType(0, 1);
        plant->areas().areaAt(0)->setDescription("Entrance hall, north staircase");
        m_app->updateModels();
        QQmlComponent component(m_app->engine());
        component.setData("import QtQuick 2.15\nimport QtQuick.Window 2.15\nimport \"qrc:/qml/pages\"\n"
                          "Window { width: 1500; height: 700; visible: true; property alias view: view;"
                          " Item { id: bars; width: parent.width; height: 100 }"
                          " PointsTreeView { id: view; anchors.fill: parent; anchors.topMargin: bars.height } }",
                          QUrl("qrc:/qml/types.qml"));
        m_window.reset(qobject_cast<QQuickWindow*>(component.create(m_app->engine()->rootContext())));
        QVERIFY(m_window && QTest::qWaitForWindowExposed(m_window.get()));
        showLoop();
        auto* sensors = qobject_cast<OvPointModel*>(
            m_app->engine()->rootContext()->contextProperty("theSensorModel").value<QObject*>());
        auto* modules = qobject_cast<OvPointModel*>(
            m_app->engine()->rootContext()->contextProperty("theModuleModel").value<QObject*>());

        // Detectors 1 and 2 selected by mouse, typed MULTI together, put into zone 3.
        selectRow(sensors->index(0, 0));
        selectRow(sensors->index(1, 0), Qt::ControlModifier);
        auto* sensorTypes = qvariant_cast<OvPointTypeTreeModel*>(sensors->getSensorTypeTreeModel());
        QCOMPARE(chooseType(
                     sensors->index(0, 0), sensorTypes,
                     [](const PointType& t) { return t.hwType() == 16388 && t.swType() == 4; }, "types_dropdown")
                     .hwType(),
                 ushort(16388));
        chooseInCombo("pointZone", sensors->index(0, 0), 3, "types_zone_combo");
        for (int address : {1, 2})
            QCOMPARE(plant->getPoint(0, 0, address - 1, 1)->areaIndex(), 3);
        QCOMPARE(plant->areas().areas().at(2).sensorCount(), 2u);

        // Level 2, then level 4, for detector 1.
        selectRow(sensors->index(0, 0));
        chooseInCombo("pointAlarmLevel", sensors->index(0, 0), 1, "types_level_combo");
        QCOMPARE(plant->getPoint(0, 0, 0, 1)->alertLevelRAVI(), 2);
        chooseInCombo("pointAlarmLevel", sensors->index(0, 0), 3);
        QCOMPARE(sensors->data(sensors->index(0, 0), 274).toInt(), 3);
        // Selected again, the row's level box shows the stored level.
        selectRow(sensors->index(1, 0));
        selectRow(sensors->index(0, 0));
        QQuickItem* level = nullptr;
        QTRY_VERIFY((level = inCell(m_window->contentItem(), "pointAlarmLevel", sensors->index(0, 0))));
        QCOMPARE(level->property("currentIndex").toInt(), 3);
        QCOMPARE(level->property("displayText").toString(), qtTrId("SENSOR_ALLARM_MODEL_PREFIX") + " 4");
        QQuickItem* zone = inCell(m_window->contentItem(), "pointZone", sensors->index(0, 0));
        QVERIFY(zone);
        QCOMPARE(zone->property("currentIndex").toInt(), 3);

        // A module with channels at 40 takes the address after it; then its first channel.
        inCell(m_window->contentItem(), "pointTabs", QModelIndex())->setProperty("currentIndex", 1);
        auto* moduleTypes = qvariant_cast<OvPointTypeTreeModel*>(modules->getModuleTypeTreeModel());
        selectRow(modules->index(39, 0));
        const PointType device = chooseType(modules->index(39, 0), moduleTypes,
                                            [](const PointType& t) { return t.subCount() >= 2; });
        QCOMPARE(plant->getPoint(0, 0, 39, 2)->subPoints().size(), device.subCount());
        QCOMPARE(modules->rowCount(), 100 - device.subCount());
        const QModelIndex channel = modules->index(0, 0, modules->index(39, 0));
        selectRow(channel);
        m_dialogs.answer(PlantMessage::No);
        const PointType input = chooseType(channel, moduleTypes, [](const PointType& t) { return t.swType() < 64; });
        QCOMPARE(plant->getPoint(0, 0, 39, 2)->subPoints().at(0).swType(), input.swType());

        // Compiled: bytes 2-3 device code, 4 type row, 5-6 zone, 8 level or channel.
        m_dialogs.clear();
        m_dialogs.answerFile(m_dir.path());
        if (!plant->cpus().isAreaAssigned())
            m_dialogs.answer(PlantMessage::Yes);
        m_dialogs.answer(PlantMessage::No);
        m_app->onCompileBtnClicked();
        const QByteArray detector = record(1, false);
        QCOMPARE(detector.mid(2, 5).toHex(), QByteArray("0440440300"));
        QCOMPARE(u8(detector[8]), u8(4));
        QCOMPARE(record(2, false).mid(5, 2).toHex(), QByteArray("0300"));
        const QByteArray first = record(40, true, 0);
        QCOMPARE((QList<int>{u8(first[2]) | u8(first[3]) << 8, u8(first[4]) & 0x3F}),
                 (QList<int>{device.hwType(), input.swType()}));

        // Saved and reopened, the rows read the same.
        QStringList before, after;
        snapshot(sensors, QModelIndex(), &before);
        snapshot(modules, QModelIndex(), &before);
        QString file = m_dir.path() + "/types.tov";
        m_dialogs.answerFile(file);
        m_app->onFileSaveAs();
        settle();
        m_app->openFile(file);
        showLoop();
        snapshot(sensors, QModelIndex(), &after);
        snapshot(modules, QModelIndex(), &after);
        QCOMPARE(after, before);
    }
};

QTEST_APPLESS_MAIN(tst_PointTypePage)
#include "tst_pointtypepage.moc"
