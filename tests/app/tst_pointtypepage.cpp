// Types, zones and alarm levels given on the loop page, offscreen with any QML warning failing
// the test: the type drop-down for detectors, a module with channels and one of its channels, the
// zone combo on two rows and the level combo; then the compiled device records and a save and
// reopen. Screenshots of the open drop-down and combos go to "screenshots".
#include "../plant/ScriptedDialogs.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Configuration.h"
#include "app/Ov4kApp.h"
#include "models/OvPlantModel.h"
#include "models/OvPointModel.h"
#include "models/OvPointTypeTreeModel.h"
#include "plant/CPUSystem.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"
#include "plant/PointType.h"

#include "ZpData/Container/ZpConf.h"

#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlIncubationController>
#include <QtQuick>
#include <QtTest>

#include <functional>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_pointtypepage";
static char* s_argv[] = {s_arg0, nullptr};

namespace {

// The table cell an item belongs to.
QModelIndex cellIndex(QQuickItem* item)
{
    for (QQuickItem* it = item; it; it = it->parentItem()) {
        if (QObject* style = it->property("styleData").value<QObject*>()) {
            const QVariant index = style->property("index");
            if (index.userType() == qMetaTypeId<QPersistentModelIndex>())
                return index.value<QPersistentModelIndex>();
            return index.toModelIndex();
        }
    }
    return QModelIndex();
}

// The visible item of that name in the cell of index.
QQuickItem* inCell(QQuickItem* root, const QString& name, const QModelIndex& index)
{
    QQuickItem* found = nullptr;
    std::function<void(QQuickItem*)> walk = [&](QQuickItem* item) {
        if (!found && item->objectName() == name && item->isVisible() && cellIndex(item) == index)
            found = item;
        for (QQuickItem* child : item->childItems())
            walk(child);
    };
    walk(root);
    return found;
}

QPoint centre(QQuickItem* item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

// The first leaf of the type tree whose type passes wanted.
QModelIndex leaf(OvPointTypeTreeModel* tree, const std::function<bool(const PointType&)>& wanted)
{
    for (int r = 0; r < tree->rowCount(); ++r) {
        const QModelIndex row = tree->index(r, 0);
        QModelIndexList candidates{row};
        for (int c = 0; c < tree->rowCount(row); ++c)
            candidates << tree->index(c, 0, row);
        for (const QModelIndex& at : candidates) {
            if (tree->canBeSelected(at) && wanted(qvariant_cast<PointType>(tree->getPointType(at))))
                return at;
        }
    }
    return QModelIndex();
}

// The 43-byte record of CPU 1, loop 1 for an address (and channel position) of a family.
QByteArray record(int address, bool module, int channel = -1)
{
    QByteArray rec(43, '\0');
    for (u32 slot = 0; slot < 700; ++slot) {
        if (g_zpConf->get_device_record(reinterpret_cast<u8*>(rec.data()), 0, slot) != 0)
            continue;
        const bool isModule = (u8(rec[1]) & 0x80) != 0;
        if (u8(rec[0]) == address - 1 && isModule == module && (rec[2] || rec[3])
            && (channel < 0 || u8(rec[8]) == channel))
            return rec;
    }
    return QByteArray();
}

// Type, zone and level cells of every row and channel row.
QStringList snapshot(const OvPointModel* model)
{
    QStringList cells;
    std::function<void(const QModelIndex&)> rows = [&](const QModelIndex& parent) {
        for (int r = 0; r < model->rowCount(parent); ++r) {
            const QModelIndex at = model->index(r, 0, parent);
            cells << QStringList{model->data(at, 279).toString(), model->data(at, 258).toString(),
                                 model->data(at, 260).toString(), model->data(at, 274).toString()}
                         .join('|');
            rows(at);
        }
    };
    rows(QModelIndex());
    return cells;
}

} // namespace

class tst_PointTypePage : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QTemporaryDir m_dir;
    std::unique_ptr<QQuickWindow> m_window;

    template <typename T>
    T* published(const char* name) const
    {
        return qobject_cast<T*>(m_app->engine()->rootContext()->contextProperty(QLatin1String(name)).value<QObject*>());
    }
    void settle()
    {
        QQmlIncubationController* incubation = m_app->engine()->incubationController();
        if (incubation)
            QTRY_COMPARE(incubation->incubatingObjectCount(), 0);
    }
    void shootThemes(const QString& name)
    {
        QObject* theme = published<QObject>("theThemeModel");
        const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
        QVERIFY(theme && QDir().mkpath(dir));
        for (int t = 0; t < 2; ++t) {
            QVERIFY(QMetaObject::invokeMethod(theme, "clicked", Q_ARG(int, t)));
            const QSharedPointer<QQuickItemGrabResult> grab = m_window->contentItem()->grabToImage();
            QVERIFY(grab);
            QSignalSpy ready(grab.data(), &QQuickItemGrabResult::ready);
            m_window->update();
            QTRY_VERIFY_WITH_TIMEOUT(ready.count() > 0, 5000);
            QVERIFY(grab->image().save(QString("%1/%2_theme%3.png").arg(dir, name).arg(t)));
        }
    }
    QQuickItem* root() const { return m_window->contentItem(); }
    void showLoop()
    {
        settle();
        OvPlantModel* tree = m_app->plantTreeModel();
        const QModelIndex cpuRow = tree->index(0, 0, tree->index(1, 0));
        QVERIFY(QMetaObject::invokeMethod(m_app->mainWindow(), "onPlantElementsClicked",
                                          Q_ARG(QVariant, QVariant::fromValue(tree->index(1, 0, cpuRow)))));
        settle();
    }
    // Clicks (with modifiers) on the row's status icon, which selects the row.
    void clickRow(const QModelIndex& index, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QQuickItem* icon = nullptr;
        QTRY_VERIFY((icon = inCell(root(), "pointStatusIcon", index)));
        QTest::mouseClick(m_window.get(), Qt::LeftButton, modifiers, centre(icon));
    }
    // Selects the row alone and scrolls the table to it, as the page does for a found point.
    void selectRow(const QModelIndex& index)
    {
        QObject* view = m_window->property("view").value<QObject*>();
        QVERIFY(view && QMetaObject::invokeMethod(view, "selectIndex", Q_ARG(QVariant, QVariant::fromValue(index))));
        settle();
    }
    // Opens the drop-down at the row's type cell and activates the leaf the test wants.
    PointType chooseType(const QModelIndex& index, OvPointTypeTreeModel* tree,
                         const std::function<bool(const PointType&)>& wanted, const QString& shot = QString())
    {
        settle();
        QQuickItem* cell = inCell(root(), "pointTypeOpen", index);
        if (!cell)
            return PointType();
        QTest::mouseClick(m_window.get(), Qt::LeftButton, Qt::NoModifier, centre(cell));
        QQuickItem* typeTree = nullptr;
        if (!QTest::qWaitFor([&] { return (typeTree = inCell(root(), "typeTree", QModelIndex())) != nullptr; }))
            return PointType();
        const QModelIndex chosen = leaf(tree, wanted);
        if (!chosen.isValid())
            return PointType();
        if (!shot.isEmpty())
            shootThemes(shot);
        const PointType type = qvariant_cast<PointType>(tree->getPointType(chosen));
        QMetaObject::invokeMethod(typeTree, "activated", Q_ARG(QVariant, QVariant::fromValue(chosen)));
        settle();
        return type;
    }
    // Opens the combo of the cell for a screenshot, then chooses row.
    void chooseInCombo(const char* name, const QModelIndex& index, int row, const QString& shot = QString())
    {
        QQuickItem* combo = nullptr;
        QTRY_VERIFY((combo = inCell(root(), name, index)));
        if (!shot.isEmpty()) {
            QObject* popup = combo->property("popup").value<QObject*>();
            QVERIFY(popup && QMetaObject::invokeMethod(popup, "open"));
            QTRY_VERIFY(popup->property("opened").toBool());
            shootThemes(shot);
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
        qputenv("QT_QUICK_BACKEND", "software");
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
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
        disconnect(m_app->mainWindow(), &QQuickWindow::frameSwapped, m_app, nullptr);
    }

    void cleanupTestCase()
    {
        m_window.reset();
        delete m_app;
        m_app = nullptr;
        TestBase::cleanupTestCase();
    }

    void typesZonesAndLevels()
    {
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        Plant* plant = m_app->plant();
        QVERIFY(plant && plant->areas().count() >= 3);
        plant->cpus().cpuAt(0)->setLoopType(0, 1);
        QQmlComponent component(m_app->engine());
        component.setData("import QtQuick 2.15\nimport QtQuick.Window 2.15\nimport \"qrc:/qml/pages\"\n"
                          "Window { width: 1500; height: 700; visible: true;"
                          " property alias view: view; PointsTreeView { id: view; anchors.fill: parent } }",
                          QUrl("qrc:/qml/types.qml"));
        m_window.reset(qobject_cast<QQuickWindow*>(component.create(m_app->engine()->rootContext())));
        QVERIFY2(m_window, qPrintable(component.errorString()));
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        showLoop();
        auto* sensors = published<OvPointModel>("theSensorModel");
        auto* modules = published<OvPointModel>("theModuleModel");
        QCOMPARE(sensors->rowCount(), 99);

        // Detectors 1 and 2 together.
        clickRow(sensors->index(0, 0));
        clickRow(sensors->index(1, 0), Qt::ControlModifier);
        auto* sensorTypes = qvariant_cast<OvPointTypeTreeModel*>(sensors->getSensorTypeTreeModel());
        const PointType multi = chooseType(
            sensors->index(0, 0), sensorTypes,
            [](const PointType& t) { return t.hwType() == 16388 && t.swType() == 4; }, "types_sensor_dropdown");
        QCOMPARE(multi.hwType(), ushort(16388));
        for (int address : {1, 2})
            QCOMPARE(plant->getPoint(0, 0, address - 1, 1)->hwType(), u16(16388));

        chooseInCombo("pointZone", sensors->index(0, 0), 3, "types_zone_combo");
        for (int address : {1, 2})
            QCOMPARE(plant->getPoint(0, 0, address - 1, 1)->areaIndex(), 3);
        QCOMPARE(plant->areas().areas().at(2).sensorCount(), 2u);

        clickRow(sensors->index(0, 0));
        chooseInCombo("pointAlarmLevel", sensors->index(0, 0), 1, "types_level_combo");
        QCOMPARE(plant->getPoint(0, 0, 0, 1)->alertLevelRAVI(), 2);
        chooseInCombo("pointAlarmLevel", sensors->index(0, 0), 3);
        QCOMPARE(sensors->data(sensors->index(0, 0), 274).toInt(), 3);
        QCOMPARE(plant->getPoint(0, 0, 0, 1)->alertLevelRAVI(), 4);

        // A module with channels at 40, then its first channel.
        QQuickItem* tabs = inCell(root(), "pointTabs", QModelIndex());
        QVERIFY(tabs);
        tabs->setProperty("currentIndex", 1);
        settle();
        auto* moduleTypes = qvariant_cast<OvPointTypeTreeModel*>(modules->getModuleTypeTreeModel());
        selectRow(modules->index(39, 0));
        const PointType multiChannel = chooseType(modules->index(39, 0), moduleTypes,
                                                  [](const PointType& t) { return t.subCount() >= 2; });
        QVERIFY(multiChannel.subCount() >= 2);
        QCOMPARE(plant->getPoint(0, 0, 39, 2)->hwType(), multiChannel.hwType());
        QCOMPARE(modules->rowCount(modules->index(39, 0)), multiChannel.subCount());
        // On a VARN loop its channels take the addresses after it.
        QCOMPARE(modules->rowCount(), 100 - multiChannel.subCount());
        const QModelIndex channel = modules->index(0, 0, modules->index(39, 0));
        selectRow(channel);
        // The channel had the module's type: its settings may come along.
        m_dialogs.answer(PlantMessage::No);
        const PointType input = chooseType(channel, moduleTypes, [](const PointType&) { return true; });
        QVERIFY(input.swType() != 0 && input.swType() != 0xFF);
        QCOMPARE(plant->getPoint(0, 0, 39, 2)->subPoints().at(0).swType(), input.swType());

        // Compiled: the device records, bytes 2-3 device code, 4 type row, 5-6 zone, 8 level or channel.
        QVERIFY(QDir().mkpath(m_dir.path() + "/out"));
        m_dialogs.clear();
        m_dialogs.answerFile(m_dir.path() + "/out");
        if (!plant->cpus().isAreaAssigned())
            m_dialogs.answer(PlantMessage::Yes);
        m_dialogs.answer(PlantMessage::No);
        m_app->onCompileBtnClicked();
        QCOMPARE(m_dialogs.pending(), 0);
        QVERIFY(QFile::exists(m_dir.path() + "/out/CFG_IN.BIN"));
        const QByteArray detector = record(1, false);
        QCOMPARE(detector.mid(2, 2), QByteArray::fromHex("0440"));
        QCOMPARE(u8(detector[4]) & 0x3F, 4);
        QCOMPARE(detector.mid(5, 2), QByteArray::fromHex("0300"));
        QCOMPARE(u8(detector[8]), u8(4));
        QCOMPARE(record(2, false).mid(5, 2), QByteArray::fromHex("0300"));
        const QByteArray first = record(40, true, 0);
        QCOMPARE(u8(first[2]) | (u8(first[3]) << 8), int(multiChannel.hwType()));
        QCOMPARE(u8(first[4]) & 0x3F, int(input.swType()));

        // Saved and reopened, the rows read the same.
        const QStringList sensorRows = snapshot(sensors);
        const QStringList moduleRows = snapshot(modules);
        QVERIFY(sensorRows.at(0).contains("|3|3"));
        m_dialogs.clear();
        m_dialogs.answerFile(m_dir.path() + "/types.tov");
        m_app->onFileSaveAs();
        QString file = m_dir.path() + "/types.tov";
        settle();
        m_app->openFile(file);
        QCOMPARE(m_app->currentFilePath(), file);
        showLoop();
        QCOMPARE(snapshot(sensors), sensorRows);
        QCOMPARE(snapshot(modules), moduleRows);
    }
};

QTEST_APPLESS_MAIN(tst_PointTypePage)
#include "tst_pointtypepage.moc"
