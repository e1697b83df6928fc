// The groups page offscreen over a test plant, any QML warning failing the test: a reverse
// group's program written on the keypad and stored in the plant, the viewer's error state, and
// screenshots of the table and the open keypad in both themes beside the test.
#include "ModelFixture.h"
#include "TestBase.h"
#include "app/OvThemeMdl.h"
#include "cbe/CBEPlantInfo.h"
#include "cbe/OvCBEEditor.h"
#include "models/OvGroupsModel.h"

#include <QDir>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtTest>

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
        std::unique_ptr<QQuickWindow> window(qobject_cast<QQuickWindow*>(component.create(engine.rootContext())));
        QVERIFY2(window, qPrintable(component.errorString()));
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QQuickItem* root = window->contentItem();
        QQuickItem* tabs = find(root, "groupsTabs");
        QQuickItem* list = find(root, "groupsList");
        QVERIFY(tabs && list);

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
        std::unique_ptr<QQuickWindow> window(qobject_cast<QQuickWindow*>(component.create(engine.rootContext())));
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
};

QTEST_MAIN(tst_GroupsPage)
#include "tst_groupspage.moc"
