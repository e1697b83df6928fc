// The compile of a full-size plant while the window repaints without pause: the CPU list, the
// plant tree, the walk-test tree and the plant summary read the panel configuration that the
// compile's worker is filling. Under the thread sanitizer (make tsan) nothing they read may
// race with it, and the image must be byte for byte the one a compile without them writes.
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "core/Configuration.h"
#include "models/OvPlantInfo.h"
#include "models/PlantTreeRules.h"
#include "plant/Plant.h"

#include <QtQuick>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_compilerepaint";
static char* s_argv[] = {s_arg0, nullptr};

class tst_CompileRepaint : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;
    QQuickWindow* m_window = nullptr;
    QTemporaryDir m_dir;
    QString m_digest;

    QString path(const QString& name) const { return m_dir.path() + QLatin1Char('/') + name; }
    QObject* published(const char* name) const
    {
        return m_app->engine()->rootContext()->contextProperty(QLatin1String(name)).value<QObject*>();
    }
    void compile(const QString& folder)
    {
        QVERIFY(QDir().mkpath(folder));
        m_dialogs.clear();
        m_dialogs.answerFile(folder);
        if (!m_app->plant()->cpus().isAreaAssigned())
            m_dialogs.answer(PlantMessage::Yes);
        m_dialogs.answer(PlantMessage::No);
        m_app->onCompileBtnClicked();
        QCOMPARE(m_dialogs.pending(), 0);
    }
    // Every role of every row down to depth, as a view asks when it paints; a digest so the
    // reads cannot be dropped.
    static void readAll(QAbstractItemModel* model, const QModelIndex& parent, int depth, QString& digest)
    {
        if (!model)
            return;
        const QList<int> roles = model->roleNames().keys();
        for (int row = 0; row < model->rowCount(parent); ++row) {
            const QModelIndex index = model->index(row, 0, parent);
            for (int role : roles)
                digest += model->data(index, role).toString();
            if (depth > 0)
                readAll(model, index, depth - 1, digest);
        }
    }
    // One repaint: the models behind the CPU list, the plant tree and the walk test, the plant
    // summary, and a frame of the scene.
    void repaint()
    {
        QString digest;
        readAll(qobject_cast<QAbstractItemModel*>(published("cpusModelData")), QModelIndex(), 0, digest);
        readAll(qobject_cast<QAbstractItemModel*>(published("elementTreeViewModel")), QModelIndex(), 3, digest);
        readAll(qobject_cast<QAbstractItemModel*>(published("wtModel")), QModelIndex(), 3, digest);
        for (unsigned cpu = 1; cpu <= 64; ++cpu)
            digest += QString::number(PlantTreeRules::cpuType(cpu));
        if (auto* info = qobject_cast<OvPlantInfo*>(published("thePlantInfo")))
            digest += info->panelTypeName() + info->enabledCpus() + QString::number(info->activeLoopCount())
                + QString::number(info->loopMaxCount()) + QString::number(info->plantType());
        m_window->grabWindow();
        m_digest = digest;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(s_home.isValid() && m_dir.isValid());
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        m_window = m_app->mainWindow();
        QVERIFY(m_window);
    }

    void cleanupTestCase()
    {
        delete m_app;
        TestBase::cleanupTestCase();
    }

    void repaintsDuringCompile_data()
    {
        QTest::addColumn<int>("seed");
        QTest::newRow("seed 1300") << 1300;
        QTest::newRow("seed 7") << 7;
    }
    void repaintsDuringCompile()
    {
#if defined(__SANITIZE_ADDRESS__)
        // Minutes under the address sanitizer with the full unwinding the GUI tests need; the
        // thread sanitizer's build (make tsan) and the normal build run it.
        QSKIP("full-size plant: run by the normal and the thread-sanitizer builds");
#endif
        QFETCH(int, seed);
        m_dialogs.clear();
        if (m_app->plant() && m_app->plant()->getModificationStat() > 1)
            m_dialogs.answer(PlantMessage::Discard);
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::Button(PlantMessage::FirstChoice + 1));
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
        QVERIFY(m_app->plant()->setPlantType(1, true));
        m_app->setTestPlantSeed(seed);
        m_app->dbgTestMakeAll();
        QVERIFY(m_app->plant()->getCpuMaxCount() > 1);
        QVERIFY(QMetaObject::invokeMethod(published("wtModel"), "rebuildModel"));

        const QString quiet = path(QStringLiteral("quiet%1").arg(seed));
        compile(quiet);

        int duringCompile = 0;
        int allTicks = 0;
        QTimer ticks;
        ticks.setInterval(0);
        connect(&ticks, &QTimer::timeout, this, [&] {
            ++allTicks;
            if (!m_app->plant()->isBusy())
                return;
            ++duringCompile;
            repaint();
        });
        ticks.start();
        const QString busy = path(QStringLiteral("busy%1").arg(seed));
        compile(busy);
        ticks.stop();
        QVERIFY2(duringCompile > 0,
                 qPrintable(QStringLiteral("no repaint ran while the compile did (%1 ticks)").arg(allTicks)));
        QVERIFY(!m_digest.isEmpty());

        const QByteArray expected = fileContents(quiet + QStringLiteral("/CFG_IN.BIN"));
        const QByteArray actual = fileContents(busy + QStringLiteral("/CFG_IN.BIN"));
        QVERIFY(expected.size() > 100000);
        QCOMPARE(actual.size(), expected.size());
        QVERIFY(actual == expected);
        QCOMPARE(fileContents(busy + QStringLiteral("/ModbusMap.csv")),
                 fileContents(quiet + QStringLiteral("/ModbusMap.csv")));
    }
};

QTEST_APPLESS_MAIN(tst_CompileRepaint)
#include "tst_compilerepaint.moc"
