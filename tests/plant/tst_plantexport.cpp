// The plant's CSV export set: the files and their order, the general-parameter file, failures,
// and the topology document built from this export's loop files only. No translation is
// installed, so every label is its message id.
#include "plant/Plant.h"

#include "../app/IsolatedHome.h"
#include "FileSizeLimit.h"
#include "LoopTestSupport.h"
#include "PlantTestSupport.h"
#include "TestBase.h"
#include "core/OvParameters.h"
#include "io/XMLmodifier.h"
#include "plant/PlantCsv.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <future>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

static const IsolatedHome s_home;

namespace {

// What the topology writer was given, and the folder's files when it was called.
QStringList s_loopFiles;
QStringList s_filesBefore;

bool recordingWriter(const QString& folder, const QStringList& loopFiles, QString* failedFile, QString* reason)
{
    s_loopFiles.clear();
    for (const QString& path : loopFiles)
        s_loopFiles << QFileInfo(path).fileName();
    s_filesBefore = QDir(folder).entryList(QDir::Files, QDir::Name);
    return XMLmodifier::writeTopologyXml(folder, loopFiles, failedFile, reason);
}

QMap<QString, QByteArray> folderBytes(const QString& folder)
{
    QMap<QString, QByteArray> files;
    for (const QFileInfo& entry : QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        QFile file(entry.filePath());
        files[entry.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("folder");
    }
    return files;
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString("missing");
}

// CPU 1 (KV-1600) named "Main panel", loop 1 ADV with a sensor in zone 1 and a two-channel
// module whose channels lie in zones 1 and 2; zones 1 and 2 named.
void buildPlant(Plant& plant)
{
    plant.setCPUStat(0, true);
    plant.setCPUType(0, 7);
    plant.setCPUDescription(0, "Main panel");
    QVERIFY(looptest::forceLoopType(plant, 0, 0, 0));
    OvGenericPoint sensor = looptest::typed(1, 1, 2, 1, 1, 1, 65, 60);
    sensor.setDescription("Hall sensor");
    sensor.setAreaIndex(1);
    plant.setPoint(sensor);
    OvGenericPoint module = looptest::typed(1, 1, 9, 1, 2, 1, 180, 22, 2);
    looptest::editChannels(module, [](OvGenericSubPoint& c, int i) {
        c.setDescription(i == 0 ? "Bell" : "Door");
        c.setAreaIndex(i + 1);
    });
    plant.setPoint(module);
    plant.areas().areaAt(0)->setDescription("Hall");
    plant.areas().areaAt(1)->setDescription("Stairs");
}

QString head(const QString& type, const QString& label, const QString& number)
{
    return QString(" <PanelData Type=\"%1\">\n  <PanelLabel>%2</PanelLabel>\n  <PanelNumber>%3</PanelNumber>\n")
        .arg(type, label, number);
}

QString deviceHead(const QString& position, const QString& type, const QString& label, const QString& zone,
                   const QString& zoneLabel, const QString& typeId)
{
    return QString("  <Device>\n   <LoopNumber>1</LoopNumber>\n   <PositionOnLoop>%1</PositionOnLoop>\n"
                   "   <Type>%2</Type>\n   <Label>%3</Label>\n   <ZoneAddress>%4</ZoneAddress>\n"
                   "   <ZoneLabel>%5</ZoneLabel>\n   <SerialNumber></SerialNumber>\n"
                   "   <DeviceTypeID>%6</DeviceTypeID>\n   <DeviceManufactureDate></DeviceManufactureDate>\n")
        .arg(position, type, label, zone, zoneLabel, typeId);
}

QString channel(const QString& label, const QString& number, const QString& zone, const QString& zoneLabel)
{
    return QString("    <Module>\n     <Type>FORC</Type>\n     <Label>%1</Label>\n     <Number>%2</Number>\n"
                   "     <ZoneAddress>%3</ZoneAddress>\n     <ZoneLabel>%4</ZoneLabel>\n    </Module>\n")
        .arg(label, number, zone, zoneLabel);
}

// Panel 1's devices: the sensor (code 65, type row 60, both named "ASD"), the module (code 180,
// "LM-81 OUTPUT X2") from its summary row, its channels of type row 22 ("FORC").
QString panelOneDevices()
{
    return deviceHead("2", "ASD", "Hall sensor", "1", "Hall", "0") + "   <SubModule></SubModule>\n  </Device>\n"
        + deviceHead("9", "LM-81 OUTPUT X2", "", "", "", "1") + "   <SubModule>\n" + channel("Bell", "1", "1", "Hall")
        + channel("Door", "2", "2", "Stairs") + "   </SubModule>\n  </Device>\n";
}

} // namespace

class TstPlantExport : public TestBase {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        Configuration::instance()->set_appName("TopoApp");
        Configuration::instance()->set_orgName("Org");
        Plant::setTopologyWriter(&recordingWriter);
    }

    void init()
    {
        QCOMPARE(g_zpConf->new_config(8), 0);
        planttest::resetPanel();
        g_zpConf->set_networked(1);
        s_loopFiles.clear();
        s_filesBefore.clear();
    }

    void smallPlant_data()
    {
        QTest::addColumn<bool>("repeater");
        QTest::addColumn<QStringList>("files");
        const QStringList set{"CSV_AREASSYSTEM.csv",       "CSV_CPUSSYSTEM.csv", "CSV_GROUPSSYSTEM.csv",
                              "CSV_PLANTGENPARAMETER.csv", "Loop_ 1_ 1.csv",     "Loop_ 1_ 2.csv"};
        QTest::newRow("no repeater enabled") << false << set;
        QStringList withRepeater = set;
        withRepeater.insert(4, "CSV_REPEATER.csv");
        QTest::newRow("a repeater enabled") << true << withRepeater;
    }

    // The document is written last, from the files just written.
    void smallPlant()
    {
        QFETCH(bool, repeater);
        QFETCH(QStringList, files);
        QTemporaryDir dir;
        Plant plant;
        buildPlant(plant);
        if (repeater)
            plant.enableRepeater(2, true);
        QVERIFY(plant.exportCsvFiles(dir.path()));
        QCOMPARE(plant.lastError(), 0u);
        QCOMPARE(s_filesBefore, files);
        QCOMPARE(s_loopFiles, QStringList({"Loop_ 1_ 1.csv", "Loop_ 1_ 2.csv"}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files, QDir::Name), files + QStringList{"TopoAppPlant.xml"});
        const QString expected = "<TopologyImport>\n" + head("KV-1600", "Main panel", "0") + panelOneDevices()
            + " </PanelData>\n</TopologyImport>\n";
        QCOMPARE(readText(dir.path() + "/TopoAppPlant.xml"), expected);
    }

    // A loop file an earlier export left for CPU 3 stays out; the two panels are numbered.
    void staleLoopFile()
    {
        QTemporaryDir dir;
        QFile stale(dir.path() + "/Loop_ 3_ 1.csv");
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("CSV_PT_SENSOR,4,Stale,ASD,1,0,0,0,1,1,1,,1,0,,,,1\n");
        stale.close();
        Plant plant;
        buildPlant(plant);
        plant.setCPUStat(1, true);
        plant.setCPUType(1, 7);
        plant.setCPUDescription(1, "Annex");
        QVERIFY(plant.exportCsvFiles(dir.path()));
        QCOMPARE(s_loopFiles, QStringList({"Loop_ 1_ 1.csv", "Loop_ 1_ 2.csv", "Loop_ 2_ 1.csv", "Loop_ 2_ 2.csv"}));
        const QString expected = "<TopologyImport>\n" + head("KV-1600", "Main panel", "1") + panelOneDevices()
            + " </PanelData>\n" + head("KV-1600", "Annex", "2") + " </PanelData>\n" + "</TopologyImport>\n";
        QCOMPARE(readText(dir.path() + "/TopoAppPlant.xml"), expected);
    }

    void failures()
    {
        Plant plant;
        QVERIFY(!plant.exportCsvFiles(QString()));
        QCOMPARE(plant.lastError(), 258u);
        QVERIFY(s_filesBefore.isEmpty());
        QTemporaryDir dir;
        expectWarning("a file of the set could not be written");
        QVERIFY(!plant.exportCsvFiles(dir.path() + "/none"));
        QCOMPARE(plant.lastError(), 258u);
        QVERIFY(plant.exportCsvFiles(dir.path()));
        QCOMPARE(plant.lastError(), 0u);
    }

    // A second export into the folder that fails, at a file that is a folder or read-only (mode),
    // at a file-size limit (the first file is already over it) or at a folder the user may not
    // write, leaves every file of the first as it was and names the file (or the folder) once.
    void failedExportKeepsEarlierSet_data()
    {
        QTest::addColumn<QString>("at"), QTest::addColumn<int>("mode"), QTest::addColumn<int>("limit");
        QTest::addColumn<int>("error");
        QTest::newRow("a loop file is a folder") << "Loop_ 1_ 2.csv" << 0 << 0 << EISDIR;
        QTest::newRow("the document is a folder") << "TopoAppPlant.xml" << 0 << 0 << EISDIR;
        QTest::newRow("file size limit") << QString() << 0 << 300 << EFBIG;
        QTest::newRow("a file is read-only") << "CSV_AREASSYSTEM.csv" << 0444 << 0 << EACCES;
        QTest::newRow("the document is read-only") << "TopoAppPlant.xml" << 0444 << 0 << EACCES;
        QTest::newRow("the folder is read-only") << "." << 0555 << 0 << EACCES;
    }
    void failedExportKeepsEarlierSet()
    {
        QFETCH(QString, at);
        QFETCH(int, mode);
        QFETCH(int, limit);
        QFETCH(int, error);
        QTemporaryDir dir;
        Plant plant;
        buildPlant(plant);
        QVERIFY(plant.exportCsvFiles(dir.path()));
        if (mode != 0)
            QCOMPARE(::chmod(QFile::encodeName(dir.filePath(at)), mode_t(mode)), 0);
        else if (!at.isEmpty())
            QVERIFY(QFile::remove(dir.filePath(at)) && QDir(dir.path()).mkdir(at));
        const QMap<QString, QByteArray> before = folderBytes(dir.path());
        plant.setDescription("Changed");
        plant.areas().areaAt(0)->setDescription("Changed");
        expectWarning("a file of the set could not be written");
        // The system lets root write a folder whatever its mode.
        const bool asNobody = mode == 0555 && ::geteuid() == 0;
        bool written = true;
        {
            const FileSizeLimit sizeLimit{rlim_t(limit)};
            QVERIFY(sizeLimit.isSet());
            QVERIFY(!asNobody || ::seteuid(65534) == 0);
            written = plant.exportCsvFiles(dir.path());
            QVERIFY(!asNobody || ::seteuid(0) == 0);
        }
        ::chmod(QFile::encodeName(dir.path()), 0700);
        QVERIFY(!written);
        QCOMPARE(plant.lastError(), 258u);
        QCOMPARE(folderBytes(dir.path()), before);
        const QString failed = at.isEmpty() ? "CSV_PLANTGENPARAMETER.csv" : at;
        QCOMPARE(plant.exportFailedFile(), QDir::cleanPath(dir.filePath(failed)));
        QCOMPARE(plant.exportFailureReason(), qt_error_string(error));
    }

    // A second export writes a file a link names, in the folder or elsewhere, through the link,
    // which stays; a file replaced keeps its mode.
    void replacedTargets_data()
    {
        QTest::addColumn<QString>("file"), QTest::addColumn<QString>("link"), QTest::addColumn<QString>("text");
        QTest::newRow("a file") << "CSV_AREASSYSTEM.csv" << QString() << "\n1,Changed,";
        QTest::newRow("a link elsewhere") << "CSV_PLANTGENPARAMETER.csv"
                                          << "other"
                                          << "\nCSV_DESCRIPTION,Changed\n";
        QTest::newRow("a link in the folder") << "TopoAppPlant.xml"
                                              << "same"
                                              << "<ZoneLabel>Changed</ZoneLabel>";
    }
    void replacedTargets()
    {
        QFETCH(QString, file);
        QFETCH(QString, link);
        QFETCH(QString, text);
        QTemporaryDir dir, other;
        Plant plant;
        buildPlant(plant);
        QVERIFY(plant.exportCsvFiles(dir.path()));
        const QString real = link.isEmpty() ? dir.filePath(file) : (link == "same" ? dir : other).filePath("real");
        QVERIFY(link.isEmpty() || (QFile::rename(dir.filePath(file), real) && QFile::link(real, dir.filePath(file))));
        QCOMPARE(::chmod(QFile::encodeName(real), 0640), 0);
        plant.setDescription("Changed");
        plant.areas().areaAt(0)->setDescription("Changed");
        QVERIFY(plant.exportCsvFiles(dir.path()));
        QCOMPARE(QFileInfo(dir.filePath(file)).symLinkTarget(), link.isEmpty() ? QString() : real);
        QVERIFY2(readText(real).contains(text), qPrintable(readText(real)));
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(real), &st), 0);
        QCOMPARE(st.st_mode & 07777, 0640u);
    }

    // The work folders killed exports left go with the next export into the folder; the one a
    // running export writes into stays, and so does a link with a work folder's name, a folder
    // of the user's with that name (no owner file) and, of a killed export's, a file not of the set.
    void workFoldersOfKilledExports()
    {
        QTemporaryDir dir, elsewhere;
        const QDir folder(dir.path());
        std::unique_ptr<PlantCsv::Stage> running(new PlantCsv::Stage(dir.path()));
        for (const QString& name :
             QStringList{".csv-export-a/Loop_ 1_ 1.csv", ".csv-export-b/.owner", elsewhere.filePath("x"),
                         ".csv-export-c/.owner", ".csv-export-c/Zones.csv", ".csv-export-c/notes.txt"}) {
            QFile file(folder.filePath(name));
            QVERIFY(folder.mkpath(QFileInfo(file).path()) && file.open(QIODevice::WriteOnly));
        }
        QVERIFY(QFile::link(elsewhere.path(), folder.filePath(".csv-export-link")));
        const auto workFolders = [&folder]() {
            QStringList names = folder.entryList({".csv-export-*"}, QDir::AllEntries | QDir::Hidden | QDir::System);
            return names.sort(), names;
        };
        Plant plant;
        buildPlant(plant);
        QVERIFY(plant.exportCsvFiles(dir.path()));
        QStringList kept{".csv-export-a", ".csv-export-c", ".csv-export-link",
                         QFileInfo(running->stagingFolder()).fileName()};
        QCOMPARE(workFolders(), (kept.sort(), kept));
        running.reset();
        QCOMPARE(workFolders(), QStringList({".csv-export-a", ".csv-export-c", ".csv-export-link"}));
        QVERIFY(QFile::exists(elsewhere.filePath("x")));
        QCOMPARE(QDir(folder.filePath(".csv-export-c")).entryList(QDir::Files | QDir::Hidden),
                 QStringList({".owner", "notes.txt"}));
    }

    // Two exports of two plants into one folder at once, many rounds: after each round no file
    // names one plant while another names the other. A plant's name is in its parameters and
    // panels files and its document; 16 panels make the set 37 files.
    void twoWritersOfOneFolder()
    {
        Plant::setTopologyWriter(&XMLmodifier::writeTopologyXml);
        const char* names[] = {"North site", "South site"};
        Plant plants[2];
        for (int i = 0; i < 2; ++i) {
            buildPlant(plants[i]);
            for (uint cpu = 1; cpu < 16; ++cpu)
                plants[i].setCPUStat(cpu, true);
            plants[i].setDescription(names[i]);
            plants[i].setCPUDescription(0, names[i]);
        }
        QTemporaryDir dir;
        QStringList mixed;
        for (int round = 0; round < 100; ++round) {
            std::atomic<int> ready{0};
            const auto exportPlant = [&](int i) {
                for (++ready; ready < 2;)
                    std::this_thread::yield();
                return plants[i].exportCsvFiles(dir.path());
            };
            std::future<bool> first = std::async(std::launch::async, exportPlant, 0);
            QVERIFY(exportPlant(1) && first.get());
            int north = 0, south = 0;
            for (const QByteArray& bytes : folderBytes(dir.path())) {
                north += bytes.contains("North site");
                south += bytes.contains("South site");
            }
            if (north > 0 && south > 0)
                mixed << QString::number(round);
        }
        Plant::setTopologyWriter(&recordingWriter);
        QCOMPARE(mixed.join(", "), QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 37);
    }

    // Printer lines only with the printer, the siren delay only without instant activation.
    void parameters_data()
    {
        QTest::addColumn<bool>("printer");
        QTest::addColumn<bool>("instant");
        QTest::addColumn<QString>("lines");
        QTest::newRow("defaults") << false << true << "CSV_SIRENINSTANTACTIVATION,STR_ENABLED\n";
        QTest::newRow("printer, delayed sirens")
            << true << false
            << "CSV_PRINTER_PARITY,printerParityEven\nCSV_PRINTER_BAUD_RATE,19200\n|"
               "CSV_SIRENINSTANTACTIVATION,STR_DISABLED\nCSV_SIRENDELAYTIME,120\n";
    }

    void parameters()
    {
        QFETCH(bool, printer);
        QFETCH(bool, instant);
        QFETCH(QString, lines);
        QTemporaryDir dir;
        const QString path = dir.path() + "/p.csv";
        Plant plant;
        plant.setDescription("North site");
        plant.setPrinterStat(printer);
        plant.setPrinterParity(2);
        plant.setPrinterBaudRate(19200);
        plant.setSirenInstantActivation(instant);
        plant.setSirenDelayTime(120);
        plant.set_plantReleU1(1);
        plant.set_plantReleFU2(4);
        const QStringList parts = lines.split('|');
        const QString printerLines = parts.size() > 1 ? parts.at(0) : QString();
        const QString sirenLines = parts.last();
        const QString body = "CSV_DESCRIPTION,North site\nCSV_PRINTERSTAT," + QString(printer ? "1" : "0") + "\n"
            + printerLines
            + "CSV_WALKTEST,0\nCSV_WALKTESTCPUID,-1\nCSV_WALKTESTLOOPID,-1\n"
              "CSV_WALKTESTMODULEID,-1\nCSV_WALKTESTSUBID,-1\nCSV_FLASHINGSTAT,0\n"
            + sirenLines
            + "CSV_DETECTORSCHECKSTAT,0\nCSV_DETECTORSCHECKTIME,0\n"
              "CSV_ACKNOWLEDGEMENTINHIBITIONTIME,0\nCSV_AUTOACKNOWLEDGEMENTSTAT,0\n"
              "CSV_AUTOACKNOWLEDGEMENTTIME,0\nCSV_FAILURESYSTEMTIME,0\nCSV_DRIFTALLERT,0\n"
              "CSV_SERIALNUMBERSCHECKSTAT,0\nPRE_ALARM_LVL_PAR_LBL,70\nCSV_STORAGEPRINT,0\n"
              "CSV_FAILUREIVALIDRESPONSETIME,5\nCSV_FALSEFAILURETIMETYPEID,8\n"
              "CSV_OPENCIRCUITSFAILURETIME,10\nCSV_CAMERALOWVALUETIMEFAILURE,20\n"
              "CSV_FAULTMAINTENANCETIME,216\nSIRENE_CORRELATION_ENABLED,1\nCSV_SIRENSOUNDTYPE,1\n"
              "CSV_SIRENVOLUME,1\nCSV_EVACSOUNDTYPE,1\nCSV_EVACSOUNDVOLUME,1\nCSV_SIRENPHASESTAT,0\n"
              "RLALLEnabled,ReleCONTROLLEDNO\nRLU1Enabled,ReleCONTROLLEDDIODE\n"
              "RLU2Enabled,ReleCONTROLLEDNO\nRLFU1Enabled,ReleFNessuno\nRLFU2Enabled,ReleFAllarme\n";
        const QString before = QDateTime::currentDateTime().toString("yyyyMMdd hh:mm");
        QVERIFY(plant.exportParametersCsv(path));
        const QString after = QDateTime::currentDateTime().toString("yyyyMMdd hh:mm");
        const QString top = "CSV_FILENAME," + path + "\nTopoApp Org,ID_OV_VERSION_LBL,2.7\nCSV_CREATEDON,%1\n\n";
        const QString text = readText(path);
        if (text != top.arg(after) + body)
            QCOMPARE(text, top.arg(before) + body);
    }

    // An id that is not set reads -1, as a group that is not set does in the groups file.
    void walkTestIds_data()
    {
        QTest::addColumn<uint>("mode");
        QTest::addColumn<QList<uint>>("ids"); // CPU, loop, module, sub; empty: not set
        QTest::addColumn<QString>("lines");
        QTest::newRow("none") << 0u << QList<uint>{} << "0|-1|-1|-1|-1";
        QTest::newRow("all points") << 1u << QList<uint>{} << "1|-1|-1|-1|-1";
        QTest::newRow("one module") << 2u << QList<uint>{1, 2, 9, 3} << "2|1|2|9|3";
        QTest::newRow("zeros") << 2u << QList<uint>{0, 0, 0, 0} << "2|0|0|0|0";
        QTest::newRow("largest set") << 2u << QList<uint>{64, 8, 256, 16} << "2|64|8|256|16";
        QTest::newRow("one below none") << 2u << QList<uint>{0xFFFFFFFEu, 1, 1, 1} << "2|4294967294|1|1|1";
    }
    void walkTestIds()
    {
        QFETCH(uint, mode);
        QFETCH(QList<uint>, ids);
        QFETCH(QString, lines);
        QTemporaryDir dir;
        const QString path = dir.path() + "/p.csv";
        Plant plant;
        plant.setWalkTest(mode);
        if (!ids.isEmpty())
            QVERIFY(plant.setWalkTestPoint(ids.at(0), ids.at(1), ids.at(2), ids.at(3)));
        QVERIFY(plant.exportParametersCsv(path));
        const QStringList values = lines.split('|');
        const QString expected = "CSV_WALKTEST," + values.at(0) + "\nCSV_WALKTESTCPUID," + values.at(1)
            + "\nCSV_WALKTESTLOOPID," + values.at(2) + "\nCSV_WALKTESTMODULEID," + values.at(3) + "\nCSV_WALKTESTSUBID,"
            + values.at(4) + "\nCSV_FLASHINGSTAT,";
        const QString text = readText(path);
        QVERIFY2(text.contains(expected), qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TstPlantExport)
#include "tst_plantexport.moc"
