#include "io/CSVModifier.h"
#include "io/XMLmodifier.h"

#include "core/Configuration.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Layouts/ZpxProg.h"

#include "TestBase.h"

#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {

// The heading block of the plant's CSV files, in English.
const char kHeading[] = "File name,%1\nTopoApp Org,Version,4.8\nCreated on,20261207 10:15\n\n";
const char kLoopHeading[] = "Loop type,Closed loop\nLoop protocol,ADV\n\n"
                            "Family,Index,Description,Type,checkAudit,Tracking,checkFlashing,AlertLevel,"
                            "lowSensibility,normalSensibility,highSensibility,FormulaCBE,areaIndex,"
                            "checkRaviSCtrlDisa,KORVA 1,KORVA 2,KORVA logic,In/Out,\n";
const char kZones[] = "Index,Description,Night and day,Pre-alarm,Correlation,Sensors,Modules,\n"
                      "1,Entrance,0,0,1,0,0,\n"
                      "2,\"Stairs, A & B\",1,0,3,1,2,\n";
// Detector 3, a two-channel module at 20 (summary row, then its channels), on one loop.
const char kLoopOne[] = "Detector,3,Hall,ION,1,0,0,0,1,1,1,,2,0,,,,1\n"
                        "Module,20,,MM-2,,,,,,,,,,,,,,\n"
                        "Module,20_1,Bell,OUT,,0,0,,,,,I1 OR I2,2,,0,0,0,2\n"
                        "Module,20_2,Door,IN,,0,0,,,,,,7,,0,0,0,1\n";

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), qPrintable(path));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A loop file when body holds loop rows only.
void writeCsv(const QString& folder, const QString& name, const QByteArray& body)
{
    const QString path = folder + "/" + name;
    const QByteArray heading = QString::fromLatin1(kHeading).arg(path).toUtf8();
    writeFile(path, heading + (name.startsWith("Loop") ? kLoopHeading + body : body));
}

// A device, one blank of indentation per level below PanelData; modules holds the text of
// its "Module" elements, or nothing.
QString device(int loop, const QString& position, const QString& type, const QString& label, const QString& zone,
               const QString& zoneLabel, const QString& typeId, const QString& modules = QString())
{
    return QString("  <Device>\n   <LoopNumber>%1</LoopNumber>\n   <PositionOnLoop>%2</PositionOnLoop>\n"
                   "   <Type>%3</Type>\n   <Label>%4</Label>\n   <ZoneAddress>%5</ZoneAddress>\n"
                   "   <ZoneLabel>%6</ZoneLabel>\n   <SerialNumber></SerialNumber>\n"
                   "   <DeviceTypeID>%7</DeviceTypeID>\n   <DeviceManufactureDate></DeviceManufactureDate>\n")
               .arg(loop)
               .arg(position, type, label, zone, zoneLabel, typeId)
        + (modules.isEmpty() ? QString("   <SubModule></SubModule>\n")
                             : "   <SubModule>\n" + modules + "   </SubModule>\n")
        + "  </Device>\n";
}

QString module(const QString& type, const QString& label, const QString& number, const QString& zone,
               const QString& zoneLabel)
{
    return QString("    <Module>\n     <Type>%1</Type>\n     <Label>%2</Label>\n     <Number>%3</Number>\n"
                   "     <ZoneAddress>%4</ZoneAddress>\n     <ZoneLabel>%5</ZoneLabel>\n    </Module>\n")
        .arg(type, label, number, zone, zoneLabel);
}

} // namespace

class TstTopologyXml : public TestBase {
    Q_OBJECT
    QTranslator m_english;
    QTemporaryDir m_dir;
    QString m_folder;

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        Q_INIT_RESOURCE(translations);
        QVERIFY(m_english.load(":/translations/ov4800_en.qm") && QCoreApplication::installTranslator(&m_english));
        Configuration::instance()->set_appName("TopoApp");
        // A KV1600 panel, whose CPUs may be of type 7 (KV-1600) or 8 (KV-4600).
        QCOMPARE(g_zpConf->new_config(6), 0);
        ZpConfBlock* block = g_zpConf->get_block(0, 2, 2);
        QVERIFY(block->lock_write() == 0);
        for (u32 cpu : {0, 1, 9})
            dynamic_cast<ZpData::IF_ZpxProg*>(block->get_iface())->set_cpu_type(cpu, cpu == 1 ? 7 : 8);
        block->unlock();
        reset();
    }
    void init()
    {
        for (const QString& name : QDir(m_dir.path()).entryList(QDir::Files))
            QVERIFY(QFile::remove(m_dir.filePath(name)));
        m_folder = m_dir.path();
        writeCsv(m_folder, "Zones.csv", kZones);
    }

    // One enabled panel: its number is written as 0. A sub-address row before any point row
    // adds nothing; the old document is replaced.
    void onePanel()
    {
        writeCsv(m_folder, "Panels.csv",
                 QString::fromUtf8("Number,State,Description,Loops,SIB,RS,Address,Netmask,Gateway,\n"
                                   "1,1,\"Main, hallé\",2,Disabled,,,,,\n2,0,Spare,0,Disabled,,,,,\n")
                     .toUtf8());
        writeCsv(m_folder, "Loop_ 1_ 1.csv", kLoopOne);
        writeCsv(m_folder, "Loop_ 1_ 2.csv", "Module,5_1,Lost,OUT,,0,0,,,,,,1,,0,0,0,2\n");
        writeFile(m_folder + "/TopoAppPlant.xml", QByteArray(5000, 'x'));
        QVERIFY(XMLmodifier::writeTopologyXml(m_folder + "/"));
        const QString stairs = "Stairs, A &amp; B";
        const QString expected = QString::fromUtf8("<TopologyImport>\n <PanelData Type=\"KV-4600\">\n"
                                                   "  <PanelLabel>Main, hallé</PanelLabel>\n"
                                                   "  <PanelNumber>0</PanelNumber>\n")
            + device(1, "3", "ION", "Hall", "2", stairs, "0")
            + device(1, "20", "MM-2", "", "", "", "1",
                     module("OUT", "Bell", "1", "2", stairs) + module("IN", "Door", "2", "7", ""))
            + " </PanelData>\n</TopologyImport>\n";
        QCOMPARE(QString::fromUtf8(readFile(m_folder + "/TopoAppPlant.xml")), expected);
        QCOMPARE(QDir(m_folder).entryList({"TopoApp*"}, QDir::Files), QStringList{"TopoAppPlant.xml"});
    }

    // Two enabled panels, numbered by their CPU; the loop files of the export are listed, so the
    // one an earlier export left for a loop since removed stays out. CPU 2 comes before CPU 10.
    void staleLoopFileLeftOut()
    {
        writeCsv(m_folder, "Panels.csv", "1,1,North,2,\n2,1,South,2,\n10,0,Old,0,\n");
        writeCsv(m_folder, "Loop_ 1_ 1.csv", "Detector,4,A,ION,1,0,0,0,1,1,1,,1,0,,,,1\n");
        writeCsv(m_folder, "Loop_ 1_ 2.csv", "Detector,9,Stale,ION,1,0,0,0,1,1,1,,1,0,,,,1\n");
        writeCsv(m_folder, "Loop_ 2_ 1.csv", "Module,7,Siren,OUT,,0,0,,,,,,2,,0,0,0,2\n");
        writeCsv(m_folder, "Loop_10_ 1.csv", "Detector,1,Ten,ION,1,0,0,0,1,1,1,,1,0,,,,1\n");
        const QString head =
            " <PanelData Type=\"%1\">\n  <PanelLabel>%2</PanelLabel>\n  <PanelNumber>%3</PanelNumber>\n";
        const QString cpu1 = head.arg("KV-4600", "North", "1") + device(1, "4", "ION", "A", "1", "Entrance", "0");
        const QString cpu2 = head.arg("KV-1600", "South", "2")
            + device(1, "7", "OUT", "Siren", "2", "Stairs, A &amp; B", "1");
        const QString cpu10 = head.arg("KV-4600", "Old", "10") + device(1, "1", "ION", "Ten", "1", "Entrance", "0");
        const QString end = " </PanelData>\n";

        QVERIFY(XMLmodifier::writeTopologyXml(m_folder, {"Loop_ 2_ 1.csv", "Loop_ 1_ 1.csv", "Loop_10_ 1.csv"}));
        QCOMPARE(QString::fromUtf8(readFile(m_folder + "/TopoAppPlant.xml")),
                 "<TopologyImport>\n" + cpu1 + end + cpu2 + end + cpu10 + end + "</TopologyImport>\n");

        QVERIFY(XMLmodifier::writeTopologyXml(m_folder));
        QCOMPARE(QString::fromUtf8(readFile(m_folder + "/TopoAppPlant.xml")),
                 "<TopologyImport>\n" + cpu1 + device(2, "9", "ION", "Stale", "1", "Entrance", "0") + end + cpu2 + end
                     + cpu10 + end + "</TopologyImport>\n");
    }

    // Without panel, zone or loop files the document is an empty root; CPU 0 has no type.
    void missingFiles()
    {
        QVERIFY(QFile::remove(m_folder + "/Zones.csv"));
        QVERIFY(XMLmodifier::writeTopologyXml(m_folder, {}));
        QCOMPARE(readFile(m_folder + "/TopoAppPlant.xml"), QByteArray("<TopologyImport/>\n"));
        QVERIFY(XMLmodifier::writeTopologyXml(m_folder, {"Loop_ 0_ 3.csv"}));
        QCOMPARE(readFile(m_folder + "/TopoAppPlant.xml"),
                 QByteArray("<TopologyImport>\n <PanelData Type=\"---\">\n  <PanelLabel></PanelLabel>\n"
                            "  <PanelNumber>0</PanelNumber>\n </PanelData>\n</TopologyImport>\n"));
    }

    void unwritable()
    {
        QVERIFY(!XMLmodifier::writeTopologyXml(m_folder + "/none"));
        QVERIFY(!XMLmodifier::writeTopologyXml(QString()));
        QVERIFY(messages(QtDebugMsg).join('\n').contains("Open the file for writing failed"));
    }

    // The merged list starts at the first device after the caption row.
    void mergeLoopFiles()
    {
        writeCsv(m_folder, "Loop_ 1_ 2.csv", kLoopOne);
        CSVModifier::mergeLoopFiles(m_folder);
        QCOMPARE(
            QString::fromUtf8(readFile(m_folder + "/example.csv")),
            QString("\"Panel Number\",\"Loop Number\",\"Device Address\",\"Device Class, Device Type, Subtype\","
                    "\"Family\",\"Device Label\",\"Zone Address\",\"Zone Label\"\n"
                    "\"C01\",\"L002\",\"D003\",\"Detector, ION, 1\",\"Detector\",\"Hall\",\"2\",\"Stairs, A & B\"\n"
                    "\"C01\",\"L002\",\"M020.00\",\"Module, MM-2, \",\"Module\",\"\",\"\",\"\"\n"
                    "\"C01\",\"L002\",\"M020.01\",\"Module, OUT, 2\",\"Module\",\"Bell\",\"2\",\"Stairs, A & B\"\n"
                    "\"C01\",\"L002\",\"M020.02\",\"Module, IN, 1\",\"Module\",\"Door\",\"7\",\"\"\n"));
    }
};

QTEST_GUILESS_MAIN(TstTopologyXml)
#include "tst_topologyxml.moc"
