// The annunciator page in the application's scene, offscreen: reached from the plant tree, two
// devices installed with one click, a filter added, typed and targeted through the page's own
// controls and pasted onto the other device; the plant and its CSV follow. Screenshots of both
// tabs and of a filter being targeted, in both themes, go to "screenshots" beside the test.
#include "../plant/PlantBuilder.h"
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "app/OvThemeMdl.h"
#include "core/Configuration.h"
#include "models/ActiveItemsModel.h"
#include "models/OvAnnunciatorsModel.h"
#include "models/OvPlantModel.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QTemporaryDir>
#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_annunciatorspage";
static char* s_argv[] = {s_arg0, nullptr};

namespace {

void collect(QQuickItem* item, const QString& name, QList<QQuickItem*>& found)
{
    if (item->objectName() == name && item->isVisible())
        found << item;
    for (QQuickItem* child : item->childItems())
        collect(child, name, found);
}

// The visible item of that name in the cell of index (any cell for an invalid index).
QQuickItem* find(QQuickItem* root, const QString& name, const QModelIndex& index = {})
{
    QList<QQuickItem*> found;
    collect(root, name, found);
    for (QQuickItem* item : found)
        for (QQuickItem* up = item; up; up = up->parentItem())
            if (!index.isValid() || up->property("rowIndex").value<QModelIndex>() == index)
                return item;
    return nullptr;
}

QPoint centre(QQuickItem* item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

// Depth first, the index of the target tree whose text holds text.
QModelIndex findTarget(const QAbstractItemModel& model, const QString& text, const QModelIndex& parent = {})
{
    for (int r = 0; r < model.rowCount(parent); ++r) {
        const QModelIndex index = model.index(r, 0, parent);
        if (model.data(index, ActiveItemsModel::itemDescription).toString().contains(text))
            return index;
        const QModelIndex below = findTarget(model, text, index);
        if (below.isValid())
            return below;
    }
    return QModelIndex();
}

} // namespace

class tst_AnnunciatorsPage : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;

    void shoot(const QString& name)
    {
        auto* theme = qobject_cast<OvThemeMdl*>(
            m_app->engine()->rootContext()->contextProperty("theThemeModel").value<QObject*>());
        QVERIFY(theme);
        const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
        QDir().mkpath(dir);
        for (int t = 0; t < 2; ++t) {
            theme->clicked(t);
            const QSharedPointer<QQuickItemGrabResult> grab = m_window->contentItem()->grabToImage();
            QVERIFY(grab);
            bool ready = false;
            connect(grab.data(), &QQuickItemGrabResult::ready, this, [&ready] { ready = true; });
            QTRY_VERIFY(ready);
            QVERIFY(grab->image().save(QString("%1/%2_theme%3.png").arg(dir, name).arg(t)));
        }
    }
    void clickCell(const char* name, const QModelIndex& index, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QQuickItem* cell = nullptr;
        QTRY_VERIFY2((cell = find(m_window->contentItem(), name, index)), name);
        QTest::mouseClick(m_window, Qt::LeftButton, modifiers, centre(cell));
    }
    void openAnnunciatorPage()
    {
        OvPlantModel* tree = m_app->plantTreeModel();
        const QModelIndex annunciators = tree->index(0, 0, tree->index(0, 0, tree->index(1, 0)));
        for (const QModelIndex& row : {tree->index(0, 0), annunciators})
            QVERIFY(QMetaObject::invokeMethod(m_window, "onPlantElementsClicked",
                                              Q_ARG(QVariant, QVariant::fromValue(row))));
        QCOMPARE(m_window->property("workingAreaStat").toString(), QString("PLANT_ANNUNCIATOR_DATA_PAGE_SELECTED"));
    }

private slots:
    void initTestCase()
    {
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        m_window = m_app->mainWindow();
        QVERIFY(m_window);
        m_window->resize(1400, 800);
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
    }

    void cleanupTestCase()
    {
        delete m_app;
        m_app = nullptr;
        TestBase::cleanupTestCase();
    }

    void filterCopiedThroughThePage()
    {
        // The brands of this build are all of the second family, which has no annunciators.
        Configuration::instance()->set_configNumber(1);
        Plant* plant = m_app->plant();
        QVERIFY(plant);
        plant->cpus().cpuAt(0)->setLoopType(0, 1);
        OvGenericPoint smoke = plantbuild::point(1, 1, 15, 2, 1, 1, 30, 4);
        smoke.setDescription("Smoke kitchen");
        plant->cpus().setPoint(&smoke);
        openAnnunciatorPage();
        OvAnnunciatorsModel* model = m_app->annunciatorsModel();
        QCOMPARE(model->rowCount(), 16);
        clickCell("annunciatorTab", {});
        QQuickItem* view = nullptr;
        QTRY_VERIFY((view = find(m_window->contentItem(), "annunciatorsView")));
        shoot("annunciators_tab");

        // Rows 2 and 4 selected, one box ticked: one command for both.
        QSignalSpy changed(model, &OvAnnunciatorsModel::devicesChanged);
        clickCell("addressCell", model->index(1, 0));
        clickCell("addressCell", model->index(3, 0), Qt::ControlModifier);
        clickCell("installedBox", model->index(3, 0));
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<OvAnnunciatorsSystem>().annunciators().keys(), (QList<int>{2, 4}));

        // "+" on each device, a type and a sensor for the first filter.
        for (int row : {3, 1}) {
            clickCell("addressCell", model->index(row, 0));
            QTest::keyClick(m_window, Qt::Key_Plus);
            QTRY_COMPARE(model->rowCount(model->index(row, 0)), 1);
        }
        const QModelIndex filter = model->index(0, 0, model->index(1, 0));
        clickCell("addressCell", filter);
        QQuickItem* typeBox = nullptr;
        QTRY_VERIFY((typeBox = find(m_window->contentItem(), "filterTypeBox", filter)));
        QVERIFY(QMetaObject::invokeMethod(typeBox, "activated", Q_ARG(int, 8)));
        QCOMPARE(model->data(filter, OvAnnunciatorsModel::filterType).toInt(), 6);
        QQuickItem* chooser = nullptr;
        QTRY_VERIFY((chooser = find(m_window->contentItem(), "targetChooser", filter)));
        QVERIFY(QMetaObject::invokeMethod(chooser, "open"));
        const QModelIndex sensor = findTarget(*m_app->devicesModel(), "Smoke kitchen");
        QVERIFY(sensor.isValid());
        shoot("filter_targeted");
        QVERIFY(QMetaObject::invokeMethod(chooser, "activate", Q_ARG(QVariant, QVariant::fromValue(sensor))));
        QCOMPARE(model->data(filter, OvAnnunciatorsModel::filterTarget).toString(), QString("1:1:15: Smoke kitchen"));

        // Copy and paste through the context menu.
        QObject* copyItem = view->findChild<QObject*>("copyItem");
        QObject* pasteItem = view->findChild<QObject*>("pasteItem");
        QVERIFY(copyItem && pasteItem);
        QTRY_VERIFY(copyItem->property("enabled").toBool());
        QVERIFY(QMetaObject::invokeMethod(copyItem, "triggered"));
        clickCell("addressCell", model->index(0, 0, model->index(3, 0)));
        QTRY_VERIFY(pasteItem->property("enabled").toBool());
        QVERIFY(QMetaObject::invokeMethod(pasteItem, "triggered"));

        const QMap<int, OvAnnunciator>& stored = plant->cpus().cpuAt(0)->annunciators().annunciators();
        QCOMPARE(stored.keys(), (QList<int>{2, 4}));
        const ZpPointAlarmFilter expected(15, 1, 1, -1, 1);
        for (int address : {2, 4}) {
            QCOMPARE(stored.value(address).filters().size(), 1);
            QVERIFY(stored.value(address).filters().first()->isEqual(&expected));
        }
        QTemporaryDir folder;
        QVERIFY(plant->cpus().cpuAt(0)->exportAnnunciatorsCsv(folder.path()));

        // Saved and opened again: the same two devices with their filter.
        QString file = folder.filePath("annunciators");
        m_dialogs.answerFile(file);
        m_app->saveCommand(true);
        file = m_app->currentFilePath();
        QVERIFY(QFileInfo::exists(file));
        m_app->openFile(file);
        QCOMPARE(m_dialogs.pending() + m_dialogs.pendingFiles(), 0);
        const OvAnnunciatorsSystem reopened = m_app->plant()->cpus().cpuAt(0)->annunciators();
        QCOMPARE(reopened.annunciators().keys(), (QList<int>{2, 4}));
        for (int address : {2, 4})
            QVERIFY(reopened.annunciators().value(address).filters().value(0)->isEqual(&expected));
        const QStringList files = QDir(folder.path()).entryList({"*.csv"});
        QCOMPARE(files.size(), 1);
        QFile csv(folder.filePath(files.first()));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QString text = QString::fromLocal8Bit(csv.readAll());
        QCOMPARE(text.count(expected.getDescription()), 2);
        QVERIFY2(text.contains("\n2,,") && text.contains("\n4,,"), qPrintable(text));
    }

    // "+" on a row that is not selected adds one filter to that row's device and changes no
    // other row.
    void addFilterOnUnselectedRow()
    {
        openAnnunciatorPage();
        clickCell("annunciatorTab", {});
        OvAnnunciatorsModel* model = m_app->annunciatorsModel();
        QTRY_COMPARE(model->rowCount(model->index(3, 0)), 1);
        clickCell("addressCell", model->index(1, 0));
        QSignalSpy changed(model, &OvAnnunciatorsModel::devicesChanged);
        clickCell("addFilterButton", model->index(3, 0));
        QTRY_COMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).value<OvAnnunciatorsSystem>().annunciators().keys(), QList<int>{4});
        QCOMPARE(model->rowCount(model->index(3, 0)), 2);
        QCOMPARE(model->rowCount(model->index(1, 0)), 1);
        QCOMPARE(m_app->plant()->cpus().cpuAt(0)->annunciators().annunciators().value(4).filters().size(), 2);
    }

    // Ctrl+C and Ctrl+V on the tree do what the menu's Copy and Paste do: display 2's filter, or
    // display 2 itself, onto display 4. Typed in a field they are the field's, text selected or
    // not.
    void copyPasteKeys_data()
    {
        QTest::addColumn<bool>("viewers");
        // "tree", "field", "selected text" in a field then the tree, or "tree, then a field"
        QTest::addColumn<QString>("copyIn");
        QTest::addColumn<bool>("devicePasted");
        QTest::addColumn<bool>("filterPasted");
        QTest::newRow("keys on the tree") << false << "tree" << false << true;
        QTest::newRow("keys in a field") << false << "field" << false << false;
        QTest::newRow("text selected in a field") << false << "selected text" << false << false;
        QTest::newRow("copied on the tree, pasted in a field") << false << "tree, then a field" << false << false;
        QTest::newRow("keys on the viewers' tree") << true << "tree" << true << false;
    }
    void copyPasteKeys()
    {
        QFETCH(bool, viewers);
        QFETCH(QString, copyIn);
        QFETCH(bool, devicePasted);
        QFETCH(bool, filterPasted);
        CPUDevice* cpu = m_app->plant()->cpus().cpuAt(0);
        OvAnnunciatorsSystem& displays = viewers ? cpu->viewers() : cpu->annunciators();
        const ZpPointAlarmFilter alarm(15, 1, 1, -1, 1);
        const ZpEventFilter none;
        for (int address : {2, 4}) {
            OvAnnunciator display;
            display.setCpuIndex(1);
            display.setAddress(address);
            display.setDescription(QString("Desk %1").arg(address));
            if (!viewers)
                display.setFilter(0, address == 2 ? alarm : none);
            displays.setAnnunciator(display);
        }
        OvAnnunciatorsModel* model = viewers ? m_app->viewersModel() : m_app->annunciatorsModel();
        model->rebuildModel(0);
        openAnnunciatorPage();
        clickCell(viewers ? "viewerTab" : "annunciatorTab", {});
        // The devices open, as they are once filters are added: a paste replaces rows in sight.
        QQuickItem* rows = find(m_window->contentItem(), "annunciatorTree", {});
        QVERIFY(rows);
        for (int row : {1, 3})
            QVERIFY(
                QMetaObject::invokeMethod(rows, "expand", Q_ARG(QVariant, QVariant::fromValue(model->index(row, 0)))));
        const bool tree = copyIn == "tree";
        // Nothing for a field to paste: a paste there would leave its edit open.
        QGuiApplication::clipboard()->clear();
        const auto key = [&](int row, Qt::Key key) {
            const QModelIndex device = model->index(row, 0);
            const QModelIndex index = tree && !viewers ? model->index(0, 0, device) : device;
            if (tree || copyIn == (key == Qt::Key_V ? "selected text" : "tree, then a field")) {
                clickCell("addressCell", index);
            } else {
                QQuickItem* field = nullptr;
                QTRY_VERIFY((field = find(m_window->contentItem(), "descriptionField", index)));
                field->forceActiveFocus();
                if (copyIn == "selected text")
                    QVERIFY(QMetaObject::invokeMethod(field, "selectAll"));
            }
            QTest::keyClick(m_window, key, Qt::ControlModifier);
        };
        key(1, Qt::Key_C);
        key(3, Qt::Key_V);
        const OvAnnunciator stored = displays.annunciators().value(4);
        QCOMPARE(stored.description(), devicePasted ? QString("Desk 2") : QString("Desk 4"));
        QCOMPARE(stored.filters().size(), viewers ? 0 : 1);
        if (!viewers)
            QVERIFY(stored.filters().first()->isEqual(filterPasted ? &alarm : &none));
    }

    void secondFamilyHasViewersOnly()
    {
        Configuration::instance()->set_configNumber(7);
        m_app->viewersModel()->rebuildModel(-1);
        openAnnunciatorPage();
        QCOMPARE(m_app->viewersModel()->rowCount(), 32);
        QTRY_VERIFY(!find(m_window->contentItem(), "annunciatorTab"));
        QTRY_VERIFY(find(m_window->contentItem(), "viewersView"));
        shoot("viewers_tab");
    }

    // A mimic viewer shows 80 zones from its first one. Of the 150 zones of this plant it can
    // start from 1 to 71: a first zone typed in that range is stored as typed, any other is
    // refused with the range and the field shows the stored one again, beside its last zone.
    void mimicStartingZone_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("finished"); // else still being typed on the keys
        for (const int zone : {1, 10, 70, 71})
            QTest::addRow("typed %d", zone) << QString::number(zone) << zone << true;
        for (const int zone : {0, 72, 150, 3000})
            QTest::addRow("refused %d", zone) << QString::number(zone) << 5 << true;
        QTest::newRow("refused letters") << "1a" << 5 << true;
        QTest::newRow("refused 140 while typed") << "140" << 5 << false;
        QTest::newRow("typed 70 while typed") << "70" << 5 << false;
    }

    void mimicStartingZone()
    {
        QFETCH(QString, typed);
        QFETCH(int, start);
        QFETCH(bool, finished);
        QCOMPARE(m_app->plant()->getMaxAreasCount(), 150);
        OvAnnunciatorsModel* model = m_app->viewersModel();
        const QModelIndex viewer = model->index(2, 0);
        model->enableDevice({viewer}, true, 0);
        model->setViewerType({viewer}, 1);
        model->setStartingZone({viewer}, 5);
        QQuickItem* box = nullptr;
        QTRY_VERIFY((box = find(m_window->contentItem(), "zoneRange", viewer)) && box->isVisible());
        QQuickItem* last = find(m_window->contentItem(), "zoneRangeEnd", viewer);
        QTRY_COMPARE(box->property("text").toString(), QString("5"));
        QCOMPARE(last->property("text").toString(), QString::fromUtf8("\u2013 84"));
        QQuickItem* view = find(m_window->contentItem(), "viewersView");
        QVERIFY(view);
        for (const int row : {0, 1, 71, 72, 150}) {
            QVariant offered;
            QVERIFY(
                QMetaObject::invokeMethod(view, "zoneOffered", Q_RETURN_ARG(QVariant, offered), Q_ARG(QVariant, row)));
            QCOMPARE(offered.toBool(), row == 1 || row == 71);
        }
        QVERIFY(QMetaObject::invokeMethod(m_window, "clearInfoMsg"));
        if (finished) {
            box->setProperty("text", typed);
            QVERIFY(QMetaObject::invokeMethod(box, "editingFinished"));
        } else {
            box->forceActiveFocus();
            QVERIFY(QMetaObject::invokeMethod(box, "selectAll"));
            for (const QChar c : typed)
                QTest::keyClick(m_window, c.toLatin1());
        }
        QCOMPARE(model->data(viewer, OvAnnunciatorsModel::zoneRangeStart).toInt(), start);
        QCOMPARE(m_app->plant()->cpus().cpuAt(0)->viewers().annunciators().value(3).startingZone(), start);
        QTRY_COMPARE(box->property("text").toString(), finished ? QString::number(start) : typed);
        const bool refused = QTest::currentDataTag()[0] == 'r';
        // While typed, a refused zone is also said beside the field.
        QCOMPARE(last->property("text").toString(),
                 refused && !finished ? QString("From 1 to 71") : QString::fromUtf8("\u2013 %1").arg(start + 79));
        QCOMPARE(find(m_window->contentItem(), "infoMessage")->property("text").toString(),
                 refused ? QString("From 1 to 71") : QString());
        if (!finished)
            QTest::keyClick(m_window, Qt::Key_Return);
    }

    // A type name wider than its box ends in an ellipsis instead of being cut mid-letter.
    void viewerTypeElided()
    {
        const QModelIndex viewer = m_app->viewersModel()->index(2, 0);
        QQuickItem* box = nullptr;
        QTRY_VERIFY((box = find(m_window->contentItem(), "viewerTypeBox", viewer)));
        auto* shown = box->property("contentItem").value<QQuickItem*>();
        QVERIFY(shown);
        QCOMPARE(shown->property("text").toString(), QString("Viewer M (Mimic)"));
        QCOMPARE(shown->property("elide").toInt(), int(Qt::ElideRight));
        QCOMPARE(shown->property("truncated").toBool(), shown->implicitWidth() > shown->width());
    }

    // The viewers' tab says what the plant file does not keep of them.
    void viewerNote()
    {
        QQuickItem* note = nullptr;
        QTRY_VERIFY((note = find(m_window->contentItem(), "viewerNote")) && note->isVisible());
        QCOMPARE(note->property("text").toString(),
                 QString("A viewer's type and first zone are not kept in the plant file."));
    }
};

QTEST_APPLESS_MAIN(tst_AnnunciatorsPage)
#include "tst_annunciatorspage.moc"
