// The group table and the CBE keypad joined to the application, offscreen: both published, a
// new plant or a new plant type rebuilds the table from the plant, and an edit after a new
// plant keeps that plant's other groups.
#include "../plant/PlantTestSupport.h"
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "cbe/OvCBEEditor.h"
#include "core/Configuration.h"
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
    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }
    static QByteArray u16At5204() { return planttest::block(2).mid(5204, 2); }
    void saveAs(const QString& file)
    {
        m_dialogs.clear();
        m_dialogs.answerFile(file);
        m_app->onFileSaveAs();
        QCOMPARE(m_dialogs.pending(), 0);
    }
    void open(const QString& file)
    {
        m_dialogs.clear();
        if (m_app->plant() && m_app->plant()->getModificationStat() > 1)
            m_dialogs.answer(PlantMessage::Discard);
        QString name = file;
        m_app->openFile(name);
        QCOMPARE(QFileInfo(m_app->currentFilePath()).completeBaseName(), QFileInfo(file).completeBaseName());
    }

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
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
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

    // The high-sensitivity group chosen on the page is the u16 at 5204 of the general block, in
    // the compiled image too (read back by opening it).
    void sensitivityReachesTheImage()
    {
        newPlant();
        OvGroupsModel* model = m_app->groupsModel();
        const int count = model->getGroupsCount();
        QVERIFY(count > 3);
        const int direct = count - 3;
        model->setDirectGrupsCount(direct);
        model->enableLowSensibilityGroup(true);
        QCOMPARE(m_app->plant()->groups().lowSensibilityGroupIndex(), direct + 1);
        model->enableHighSensibilityGroup(true);
        QCOMPARE(m_app->plant()->groups().highSensibilityGroupIndex(), direct + 2);
        const QByteArray expected = QByteArray().append(char((direct + 2) & 0xFF)).append(char((direct + 2) >> 8));

        QVERIFY(QDir().mkpath(path("out")));
        m_dialogs.clear();
        m_dialogs.answerFile(path("out"));
        if (!m_app->plant()->cpus().isAreaAssigned())
            m_dialogs.answer(PlantMessage::Yes);
        m_dialogs.answer(PlantMessage::No);
        m_app->onCompileBtnClicked();
        QCOMPARE(m_dialogs.pending(), 0);
        QCOMPARE(u16At5204(), expected);

        g_zpConf->new_config(255);
        QCOMPARE(u16At5204(), QByteArray(2, '\0'));
        open(path("out/CFG_IN.BIN"));
        QCOMPARE(u16At5204(), expected);
        QCOMPARE(model->getHighSensibilityGroupIndex(), direct + 2);
    }

    // Two plant files opened one after the other: the page shows the second plant's groups, and
    // an edit keeps its other groups. Double consent is kept in the panel's group records (a
    // direct group starts with it set).
    void openAThenB()
    {
        newPlant();
        OvGroupsModel* model = m_app->groupsModel();
        QVERIFY(model->rowCount() > 4 && model->getDoubleConsentFlag(3));
        model->setDoubleConsentFlag(QVariantList{0}, false);
        saveAs(path("A.tov"));
        newPlant();
        model->setDoubleConsentFlag(QVariantList{1, 2}, false);
        saveAs(path("B.tov"));

        const auto consent = [model] {
            QString flags;
            for (int row = 0; row < 4; ++row)
                flags += model->getDoubleConsentFlag(row) ? '1' : '0';
            return flags;
        };
        open(path("A.tov"));
        QCOMPARE(consent(), QString("0111"));
        open(path("B.tov"));
        QCOMPARE(consent(), QString("1001"));
        model->setDoubleConsentFlag(QVariantList{0}, false);
        QString plantFlags;
        for (int g = 0; g < 4; ++g)
            plantFlags += m_app->plant()->groups().groups().at(g).doubleConsent() ? '1' : '0';
        QCOMPARE(plantFlags, QString("0001"));
    }
};

QTEST_APPLESS_MAIN(tst_GroupsWiring)
#include "tst_groupswiring.moc"
