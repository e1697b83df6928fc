// The loop part of the CPU page joined to the application, offscreen with any QML warning
// failing the test: a click on a loop in the plant tree fills the point tables, the two filters
// follow the check box and F2, the type drop-down walks by letter and arrow keys and hands the
// chosen leaf to QML, and the objects handed to QML outlive its garbage collection. Rows are
// edited through the description field, the CBE keypad and the context menu, and the plant and
// the loop's CSV file then hold exactly those changes. Screenshots of both themes go to
// "screenshots" beside the test.
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "SceneSettle.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "cbe/CBEExpression.h"
#include "cbe/OvCBEEditor.h"
#include "core/Configuration.h"
#include "core/OvParameters.h"
#include "models/OvPlantModel.h"
#include "models/OvPointModel.h"
#include "models/OvPointTypeTreeModel.h"
#include "plant/CPUSystem.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"
#include "plant/PointType.h"

#include <QJSValue>
#include <QPointer>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQmlIncubationController>
#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_loopspage";
static char* s_argv[] = {s_arg0, nullptr};

namespace {

QQuickItem* find(QQuickItem* item, const QString& name)
{
    if (item->objectName() == name && item->isVisible())
        return item;
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* found = find(child, name))
            return found;
    return nullptr;
}

QPoint centre(QQuickItem* item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

// The rows the tree view lists, channel rows of expanded points included.
int shownRows(QQuickItem* treeView)
{
    return treeView->property("__listView").value<QObject*>()->property("count").toInt();
}

PointType typeOf(const QVariant& value)
{
    const QVariant v = value.userType() == qMetaTypeId<QJSValue>() ? value.value<QJSValue>().toVariant() : value;
    return v.value<PointType>();
}

QQuickItem* withText(QQuickItem* root, const QString& name, const QString& text)
{
    for (QQuickItem* item : findAll(root, name))
        if (item->property("text").toString() == text)
            return item;
    return nullptr;
}

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n');
}

} // namespace

class tst_LoopsPage : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;

    template <typename T>
    T* published(const char* name) const
    {
        return qobject_cast<T*>(m_app->engine()->rootContext()->contextProperty(QLatin1String(name)).value<QObject*>());
    }
    QObject* fromQml(const QString& expression)
    {
        QQmlExpression qml(m_app->engine()->rootContext(), nullptr, expression);
        return qml.evaluate().value<QObject*>();
    }
    // Delegates the views still create asynchronously; a model reset that cancels one is
    // reported by Qt, so the test resets only once they are done.
    void settle() { settleScene(m_app->engine()); }
    // A new plant, the one before left without asking to save it, its first loop VARN.
    Plant* newVarnPlant()
    {
        settle();
        m_dialogs.clear();
        if (m_app->plant()) {
            m_app->plant()->clearModificationBits(~0u);
            m_app->plant()->modifyPlantData(false);
        }
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        Plant* plant = m_app->plant();
        if (plant)
            plant->cpus().cpuAt(0)->setLoopType(0, 1);
        return plant;
    }
    static void grab(QQuickWindow* window, QImage& image)
    {
        const QSharedPointer<QQuickItemGrabResult> grab = window->contentItem()->grabToImage();
        QVERIFY(grab);
        QSignalSpy ready(grab.data(), &QQuickItemGrabResult::ready);
        window->update();
        QTRY_VERIFY_WITH_TIMEOUT(ready.count() > 0, 5000);
        image = grab->image();
    }
    static void shoot(QQuickWindow* window, const QString& name)
    {
        const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
        QDir().mkpath(dir);
        QImage image;
        grab(window, image);
        QVERIFY(image.save(dir + "/" + name + ".png"));
    }
    void shootThemes(QQuickWindow* window, const QString& name)
    {
        QObject* theme = published<QObject>("theThemeModel");
        QVERIFY(theme);
        for (int t = 0; t < 2; ++t) {
            QVERIFY(QMetaObject::invokeMethod(theme, "clicked", Q_ARG(int, t)));
            shoot(window, QString("%1_theme%2").arg(name).arg(t));
        }
    }

    // A window of the given width showing the loop page's point tables alone.
    PageWindow loopPageWindow(int width)
    {
        QQmlComponent component(m_app->engine());
        component.setData(
            QStringLiteral("import QtQuick 2.15\nimport QtQuick.Window 2.15\nimport \"qrc:/qml/pages\"\n"
                           "Window { width: %1; height: 640; visible: true;"
                           " property alias view: view; PointsTreeView { id: view; anchors.fill: parent } }")
                .arg(width)
                .toUtf8(),
            QUrl("qrc:/qml/loop.qml"));
        PageWindow window(qobject_cast<QQuickWindow*>(component.create(m_app->engine()->rootContext())));
        if (!window)
            qWarning() << component.errorString();
        return window;
    }

private slots:
    void initTestCase()
    {
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        m_window = m_app->mainWindow();
        QVERIFY(m_window);
    }

    void cleanupTestCase()
    {
        delete m_app;
        m_app = nullptr;
        TestBase::cleanupTestCase();
    }

    void loopPage()
    {
        m_dialogs.clear();
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        Plant* plant = m_app->plant();
        QVERIFY(plant);
        CPUDevice* cpu = plant->cpus().cpuAt(0);
        QVERIFY(cpu);
        cpu->setLoopType(0, 1);
        OvGenericPoint sensor(1, 1, 1, 2);
        sensor.setPointType(PointType(2, 1, 2, 16388, 4, 1));
        sensor.setDescription("Hall");
        OvGenericPoint module(2, 1, 1, 40);
        module.setPointType(PointType(2, 2, 2, 16398, 0, 3));
        module.setDescription("Doors");
        plant->setPoint(sensor);
        plant->setPoint(module);

        PageWindow window = loopPageWindow(1300);
        QVERIFY(window && QTest::qWaitForWindowExposed(window.get()));
        QObject* view = window->property("view").value<QObject*>();
        QQuickItem* root = window->contentItem();
        QQuickItem* table = find(root, "pointTable");
        QVERIFY(view && table);
        // Past its last tab the tab bar shows the header's colour, not a strip like a field.
        QString boxFill;
        QVERIFY(QMetaObject::invokeMethod(published<QObject>("theThemeModel"), "boxFillColor",
                                          Q_RETURN_ARG(QString, boxFill)));
        QQuickItem* tabs = find(root, "pointTabs");
        QVERIFY(tabs);
        const QPointF barEnd = tabs->mapToScene(QPointF(tabs->width() - 3, tabs->height() / 2));
        QImage shown;
        grab(window.get(), shown);
        QCOMPARE(shown.pixelColor(barEnd.toPoint()).name(), boxFill);

        // The first loop of the first CPU, clicked in the plant tree as the scene sends it.
        OvPlantModel* tree = m_app->plantTreeModel();
        const QModelIndex cpuRow = tree->index(0, 0, tree->index(1, 0));
        QVERIFY(QMetaObject::invokeMethod(m_window, "onPlantElementsClicked",
                                          Q_ARG(QVariant, QVariant::fromValue(tree->index(1, 0, cpuRow)))));
        QCOMPARE(view->property("loopIndex").toInt(), 0);
        QCOMPARE(view->property("cpuIndex").toInt(), 0);
        // The page's title names the loop shown, not its panel.
        QStringList titles;
        for (QQuickItem* item : m_window->findChildren<QQuickItem*>(QStringLiteral("pageTitle")))
            if (item->isVisible())
                titles << item->property("text").toString();
        QCOMPARE(titles, QStringList{"Loop 1"});
        QCOMPARE(published<OvPointModel>("theSensorModel")->rowCount(), 99);
        QTRY_COMPARE(shownRows(table), 99);
        settle();
        find(root, "pointTabs")->setProperty("currentIndex", 1);
        // 99 addresses, 41 and 42 under the module at 40, whose three channels show.
        QTRY_COMPARE(shownRows(table), 100);
        // The point page of the module at 40 scrolls the table to its row.
        m_app->onPointPageSelected(plant->getPoint(0, 0, 39, 2));
        QCOMPARE(table->property("currentIndex").toModelIndex().row(), 39);
        shootThemes(window.get(), "loop_modules");

        QQuickItem* voidFilter = find(root, "voidAddressFilter");
        QVERIFY(voidFilter);
        settle();
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centre(voidFilter));
        QVERIFY(voidFilter->property("checked").toBool());
        QCOMPARE(shownRows(table), 4);
        QCOMPARE(published<OvPointModel>("theSensorModel")->rowCount(), 1);
        m_window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        settle();
        QTest::keyClick(m_window, Qt::Key_F2);
        QVERIFY(!voidFilter->property("checked").toBool());
        QCOMPARE(shownRows(table), 100);

        // The type drop-down of the detector at address 2.
        settle();
        find(root, "pointTabs")->setProperty("currentIndex", 0);
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        auto* sensors = published<OvPointModel>("theSensorModel");
        QVERIFY(QMetaObject::invokeMethod(sensors, "select", Q_ARG(int, 1)));
        QQuickItem* cell = nullptr;
        QList<QQuickItem*> cells;
        std::function<void(QQuickItem*)> collect = [&](QQuickItem* item) {
            if (item->objectName() == "pointTypeName" && item->isVisible()
                && item->property("text").toString().contains("MULTI"))
                cells << item;
            for (QQuickItem* child : item->childItems())
                collect(child);
        };
        collect(root);
        QCOMPARE(cells.size(), 1);
        cell = cells.first();
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centre(cell));
        QQuickItem* typeTree = nullptr;
        QTRY_VERIFY((typeTree = find(window->contentItem(), "typeTree")));
        auto* types = qvariant_cast<OvPointTypeTreeModel*>(sensors->getSensorTypeTreeModel());
        QVERIFY(types);
        QCOMPARE(types->protocol(), 2);
        // Opened on the row of the current type.
        const QModelIndex current = typeTree->property("currentIndex").toModelIndex();
        QCOMPARE(types->data(current, 258).toString(), QString("MULTI"));
        QTest::keyClick(window.get(), Qt::Key_P);
        QCOMPARE(types->data(typeTree->property("currentIndex").toModelIndex(), 258).toString(), QString("PHOT"));
        QTest::keyClick(window.get(), Qt::Key_Down);
        QCOMPARE(types->data(typeTree->property("currentIndex").toModelIndex(), 258).toString(), QString("PINN"));
        shootThemes(window.get(), "loop_type_dropdown");
        QTest::keyClick(window.get(), Qt::Key_Up);
        // Retyping the detector offers to carry its settings over.
        m_dialogs.answer(PlantMessage::No);
        QTest::keyClick(window.get(), Qt::Key_Return);
        const PointType chosen = typeOf(view->property("chosenType"));
        QCOMPARE((QList<int>{chosen.getProtocol(), chosen.getFamily(), chosen.getSeries(), chosen.hwType(),
                             chosen.swType()}),
                 (QList<int>{2, 1, 2, 16387, 2}));
        QTRY_VERIFY(!find(window->contentItem(), "typeTree"));

        // What QML was handed stays alive through its garbage collection.
        QPointer<QObject> sensorTree = qvariant_cast<QObject*>(sensors->getSensorTypeTreeModel());
        QPointer<QObject> moduleTree = fromQml("theModuleModel.getModuleTypeTreeModel()");
        QPointer<QObject> korva = fromQml("theModuleModel.getKorvaPtModel()");
        QVERIFY(sensorTree && moduleTree && korva);
        m_app->engine()->collectGarbage();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(sensorTree && moduleTree && korva);
    }

    void editOnThePage()
    {
        Plant* plant = newVarnPlant();
        QVERIFY(plant);
        CPUDevice* cpu = plant->cpus().cpuAt(0);
        for (int a = 1; a <= 9; ++a) {
            OvGenericPoint sensor(1, 1, 1, unsigned(a));
            sensor.setPointType(PointType(2, 1, 2, 16388, 4, 1));
            sensor.setDescription(QString("S%1").arg(a));
            plant->setPoint(sensor);
        }
        const QTemporaryDir scratch;
        QVERIFY(scratch.isValid());
        const QString folder = scratch.path();
        const QString csvPath = OvLoop::csvFileName(folder, 1, 1);
        QVERIFY(cpu->getLoop(0).exportCSV(folder));
        const QStringList before = readLines(csvPath);

        PageWindow window = loopPageWindow(2600);
        QVERIFY(window && QTest::qWaitForWindowExposed(window.get()));
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QObject* view = window->property("view").value<QObject*>();
        QQuickItem* root = window->contentItem();
        settle();
        OvPlantModel* tree = m_app->plantTreeModel();
        const QModelIndex cpuRow = tree->index(0, 0, tree->index(1, 0));
        QVERIFY(QMetaObject::invokeMethod(m_window, "onPlantElementsClicked",
                                          Q_ARG(QVariant, QVariant::fromValue(tree->index(1, 0, cpuRow)))));
        auto* sensors = published<OvPointModel>("theSensorModel");
        QCOMPARE(sensors->rowCount(), 99);
        settle();
        QTRY_VERIFY(withText(root, "pointDescription", "S9"));

        // Rows 1 to 3 selected; "X" typed into the first one's description.
        QQmlExpression select(qmlContext(find(root, "pointTable")), view,
                              "selectIndex(theSensorModel.index(0, 0));"
                              "selection.select(theSensorModel.index(1, 0), 0x22);"
                              "selection.select(theSensorModel.index(2, 0), 0x22)");
        select.evaluate();
        QVERIFY2(!select.hasError(), qPrintable(select.error().toString()));
        QQuickItem* field = withText(root, "pointDescription", "S1");
        QVERIFY(field);
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centre(field));
        QTRY_VERIFY(field->hasActiveFocus());
        QTest::keyClick(window.get(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window.get(), 'X');
        QTest::keyClick(window.get(), Qt::Key_Return);
        for (int a = 1; a <= 3; ++a)
            QCOMPARE(plant->getPoint(0, 0, a - 1, 1)->description(), QString("X"));

        // The keypad from the CBE column of row 4.
        const QList<QQuickItem*> cbeButtons = findAll(root, "pointCbeButton");
        QCOMPARE(cbeButtons.size(), 9);
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centre(cbeButtons.at(3)));
        QTRY_VERIFY(find(root, "pointCbeKeypad"));
        QCOMPARE(find(root, "pointCbeTitle")->property("text").toString(), QString("Address: 4"));
        auto* editor = published<Ov4800::OvCBEEditor>("cbeEditor");
        QVERIFY(editor);
        for (const char* name : {"C", "1", "L", "1", "S", "5"}) {
            int button = -1;
            for (int b = 0; b < 48 && button < 0; ++b)
                if (editor->getBtnName(b) == QLatin1String(name))
                    button = b;
            QVERIFY2(button >= 0, name);
            QVERIFY(QMetaObject::invokeMethod(find(root, "pointCbeKeypad"), "press", Q_ARG(QVariant, button)));
        }
        // Stored with the code of the plant's check: the sensor index is out of its range there.
        expectWarning("^CBE ERROR: \\(C1L1S5\\)");
        QVERIFY(QMetaObject::invokeMethod(find(root, "pointCbeKeypad"), "press", Q_ARG(QVariant, 46)));
        QTRY_VERIFY(!find(root, "pointCbeKeypad"));
        const QString program = plant->getPoint(0, 0, 3, 1)->cbe();
        QCOMPARE(Ov4800::toStorageString(program), QString("(C1L1S5)"));
        QVERIFY(plant->getPoint(0, 0, 3, 1)->cbeErrorCode() != 0);

        // Row 6 copied from the context menu, pasted special onto row 8 with its description and
        // the address before it.
        auto menuItem = [&](const QString& rowText, const QString& item) {
            QQuickItem* cell = withText(root, "pointDescription", rowText);
            QVERIFY(cell);
            QTest::mouseClick(window.get(), Qt::RightButton, Qt::NoModifier, centre(cell));
            QQuickItem* entry = nullptr;
            QTRY_VERIFY((entry = find(window->contentItem(), item)));
            QTRY_VERIFY(entry->isEnabled());
            // The menu opens at the pointer: its first entry just below and after it.
            const QPointF first = find(window->contentItem(), "pointMenuRemove")->mapToScene(QPointF());
            const QPointF offset = first - centre(cell);
            QVERIFY2(offset.x() >= 0 && offset.x() < 20 && offset.y() >= 0 && offset.y() < 20,
                     qPrintable(QStringLiteral("%1, %2").arg(offset.x()).arg(offset.y())));
            QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centre(entry));
            QTRY_VERIFY(!find(window->contentItem(), item));
        };
        menuItem("S6", "pointMenuCopy");
        menuItem("S8", "pointMenuPasteSpecial");
        QQuickItem* description = nullptr;
        QTRY_VERIFY((description = find(root, "copyDescriptionBit")));
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centre(description));
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centre(find(root, "copyPrefixAddressBit")));
        shootThemes(window.get(), "loop_paste_special");
        QVERIFY(QMetaObject::invokeMethod(find(root, "pasteSpecialButtons"), "accepted"));
        QTRY_VERIFY(!find(root, "copyDescriptionBit"));
        QCOMPARE(plant->getPoint(0, 0, 7, 1)->description(), QString("8: S6"));

        menuItem("S9", "pointMenuRemove");
        QCOMPARE(plant->getPoint(0, 0, 8, 1)->hwType(), u16(0));
        shootThemes(window.get(), "loop_edited");

        // The CSV: rows 1 to 3 named X, row 4 with its program, row 8 renamed, row 9 gone.
        const QString sep = OvParameters::instance()->csvToken();
        QStringList expected;
        for (const QString& line : before) {
            QStringList cells = line.split(sep);
            if (cells.size() < 12 || !cells.at(2).startsWith('S')) {
                expected << line;
                continue;
            }
            const int address = cells.at(1).toInt();
            if (address <= 3)
                cells[2] = "X";
            else if (address == 4)
                cells[11] = program;
            else if (address == 8)
                cells[2] = "8: S6";
            if (address != 9)
                expected << cells.join(sep);
        }
        QVERIFY(cpu->getLoop(0).exportCSV(folder));
        // The export's time stamp may fall in the next minute.
        const auto undated = [](QStringList lines) { return lines.filter(QRegularExpression("^(?!Created on)")); };
        QCOMPARE(undated(readLines(csvPath)), undated(expected));
    }

    // On the modules and the mixed tab, a module row offers the flags its type takes, those the
    // panel receives, and a click on each box sets it.
    void moduleFlags_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("modules") << 1;
        QTest::newRow("detectors and modules") << 2;
    }
    void moduleFlags()
    {
        QFETCH(int, tab);
        Plant* plant = newVarnPlant();
        QVERIFY(plant);
        for (const PointType& type : {PointType(2, 2, 1, 130, 46, 0), PointType(2, 2, 1, 150, 57, 0)}) {
            OvGenericPoint module(2, 1, 1, unsigned(type.swType() == 46 ? 2 : 3));
            module.setPointType(type);
            plant->setPoint(module);
        }
        PageWindow window = loopPageWindow(2300);
        QVERIFY(window && QTest::qWaitForWindowExposed(window.get()));
        settle();
        OvPlantModel* tree = m_app->plantTreeModel();
        const QModelIndex cpuRow = tree->index(0, 0, tree->index(1, 0));
        QVERIFY(QMetaObject::invokeMethod(m_window, "onPlantElementsClicked",
                                          Q_ARG(QVariant, QVariant::fromValue(tree->index(1, 0, cpuRow)))));
        find(window->contentItem(), "pointTabs")->setProperty("currentIndex", tab);
        settle();
        const QList<QQuickItem*> boxes = findAll(window->contentItem(), "pointFlag");
        QCOMPARE(boxes.size(), 5);
        for (QQuickItem* box : boxes)
            QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier, centre(box));
        const OvGenericPoint* a = plant->getPoint(0, 0, 1, 2);
        const OvGenericPoint* b = plant->getPoint(0, 0, 2, 2);
        QCOMPARE((QList<bool>{a->checkTracking(), a->checkFlashing(), a->checkSilenceMod(), b->checkTracking(),
                              b->checkFlashing(), b->checkSilenceMod(), b->checkAutoSilenceMod()}),
                 (QList<bool>{true, true, false, false, true, true, true}));
        for (QQuickItem* box : boxes)
            QVERIFY(box->property("checked").toBool());
    }

    // Ctrl+C and Ctrl+V in the table do what the context menu's Copy and Paste do, and nothing
    // where the menu would not offer them; in a description field they are the field's. Rows
    // rebuilt (the typed-rows filter on and off) forget the copied row.
    void copyPasteKeys_data()
    {
        QTest::addColumn<int>("source"); // row copied with Ctrl+C; -1 for none
        QTest::addColumn<QList<int>>("targets");
        QTest::addColumn<bool>("pasted");
        // The key typed in a description field: "copy" in the source row's, "paste" in the first
        // target row's; empty for none.
        QTest::addColumn<QString>("inField");
        QTest::addColumn<bool>("rebuilt"); // the rows rebuilt between Ctrl+C and Ctrl+V
        QTest::newRow("sensor onto two free rows") << 1 << QList<int>{5, 6} << true << "" << false;
        QTest::newRow("sensor onto one free row") << 3 << QList<int>{7} << true << "" << false;
        QTest::newRow("nothing copied") << -1 << QList<int>{5} << false << "" << false;
        QTest::newRow("a free row copied") << 8 << QList<int>{5} << false << "" << false;
        QTest::newRow("copied in its description field") << 2 << QList<int>{8} << false << "copy" << false;
        QTest::newRow("pasted in a description field") << 1 << QList<int>{3} << false << "paste" << false;
        QTest::newRow("copied, then the rows rebuilt") << 1 << QList<int>{5} << false << "" << true;
    }
    void copyPasteKeys()
    {
        QFETCH(int, source);
        QFETCH(QList<int>, targets);
        QFETCH(bool, pasted);
        QFETCH(QString, inField);
        QFETCH(bool, rebuilt);
        Plant* plant = newVarnPlant();
        QVERIFY(plant);
        for (int a = 1; a <= 4; ++a) {
            OvGenericPoint sensor(1, 1, 1, unsigned(a));
            sensor.setPointType(PointType(2, 1, 2, 16388, 4, 1));
            sensor.setDescription(QString("S%1").arg(a));
            plant->setPoint(sensor);
        }
        PageWindow window = loopPageWindow(1600);
        QVERIFY(window && QTest::qWaitForWindowExposed(window.get()));
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QObject* view = window->property("view").value<QObject*>();
        QQuickItem* root = window->contentItem();
        settle();
        OvPlantModel* tree = m_app->plantTreeModel();
        const QModelIndex cpuRow = tree->index(0, 0, tree->index(1, 0));
        QVERIFY(QMetaObject::invokeMethod(m_window, "onPlantElementsClicked",
                                          Q_ARG(QVariant, QVariant::fromValue(tree->index(1, 0, cpuRow)))));
        settle();
        QTRY_VERIFY(withText(root, "pointDescription", "S4"));
        QQuickItem* table = find(root, "pointTable");
        QVERIFY(table);
        const auto selectRows = [&](const QList<int>& rows) {
            QString script = QString("selectIndex(theSensorModel.index(%1, 0))").arg(rows.first());
            for (int r : rows.mid(1))
                script += QString(";selection.select(theSensorModel.index(%1, 0), 0x22)").arg(r);
            QQmlExpression select(qmlContext(table), view, script);
            select.evaluate();
            QVERIFY2(!select.hasError(), qPrintable(select.error().toString()));
            table->forceActiveFocus();
            QTRY_VERIFY(table->hasActiveFocus());
        };
        if (source >= 0) {
            selectRows({source});
            if (inField == "copy") // as a click on the description leaves it
                withText(root, "pointDescription", QString("S%1").arg(source + 1))->forceActiveFocus();
            QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
        }
        for (int flip = 0; rebuilt && flip < 2; ++flip)
            m_app->flipFilterOnVoidAddresses(false);
        selectRows(targets);
        // Nothing for a field to paste: a paste there would change the row's description.
        QGuiApplication::clipboard()->clear();
        if (inField == "paste")
            withText(root, "pointDescription", QString("S%1").arg(targets.first() + 1))->forceActiveFocus();
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
        // The menu offers Paste while a copied row is kept.
        QTest::mouseClick(window.get(), Qt::RightButton, Qt::NoModifier,
                          centre(withText(root, "pointDescription", "S1")));
        QQuickItem* pasteEntry = nullptr;
        QTRY_VERIFY((pasteEntry = find(window->contentItem(), "pointMenuPaste")));
        QCOMPARE(pasteEntry->isEnabled(), pasted || inField == "paste");
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTRY_VERIFY(!find(window->contentItem(), "pointMenuPaste"));
        // A selected row's editors fit inside the row.
        const QList<QQuickItem*> editors = findAll(root, "pointZone") + findAll(root, "pointFlag");
        QVERIFY(!editors.isEmpty());
        const QList<QQuickItem*> rowItems = findAll(root, "pointRow");
        QVERIFY(!rowItems.isEmpty());
        for (QQuickItem* editor : editors)
            QVERIFY2(editor->height() <= rowItems.first()->height(),
                     qPrintable(QString("%1 is %2 high in a row of %3")
                                    .arg(editor->objectName())
                                    .arg(editor->height())
                                    .arg(rowItems.first()->height())));
        if (QTest::currentDataTag() == QLatin1String("sensor onto two free rows"))
            shootThemes(window.get(), "loop_selected_rows");
        for (int row = 0; row < 10; ++row) {
            const OvGenericPoint* point = plant->getPoint(0, 0, row, 1);
            QVERIFY(point);
            const bool typed = row < 4 || (pasted && targets.contains(row));
            QCOMPARE(point->hwType(), u16(typed ? 16388 : 0));
            if (row < 4)
                QCOMPARE(point->description(), QString("S%1").arg(row + 1));
        }
        settle();
    }
};

QTEST_APPLESS_MAIN(tst_LoopsPage)
#include "tst_loopspage.moc"
