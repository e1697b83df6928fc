// The PDF report: its row contents without painting, whole reports read back with pdfinfo and
// pdftotext, and failed writes. No translation is installed, so every text is its message id.
#include "io/OvPdfReport.h"

#include "../app/IsolatedHome.h"
#include "TestBase.h"
#include "ZpData/Container/ZpConf.h"
#include "app/Configuration.h"
#include "plant/Plant.h"

#include <QGuiApplication>
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

// Networked: zones 1, 2 and 5 named; group 1 programmed, group 3 with double
// consent only; repeater 1 of 8; CPU 1 with two boards, CPU 2 "Annex" with one.
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
    plant.setCPULibCount(0, 2);
    plant.setCPUStat(1, true);
    plant.setCPUDescription(1, "Annex");
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

// Left and right edge (points) of the last word equal to text on page n.
QPair<double, double> edges(const QString& file, int n, const QString& text)
{
    const QRegularExpression word(R"re(xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)<)re");
    QPair<double, double> found{-1, -1};
    for (auto it = word.globalMatch(page(file, n, "-bbox")); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(3) == text)
            found = {m.captured(1).toDouble(), m.captured(2).toDouble()};
    }
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
        for (const char* tool : {"pdfinfo", "pdftotext"})
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), "poppler-utils missing: scripts/install-deps.sh");
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
        QTest::newRow("KV1600, two boards") << 8 << 2 << "4" << QList<QStringList>{{"3", "Annex", "4", "0", "0"}};
    }
    // Loops are installed boards times loops per board, in the rows and in the table.
    void cpuRows()
    {
        QFETCH(int, config);
        QFETCH(int, boards);
        QFETCH(QString, loops);
        QVERIFY(useConfiguration(config));
        Plant plant;
        plant.setCPULibCount(0, boards);
        plant.enableRSSIB(0, 3);
        plant.setCPUStat(2, true);
        plant.setCPULibCount(2, boards);
        plant.setCPUDescription(2, "Annex");
        QCOMPARE(texts(pdfreport::cpuHeadRows(plant.cpus()), true),
                 QString("CSV_CPUDESCRIPTION= CSV_CPULINECOUNT=%1 VIEWERKV=0 ANNUNCIATORKV=0 CSV_SIBTYPE=STR_PRESENT "
                         "CSV_SIBRSADDRESS=3 CSV_SIBADDRESS=0.0.0.0 CSV_SIBNETMASK=0.0.0.0 CSV_SIBNETGATEWAY=0.0.0.0")
                     .arg(loops));
        QTEST(pdfreport::cpuRows(plant.cpus()), "table");
    }

    void knownPlant()
    {
        Plant plant;
        buildKnownPlant(plant);
        const QString file = m_dir.filePath("known.pdf");
        const QString today = QDate::currentDate().toString("dd.MM.yyyy");
        QVERIFY(print(plant, file));
        const QString info = run({"pdfinfo", "-f", "1", "-l", "6", file});
        QVERIFY(info.contains(QRegularExpression("Pages: +6\n")));
        QCOMPARE(info.count(QRegularExpression("size: +595 x 842 pts \\(A4\\)\n")), 6);
        const QString cover = page(file, 1);
        QVERIFY(cover.contains("Known plant") && cover.contains(today));
        QVERIFY(cover.contains("KV1600-01 Tavrel-FSX UK") && !cover.contains("Page"));
        const QStringList titles{"CSV_PLANTGENPARAMETER", "CSV_AREASSYSTEM", "CSV_GROUPSSYSTEM", "CSV_REPEATER",
                                 "CSV_CPUSSYSTEM"};
        for (int k = 2; k <= 6; ++k) {
            const QString text = page(file, k);
            QVERIFY(text.contains(titles.at(k - 2)) && text.contains("KV1600-01 Tavrel-FSX UK"));
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
        QVERIFY(page(file, 6).contains(QRegularExpression("CSV_CPULINECOUNT +4\n(.|\n)*\n *2 +Annex +2 +0 +0\n")));
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
        QVERIFY(run({"pdfinfo", file}).contains(QRegularExpression("Pages: +6\n")));
        QVERIFY(page(file, 3).contains("RLFU2Enabled") && page(file, 6).contains("CSV_CPUSSYSTEM"));
        QVERIFY(!run({"pdftotext", file, "-"}).contains("CSV_REPEATER"));
        const double parent = edges(file, 2, "CSV_PRINTERSTAT").first;
        QCOMPARE(qRound((edges(file, 2, "CSV_PRINTER_PARITY").first - parent) * 10), 120);
        QCOMPARE(qRound((edges(file, 2, "CSV_WALKTESTSUBID").first - parent) * 10), 120);
        QCOMPARE(qRound((edges(file, 2, "CSV_FLASHINGSTAT").first - parent) * 10), 0);
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
