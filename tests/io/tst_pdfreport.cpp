// The PDF report: its row contents without painting, whole reports read back with pdfinfo and
// pdftotext, and failed writes. No translation is installed, so every text is its message id.
#include "io/OvPdfReport.h"

#include "../app/IsolatedHome.h"
#include "../plant/LoopTestSupport.h"
#include "TestBase.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfIO.h"
#include "core/Configuration.h"
#include "io/OvPdfReportPointRows.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"
#include "plant/PointType.h"
#include "plant/TestPlantGenerator.h"
#include "plant/ZpEventFilter.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

static const IsolatedHome s_home;

namespace {

bool useConfiguration(int number)
{
    const bool known = Configuration::instance()->applyConfigNumber(number, true);
    g_zpConf->set_networked(1);
    return known;
}

OvGenericPoint typed(int cpu, int loop, int address, int protocol, int family, int series, u16 hw, u8 sw,
                     int channels = 0)
{
    OvGenericPoint p(family, cpu, loop, unsigned(address));
    p.setPointType(PointType(protocol, family, series, hw, sw, channels));
    return p;
}

// Networked: zones 1, 2 and 5 named; group 1 programmed, group 3 with double consent only;
// repeater 1 of 8; CPU 1 with two boards, CPU 2 "Annex" with one. CPU 1: loops 1 to 4 ADV,
// loop 3 open, sensors 1 to 95 on loop 2, viewer 12. CPU 2: on ADV loop 1 a module of two
// channels at 10 and a module at 30 watching input 45; on APOLLO loop 2 sensors 1 to 5 and a
// module of six channels at 20; annunciator 3 with a zone, an empty and a sensor filter.
void buildKnownPlant(Plant& plant)
{
    plant.setDescription("Known plant");
    plant.setSirenInstantActivation(true);
    for (int z : {0, 1, 4})
        plant.areas().areaAt(z)->setDescription(z == 0 ? "Hall" : z == 1 ? "Kitchen" : "Store");
    plant.groups().setDirectGroupsCount(2);
    plant.groups().groupAt(0)->setCBE("(G2)");
    plant.groups().groupAt(2)->setDoubleConsent(true);
    plant.enableRepeater(0, true);
    // A KV-4600 takes two boards or more.
    plant.setCPUType(0, 8);
    plant.setCPULibCount(0, 2);
    plant.setCPUStat(1, true);
    plant.setCPUDescription(1, "Annex");
    // Loop types a KV panel does not keep, set as a fixture.
    for (uint loop = 0; loop < 4; ++loop)
        looptest::forceLoopType(plant, 0, loop, 0);
    looptest::forceLoopType(plant, 1, 0, 0);
    looptest::forceLoopType(plant, 1, 1, 2);
    for (uint g = 0; g < 6; ++g)
        plant.setCPULoopOpenFlag(g / 4, g % 4, g == 2);
    for (int a = 1; a <= 95; ++a) {
        OvGenericPoint sensor = typed(1, 2, a, 1, 1, 1, 65, 60);
        sensor.setDescription(QString("Sensor %1").arg(a));
        plant.setPoint(sensor);
    }
    for (int a = 1; a <= 5; ++a)
        plant.setPoint(typed(2, 2, a, 4, 1, 4, 62464, 2));
    plant.setPoint(typed(2, 1, 10, 1, 2, 1, 180, 22, 2));
    OvGenericPoint input = typed(2, 1, 30, 1, 2, 1, 129, 22);
    input.setFastInput(45, -1, true);
    plant.setPoint(input);
    plant.setPoint(typed(2, 2, 20, 4, 2, 4, 43009, 53, 6));
    OvAnnunciatorsSystem viewers(1), annunciators(2);
    OvAnnunciator display;
    display.setAddress(12);
    display.setDescription("Lobby");
    viewers.setAnnunciator(display);
    display.setAddress(3);
    display.setDescription("Desk");
    display.setFilter(-1, ZpAreaAlarmFilter(2));
    display.setFilter(-1, ZpEventFilter());
    display.setFilter(-1, ZpPointAlarmFilter(17, 1, 2, 0, 1));
    annunciators.setAnnunciator(display);
    plant.cpus().setViewers(viewers);
    plant.cpus().setAnnunciators(annunciators);
}

QString run(const QStringList& arguments)
{
    QProcess process;
    process.start(arguments.first(), arguments.mid(1));
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return "failed: " + arguments.join(' ');
    return QString::fromUtf8(process.readAllStandardOutput()).replace(QChar(0xFB01), "fi").replace(QChar(0xFB00), "ff");
}

QString page(const QString& file, int n, const char* mode = "-layout")
{
    return run({"pdftotext", mode, "-f", QString::number(n), "-l", QString::number(n), file, "-"});
}

struct PdfWord {
    QString text;
    double left, top, right, bottom;
};

// The words of page n with their boxes in points.
QList<PdfWord> bboxWords(const QString& file, int n)
{
    const QRegularExpression word(R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    QList<PdfWord> words;
    for (auto it = word.globalMatch(page(file, n, "-bbox")); it.hasNext();) {
        const auto m = it.next();
        words << PdfWord{m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble()};
    }
    return words;
}

struct PdfBox {
    bool image;
    QString text;
    double left, top, width, height;
};

// The pictures and text runs of page n with their boxes in points, as pdftohtml places them.
QList<PdfBox> pageBoxes(const QString& file, int n)
{
    const QRegularExpression item(
        R"re(<(image|text) top="(-?\d+)" left="(-?\d+)" width="(\d+)" height="(\d+)"[^>]*>(?:(.*?)</text>)?)re");
    const QString number = QString::number(n);
    QList<PdfBox> boxes;
    const QString xml = run({"pdftohtml", "-xml", "-stdout", "-zoom", "1", "-f", number, "-l", number, file});
    for (auto it = item.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        boxes << PdfBox{m.captured(1) == "image", QString(m.captured(6)).remove(QRegularExpression("<[^>]*>")),
                        m.captured(3).toDouble(), m.captured(2).toDouble(),
                        m.captured(4).toDouble(), m.captured(5).toDouble()};
    }
    return boxes;
}

// Left and right edge (points) of the last word equal to text on page n; top and bottom edge
// with vertical.
QPair<double, double> edges(const QString& file, int n, const QString& text, bool vertical = false)
{
    QPair<double, double> found{-1, -1};
    for (const PdfWord& w : bboxWords(file, n))
        if (w.text == text)
            found = vertical ? qMakePair(w.top, w.bottom) : qMakePair(w.left, w.right);
    return found;
}

bool print(Plant& plant, const QString& file)
{
    return OvPdfReport(file).printAll(&plant);
}

// Rows of a section as "label=value", "+" before an indented row, "|" after one the page may
// break after.
QString texts(const QList<PdfRow>& rows, bool withValues)
{
    QStringList list;
    for (const PdfRow& r : rows)
        list << (r.indented ? "+" : "") + r.label + (withValues ? "=" + r.value : "") + (r.pageBreak ? "|" : "");
    return list.join(' ');
}

} // namespace

class tst_PdfReport : public TestBase {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        for (const char* tool : {"pdfinfo", "pdftotext", "pdfimages", "pdftohtml"})
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), "poppler-utils missing: scripts/install-deps.sh");
        // The pictures are linked; every test but the one of the pictures runs without them.
        Q_CLEANUP_RESOURCE(resources);
    }

    void init() { QVERIFY(useConfiguration(8)); }

    // The 31 rows in their order; conditional rows indented where they belong; zones printed
    // when named, counted or flagged, groups when programmed or with double consent, each under
    // its own number; sensitivity groups only among the reverse ones.
    void rows()
    {
        Plant plant;
        const QString plain = "CSV_DESCRIPTION CSV_PRINTERSTAT| WalkTest CSV_FLASHINGSTAT CSV_SIRENINSTANTACTIVATION "
                              "CSV_DETECTORSCHECKSTAT CSV_DETECTORSCHECKTIME| CSV_ACKNOWLEDGEMENTINHIBITIONTIME "
                              "CSV_AUTOACKNOWLEDGEMENTSTAT CSV_AUTOACKNOWLEDGEMENTTIME CSV_FAILURESYSTEMTIME Deriva "
                              "CSV_SERIALNUMBERSCHECKSTAT| PRE_ALARM_LVL_PAR_LBL ModalitaNona "
                              "CSV_FALSEFAILURETIMETYPEID| CSV_OPENCIRCUITSFAILURETIME| CSV_CAMERALOWVALUETIMEFAILURE| "
                              "CSV_FAILUREIVALIDRESPONSETIME| CSV_FAULTMAINTENANCETIME| SIRENE_CORRELATION_ENABLED "
                              "CSV_SIRENSOUNDTYPE| CSV_SIRENVOLUME| CSV_SIRENPHASESTAT| CSV_EVACSOUNDTYPE| "
                              "CSV_EVACSOUNDVOLUME| RLALLEnabled| RLU1Enabled| RLU2Enabled| RLFU1Enabled| RLFU2Enabled";
        plant.setSirenInstantActivation(true);
        QCOMPARE(texts(pdfreport::generalParameterRows(plant), false), plain);
        plant.setPrinterStat(true);
        plant.setWalkTest(2);
        plant.setWalkTestPoint(1, 2, 9, 3);
        plant.setSirenInstantActivation(false);
        const QString full = texts(pdfreport::generalParameterRows(plant), true);
        QVERIFY2(
            full.contains("CSV_PRINTERSTAT=STR_ENABLED| +CSV_PRINTER_PARITY=printerParityNone| "
                          "+CSV_PRINTER_BAUD_RATE=9600| WalkTest=Modulo +CSV_WALKTESTCPUID=1 +CSV_WALKTESTLOOPID=2 "
                          "+CSV_WALKTESTMODULEID=9 +CSV_WALKTESTSUBID=3 CSV_FLASHINGSTAT=")
                && full.contains("=STR_DISABLED +CSV_SIRENDELAYTIME=0 CSV_DETECTORSCHECKSTAT="),
            qPrintable(full));
        plant.areas().areaAt(0)->setDescription("Hall");
        plant.areas().areaAt(0)->setCorrelation(4);
        plant.areas().areaAt(2)->setPreAllarm(true);
        plant.areas().areaAt(3)->setModuleCount(7);
        QCOMPARE(pdfreport::areaRows(plant.areas()),
                 (QList<QStringList>{{"1", "Hall", "STR_DISABLED", "STR_DISABLED", "5", "0", "0"},
                                     {"3", "", "STR_DISABLED", "STR_ENABLED", "1", "0", "0"},
                                     {"4", "", "STR_DISABLED", "STR_DISABLED", "1", "0", "7"}}));
        OvGroupsSystem& groups = plant.groups();
        groups.setDirectGroupsCount(2);
        groups.groupAt(0)->setCBE("(G2)");
        groups.groupAt(1)->setDescription("Named only");
        groups.groupAt(2)->setDoubleConsent(true);
        groups.setLowSensibilityGroupIndex(2);
        groups.setHighSensibilityGroupIndex(3);
        QCOMPARE(
            pdfreport::groupRows(groups),
            (QList<QStringList>{{"1", "CSV_DIRECT", "STR_DISABLED", "(G2)"}, {"3", "CSV_REVERSE", "STR_ENABLED", ""}}));
        QCOMPARE(texts(pdfreport::groupHeadRows(groups), true),
                 QString("NumeroGruppiDiretti=2 CSV_LOWSENSIBILITYGROUPINDEX=STR_UNDEFINED "
                         "CSV_HIGHTSENSIBILITYGROUPINDEX=3"));
        QVERIFY(pdfreport::repeaterRows(plant).isEmpty());
        QCOMPARE(pdfreport::pageText(7), QString("Page   7"));
        QCOMPARE(pdfreport::pageText(1000), QString("Page 1000"));
    }

    void cpuRows_data()
    {
        QTest::addColumn<int>("config");
        QTest::addColumn<int>("boards");
        QTest::addColumn<QString>("loops");
        QTest::addColumn<QList<QStringList>>("table");
        // A KV1300 plant has one CPU.
        QTest::newRow("KV1300, one board") << 7 << 1 << "1" << QList<QStringList>();
        QTest::newRow("KV1600, one board") << 8 << 1 << "2" << QList<QStringList>{{"3", "Annex", "2", "0", "0"}};
        QTest::newRow("KV4600, two boards") << 8 << 2 << "4" << QList<QStringList>{{"3", "Annex", "4", "0", "0"}};
    }
    // Loops are installed boards times loops per board, in the rows and in the table.
    void cpuRows()
    {
        QFETCH(int, config);
        QFETCH(int, boards);
        QFETCH(QString, loops);
        QVERIFY(useConfiguration(config));
        Plant plant;
        // A KV-4600 takes two boards or more.
        if (boards > 1)
            plant.setCPUType(0, 8);
        plant.setCPULibCount(0, boards);
        plant.enableRSSIB(0, 3);
        plant.setCPUStat(2, true);
        if (boards > 1)
            plant.setCPUType(2, 8);
        plant.setCPULibCount(2, boards);
        plant.setCPUDescription(2, "Annex");
        QCOMPARE(texts(pdfreport::cpuHeadRows(plant.cpus()), true),
                 QString("CSV_CPUDESCRIPTION= CSV_CPULINECOUNT=%1 VIEWERKV=0 ANNUNCIATORKV=0 CSV_SIBTYPE=STR_PRESENT "
                         "CSV_SIBRSADDRESS=3 CSV_SIBADDRESS=0.0.0.0 CSV_SIBNETMASK=0.0.0.0 CSV_SIBNETGATEWAY=0.0.0.0")
                     .arg(loops));
        QTEST(pdfreport::cpuRows(plant.cpus()), "table");
    }

    void walk_data()
    {
        QTest::addColumn<int>("config");
        QTest::addColumn<int>("boards");
        QTest::addColumn<bool>("middleRemoved");
        QTest::addColumn<QString>("loops");
        QTest::newRow("KV1300") << 7 << 1 << false << "1.1";
        QTest::newRow("KV1600") << 8 << 2 << false << "1.1 1.2 12.1 12.2 12.3 12.4";
        QTest::newRow("board 2 not installed") << 8 << 3 << true << "1.1 1.2 12.1 12.2 12.5 12.6";
    }
    void walk()
    {
        QFETCH(int, config);
        QFETCH(int, boards);
        QFETCH(bool, middleRemoved);
        QVERIFY(useConfiguration(config));
        Plant plant;
        if (CPUDevice* cpu = plant.cpus().cpuAt(11)) {
            cpu->setEnabled(true);
            cpu->setLibCount(boards);
            OvLib board = cpu->libs().at(1);
            board.setInstalled(!middleRemoved, false);
            cpu->setLib(board);
        }
        QStringList loops;
        pdfreport::forEachLoop(plant.cpus(),
                               [&](int cpu, int loop, const OvLoop&) { loops << QString("%1.%2").arg(cpu).arg(loop); });
        QTEST(loops.join(' '), "loops");
    }

    // Targets, sensor cells and module rows as the point pages print them.
    void pointRows()
    {
        Plant plant;
        buildKnownPlant(plant);
        const auto name = [&](const ZpEventFilter& f) { return pdfreport::filterTargetName(plant, f); };
        QCOMPARE(name(ZpAreaAlarmFilter(0)), QString());
        QCOMPARE(name(ZpAreaAlarmFilter(2)), QString("Kitchen"));
        QCOMPARE(name(ZpPointAlarmFilter(17, 1, 2, 1, 1)), QString("Sensor 17"));
        QCOMPARE(name(ZpCPUFailEvent(2)), QString("Annex"));
        OvGenericPoint sensor = typed(1, 1, 4, 1, 1, 1, 65, 60);
        sensor.setSensitivities(0, -1, 3);
        sensor.setAlertLevelRAVI(0); // stored 1-based: no level
        sensor.setAreaIndex(0);
        QCOMPARE(pdfreport::sensorCells(1, 1, 4, sensor, "on", "off").join('|'),
                 QString("1.1.4||ASD|off|off|||0|3|||off"));
        OvGenericPoint module = typed(2, 1, 10, 1, 2, 1, 180, 22, 2);
        QCOMPARE(pdfreport::sensorCells(1, 1, 4, module, "on", "off").at(2), QString("LM-81 OUTPUT X2"));
        const OvGenericSubPoint& second = module.subPoints().at(1);
        QCOMPARE(pdfreport::moduleRows(2, 1, 10, OvGenericPoint(2, 2, 1, 10), {}, "on", "off").size(), 0);
        QStringList rows;
        for (const PdfModuleRow& row : pdfreport::moduleRows(2, 1, 10, module, {nullptr, &second}, "on", "off"))
            rows << QString::number(row.kind) + ":" + row.cells.join('|');
        QCOMPARE(rows.join('\n'), QString("1:2.1.10||LM-81 OUTPUT X2|||||||||\n2:.2||FORC|off|off|off|off|||||"));
        OvGenericPoint korva = typed(2, 1, 30, 1, 2, 1, 129, 22);
        korva.setFastInput(45, 46, false);
        QCOMPARE(pdfreport::moduleRows(2, 1, 30, korva, {}, "on", "off").first().cells.mid(9),
                 (QStringList{"2.1.45", "2.1.46", "FastOr"}));
        korva.setFastInput(45, 0, true);
        QCOMPARE(pdfreport::moduleRows(2, 1, 30, korva, {}, "on", "off").first().cells.mid(9),
                 (QStringList{"2.1.45", "", ""}));
        OvGenericPoint apollo = typed(2, 2, 20, 4, 2, 4, 43009, 53, 6);
        QList<const OvGenericSubPoint*> channels;
        for (const OvGenericSubPoint& c : apollo.subPoints())
            channels << &c;
        channels[1] = nullptr;
        QStringList indexes;
        for (const PdfModuleRow& row : pdfreport::moduleRows(2, 2, 20, apollo, channels, "on", "off"))
            indexes << row.cells.first();
        QCOMPARE(indexes.join(' '), QString("2.2.20 2.2.22 2.2.23 2.2.24 2.2.25"));
        // An ADV module of the second series: a program names its channels 40.1 to 40.3.
        OvGenericPoint linked = typed(2, 1, 40, 1, 2, 2, 16398, 53, 3);
        channels.clear();
        for (const OvGenericSubPoint& c : linked.subPoints())
            channels << &c;
        QStringList shared;
        for (const PdfModuleRow& row : pdfreport::moduleRows(2, 1, 40, linked, channels, "on", "off"))
            shared << QString::number(row.kind) + ":" + row.cells.first();
        QCOMPARE(shared.join(' '), QString("1:2.1.40 2:.1 2:.2 2:.3"));
    }

    // Over generated plants no two module rows name one address, a channel under its module
    // named by both.
    void moduleIndexes_data()
    {
        QTest::addColumn<int>("config");
        QTest::addColumn<int>("brand");
        QTest::addColumn<uint>("seed");
        for (int config : {7, 8}) {
            for (int brand : {3, 4})
                QTest::addRow("configuration %d brand %d", config, brand) << config << brand << uint(config + brand);
        }
    }
    void moduleIndexes()
    {
        QFETCH(int, config);
        QFETCH(int, brand);
        QFETCH(uint, seed);
        QVERIFY(useConfiguration(config));
        Configuration::instance()->set_current_brand(brand);
        Plant plant;
        QVERIFY(plant.setPlantType(0, true));
        TestPlantGenerator(&plant, seed).makeAll();
        QStringList indexes;
        int addressed = 0;
        pdfreport::forEachLoop(plant.cpus(), [&](int cpu, int loop, const OvLoop& l) {
            for (int j = 0; j < l.modules().size(); ++j) {
                QList<const OvGenericSubPoint*> channels;
                for (const OvGenericSubPoint& c : l.modules().at(j)->subPoints())
                    channels << &c;
                QString parent;
                for (const PdfModuleRow& row :
                     pdfreport::moduleRows(cpu, loop, j + 1, *l.modules().at(j), channels, "on", "off")) {
                    addressed += row.kind == PdfModuleRow::AddressChannel ? 1 : 0;
                    if (row.kind == PdfModuleRow::Parent)
                        parent = row.cells.first();
                    else
                        indexes << (row.kind == PdfModuleRow::Channel ? parent : QString()) + row.cells.first();
                }
            }
        });
        QVERIFY(addressed > 0);
        QStringList repeated = indexes;
        repeated.removeDuplicates();
        for (const QString& index : repeated)
            indexes.removeOne(index);
        repeated = indexes;
        QCOMPARE(repeated, QStringList());
    }

    // The alert-level cell shows the level the loop page names, the stored one of 1 to 5, and
    // nothing for a sensor without one (stored 0 or 6, or a type of three sensitivities); the
    // same after compile and open.
    void alertLevelCells_data()
    {
        QTest::addColumn<bool>("fromImage");
        QTest::newRow("built") << false;
        QTest::newRow("opened from the image") << true;
    }
    void alertLevelCells()
    {
        QFETCH(bool, fromImage);
        const QStringList shown{"", "1", "2", "3", "4", "5", ""};
        // Level, then the three sensitivities: only the last sensor has them.
        const QList<int> columns{6520, 7520, 8520, 9520};
        Plant built;
        for (int stored = 0; stored <= shown.size(); ++stored) {
            // The last, of three sensitivities, stores level 3.
            const bool level = stored < shown.size();
            OvGenericPoint sensor = level ? typed(1, 1, stored + 1, 1, 1, 1, 30, 4)
                                          : typed(1, 1, stored + 1, 1, 1, 1, 65, 60);
            sensor.setAlertLevelRAVI(level ? stored : 3);
            sensor.setSensitivities(3, 2, 1);
            sensor.setDescription(QString("Level %1").arg(stored));
            built.setPoint(sensor);
        }
        Plant opened;
        Plant* plant = &built;
        if (fromImage) {
            QCOMPARE(built.copyTo(), 0);
            const QString image = m_dir.filePath("levels.bin");
            QCOMPARE(g_zpConf->get_io().export_bin_v3(QFile::encodeName(image).constData(), nullptr), 0);
            QCOMPARE(opened.loadFromFile(image, false), 0u);
            QCOMPARE(opened.copyFrom(), 0u);
            traceErrors("set_cpu_llId");
            plant = &opened;
        }
        const QString file = m_dir.filePath("levels.pdf");
        QVERIFY(print(*plant, file));
        int sensorPage = 0;
        for (int k = 1; k <= 20 && !sensorPage; ++k)
            sensorPage = page(file, k).trimmed().startsWith("PDF_SENSOR_SYS") ? k : 0;
        QVERIFY(sensorPage > 0);
        const QList<PdfWord> words = bboxWords(file, sensorPage);
        for (int stored = 0; stored <= shown.size(); ++stored) {
            const QString index = QString("1.1.%1").arg(stored + 1);
            const auto row = std::find_if(words.begin(), words.end(),
                                          [&](const PdfWord& w) { return w.text == index; });
            QVERIFY2(row != words.end(), qPrintable(index));
            QStringList cells;
            for (int column : columns) {
                // The cell's box in points: 10 of margin, the indent of 50 dots, 980 dots wide.
                const double left = 10 + (50 + column) * 72.0 / 1200, right = left + 979 * 72.0 / 1200;
                QStringList cell;
                for (const PdfWord& w : words)
                    if (qAbs(w.top - row->top) < 2 && w.left >= left && w.right <= right)
                        cell << w.text;
                cells << cell.join(' ');
            }
            const QStringList sensitivities = stored < shown.size() ? QStringList{"", "", ""}
                                                                    : QStringList{"2", "3", "1"};
            QCOMPARE(cells, QStringList{shown.value(stored)} + sensitivities);
        }
    }

    void knownPlant()
    {
        Plant plant;
        buildKnownPlant(plant);
        const QString file = m_dir.filePath("known.pdf");
        const QString today = QDate::currentDate().toString("dd.MM.yyyy");
        QVERIFY(print(plant, file));
        const QString info = run({"pdfinfo", "-f", "1", "-l", "13", file});
        QVERIFY(info.contains(QRegularExpression("Pages: +13\n")));
        QVERIFY(info.contains(QRegularExpression("Page +9 size: +595 x 842 pts \\(A4\\)\n")));
        QCOMPARE(info.count(QRegularExpression("size: +595 x 842 pts \\(A4\\)\n")), 9);
        QVERIFY(info.contains(QRegularExpression("Page +10 size: +842 x 595 pts \\(A4\\)\n")));
        QCOMPARE(info.count(QRegularExpression("size: +842 x 595 pts \\(A4\\)\n")), 4);
        const QString cover = page(file, 1);
        QVERIFY(cover.contains("Known plant") && cover.contains(today));
        QVERIFY(cover.contains("KV1600-01 Tavrel-FSX UK") && !cover.contains("Page"));
        const QStringList titles{"CSV_PLANTGENPARAMETER", "CSV_AREASSYSTEM", "CSV_GROUPSSYSTEM", "CSV_REPEATER",
                                 "CSV_CPUSSYSTEM",        "VIEWERKV",        "ANNUNCIATORKV",    "PDF_LOOP_SYS",
                                 "PDF_SENSOR_SYS",        "CSV_INDEX",       "CSV_INDEX",        "PDF_MODULE_SYS"};
        for (int k = 2; k <= 13; ++k) {
            const QString text = page(file, k);
            QVERIFY2(text.trimmed().startsWith(titles.at(k - 2)) && text.contains("KV1600-01 Tavrel-FSX UK"),
                     qPrintable(text.left(100)));
            QVERIFY(text.contains(QRegularExpression(QString("Page +%1\n").arg(k - 1))));
            QCOMPARE(qRound(edges(file, k, QString::number(k - 1)).second), qRound(edges(file, k, today).second));
        }
        const QString parameters = page(file, 2);
        QVERIFY(parameters.contains(QRegularExpression("WalkTest +Nessuna\n")));
        QVERIFY(!parameters.contains(QRegularExpression("CSV_PRINTER_PARITY|CSV_WALKTESTCPUID|CSV_SIRENDELAYTIME")));
        QVERIFY(page(file, 3).contains(QRegularExpression(
            "CSV_INDEX +CSV_DESCRIPTION(.|\n)*\n *1 +Hall +STR_DISABLED.*\n *2 +Kitchen .*\n *5 +Store ")));
        QVERIFY(page(file, 4).contains(QRegularExpression("\n *1 +CSV_DIRECT +STR_DISABLED +\\(G2\\)\n"
                                                          " *3 +CSV_REVERSE +STR_ENABLED\n\n")));
        const QString repeaters = page(file, 5);
        QCOMPARE(repeaters.count(QRegularExpression("\n *[1-8] +STR_(EN|DIS)ABLED\n")), 8);
        QCOMPARE(repeaters.count("STR_ENABLED"), 1);
        QVERIFY(page(file, 6).contains(QRegularExpression("CSV_CPULINECOUNT +4\n(.|\n)*\n *2 +Annex +2 +0 +1\n")));
        QVERIFY(page(file, 7).contains(QRegularExpression("\n *1\\.12 +Lobby\n")));
        QVERIFY(page(file, 8).contains(QRegularExpression("\n *2\\.3 +Desk\n *Kitchen +0 +LBL_EVT_FILTER_ALARM_ZONE .*"
                                                          "\n *Sensor 17 +2 +LBL_EVT_FILTER_ALARM_DET ")));
        QVERIFY(page(file, 9).contains(QRegularExpression(
            "\n *1\\.1 +CSV_LOOP_TYPE_CLOSE *CSV_LOOP_PROTOCOL_ADV +0 +0\n *1\\.2 .* 95 +0\n *1\\.3 "
            "+CSV_LOOP_TYPE_OPEN "
            ".*\n *1\\.4 .*\n *2\\.1 .* 0 +3\n *2\\.2 +CSV_LOOP_TYPE_CLOSE *CSV_LOOP_PROTOCOL_APOLLO +5 +6\n")));
        QCOMPARE(run({"pdftotext", file, "-"}).count("CSV_LOOP_TYPE_OPEN"), 1);
        QString sensors;
        for (int k = 10; k <= 12; ++k) {
            QVERIFY(k == 10 || page(file, k).trimmed().startsWith("CSV_INDEX CSV_DESCRIPTION"));
            sensors += page(file, k, "-raw");
        }
        QCOMPARE(sensors.count(QRegularExpression("\n1\\.2\\.[0-9]+ Sensor [0-9]+ ")), 95);
        QCOMPARE(sensors.count(QRegularExpression("\n2\\.2\\.[1-5] ")), 5);
        QVERIFY(!sensors.contains("1.1.") && sensors.contains("\n1.2.17 Sensor 17 "));
        const QString modules = page(file, 13, "-raw");
        QVERIFY2(modules.contains(
                     // A channel's long type may wrap within its cell.
                     QRegularExpression(
                         "\n2\\.1\\.10 [^\n]*\n\\.1 [^\n]*\n\\.2 [^\n]*\n2\\.1\\.30 .*2\\.1\\.45.*\n"
                         "2\\.2\\.20\\s(.|\n)*\n2\\.2\\.21\\s(.|\n)*\n2\\.2\\.22\\s(.|\n)*\n2\\.2\\.23\\s(.|\n)*\n"
                         "2\\.2\\.24\\s(.|\n)*\n2\\.2\\.25\\s")),
                 qPrintable(modules));
        // The first sensor header is in the report's font, the first module header in the rows'.
        const auto height = [&](int k, const QString& word) {
            const auto e = edges(file, k, word, true);
            return qRound((e.second - e.first) * 10);
        };
        QVERIFY(height(10, "CSV_INDEX") > height(10, "1.2.1") + 10);
        QCOMPARE(height(13, "CSV_INDEX"), height(13, "2.1.10"));
    }

    // Without an enabled repeater the repeater page goes; the seven more rows take a second
    // page; conditional rows stand 200 dots (12 points) to the right.
    void conditionalRows()
    {
        Plant plant;
        buildKnownPlant(plant);
        plant.enableRepeater(0, false);
        plant.setPrinterStat(true);
        plant.setWalkTest(2);
        const QString file = m_dir.filePath("conditional.pdf");
        QVERIFY(print(plant, file));
        QVERIFY(run({"pdfinfo", file}).contains(QRegularExpression("Pages: +13\n")));
        QVERIFY(page(file, 3).contains("RLFU2Enabled") && page(file, 6).contains("CSV_CPUSSYSTEM"));
        QVERIFY(!run({"pdftotext", file, "-"}).contains("CSV_REPEATER"));
        const double parent = edges(file, 2, "CSV_PRINTERSTAT").first;
        QCOMPARE(qRound((edges(file, 2, "CSV_PRINTER_PARITY").first - parent) * 10), 120);
        QCOMPARE(qRound((edges(file, 2, "CSV_WALKTESTSUBID").first - parent) * 10), 120);
        QCOMPARE(qRound((edges(file, 2, "CSV_FLASHINGSTAT").first - parent) * 10), 0);
    }

    // With the pictures: the cover's plant picture three quarters of the width wide and centred
    // on the page; each section's first page with its picture at the top-left corner, a quarter
    // of the width wide, the title 100 dots to its right and centred on its height, the first
    // parameter row 100 dots below it. Without them: no picture anywhere, each title centred at the top
    // and the first row two title heights below it.
    void pictures()
    {
        QPdfWriter a4(m_dir.filePath("a4.pdf"));
        a4.setPageSize(QPageSize(QPageSize::A4));
        const QRectF paint = a4.pageLayout().paintRectPoints();
        const double mx = paint.left(), my = paint.top(), w = paint.width(), h = paint.height();
        const QStringList sections{"CSV_PLANTGENPARAMETER", "CSV_AREASSYSTEM", "CSV_GROUPSSYSTEM", "CSV_REPEATER",
                                   "CSV_CPUSSYSTEM",        "VIEWERKV",        "ANNUNCIATORKV",    "PDF_LOOP_SYS"};
        const auto near = [](double actual, double expected) { return qAbs(actual - expected) <= 1.0; };
        Plant plant;
        buildKnownPlant(plant);
        const QString file = m_dir.filePath("pictures.pdf");
        Q_INIT_RESOURCE(resources);
        const bool printed = print(plant, file);
        Q_CLEANUP_RESOURCE(resources);
        QVERIFY(printed);
        const int pages = run({"pdfinfo", file}).section("Pages:", 1).section('\n', 0, 0).trimmed().toInt();
        QVERIFY(pages > 10);
        QStringList titled;
        for (int k = 1; k <= pages; ++k) {
            const QList<PdfBox> boxes = pageBoxes(file, k);
            QList<PdfBox> images;
            std::copy_if(boxes.begin(), boxes.end(), std::back_inserter(images),
                         [](const PdfBox& b) { return b.image; });
            const auto title = std::find_if(boxes.begin(), boxes.end(), [&](const PdfBox& b) {
                return sections.contains(b.text) && b.top < my + w / 4;
            });
            if (k == 1) {
                QCOMPARE(images.size(), 1);
                const PdfBox& cover = images.first();
                QVERIFY2(near(cover.width, w * 0.75), qPrintable(QString::number(cover.width)));
                QVERIFY(near(cover.left, mx + (w - cover.width) / 2));
                QVERIFY(near(cover.top, my + (h - cover.height) / 2));
                continue;
            }
            if (title == boxes.end()) {
                QCOMPARE(images.size(), 0);
                continue;
            }
            titled << title->text;
            QCOMPARE(images.size(), 1);
            const PdfBox& logo = images.first();
            QVERIFY2(near(logo.left, mx) && near(logo.top, my) && near(logo.width, w / 4), qPrintable(title->text));
            QVERIFY2(near(title->left, mx + w / 4 + 6), qPrintable(title->text));
            QVERIFY2(qAbs(title->top + title->height / 2 - (my + logo.height / 2)) <= 1.5, qPrintable(title->text));
            if (title->text != sections.first())
                continue;
            double below = h + my;
            for (const PdfBox& b : boxes)
                if (!b.image && b.top > title->top + title->height)
                    below = qMin(below, b.top);
            QVERIFY(near(below, my + logo.height + 6));
        }
        QCOMPARE(titled, sections);
        // The cover's picture is stored at its own size.
        const QStringList coverImage =
            run({"pdfimages", "-f", "1", "-l", "1", "-list", file}).section('\n', 2, 2).split(' ', Qt::SkipEmptyParts);
        QVERIFY(coverImage.size() > 4);
        QCOMPARE(coverImage.mid(3, 2), (QStringList{"1216", "1216"}));

        QVERIFY(print(plant, file));
        QCOMPARE(run({"pdfimages", "-list", file}).count('\n'), 2);
        const QList<PdfBox> boxes = pageBoxes(file, 2);
        const auto title = std::find_if(boxes.begin(), boxes.end(),
                                        [](const PdfBox& b) { return b.text == "CSV_PLANTGENPARAMETER"; });
        QVERIFY(title != boxes.end());
        QVERIFY(near(title->left + title->width / 2, mx + w / 2) && near(title->top, my));
        const auto first = std::find_if(boxes.begin(), boxes.end(),
                                        [](const PdfBox& b) { return b.text.trimmed() == "CSV_DESCRIPTION"; });
        QVERIFY(first != boxes.end());
        QVERIFY2(near(first->top, my + 2 * title->height), qPrintable(QString::number(first->top)));
    }

    // A file that cannot be created, or a write that fails on the way, is reported, and the file
    // at the path stays as it was.
    void failedWrites()
    {
        Plant plant;
        expectWarning("PDF report: cannot write");
        QVERIFY(!print(plant, m_dir.filePath("missing/x.pdf")));
        QVERIFY(!QFileInfo::exists(m_dir.filePath("missing/x.pdf")));
        QTemporaryDir dir;
        QFile old(dir.filePath("kept.pdf"));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("previous report") == 15);
        old.close();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("OV_PDF_LIMITED_WRITE", old.fileName());
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 3);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("previous report"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"kept.pdf"});
    }
};

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString limited = qEnvironmentVariable("OV_PDF_LIMITED_WRITE");
    if (limited.isEmpty()) {
        tst_PdfReport test;
        return QTest::qExec(&test, argc, argv);
    }
    // The child of failedWrites: 8 KiB per file, far below a report.
    const rlimit limit{8192, 8192};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0 || std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR)
        return 1;
    useConfiguration(8);
    Plant plant;
    buildKnownPlant(plant);
    return print(plant, limited) ? 0 : 3;
}

#include "tst_pdfreport.moc"
