// The CPU pages joined to the application, offscreen: edits in the CPU list reach the plant
// without losing what was changed elsewhere, the loop budget holds on the page, and CPU 1's page
// refuses loops, board counts and addresses it must not take. Any QML warning fails the test.
// Screenshots of both themes go to "screenshots" beside the test.
#include "../plant/PlantBuilder.h"
#include "../plant/ScriptedDialogs.h"
#include "AppScene.h"
#include "IsolatedHome.h"
#include "SceneSettle.h"
#include "TestBase.h"
#include "app/Ov4kApp.h"
#include "core/Configuration.h"
#include "models/OvAnnunciatorsModel.h"
#include "models/OvCPUModel.h"
#include "models/OvPlantModel.h"
#include "plant/Plant.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/ZpxProg.h"

#include <QDir>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickItemGrabResult>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

static const IsolatedHome s_home;
static int s_argc = 1;
static char s_arg0[] = "tst_cpupages";
static char* s_argv[] = {s_arg0, nullptr};

namespace {

enum { kEnabled = 259, kLibs = 260, kUps = 262 };

// The first visible item of that objectName, inside the delegate whose rowIndex is row (any
// for -1).
QQuickItem* find(QQuickItem* item, const char* name, int row = -1, int inRow = -1)
{
    if (!item->isVisible())
        return nullptr;
    if (item->property("rowIndex").isValid())
        inRow = item->property("rowIndex").toInt();
    if (item->objectName() == QLatin1String(name) && (row < 0 || row == inRow))
        return item;
    for (QQuickItem* child : item->childItems()) {
        if (QQuickItem* found = find(child, name, row, inRow))
            return found;
    }
    return nullptr;
}

QString fileText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class tst_CPUPages : public TestBase {
    Q_OBJECT

    ScriptedDialogs m_dialogs;
    Ov4kApp* m_app = nullptr;

    QQuickItem* root() const { return m_app->mainWindow()->contentItem(); }
    void shoot(const QString& name)
    {
        const QString dir = QCoreApplication::applicationDirPath() + "/screenshots";
        QDir().mkpath(dir);
        QObject* theme = m_app->engine()->rootContext()->contextProperty("theThemeModel").value<QObject*>();
        for (int t = 0; t < 2; ++t) {
            QVERIFY(QMetaObject::invokeMethod(theme, "clicked", Q_ARG(int, t)));
            const QSharedPointer<QQuickItemGrabResult> grab = root()->grabToImage();
            QVERIFY(grab);
            bool ready = false;
            connect(grab.data(), &QQuickItemGrabResult::ready, this, [&ready] { ready = true; });
            QTRY_VERIFY(ready);
            QVERIFY(grab->image().save(QString("%1/%2_theme%3.png").arg(dir, name).arg(t)));
        }
    }
    // A check box ticked or cleared by the user, and a combo box entry chosen.
    static void click(QQuickItem* box, bool checked)
    {
        box->setProperty("checked", checked);
        QVERIFY(QMetaObject::invokeMethod(box, "clicked"));
    }
    static void activate(QQuickItem* combo, int row)
    {
        QVERIFY(QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, row)));
    }

private slots:
    void initTestCase()
    {
        m_app = newTestApp(s_argc, s_argv);
        TestBase::initTestCase();
        QVERIFY(runToFirstFrame(m_app));
        if (Configuration::instance()->allowedPlantTypes().size() > 1)
            m_dialogs.answer(PlantMessage::FirstChoice);
        m_app->onFileNewMenu();
        QCOMPARE(m_dialogs.pending(), 0);
        // The brands of this build are panels without an interface board: the new plant is
        // rebuilt over a ZP4800 panel configuration, then made networked.
        g_zpConf->new_config(0);
        g_zpConf->set_default_all(g_zpDataVersion);
        m_app->plant()->copyFrom();
        QVERIFY(m_app->plant()->setPlantType(1, true));
        m_app->mainWindow()->resize(1100, 760);
        traceErrors("set_cpu_llId");
    }

    void cleanupTestCase()
    {
        delete m_app;
        m_app = nullptr;
        TestBase::cleanupTestCase();
    }

    // ZP4800 networked: 32 CPUs, 64 loops, 2 loops per board.
    void staleCopies()
    {
        Plant* plant = m_app->plant();
        OvCPUModel* model = m_app->cpuModel();
        QCOMPARE(model->rowCount(), 31);
        model->setData(model->index(0, 0), true, kEnabled);
        QVERIFY(plant->getCPUStat(1));
        QVERIFY(plant->setCPULoopType(1, 0, 1));
        OvGenericPoint a = plantbuild::point(2, 1, 4, 2, 1, 1, 30, 4);
        OvGenericPoint b = plantbuild::point(2, 1, 5, 2, 1, 1, 30, 4);
        a.setDescription("Stair sensor");
        b.setDescription("Lift sensor");
        plant->setPoints({&a, &b});
        OvAnnunciatorsSystem annunciators(2);
        OvAnnunciator annunciator;
        annunciator.setCpuIndex(2);
        annunciator.setAddress(3);
        annunciator.setDescription("Porter");
        annunciators.setAnnunciator(annunciator);
        m_app->onAnnunciatorsChanged(annunciators);

        model->setData(model->index(0, 0), true, kUps);
        QVERIFY(plant->getCheckPower(1));
        QCOMPARE(plant->getActiveSensorCount(1, 0), 2);
        const CPUDevice* cpu = plant->cpus().cpuAt(1);
        QCOMPARE(cpu->annunciators().annunciators().size(), 1);
        QTemporaryDir dir;
        QStringList written;
        QVERIFY(cpu->exportLoopsCsv(dir.path(), &written));
        QVERIFY(cpu->exportAnnunciatorsCsv(dir.path()));
        const QString loops = written.isEmpty() ? QString() : fileText(written.first());
        QVERIFY2(loops.contains("Stair sensor") && loops.contains("Lift sensor"), qPrintable(loops));
        QVERIFY(fileText(dir.filePath(qtTrId("CSV_ANNUNCIATOR_FILE_PREFIX") + "_ 2.csv")).contains("Porter"));
        traceErrors("set_cpu_llId");
    }

    // CPUs 1 to 8 with four boards: 64 loops, so CPU 9 cannot be installed until a board goes.
    void listKeepsTheBudget()
    {
        Plant* plant = m_app->plant();
        OvCPUModel* model = m_app->cpuModel();
        for (int p = 0; p < 8; ++p) {
            plant->setCPUStat(p, true);
            plant->setCPULibCount(p, 4, true);
        }
        traceErrors("set_cpu_llId");
        QCOMPARE(plant->getActiveLoopCount(), 64);
        m_app->onGeneralCPUsPageSelected();
        QQuickItem* box = nullptr;
        QTRY_VERIFY((box = find(root(), "installedCheck", 7)));

        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::Ok);
        click(box, true);
        QCOMPARE(m_dialogs.asked().size(), 1);
        QCOMPARE(m_dialogs.asked().at(0).text, qtTrId("USR_ERR_TOO_MANY_LOOPS"));
        QVERIFY(!box->property("checked").toBool());
        QVERIFY(!plant->getCPUStat(8));

        m_dialogs.answer(PlantMessage::Ok);
        plant->setCPULibCount(7, 3, true);
        QSignalSpy page(m_app->plantTreeModel(), &OvPlantModel::cpuPageSelected);
        click(box, true);
        QVERIFY(box->property("checked").toBool());
        QVERIFY(plant->getCPUStat(8));
        QCOMPARE(plant->getActiveLoopCount(), 64);
        // The tree knows CPU 9 now: asking it to select CPU 9 opens that CPU's page.
        model->selectCPU(7);
        QCOMPARE(page.count(), 1);
        QCOMPARE(page.at(0).at(0).toInt(), 9);

        m_dialogs.answer(PlantMessage::Ok);
        plant->setCPULibCount(6, 1, true);
        m_app->onGeneralCPUsPageSelected();
        QQuickItem* libs = nullptr;
        QTRY_VERIFY((libs = find(root(), "libCombo", 7)));
        activate(libs, 2);
        QCOMPARE(plant->getCPULibCount(8), 3);
        QCOMPARE(model->data(model->index(7, 0), kLibs).toInt(), 3);
        QCOMPARE(libs->property("currentIndex").toInt(), 2);
        QCOMPARE(m_dialogs.pending(), 0);
        // The titles head CPU 1's box as well: its chooser stands under "Loop boards" as the
        // list's do, the box under the titles.
        QQuickItem* mainBox = find(root(), "mainCpuBox");
        QQuickItem* title = nullptr;
        std::function<void(QQuickItem*, const char*)> titled = [&](QQuickItem* item, const char* id) {
            if (item->objectName() == "panelsTitle" && item->property("text") == qtTrId(id))
                title = item;
            for (QQuickItem* child : item->childItems())
                titled(child, id);
        };
        titled(root(), "LBL_CPU_LIB_COUNT");
        QVERIFY(mainBox && title);
        const auto left = [](QQuickItem* item) { return item->mapToScene({0, 0}).x(); };
        QCOMPARE(left(find(mainBox, "libCombo")), left(title));
        QCOMPARE(left(libs), left(title));
        QVERIFY(title->mapToScene({0, title->height()}).y() <= mainBox->mapToScene({0, 0}).y());
        // Mirrored, the check boxes stand under their titles' starts, the right ends.
        m_app->onSelectLanguage("ov4800_ar.qm");
        settleScene(m_app->engine());
        const auto right = [](QQuickItem* item) { return item->mapToScene({item->width(), 0}).x(); };
        const char* const columns[][2] = {{"LBL_CPU_UPS", "upsCheck"}, {"CSV_CPUSTAT", "installedCheck"}};
        for (const auto& column : columns) {
            titled(root(), column[0]);
            QCOMPARE(right(find(root(), column[1], 0)), right(title));
        }
        m_app->onSelectLanguage("ov4800_en.qm");
        traceErrors("set_cpu_llId");
        shoot("cpu_list");
    }

    // CPU 7 retyped: its row offers the boards of the type at 2 lines a board (2 to 8 lines of a
    // ZP-4800, 2 to 4 of a ZP-4800N, 4 to 8 of a ZP3600CL); another count is refused, the range
    // on the information bar.
    void listOffersTheTypesBoards_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("minCount");
        QTest::addColumn<int>("maxCount");
        QTest::addColumn<int>("chosen");
        QTest::newRow("ZP-4800N, 2 boards") << 9 << 1 << 2 << 2;
        QTest::newRow("ZP-4800N, 3 boards") << 9 << 1 << 2 << 3;
        QTest::newRow("ZP3600CL, 1 board") << 5 << 2 << 4 << 1;
        QTest::newRow("ZP3600CL, 3 boards") << 5 << 2 << 4 << 3;
        QTest::newRow("ZP-4800, 4 boards") << 1 << 1 << 4 << 4;
    }
    void listOffersTheTypesBoards()
    {
        QFETCH(int, type);
        QFETCH(int, minCount);
        QFETCH(int, maxCount);
        QFETCH(int, chosen);
        Plant* plant = m_app->plant();
        m_dialogs.answer(PlantMessage::Ok);
        plant->setCPULibCount(7, 1, true); // room in the loop budget
        m_dialogs.answer(PlantMessage::Ok);
        plant->setCPUType(6, type);
        m_app->onGeneralCPUsPageSelected();
        QQuickItem* libs = nullptr;
        QTRY_VERIFY((libs = find(root(), "libCombo", 5)));
        QTRY_COMPARE(libs->property("minCount").toInt(), minCount);
        QCOMPARE(libs->property("maxCount").toInt(), maxCount);
        const bool inRange = chosen >= minCount && chosen <= maxCount;
        const int before = plant->getCPULibCount(6);
        m_dialogs.clear();
        QVERIFY(QMetaObject::invokeMethod(m_app->mainWindow(), "clearInfoMsg"));
        activate(libs, chosen - 1);
        QCOMPARE(plant->getCPULibCount(6), inRange ? chosen : before);
        QCOMPARE(find(root(), "infoMessage")->property("text").toString(),
                 inRange ? QString() : QString("From %1 to %2").arg(minCount).arg(maxCount));
        QCOMPARE(m_dialogs.asked().size(), 0);
        traceErrors("set_cpu_llId");
    }

    void firstCpuPage()
    {
        Plant* plant = m_app->plant();
        // The ZP4800 offers ADV and VARN loops.
        QVERIFY(plant->setCPULoopType(0, 0, 0));
        OvGenericPoint p = plantbuild::point(1, 1, 2, 2, 1, 1, 30, 4);
        p.setAreaIndex(1);
        plant->setPoints({&p});
        m_app->cpuModel()->selectCPU(-1);
        QQuickItem* type = nullptr;
        QTRY_VERIFY((type = find(root(), "loopTypeCombo", 0)));
        QCOMPARE(type->property("count").toInt(), 2);
        QCOMPARE(type->property("currentText").toString(), qtTrId("CSV_LOOP_PROTOCOL_ADV"));
        QCOMPARE(find(root(), "sensorCount", 0)->property("text").toString(), QString("1"));
        // The loop table's titles stand apart as a table's, not as the words of one phrase, in
        // the language with the longest of them.
        m_app->onSelectLanguage("ov4800_fr.qm");
        settleScene(m_app->engine());
        QList<QQuickItem*> titles;
        for (QQuickItem* row : find(root(), "loops")->childItems())
            for (QQuickItem* t : row->childItems())
                if (t->objectName() == "loopTitle" && !t->property("text").toString().isEmpty())
                    titles << t;
        QCOMPARE(titles.size(), 4);
        for (int i = 1; i < titles.size(); ++i) {
            const auto glyphs = [](QQuickItem* t) {
                const qreal start = t->mapToScene({t->property("leftPadding").toReal(), 0}).x();
                return qMakePair(start, start + t->property("contentWidth").toReal());
            };
            const qreal gap = glyphs(titles[i]).first - glyphs(titles[i - 1]).second;
            QVERIFY2(gap >= QFontMetricsF(titles[i]->property("font").value<QFont>()).averageCharWidth(),
                     qPrintable(QString::number(gap)));
        }
        m_app->onSelectLanguage("ov4800_en.qm");

        // VARN over a loop with points: the user says No and the loop stays ADV.
        m_dialogs.clear();
        m_dialogs.answer(PlantMessage::No);
        activate(type, 1);
        QCOMPARE(m_dialogs.asked().size(), 1);
        QCOMPARE(plant->getCPULoopType(0, 0), 0);
        QCOMPARE(type->property("currentText").toString(), qtTrId("CSV_LOOP_PROTOCOL_ADV"));

        // The board's addresses: each refusal shows its text and stores nothing.
        QQuickItem* sib = find(root(), "sibCheck");
        QVERIFY(find(root(), "sibNeeded"));
        click(sib, true);
        QVERIFY(plant->isSIBEnabled(0));
        QVERIFY(!find(root(), "sibNeeded"));
        QQuickItem* fields = find(root(), "sibAddresses");
        const auto enter = [fields](const char* address, const char* netmask, const char* gateway) {
            find(fields, "addressField")->setProperty("text", address);
            find(fields, "netmaskField")->setProperty("text", netmask);
            find(fields, "gatewayField")->setProperty("text", gateway);
            QMetaObject::invokeMethod(find(fields, "gatewayField"), "editingFinished");
        };
        const char* const refused[][5] = {
            {"192.168.0.256", "255.255.255.0", "", "addressRefusal", "Not a valid host address"},
            {"192.168.0.10", "255.0.255.0", "", "netmaskRefusal", "Not a valid netmask"},
            {"192.168.0.10", "255.255.255.0", "192.168.1.1", "gatewayRefusal",
             "The gateway is not in the address's subnet"},
        };
        for (const auto& r : refused) {
            enter(r[0], r[1], r[2]);
            QCOMPARE(find(fields, r[3])->property("text").toString(), QString(r[4]));
            QCOMPARE(plant->getSIBIPAddr(0), QString("0.0.0.0"));
        }
        enter("192.168.0.10", "255.255.255.0", "192.168.0.1");
        QCOMPARE(plant->getSIBIPAddr(0), QString("192.168.0.10"));
        QCOMPARE(plant->getSIBNetMask(0), QString("255.255.255.0"));
        QCOMPARE(plant->getSIBGateway(0), QString("192.168.0.1"));

        // Modbus RTU, address 17 at 19200 baud (code 5), reaches the general block.
        activate(find(root(), "supervisorCombo"), 1);
        QTRY_VERIFY(find(root(), "mbAddress"));
        find(root(), "mbAddress")->setProperty("value", 17);
        find(root(), "mbBaud")->setProperty("currentIndex", 4);
        activate(find(root(), "mbBaud"), 4);
        QCOMPARE(plant->getSUPType(0), 1u);
        for (bool board : {true, false}) {
            if (!board) {
                click(sib, false);
                QVERIFY(!plant->isSIBEnabled(0));
                QVERIFY(find(root(), "sibNeeded"));
            }
            g_zpConf->set_default_all(g_zpDataVersion);
            plant->copyTo();
            BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
            const ZpData::ZpxSupervisor s = zpx->get_supervisor();
            QCOMPARE(int(s.supType), board ? 1 : 0);
            QCOMPARE(int(s.supMbAddr), board ? 17 : 0);
            QCOMPARE(int(s.supMbBaud), board ? 5 : 0);
        }
        traceErrors("set_cpu_llId");
        click(sib, true);
        QQuickItem* part = find(root(), "cpuPart");
        part->setProperty("contentY", find(root(), "sibPart")->y());
        shoot("cpu1_page");

        // The board chooser takes its bounds from the CPU's record (1 to 4 boards on a ZP4800);
        // with a type allowing three, four cannot be chosen again.
        QQuickItem* libs = find(root(), "cpuLibCombo");
        QCOMPARE(libs->property("minCount").toInt(), 1);
        QCOMPARE(libs->property("maxCount").toInt(), 4);
        QCOMPARE(plant->getCPULibCount(0), 4);
        libs->setProperty("maxCount", 3);
        activate(libs, 3);
        QCOMPARE(plant->getCPULibCount(0), 4);
        QCOMPARE(libs->property("currentIndex").toInt(), 3);
        QCOMPARE(m_dialogs.pending(), 0);
    }

    // An edit that ends on a refused value, by Tab or Enter, leaves the field showing what is
    // stored and the reason in sight; nothing is stored. The SIB address is CPU 1's, stored above.
    void refusedValueLeavesItsField_data()
    {
        QTest::addColumn<QString>("page"); // the application's slot that opens it; CPU 1's page for none
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("line"); // where the reason is said
        QTest::addColumn<QString>("reason");
        const auto row = [](const char* name, const char* page, const char* field, const QString& typed, Qt::Key key,
                            const char* line, const char* reason) {
            QTest::newRow(name) << QString(page) << QString(field) << typed << int(key) << QString(line)
                                << QString(reason);
        };
        const QString name(49, 'n');
        row("CPU name", "", "cpuDescription", name, Qt::Key_Tab, "descriptionRefusal", "At most 32 characters");
        row("SIB address", "", "addressField", "192.168.0.256", Qt::Key_Tab, "addressRefusal",
            "Not a valid host address");
        row("plant name", "onPlantInfoPageSelected", "plantDescription", name, Qt::Key_Return, "descriptionRefusal",
            "At most 32 characters");
        row("direct groups 0", "onGeneralGroupsPageSelected", "directCount", "0", Qt::Key_Tab, "directCountRefusal",
            "From 1 to 1600");
        row("direct groups 1601", "onGeneralGroupsPageSelected", "directCount", "1601", Qt::Key_Return,
            "directCountRefusal", "From 1 to 1600");
        row("zone name", "onGeneralAreasPageSelected", "areaDescription", name, Qt::Key_Tab, "infoMessage",
            "At most 32 characters");
        row("CPU list name", "onGeneralCPUsPageSelected", "cpuDescription", name, Qt::Key_Tab, "infoMessage",
            "At most 32 characters");
    }
    void refusedValueLeavesItsField()
    {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(QString, line);
        QFETCH(QString, reason);
        Plant* plant = m_app->plant();
        plant->setDescription("North site");
        plant->setCPUDescription(0, "Main hall");
        if (page.isEmpty())
            m_app->cpuModel()->selectCPU(-1);
        else
            QVERIFY(QMetaObject::invokeMethod(m_app, qPrintable(page)));
        QQuickItem* edited = nullptr;
        QTRY_VERIFY((edited = find(root(), qPrintable(field))));
        const QString stored = edited->property("text").toString();
        plant->modifyPlantData(false);
        plant->clearModificationBits(~0u);
        edited->forceActiveFocus();
        QTRY_VERIFY(edited->hasActiveFocus());
        QVERIFY(QMetaObject::invokeMethod(edited, "selectAll"));
        for (const QChar c : typed)
            QTest::keyClick(m_app->mainWindow(), c.toLatin1());
        QTest::keyClick(m_app->mainWindow(), Qt::Key(key));
        QCOMPARE(edited->property("text").toString(), stored);
        QVERIFY(!plant->isModified());
        QQuickItem* said = find(root(), qPrintable(line));
        QVERIFY(said);
        QCOMPARE(said->property("text").toString(), reason);
    }

    // A command's key, or a click on the page's background, ends the edit in progress first: the
    // value typed is stored before the plant is saved or left; a refused one stops the command,
    // its reason in sight and the stored value back in the field.
    void commandEndsTheEdit_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("input"); // a key sequence, or "click" beside the field
        QTest::addColumn<bool>("pending");  // another change waits to be saved
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<bool>("modified"); // afterwards
        QTest::addColumn<int>("asked");
        const auto row = [](const char* name, const char* page, const char* field, const char* typed, const char* input,
                            bool pending, const char* refusal, bool modified, int asked) {
            QTest::newRow(name) << QString(page) << QString(field) << QString(typed) << QString(input) << pending
                                << QString(refusal) << modified << asked;
        };
        row("plant name, Ctrl+S", "onPlantInfoPageSelected", "plantDescription", "South wing", "Ctrl+S", false, "",
            false, 0);
        row("pre-alarm 77, Ctrl+S", "onGeneralParametersPageSelected", "preAlarmLvl", "77", "Ctrl+S", true, "", false,
            0);
        row("zone name, Ctrl+Q", "onGeneralAreasPageSelected", "areaDescription", "Stairs", "Ctrl+Q", false, "", true,
            1);
        row("direct groups 1601, Ctrl+S", "onGeneralGroupsPageSelected", "directCount", "1601", "Ctrl+S", true,
            "From 1 to 1600", true, 0);
        row("direct groups 1601, click", "onGeneralGroupsPageSelected", "directCount", "1601", "click", false,
            "From 1 to 1600", false, 0);
    }
    void commandEndsTheEdit()
    {
        QFETCH(QString, page);
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, input);
        QFETCH(bool, pending);
        QFETCH(QString, refusal);
        QFETCH(bool, modified);
        QFETCH(int, asked);
        QTemporaryDir dir;
        Plant* plant = m_app->plant();
        QVERIFY(QMetaObject::invokeMethod(m_app, qPrintable(page)));
        QQuickItem* edited = nullptr;
        QTRY_VERIFY((edited = find(root(), qPrintable(field))));
        const QString before = edited->property("stored").toString();
        plant->modifyPlantData(false);
        plant->clearModificationBits(~0u);
        if (pending)
            plant->setCPUDescription(0, QTest::currentDataTag());
        edited->forceActiveFocus();
        QTRY_VERIFY(edited->hasActiveFocus());
        QVERIFY(QMetaObject::invokeMethod(edited, "selectAll"));
        for (const QChar c : typed)
            QTest::keyClick(m_app->mainWindow(), c.toLatin1());
        m_dialogs.clear();
        m_dialogs.answerFile(dir.filePath("plant.tov"));
        m_dialogs.answer(PlantMessage::Cancel);
        if (input == QLatin1String("click")) {
            QQuickItem* beside = find(root(), "directCountRange");
            QTest::mouseClick(m_app->mainWindow(), Qt::LeftButton, Qt::NoModifier,
                              beside->mapToScene(QPointF(beside->width() / 2, beside->height() / 2)).toPoint());
        } else {
            const int key = QKeySequence(input)[0];
            QTest::keyClick(m_app->mainWindow(), Qt::Key(key & ~Qt::KeyboardModifierMask),
                            Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
        }
        const QString kept = refusal.isEmpty() ? typed : before;
        QCOMPARE(edited->property("text").toString(), kept);
        QCOMPARE(edited->property("stored").toString(), kept);
        QCOMPARE(edited->property("refusal").toString(), refusal);
        QVERIFY(!edited->hasActiveFocus());
        QCOMPARE(plant->isModified(), modified);
        QCOMPARE(m_dialogs.asked().size(), asked);
        m_dialogs.clear();
    }

    // Return typed in a repeater's name ends that edit and does nothing more: on the rows it
    // enables the selected repeaters.
    void returnInARepeaterName()
    {
        m_app->onRepeatersPageSelected();
        QQuickItem* name = nullptr;
        QTRY_VERIFY((name = find(root(), "rptDescription", 2)));
        QQuickItem* page = name;
        while (page && !page->property("selection").isValid())
            page = page->parentItem();
        QVERIFY(page);
        page->setProperty("selection", QVariantList{0, 1});
        const int enabled = m_app->plant()->repeaters().getEnabledCount();
        name->forceActiveFocus();
        QTRY_VERIFY(name->hasActiveFocus());
        for (const char c : QByteArray("Lobby"))
            QTest::keyClick(m_app->mainWindow(), c);
        QTest::keyClick(m_app->mainWindow(), Qt::Key_Return);
        QCOMPARE(m_app->plant()->repeaters().at(2)->description, QStringLiteral("Lobby"));
        QCOMPARE(m_app->plant()->repeaters().getEnabledCount(), enabled);
        page->forceActiveFocus();
        QTest::keyClick(m_app->mainWindow(), Qt::Key_Return);
        QCOMPARE(m_app->plant()->repeaters().getEnabledCount(), enabled + 2);
    }

    // Last: the program ends over the repeaters page with a row selected, an LCD display copied
    // on the displays' page before. Their models go before the window, and no page may read
    // them then.
    void quitOverTheRepeatersPage()
    {
        OvAnnunciator display;
        display.setCpuIndex(1);
        display.setAddress(1);
        display.setDescription("Porter");
        m_app->plant()->cpus().cpuAt(0)->viewers().setAnnunciator(display);
        m_app->viewersModel()->rebuildModel(0);
        m_app->mainWindow()->setProperty("workingAreaStat", "PLANT_ANNUNCIATOR_DATA_PAGE_SELECTED");
        QQuickItem* view = nullptr;
        QTRY_VERIFY((view = find(root(), "viewersView")));
        // The first display selected and copied, as by a click on its row and Ctrl+C.
        QQuickItem* tree = find(view, "annunciatorTree");
        QVERIFY(tree);
        QQmlExpression copy(qmlContext(tree), view,
                            "selectionModel.select(view.model.index(0, 0), ItemSelectionModel.ClearAndSelect"
                            " | ItemSelectionModel.Rows), view.copy()");
        const QVariant copied = copy.evaluate();
        QVERIFY2(!copy.hasError(), qPrintable(copy.error().toString()));
        QCOMPARE(copied.toBool(), true);
        QVERIFY(view->property("copied").value<QModelIndex>().isValid());
        m_app->onRepeatersPageSelected();
        QQuickItem* row = nullptr;
        QTRY_VERIFY((row = find(root(), "repeaterRow", 0)));
        QTest::mouseClick(m_app->mainWindow(), Qt::LeftButton, Qt::NoModifier,
                          row->mapToScene(QPointF(2, row->height() / 2)).toPoint());
        QQuickItem* page = row;
        while (page && !page->property("selection").isValid())
            page = page->parentItem();
        QVERIFY(page);
        QCOMPARE(page->property("selection").toList(), QVariantList{0});
        delete m_app;
        m_app = nullptr;
    }
};

QTEST_APPLESS_MAIN(tst_CPUPages)
#include "tst_cpupages.moc"
