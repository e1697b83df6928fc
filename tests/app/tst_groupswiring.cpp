// The group table and the CBE keypad joined to the application, offscreen: both published, a
// new plant or a new plant type rebuilds the table from the plant, and an edit after a new
// plant keeps that plant's other groups.
#include "../plant/ScriptedDialogs.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Configuration.h"
#include "app/Ov4kApp.h"
#include "cbe/OvCBEEditor.h"
#include "models/OvGroupsModel.h"
#include "plant/Plant.h"

#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_groupswiring";
static char* s_argv[] = {s_arg0, nullptr};

class tst_GroupsWiring : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;

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
    }

    void cleanupTestCase()
    {
        delete m_app;
        m_app = nullptr;
        TestBase::cleanupTestCase();
    }

    void published()
    {
        QVERIFY(m_app->groupsModel());
        QCOMPARE(published("ovGroupModel"), static_cast<QObject*>(m_app->groupsModel()));
        QCOMPARE(published("cbeEditor"), static_cast<QObject*>(m_app->cbeEditor()));
        QCOMPARE(m_app->groupsModel()->rowCount(), 0);
    }

    void newPlantReachesTheTable()
    {
        newPlant();
        OvGroupsModel* model = m_app->groupsModel();
        Plant* plant = m_app->plant();
        QCOMPARE(model->getGroupsCount(), plant->groups().count());
        QCOMPARE(model->rowCount(), plant->groups().directGroupsCount());
        model->setGroupDescription(QVariantList{0, 1}, "Plant A");
        QCOMPARE(plant->groups().groups().at(1).description(), QString("Plant A"));

        newPlant();
        plant = m_app->plant();
        QVERIFY(model->data(model->index(1, 0), 259).toString().isEmpty());
        model->setGroupDescription(QVariantList{0}, "Edited");
        QCOMPARE(plant->groups().groups().at(0).description(), QString("Edited"));
        QVERIFY(plant->groups().groups().at(1).description().isEmpty());
    }

    void plantTypeChangeReachesTheTable()
    {
        Plant* plant = m_app->plant();
        const int type = plant->getPlantType();
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Ok);
        m_app->onPlantChangeTypeRqst(type == 0 ? 1 : 0);
        QVERIFY(plant->getPlantType() != type);
        QCOMPARE(m_app->groupsModel()->getGroupsCount(), plant->groups().count());
    }
};

QTEST_APPLESS_MAIN(tst_GroupsWiring)
#include "tst_groupswiring.moc"
