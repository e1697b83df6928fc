// The groups page offscreen over a test plant, any QML warning failing the test: a reverse
// group's program written on the keypad and stored in the plant, the viewer's error state, and
// screenshots of the table and the open keypad in both themes beside the test.
#include "../app/SceneSettle.h"
#include "ModelFixture.h"
#include "TestBase.h"
#include "app/OvThemeMdl.h"
#include "cbe/CBEPlantInfo.h"
#include "cbe/OvCBEEditor.h"
#include "models/OvGroupsModel.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QTranslator>
#include <QtTest>

#include <utility>

using modeltest::FixturePlant;

namespace {

QQuickItem* find(QQuickItem* item, const QString& name)
{
    if (item->objectName() == name)
        return item;
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* found = find(child, name))
            return found;
    return nullptr;
}

// The visible item of that objectName whose row property is row.
QQuickItem* findRow(QQuickItem* item, const QString& name, int row)
{
    if (!item->isVisible())
        return nullptr;
    if (item->objectName() == name && item->property("row").toInt() == row)
        return item;
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* found = findRow(child, name, row))
            return found;
    return nullptr;
}

// Panel 8 stand-alone: 400 groups, the first `direct` of them direct.
void standAlone(Plant& plant, int direct)
{
    plant.setPlantType(0, false);
    plant.groups().setDirectGroupsCount(direct);
}

// The English texts while it lives.
class EnglishTexts {
public:
    EnglishTexts()
    {
        m_loaded = m_translator.load(":/translations/ov4800_en.qm")
            && QCoreApplication::installTranslator(&m_translator);
    }
    ~EnglishTexts() { QCoreApplication::removeTranslator(&m_translator); }
    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;
    bool m_loaded = false;
};

// Answers as scripted; the first question takes the focus from `field`, which reports its edit
// once more while the question is open, as it does under the window's modal dialogs.
class FocusTakingDialogs : public ScriptedDialogs {
public:
    QQuickItem* field = nullptr;

    PlantMessage::Button ask(const PlantMessage& message, bool* checkBoxChecked) override
    {
        if (QQuickItem* edited = std::exchange(field, nullptr))
            QMetaObject::invokeMethod(edited, "editingFinished");
        return ScriptedDialogs::ask(message, checkBoxChecked);
    }
};

// The page in a window of its own; mirrored, as the window shows it right to left.
PageWindow makeWindow(QQmlApplicationEngine& engine, const char* page, int width, int height, bool mirrored = false)
{
    QByteArray shown = QByteArray(page) + " { anchors.fill: parent }";
    if (mirrored)
        shown = "Item { anchors.fill: parent; LayoutMirroring.childrenInherit: true\nLayoutMirroring.enabled: true\n"
            + shown + " }";
    QQmlComponent component(&engine);
    component.setData(QByteArray("import QtQuick 2.15\nimport QtQuick.Window 2.15\nimport \"qrc:/qml/pages\"\n")
                          + QByteArray("Window { width: ") + QByteArray::number(width)
                          + "; height: " + QByteArray::number(height) + "; visible: true; " + shown + " }",
                      QUrl("qrc:/qml/page.qml"));
    PageWindow window(qobject_cast<QQuickWindow*>(component.create(engine.rootContext())));
    if (!window)
        qWarning().noquote() << component.errorString();
    return window;
}

// The groups page over model, with the theme and the program editor it calls, 1100 wide.
PageWindow groupsPageWindow(QQmlApplicationEngine& engine, OvGroupsModel& model, Ov4800::OvCBEEditor& editor,
                            OvThemeMdl& theme, int height, bool mirrored = false)
{
    engine.rootContext()->setContextProperty("theLanguageModel", nullptr);
    engine.rootContext()->setContextProperty("theThemeModel", &theme);
    engine.rootContext()->setContextProperty("ovGroupModel", &model);
    engine.rootContext()->setContextProperty("cbeEditor", &editor);
    return makeWindow(engine, "OvGroupsDataPage", 1100, height, mirrored);
}

} // namespace

class tst_GroupsPage : public TestBase {
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

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        Q_INIT_RESOURCE(qml);
        Q_INIT_RESOURCE(resources);
        Q_INIT_RESOURCE(translations);
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    }

    void keypadStoresTheProgram()
    {
        FixturePlant plant(8);
        plant->setPlantType(0, false);
        plant->groups().setDirectGroupsCount(300);
        OvGroupsModel model;
        model.rebuildModel();
        Ov4800::OvCBEEditor editor;
        OvThemeMdl theme;
        Ov4800::setCBEPlant(&*plant);

        QQmlApplicationEngine engine;
        engine.rootContext()->setContextProperty("theLanguageModel", nullptr);
        engine.rootContext()->setContextProperty("theThemeModel", &theme);
        engine.rootContext()->setContextProperty("ovGroupModel", &model);
        engine.rootContext()->setContextProperty("cbeEditor", &editor);
        QQmlComponent component(&engine);
        component.setData("import QtQuick 2.15\nimport QtQuick.Window 2.15\nimport \"qrc:/qml/pages\"\n"
                          "Window { width: 1100; height: 860; visible: true;"
                          " OvGroupsDataPage { anchors.fill: parent } }",
                          QUrl("qrc:/qml/groups.qml"));
        PageWindow window(qobject_cast<QQuickWindow*>(component.create(engine.rootContext())));
        QVERIFY2(window, qPrintable(component.errorString()));
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QQuickItem* root = window->contentItem();
        QQuickItem* tabs = find(root, "groupsTabs");
        QQuickItem* list = find(root, "groupsList");
        QVERIFY(tabs && list);
        // The plant file has no place for the descriptions typed in the table.
        QVERIFY(find(root, "groupDescriptionNote")->isVisible());
        QCOMPARE(find(root, "groupDescriptionNote")->property("text").toString(),
                 QString("NOTE_GROUP_DESCRIPTION_NOT_KEPT"));

        tabs->setProperty("currentIndex", 1);
        QCOMPARE(model.rowCount(), 100);
        QVERIFY(QMetaObject::invokeMethod(list, "selectRow", Q_ARG(QVariant, 2)));
        for (int t = 0; t < 2; ++t) {
            theme.clicked(t);
            shoot(window.get(), QString("groups_table_theme%1").arg(t));
        }
        QVERIFY(QMetaObject::invokeMethod(list, "openCbe", Q_ARG(QVariant, 2)));
        QTRY_VERIFY(find(root, "cbeText") && find(root, "cbeText")->isVisible());
        QCOMPARE(find(root, "cbeTitle")->property("text").toString(), QString("GROUP_INDEX: 303"));
        QQuickItem* keypad = find(root, "cbeKeypad");
        QVERIFY(keypad);

        for (const char* name : {"OR", "C", "1", "L", "1", "S", "1", " ", "G", "2"}) {
            int button = name[0] == ' ' ? int(Ov4800::OvCBEEditor::BTN_SPACE) : -1;
            for (int b = 0; b < 48 && button < 0; ++b)
                if (editor.getBtnName(b) == QLatin1String(name))
                    button = b;
            QVERIFY2(button >= 0, name);
            QVERIFY2(find(root, QString("cbeButton%1").arg(button))->isEnabled(), name);
            QVERIFY(QMetaObject::invokeMethod(keypad, "press", Q_ARG(QVariant, button)));
        }
        QCOMPARE(find(root, "cbeText")->property("text").toString(), QString("OR(C1L1S1 G2)"));
        QVERIFY(find(root, "cbeButton46")->isEnabled());
        QCOMPARE(find(root, "cbeInfo")->property("text").toString(), QString());
        QQuickItem* logical = find(root, "cbeLogicalCtrl");
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier,
                          logical->mapToScene(QPointF(8, logical->height() / 2)).toPoint());
        // Checking against the plant: it has no sensor 1 on loop 1.
        QCOMPARE(find(root, "cbeText")->property("color").value<QColor>(), QColor("#d64541"));
        QCOMPARE(find(root, "cbeInfo")->property("text").toString(), QString("533"));
        for (int t = 0; t < 2; ++t) {
            theme.clicked(t);
            shoot(window.get(), QString("groups_keypad_theme%1").arg(t));
        }
        // Stored and checked: the plant has no sensor 1 on loop 1.
        expectWarning("^CBE ERROR: OR\\(C1L1S1 G2\\)");
        QVERIFY(QMetaObject::invokeMethod(keypad, "press", Q_ARG(QVariant, 46)));
        QCOMPARE(model.data(model.index(2, 0), 258).toString(), QString("errors.png"));
        QCOMPARE(plant->groups().groups().at(302).cbe(), Ov4800::toDisplayString("OR(C1L1S1 G2)"));
        QCOMPARE(model.data(model.index(2, 0), 260).toString(), QString("OR(C1L1S1 G2)"));

        // The keyboard: "A" is AND while no other key starts with it.
        QVERIFY(QMetaObject::invokeMethod(list, "openCbe", Q_ARG(QVariant, 3)));
        QTRY_VERIFY(keypad->hasActiveFocus());
        QTest::keyClick(window.get(), Qt::Key_A);
        QVERIFY(find(root, "cbeText")->property("text").toString().startsWith("AND"));
        // Return stores as Enter does: not an incomplete text.
        QTest::keyClick(window.get(), Qt::Key_Return);
        QVERIFY(plant->groups().groups().at(303).cbe().isEmpty());
        QVERIFY(find(root, "cbeText")->isVisible());
    }

    // A new direct-group count that would clear groups holding a program or a name asks first,
    // saying how many; No keeps every group and the count, Yes clears as the groups do.
    void countAsksBeforeClearing_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("programmed"); // group numbers with a program
        QTest::addColumn<int>("named");             // a group number with only a name, or 0
        QTest::addColumn<int>("answer");            // 0: no question expected
        QTest::addColumn<int>("lost");
        const int yes = PlantMessage::Yes, no = PlantMessage::No;
        const QList<int> around{10, 250, 300, 301, 350, 400};
        QTest::newRow("fewer, No") << 200 << around << 0 << no << 2;
        QTest::newRow("fewer, Yes") << 200 << around << 0 << yes << 2;
        QTest::newRow("all direct, No") << 400 << around << 0 << no << 3;
        QTest::newRow("all direct, Yes") << 400 << around << 0 << yes << 3;
        QTest::newRow("one more, edge group programmed") << 301 << around << 0 << yes << 1;
        QTest::newRow("one fewer, edge group programmed") << 299 << around << 0 << no << 1;
        QTest::newRow("one fewer, a name only") << 299 << QList<int>{10} << 300 << no << 1;
        QTest::newRow("only groups that keep their kind") << 299 << QList<int>{10, 299, 301} << 0 << 0 << 0;
        QTest::newRow("nothing programmed") << 1 << QList<int>{} << 0 << 0 << 0;
    }
    void countAsksBeforeClearing()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, programmed);
        QFETCH(int, named);
        QFETCH(int, answer);
        QFETCH(int, lost);
        EnglishTexts english;
        QVERIFY(english.loaded());
        FixturePlant plant(8);
        standAlone(*plant, 300);
        OvGroupsSystem groups = plant->groups();
        for (int number : programmed) {
            OvGroup& group = *groups.groupAt(number - 1);
            group.setCBE(number <= 300 ? QString("(G%1)").arg(number == 300 ? 1 : number + 1)
                                       : QString("OR(G%1)").arg(number - 1));
            group.setDescription(QString("Group %1").arg(number));
        }
        if (named > 0)
            groups.groupAt(named - 1)->setDescription(QStringLiteral("Named"));
        plant->setGroups(groups);
        const OvGroupsSystem before = plant->groups();
        OvGroupsModel model;
        model.rebuildModel();
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy updated(&model, &OvGroupsModel::dataUpdated);
        ScriptedDialogs dialogs;
        if (answer != 0)
            dialogs.answer(PlantMessage::Button(answer));
        model.setDirectGrupsCount(count);
        QCOMPARE(dialogs.pending(), 0);
        QCOMPARE(dialogs.asked().size(), answer != 0 ? 1 : 0);
        if (answer != 0) {
            const PlantMessage& question = dialogs.asked().first();
            QCOMPARE(question.icon, PlantMessage::Question);
            QCOMPARE(question.buttons, int(PlantMessage::Yes | PlantMessage::No));
            QCOMPARE(question.defaultButton, PlantMessage::No);
            QCOMPARE(question.text,
                     lost == 1 ? QString("1 group changes kind and loses its program and name. "
                                         "Change the number of direct groups?")
                               : QString("%1 groups change kind and lose their program and name. "
                                         "Change the number of direct groups?")
                                     .arg(lost));
        }
        if (answer == PlantMessage::No) {
            QCOMPARE(reset.count(), 0);
            QVERIFY(updated.count() > 0); // the page reads the kept count back
            QCOMPARE(model.getDirectGrupsCount(), 300);
            QCOMPARE(plant->groups().directGroupsCount(), 300);
            QVERIFY(plant->groups().groups() == before.groups());
            return;
        }
        QCOMPARE(reset.count(), 1);
        QCOMPARE(plant->groups().directGroupsCount(), count);
        OvGroupsSystem expected = before;
        expected.setDirectGroupsCount(count);
        QVERIFY(plant->groups().groups() == expected.groups());
        for (int number : programmed) {
            const bool kept = (number <= 300) == (number <= count);
            QCOMPARE(plant->groups().groups().at(number - 1).cbe().isEmpty(), !kept);
        }
    }

    // The range the page shows, and its refusal of a count outside it.
    void countRange_data()
    {
        QTest::addColumn<int>("panelType");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("0") << 8 << 0 << "From 1 to 400";
        QTest::newRow("1") << 8 << 1 << "";
        QTest::newRow("400") << 8 << 400 << "";
        QTest::newRow("401") << 8 << 401 << "From 1 to 400";
        QTest::newRow("9999") << 8 << 9999 << "From 1 to 400";
        QTest::newRow("negative") << 8 << -1 << "From 1 to 400";
        QTest::newRow("1600 on a networked ZP4800") << 0 << 1600 << "";
        QTest::newRow("1601 on a networked ZP4800") << 0 << 1601 << "From 1 to 1600";
    }
    void countRange()
    {
        QFETCH(int, panelType);
        QFETCH(int, count);
        QFETCH(QString, refusal);
        EnglishTexts english;
        QVERIFY(english.loaded());
        const bool networked = panelType == 0;
        FixturePlant plant(panelType, networked);
        plant->setPlantType(networked ? 1 : 0, networked);
        OvGroupsModel model;
        model.rebuildModel();
        QCOMPARE(model.getDirectGroupsCountMinimum(), 1);
        QCOMPARE(model.checkDirectGroupsCount(count), refusal);
    }

    // The page's direct-group field: a count outside the range is refused with the range and
    // stores nothing; one that clears a program asks once, though the question takes the focus
    // from the field, and No leaves the field at the kept count.
    void directCountField()
    {
        EnglishTexts english;
        QVERIFY(english.loaded());
        FixturePlant plant(8);
        standAlone(*plant, 300);
        OvGroupsSystem groups = plant->groups();
        groups.groupAt(300)->setCBE(QStringLiteral("OR(G1)"));
        plant->setGroups(groups);
        OvGroupsModel model;
        model.rebuildModel();
        OvThemeMdl theme;
        QQmlApplicationEngine engine;
        engine.rootContext()->setContextProperty("theThemeModel", &theme);
        engine.rootContext()->setContextProperty("ovGroupModel", &model);
        PageWindow window = makeWindow(engine, "OvGroupsGenParameters", 800, 300);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QQuickItem* root = window->contentItem();
        QQuickItem* field = find(root, "directCount");
        QQuickItem* refusal = find(root, "directCountRefusal");
        QVERIFY(field && refusal);
        QCOMPARE(find(root, "directCountRange")->property("text").toString(), QString("1 \u2013 400"));
        QCOMPARE(field->property("text").toString(), QString("300"));
        FocusTakingDialogs dialogs;
        const auto enter = [field](const char* text) {
            field->setProperty("text", QString(text));
            QVERIFY(QMetaObject::invokeMethod(field, "editingFinished"));
        };
        for (const char* typed : {"9999", "401", "0", ""}) {
            enter(typed);
            QCOMPARE(refusal->property("text").toString(), QString("From 1 to 400"));
            QVERIFY(refusal->isVisible());
            QCOMPARE(plant->groups().directGroupsCount(), 300);
        }
        QCOMPARE(dialogs.asked().size(), 0);
        dialogs.answer(PlantMessage::No);
        dialogs.field = field;
        enter("400");
        QCOMPARE(dialogs.asked().size(), 1);
        QCOMPARE(dialogs.asked().first().text,
                 QString("1 group changes kind and loses its program and name. Change the number of direct groups?"));
        QCOMPARE(refusal->property("text").toString(), QString());
        QCOMPARE(plant->groups().directGroupsCount(), 300);
        QCOMPARE(plant->groups().groups().at(300).cbe(), QString("OR(G1)"));
        QCOMPARE(field->property("text").toString(), QString("300"));
        dialogs.answer(PlantMessage::Yes);
        enter("400");
        QCOMPARE(dialogs.pending(), 0);
        QCOMPARE(plant->groups().directGroupsCount(), 400);
        QVERIFY(plant->groups().groups().at(300).cbe().isEmpty());
        QCOMPARE(field->property("text").toString(), QString("400"));
        // Unprogrammed groups change kind without a question.
        enter("1");
        QCOMPARE(dialogs.asked().size(), 2);
        QCOMPARE(plant->groups().directGroupsCount(), 1);
    }

    // A description is typed into its cell, reaches the plant, and goes to every selected row
    // when the edited row is one of them.
    void descriptionTyped()
    {
        FixturePlant plant(8);
        standAlone(*plant, 300);
        OvGroupsModel model;
        model.rebuildModel();
        Ov4800::OvCBEEditor editor;
        OvThemeMdl theme;
        QQmlApplicationEngine engine;
        PageWindow window = groupsPageWindow(engine, model, editor, theme, 860);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QQuickItem* root = window->contentItem();
        QQuickItem* list = find(root, "groupsList");
        QVERIFY(list);
        QQuickItem* cell = nullptr;
        QTRY_VERIFY((cell = findRow(root, "groupDescription", 1)));
        // The table's header takes its two-line height over the first frames: a click before
        // then lands on it.
        settleScene(&engine);
        QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier,
                          cell->mapToScene(QPointF(cell->width() / 2, cell->height() / 2)).toPoint());
        QTRY_VERIFY(cell->hasActiveFocus());
        for (const char c : QByteArray("Stairs"))
            QTest::keyClick(window.get(), c);
        QTest::keyClick(window.get(), Qt::Key_Return);
        QCOMPARE(plant->groups().groups().at(1).description(), QString("Stairs"));
        QCOMPARE(model.data(model.index(1, 0), 259).toString(), QString("Stairs"));
        QVERIFY(plant->groups().groups().at(0).description().isEmpty());
        QCOMPARE(cell->property("text").toString(), QString("Stairs"));

        // Rows 3 to 5 selected, row 4 edited: all three take it.
        QVERIFY(QMetaObject::invokeMethod(list, "selectRow", Q_ARG(QVariant, 3)));
        QQuickItem* table = find(root, "groupsTable");
        QObject* selection = table->property("selection").value<QObject*>();
        QVERIFY(selection);
        QVERIFY(QMetaObject::invokeMethod(selection, "select", Q_ARG(QVariant, 4), Q_ARG(QVariant, 5)));
        QQuickItem* row4 = findRow(root, "groupDescription", 4);
        QVERIFY(row4);
        row4->setProperty("text", QString("Hall"));
        QVERIFY(QMetaObject::invokeMethod(row4, "editingFinished"));
        for (int p = 0; p < 7; ++p)
            QCOMPARE(plant->groups().groups().at(p).description(),
                     p == 1                 ? QString("Stairs")
                         : p >= 3 && p <= 5 ? QString("Hall")
                                            : QString());

        // A right click beside the selection selects the clicked row: group 2 copied onto group 8.
        // The reverse tab's rows are other groups: nothing copied there.
        const auto menu = [&](int row, const char* name) {
            QTest::mouseClick(window.get(), Qt::RightButton, Qt::NoModifier,
                              findRow(root, "groupDescription", row)->mapToScene(QPointF(4, 4)).toPoint());
            QQuickItem* entry = nullptr;
            QTRY_VERIFY((entry = find(root, name)));
            if (entry->isEnabled())
                QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier,
                                  entry->mapToScene(QPointF(4, 4)).toPoint());
            else
                QTest::keyClick(window.get(), Qt::Key_Escape);
            QTRY_VERIFY(!find(root, name));
        };
        menu(1, "groupMenuCopy");
        menu(7, "groupMenuPaste");
        find(root, "groupsTabs")->setProperty("currentIndex", 1);
        menu(7, "groupMenuPaste");
        QCOMPARE(plant->groups().groups().at(7).description(), QString("Stairs"));
        QCOMPARE(plant->groups().groups().at(307).description(), QString());
    }

    // Ctrl+C and Ctrl+V in the table do what the menu's Copy and Paste do: group 2 onto groups 8
    // and 9. In a name field they are the field's: what is typed there, with the clipboard pasted
    // into it, is the name those groups take.
    void copyPasteKeys_data()
    {
        QTest::addColumn<QString>("copyBy"); // "menu", "table", "field", or "" for no copy
        QTest::addColumn<QString>("pasteBy");
        QTest::addColumn<QString>("stored");
        QTest::newRow("menu") << "menu"
                              << "menu"
                              << "Stairs";
        QTest::newRow("keys in the table") << "table"
                                           << "table"
                                           << "Stairs";
        QTest::newRow("keys in a name field") << "field"
                                              << "field"
                                              << "Hall Annex";
        QTest::newRow("copied in the table, pasted in a name field") << "table"
                                                                     << "field"
                                                                     << "Hall Annex";
        QTest::newRow("nothing copied") << ""
                                        << "table"
                                        << "";
    }
    void copyPasteKeys()
    {
        QFETCH(QString, copyBy);
        QFETCH(QString, pasteBy);
        QFETCH(QString, stored);
        FixturePlant plant(8);
        standAlone(*plant, 300);
        plant->groups().groupAt(1)->setDescription("Stairs");
        OvGroupsModel model;
        model.rebuildModel();
        Ov4800::OvCBEEditor editor;
        OvThemeMdl theme;
        QQmlApplicationEngine engine;
        PageWindow window = groupsPageWindow(engine, model, editor, theme, 860);
        QVERIFY(window && QTest::qWaitForWindowExposed(window.get()));
        window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QQuickItem* root = window->contentItem();
        QQuickItem* list = find(root, "groupsList");
        QQuickItem* table = find(root, "groupsTable");
        QVERIFY(list && table);
        QTRY_VERIFY(findRow(root, "groupDescription", 8));
        settleScene(&engine);
        QGuiApplication::clipboard()->setText("Annex");
        const auto act = [&](const QString& by, int row, Qt::Key key, const char* entry) {
            QVERIFY(QMetaObject::invokeMethod(list, "selectRow", Q_ARG(QVariant, row)));
            if (key == Qt::Key_V) {
                QObject* selection = table->property("selection").value<QObject*>();
                QVERIFY(QMetaObject::invokeMethod(selection, "select", Q_ARG(QVariant, 8), Q_ARG(QVariant, 8)));
            }
            if (by == "menu") {
                QTest::mouseClick(window.get(), Qt::RightButton, Qt::NoModifier,
                                  findRow(root, "groupDescription", row)->mapToScene(QPointF(4, 4)).toPoint());
                QQuickItem* item = nullptr;
                QTRY_VERIFY((item = find(root, entry)));
                QTest::mouseClick(window.get(), Qt::LeftButton, Qt::NoModifier,
                                  item->mapToScene(QPointF(4, 4)).toPoint());
                QTRY_VERIFY(!find(root, entry));
                return;
            }
            if (by == "field") {
                findRow(root, "groupDescription", row)->forceActiveFocus();
                if (key == Qt::Key_V)
                    for (const char c : QByteArray("Hall "))
                        QTest::keyClick(window.get(), c);
            } else {
                table->forceActiveFocus();
            }
            QTest::keyClick(window.get(), key, Qt::ControlModifier);
        };
        if (!copyBy.isEmpty())
            act(copyBy, 1, Qt::Key_C, "groupMenuCopy");
        act(pasteBy, 7, Qt::Key_V, "groupMenuPaste");
        if (pasteBy == "field")
            QTest::keyClick(window.get(), Qt::Key_Return);
        for (int p : {7, 8})
            QCOMPARE(plant->groups().groups().at(p).description(), stored);
    }

    // A group's name and program stand on the row's starting side, as the column titles do,
    // whatever their script: right to left, Latin ones at the right end of their cells.
    void cellsOnTheStartingSide_data()
    {
        QTest::addColumn<bool>("mirrored");
        QTest::newRow("left to right") << false;
        QTest::newRow("right to left") << true;
    }
    void cellsOnTheStartingSide()
    {
        QFETCH(bool, mirrored);
        FixturePlant plant(8);
        standAlone(*plant, 300);
        OvGroupsModel model;
        model.rebuildModel();
        model.setGroupDescription(0, QStringLiteral("Stairs"));
        model.setCBE(QVariantList{0}, QStringLiteral("(G2)"));
        Ov4800::OvCBEEditor editor;
        OvThemeMdl theme;
        QQmlApplicationEngine engine;
        PageWindow window = groupsPageWindow(engine, model, editor, theme, 600, mirrored);
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        settleScene(&engine);
        const int start = mirrored ? Qt::AlignRight : Qt::AlignLeft;
        QStringList found;
        for (const char* name : {"groupDescription", "groupCBE"}) {
            QQuickItem* cell = nullptr;
            QTRY_VERIFY((cell = findRow(window->contentItem(), name, 0)));
            found << QStringLiteral("%1 %2 %3")
                         .arg(name, cell->property("text").toString())
                         .arg(cell->property("effectiveHorizontalAlignment").toInt() == start ? "at the start"
                                                                                              : "at the end");
        }
        QCOMPARE(found, QStringList({"groupDescription Stairs at the start", "groupCBE (G2) at the start"}));
    }

    void sensitivityStepsOver()
    {
        FixturePlant plant(8);
        plant->setPlantType(0, false);
        plant->groups().setDirectGroupsCount(300);
        plant->groups().setLowSensibilityGroupIndex(302);
        plant->groups().setHighSensibilityGroupIndex(301);
        OvGroupsModel model;
        model.rebuildModel();
        OvThemeMdl theme;
        QQmlApplicationEngine engine;
        engine.rootContext()->setContextProperty("theThemeModel", &theme);
        engine.rootContext()->setContextProperty("ovGroupModel", &model);
        QQmlComponent component(&engine);
        component.setData("import QtQuick 2.15\nimport QtQuick.Window 2.15\nimport \"qrc:/qml/pages\"\n"
                          "Window { width: 800; height: 300; visible: true; OvGroupsGenParameters { } }",
                          QUrl("qrc:/qml/params.qml"));
        PageWindow window(qobject_cast<QQuickWindow*>(component.create(engine.rootContext())));
        QVERIFY2(window, qPrintable(component.errorString()));
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QQuickItem* high = find(window->contentItem(), "highGroup");
        QVERIFY(high);
        high->forceActiveFocus();
        QTest::keyClick(window.get(), Qt::Key_Up);
        QCOMPARE(model.getHighSensibilityGroupIndex(), 303);
        QCOMPARE(plant->groups().highSensibilityGroupIndex(), 303);
        QTest::keyClick(window.get(), Qt::Key_Down);
        QCOMPARE(model.getHighSensibilityGroupIndex(), 301);
    }

    // The keypad's caret stands where the next key goes: after the text before the cursor, for
    // a cursor at the end and moved left into a long program.
    void caretAtTheCursor_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lefts"); // caret moves to the left after opening
        QTest::newRow("short, moved left") << QString("AND(G1 G2)") << 2;
        QTest::newRow("long, at the end") << QString("OR(C1L1S1 C1L1S2 C1L1S3 C1L1S4 G12 G13)") << 0;
        QTest::newRow("long, moved left") << QString("OR(C1L1S1 C1L1S2 C1L1S3 C1L1S4 G12 G13)") << 5;
    }
    void caretAtTheCursor()
    {
        QFETCH(QString, text);
        QFETCH(int, lefts);
        FixturePlant plant(8);
        standAlone(*plant, 300);
        Ov4800::OvCBEEditor editor;
        OvThemeMdl theme;
        QQmlApplicationEngine engine;
        engine.rootContext()->setContextProperty("theThemeModel", &theme);
        engine.rootContext()->setContextProperty("cbeEditor", &editor);
        QQmlComponent component(&engine);
        component.setData("import QtQuick 2.15\nimport QtQuick.Window 2.15\nimport \"qrc:/qml/controls\"\n"
                          "Window { width: 700; height: 500; visible: true; OvCBEKeypad { anchors.fill: parent } }",
                          QUrl("qrc:/qml/keypad.qml"));
        PageWindow window(qobject_cast<QQuickWindow*>(component.create(engine.rootContext())));
        QVERIFY2(window, qPrintable(component.errorString()));
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QQuickItem* root = window->contentItem();
        QQuickItem* keypad = find(root, "cbeKeypad");
        if (!keypad)
            keypad = root->childItems().value(0);
        QVERIFY(keypad);
        QVERIFY(QMetaObject::invokeMethod(keypad, "open", Q_ARG(QVariant, 400), Q_ARG(QVariant, false),
                                          Q_ARG(QVariant, Ov4800::toDisplayString(text))));
        for (int i = 0; i < lefts; ++i)
            QVERIFY(QMetaObject::invokeMethod(keypad, "press", Q_ARG(QVariant, int(Ov4800::OvCBEEditor::BTN_LEFT))));
        QQuickItem* shown = find(root, "cbeText");
        QQuickItem* caret = find(root, "cbeCaret");
        QVERIFY(shown && caret);
        const QString all = shown->property("text").toString();
        const QString ghost = editor.getGhostString();
        QVERIFY(!all.isEmpty() && all.endsWith(ghost));
        // A monospace text: each character takes the shown width over the character count.
        const qreal advance = shown->width() / all.size();
        const qreal cursorX = shown->mapToScene(QPointF((all.size() - ghost.size()) * advance, 0)).x();
        const qreal caretRight = caret->mapToScene(QPointF(caret->width(), 0)).x();
        QVERIFY2(qAbs(caretRight - cursorX) <= 1.0,
                 qPrintable(QString("caret ends at %1, the cursor is at %2 (advance %3, \"%4\" | \"%5\")")
                                .arg(caretRight)
                                .arg(cursorX)
                                .arg(advance)
                                .arg(all.left(all.size() - ghost.size()), ghost)));
    }
};

QTEST_MAIN(tst_GroupsPage)
#include "tst_groupspage.moc"
