// The compile of a full-size plant while the window repaints without pause: the CPU list, the
// plant tree, the walk-test tree and the plant summary read the panel configuration that the
// compile's worker is filling. Under the thread sanitizer (make tsan) nothing they read may
// race with it, and the image must be byte for byte the one a compile without them writes.
// The same holds for what the user does during a compile: keys, edits and commands.
#include "../plant/PlantBuilder.h"
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
    QByteArray m_reference;
    bool m_fullSize = false;

    void compile(const QString& folder)
    {
        QVERIFY(QDir().mkpath(folder));
        m_dialogs.clear();
        m_dialogs.answerFile(folder);
        const bool assigned = m_app->plant()->cpus().isAreaAssigned();
        if (!assigned)
            m_dialogs.answer(PlantMessage::Yes);
        m_dialogs.answer(PlantMessage::No);
        m_app->onCompileBtnClicked();
        QCOMPARE(m_dialogs.pending(), 0);
        QCOMPARE(m_dialogs.asked().size(), assigned ? 1 : 2);
        QCOMPARE(m_dialogs.fileRequests().size(), 1);
    }
    // A networked plant with every CPU the panel takes, each with its boards, filled by the
    // generator: the largest plant it makes.
    void newFullSizePlant(int seed)
    {
        m_dialogs.clear();
        if (m_app->plant() && m_app->plant()->getModificationStat() > 1)
            m_dialogs.answer(PlantMessage::Discard);
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::Button(PlantMessage::FirstChoice + 1));
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
        Plant* plant = m_app->plant();
        QVERIFY(plant->setPlantType(1, true));
        QVERIFY(plant->getCpuMaxCount() > 1);
        plantbuild::enableCpus(*plant, plant->getCpuMaxCount());
        m_app->setTestPlantSeed(unsigned(seed));
        m_app->dbgTestMakeAll();
        int enabled = 0;
        for (int cpu = 0; cpu < plant->getCpuMaxCount(); ++cpu)
            enabled += plant->getCPUStat(uint(cpu)) && plant->getActiveSensorCount(uint(cpu), 0) > 0 ? 1 : 0;
        QCOMPARE(enabled, plant->getCpuMaxCount());
        m_fullSize = true;
        QVERIFY(QMetaObject::invokeMethod(published("wtModel"), "rebuildModel"));
    }
    // What a command or an edit would change.
    QString state() const
    {
        const Plant* plant = m_app->plant();
        return QStringLiteral("plant %1, state %2, description \"%3\", file \"%4\", configuration %5")
            .arg(quintptr(plant), 0, 16)
            .arg(plant->getModificationStat())
            .arg(plant->getDescription(), m_app->currentFilePath())
            .arg(Configuration::instance()->configNumber());
    }
    // Another window takes the focus, as when the user turns to another program.
    static bool deactivate(QWindow* main, QWindow& other)
    {
        other.show();
        other.requestActivate();
        return QTest::qWaitFor([main] { return !main->isActive(); }, 5000);
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
        newFullSizePlant(seed);
        if (QTest::currentTestFailed())
            return;

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

    // What the user may do while a compile runs: a command's key, an edit ended by the window
    // losing the focus (typed, or committed by an input method first), and each command as the
    // scene calls it. Nothing of it reaches the plant or asks anything until the compile is
    // over, and the image is the one compiled without it; an edit lands after the compile.
    void inputDuringCompile_data()
    {
        QTest::addColumn<QString>("input");
        for (const char* input : {"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+Shift+S", "Ctrl+Q", "typed, deactivated",
                                  "input method, deactivated", "commands"})
            QTest::newRow(input) << QString::fromLatin1(input);
    }
    void inputDuringCompile()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("full-size plant: run by the normal and the thread-sanitizer builds");
#endif
        QFETCH(QString, input);
        // The full-size plant of the repaint rows, or a new one.
        if (m_reference.isEmpty()) {
            if (!m_fullSize)
                newFullSizePlant(4800);
            compile(path(QStringLiteral("reference")));
            m_reference = fileContents(path(QStringLiteral("reference/CFG_IN.BIN")));
        }
        QVERIFY(m_reference.size() > 100000);
        Plant* plant = m_app->plant();
        m_window->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        const bool edit = input.endsWith(QLatin1String(", deactivated"));
        const QString typed = input.startsWith(QLatin1String("typed")) ? QStringLiteral("North")
                                                                       : QStringLiteral("South");
        if (edit) {
            m_app->onPlantInfoPageSelected();
            QTRY_VERIFY(!findAll(m_window->contentItem(), QStringLiteral("plantDescription")).isEmpty());
            QQuickItem* field = findAll(m_window->contentItem(), QStringLiteral("plantDescription")).first();
            field->forceActiveFocus();
            QTRY_VERIFY(field->hasActiveFocus());
            QVERIFY(QMetaObject::invokeMethod(field, "selectAll"));
            for (const QChar c : typed)
                QTest::keyClick(m_window, c.toLatin1());
            QCOMPARE(field->property("text").toString(), typed);
        }
        // A compile ends the edit in progress before it starts, as every command does: what was
        // typed is in its image, and the window losing the focus during it ends nothing more.
        QByteArray reference = m_reference;
        if (edit) {
            const QString tag = QStringLiteral("reference %1").arg(QTest::currentDataTag());
            compile(path(tag));
            QCOMPARE(plant->getDescription(), typed);
            reference = fileContents(path(tag + QStringLiteral("/CFG_IN.BIN")));
        }

        QWindow other;
        const QString before = state();
        QString during;
        bool acted = false;
        QTimer ticks;
        ticks.setInterval(0);
        connect(&ticks, &QTimer::timeout, this, [&] {
            if (acted || !plant->isBusy())
                return;
            acted = true;
            if (input.startsWith(QLatin1String("Ctrl"))) {
                const int key = QKeySequence(input)[0];
                QTest::keyClick(m_window, Qt::Key(key & ~Qt::KeyboardModifierMask),
                                Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
            } else if (edit) {
                if (input.startsWith(QLatin1String("input method"))) {
                    QInputMethodEvent commit;
                    commit.setCommitString(QStringLiteral(" wing"));
                    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &commit);
                }
                if (!deactivate(m_window, other))
                    during = QStringLiteral("the window kept the focus");
            } else {
                const QString file = path(QStringLiteral("reference/CFG_IN.BIN"));
                m_app->onFileNewMenu();
                m_app->onOpenFileMenu();
                m_app->onOpenFileMenu(file);
                m_app->onfileDropped(QUrl::fromLocalFile(file).toString());
                m_app->onImportBtnClicked();
                m_app->onSaveFileMenu();
                m_app->onFileSaveAs();
                if (m_app->onQuitRequest())
                    during = QStringLiteral("quit allowed");
                m_app->onCompileBtnClicked();
                m_app->onXlsExportBtnClicked();
                m_app->onPdfExportBtnClicked();
                for (const QVariant& brand : Configuration::instance()->brandChoices())
                    m_app->onCurrentBrandChanged(brand.toInt());
                m_app->onPlantChangeTypeRqst(0);
                m_app->checkCBE();
                m_app->dbgTestMakeAll();
            }
            // Still compiling: this thread leaves the compile's wait only once this returns.
            if (during.isEmpty())
                during = state();
        });
        ticks.start();
        const QString folder = path(QStringLiteral("input %1").arg(QTest::currentDataTag()));
        compile(folder);
        ticks.stop();
        QCOMPARE(during, before);
        QCOMPARE(state(), before);
        QVERIFY(fileContents(folder + QStringLiteral("/CFG_IN.BIN")) == reference);
        if (edit) {
            QTRY_COMPARE(plant->getDescription(), typed);
            // The reference's plant again for the next row.
            plant->setDescription(QString());
        }
    }
};

QTEST_APPLESS_MAIN(tst_CompileRepaint)
#include "tst_compilerepaint.moc"
