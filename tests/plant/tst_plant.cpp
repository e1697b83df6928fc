// The plant document: plant types and list sizes, the setter rule and the change bits, the
// repeater slots, and the general-programming bytes of the parameters, written by hand.
#include "plant/Plant.h"

#include "../app/IsolatedHome.h"
#include "DataBlock/bytes.h"
#include "DataBlock/crc.h"
#include "LoopTestSupport.h"
#include "PlantBuilder.h"
#include "PlantTestSupport.h"
#include "TestBase.h"
#include "ZpData/Container/ZpConfBlocks.h"
#include "cbe/CBEExpression.h"
#include "plant/PanelBlockWrite.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

static const IsolatedHome s_home;

namespace {

QString sizes(const Plant& plant)
{
    return QString("%1 %2 %3 %4")
        .arg(plant.getPlantType())
        .arg(plant.cpus().count())
        .arg(plant.areas().count())
        .arg(plant.groups().count());
}

} // namespace

class TstPlant : public TestBase {
    Q_OBJECT

private slots:
    void init()
    {
        QCOMPARE(g_zpConf->new_config(8), 0);
        planttest::resetPanel();
        g_zpConf->set_networked(0);
    }

    void plantTypes_data()
    {
        QTest::addColumn<uint>("panelType");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QString>("fresh");
        QTest::addColumn<QString>("expected");
        QTest::newRow("8 networked") << 8u << 1u << "1 64 2000 1600"
                                     << "1 64 2000 1600";
        QTest::newRow("8 stand-alone") << 8u << 0u << "1 64 2000 1600"
                                       << "0 1 2000 400";
        QTest::newRow("7 stand-alone") << 7u << 0u << "1 1 150 400"
                                       << "0 1 150 400";
    }

    void plantTypes()
    {
        QFETCH(uint, panelType);
        QFETCH(uint, type);
        QFETCH(QString, fresh);
        QFETCH(QString, expected);
        QCOMPARE(g_zpConf->new_config(panelType), 0);
        g_zpConf->set_networked(1);
        Plant plant;
        QCOMPARE(sizes(plant), fresh);
        QVERIFY(plant.setPlantType(type, true));
        QCOMPARE(sizes(plant), expected);
        QCOMPARE(int(g_zpConf->get_networked()), int(type));
        QCOMPARE(planttest::block(2).at(5245), char(type));
        QCOMPARE(plant.getRepeatersCount(), type ? 8 : 0);
    }

    // An invalid type changes nothing, not even the networked flag; a stand-alone plant loses its
    // repeaters for good.
    void plantTypeChanges()
    {
        Plant plant;
        QVERIFY(plant.setPlantType(1, false));
        QCOMPARE(plant.getModificationStat(), 112u);
        QSignalSpy typeChanged(&plant, &Plant::plantTypeChanged);
        QSignalSpy changed(&plant, &Plant::plantDataChanged);
        QVERIFY(!plant.setPlantType(2, true));
        QCOMPARE(QString("%1 %2").arg(int(g_zpConf->get_networked())).arg(int(planttest::block(2).at(5245))),
                 QString("1 1"));
        QCOMPARE(sizes(plant), QString("1 64 2000 1600"));
        QVERIFY(plant.setPlantType(0, true));
        QVERIFY(plant.setPlantType(1, true));
        QCOMPARE(QString("%1 %2 %3").arg(typeChanged.count()).arg(changed.count()).arg(plant.getRepeatersCount()),
                 QString("2 0 0"));
    }

    void setterRule()
    {
        Plant plant;
        plant.modifyPlantData(false);
        QSignalSpy modified(&plant, &Plant::plantDataModified);
        QSignalSpy changed(&plant, &Plant::plantDataChanged);
        QSignalSpy drift(&plant, &Plant::driftAllertChanged);
        QSignalSpy relay(&plant, &Plant::plantReleFU2Changed);
        QVERIFY(plant.setDriftAllert(true));
        QCOMPARE(QString("%1 %2 %3").arg(modified.count()).arg(changed.count()).arg(drift.count()), QString("1 1 1"));
        QCOMPARE(changed.at(0).at(0).toUInt(), 2u);
        QVERIFY(!plant.setDriftAllert(true));
        QVERIFY(plant.setSirenVolume(3));
        QVERIFY(plant.set_plantReleFU2(5));
        QVERIFY(!plant.setPreAlarmLvl(101));
        QVERIFY(plant.setPreAlarmLvl(100));
        QVERIFY(!plant.setWalkTestCPUID(3));
        QVERIFY(!plant.setPassword(3, 12));
        QCOMPARE(plant.getPassword(3), 0xFFFFFFFFu);
        QCOMPARE(
            QString("%1 %2 %3 %4").arg(modified.count()).arg(changed.count()).arg(drift.count()).arg(relay.count()),
            QString("1 1 1 1"));
        QCOMPARE(relay.at(0).at(0).toUInt(), 5u);
        QCOMPARE(plant.getReleValue(4), qtTrId("ReleFPreAllarme"));
        // A relay-only change still reaches the modification state.
        plant.setDefaultParameters();
        plant.modifyPlantData(false);
        QVERIFY(plant.set_plantReleAll(3));
        QCOMPARE(QString("%1 %2").arg(plant.getModificationStat()).arg(plant.isPlantDataModified()), QString("2 1"));
        // Repeater slots mark bit 128 even when they change nothing.
        plant.enableRepeater(10, true);
        plant.setRepeaterDescription(-1, "x");
        QCOMPARE(QString("%1 %2").arg(plant.getModificationStat()).arg(plant.getRepeatersEnabledCount()),
                 QString("130 0"));
        QVERIFY(plant.setWalkTest(2));
        QVERIFY(plant.setWalkTestCPUID(3));
        QVERIFY(plant.setWalkTest(1));
        QCOMPARE(plant.getWalkTestCPUID(), 0xFFFFFFFFu);
    }

    // The device pass compiles the programs of used records only: an emptied record (address
    // byte 0) would otherwise take the program of the sensor at address 1.
    void devicePrograms()
    {
        QCOMPARE(g_zpConf->new_config(0), 0);
        planttest::resetPanel();
        Plant plant;
        OvGenericPoint sensor = looptest::typed(1, 1, 1, 1, 1, 1, 20, 2);
        sensor.setCBE("OR(G1 G2)");
        plant.cpus().setPoint(&sensor);
        QCOMPARE(plant.copyTo(), 0);
        const QByteArray devices = planttest::block(70);
        const QByteArray emptied = QByteArray(1, char(0xF0)) + QByteArray(31, '\0');
        QVERIFY(devices.mid(2 + 11, 32) != emptied);
        for (int r = 1; r < 700; ++r)
            QCOMPARE(devices.mid(2 + 43 * r + 11, 32), emptied);
    }

    // The conversion writes the device block record by record; its CRC is reported once, and
    // every block's stored CRC is the CRC of its bytes when the conversion is over.
    void crcsAfterConversion()
    {
        QCOMPARE(g_zpConf->new_config(0), 0);
        planttest::resetPanel();
        Plant plant;
        for (int address = 1; address <= 3; ++address) {
            OvGenericPoint sensor = looptest::typed(1, 1, 1, 1, 1, address, 20, 2);
            plant.cpus().setPoint(&sensor);
        }
        const int before = trace().size();
        QCOMPARE(plant.copyTo(), 0);
        QCOMPARE(trace().mid(before).count(QRegularExpression("crc (changed|load) \\(70\\) = ")), 1);
        for (u32 dt = 2; dt < ZpConfBlocks::kCount; ++dt) {
            const QByteArray bytes = planttest::block(dt);
            QCOMPARE(g_zpConf->get_blocks().get_crc(dt), crc16(bytes.constData(), u32(bytes.size())));
        }
    }

    // Boards past the 64 device blocks: their records are counted for the caller of copyTo and
    // saveToFile.
    void devicesLeftOut()
    {
        Plant plant;
        plant.setPlantType(1, false);
        for (int c = 1; c <= 17; ++c) {
            CPUDevice* cpu = plant.cpus().cpuAt(c - 1);
            cpu->setEnabled(true);
            cpu->setCpuType(8);
            cpu->setLibCount(c < 17 ? 4 : 1);
            for (int loop = 1; loop <= int(cpu->getLibCount()) * 2; ++loop) {
                const OvGenericPoint p = looptest::typed(c, loop, loop, 1, 1, 1, 20, 2);
                plant.cpus().setPoint(&p);
            }
        }
        traceErrors("set_cpu_llId");
        expectWarning("^No free device block: CPU 17 LIB 1 loop 1 not stored, 1 device records left out$");
        expectWarning("^No free device block: CPU 17 LIB 1 loop 2 not stored, 1 device records left out$");
        QCOMPARE(plant.copyTo(), 2);
        QTemporaryDir dir;
        int skipped = 0;
        QCOMPARE(plant.saveToFile(dir.filePath("plant.ov"), &skipped), 0u);
        QCOMPARE(skipped, 2);
    }

    // Two installed CPUs make a networked plant even with the flag clear; one does not.
    void plantTypeFromPanel()
    {
        Plant plant;
        QVERIFY(plant.setPlantType(0, false));
        QCOMPARE(plant.copyParametersFrom(), 0u);
        QCOMPARE(plant.getPlantType(), 0);
        looptest::setZpxByte(4 + 61 + 52, 1);
        looptest::setZpxByte(5245, 0);
        g_zpConf->set_networked(0);
        QCOMPARE(plant.copyParametersFrom(), 0u);
        QCOMPARE(plant.getPlantType(), 1);
    }

    // Repeaters past the list grow it only when asked; the first eight reach the panel, a
    // disabled one without its name, a long name cut to 32 bytes; the CSV file lists them all.
    void repeaters()
    {
        ZpRepeatersSystem s;
        s.addRepeaters(8);
        s.enableRepeater(10, true, false);
        QCOMPARE(s.count(), 8);
        s.enableRepeater(10, true, true);
        QCOMPARE(
            QString("%1 %2 %3 %4").arg(s.count()).arg(s.at(9)->index).arg(s.at(10)->enabled).arg(s.getEnabledCount()),
            QString("11 9 1 1"));
        s.enableRepeater(0, true, false);
        s.at(0)->description = "Reception, east";
        s.at(1)->description = "Hidden";
        s.enableRepeater(2, true, false);
        s.at(2)->description = QString(40, 'R');
        QByteArray zpx(5310, '\x55');
        s.writeToPanelData(reinterpret_cast<u8*>(zpx.data()));
        QByteArray expected = QByteArray(1, 1) + QByteArray("Reception, east").leftJustified(32, '\0')
            + QByteArray(1, 0) + QByteArray(32, '\x55') + QByteArray(1, 1) + QByteArray(32, 'R');
        for (int r = 3; r < 8; ++r)
            expected += QByteArray(1, 0) + QByteArray(32, '\x55');
        QCOMPARE(zpx.mid(4880, 33 * 9).toHex(), (expected + QByteArray(33, '\x55')).toHex());
        QTranslator english;
        planttest::useEnglish(english);
        QTemporaryDir dir;
        const QString path = dir.filePath("Repeaters.csv");
        QString body = "Index,Description,Enabled\n1,\"Reception, east\",1\n2,Hidden,0\n3," + QString(40, 'R') + ",1\n";
        for (int r = 4; r <= 11; ++r)
            body += QString("%1,,%2\n").arg(r).arg(r == 11 ? 1 : 0);
        planttest::compareCsv(
            path, [&] { s.exportCsv(path); }, body);
    }

    void generalBlock_data()
    {
        QTest::addColumn<uint>("preAlarm");
        QTest::addColumn<uint>("baud");
        QTest::addColumn<bool>("preAlarmWritten");
        QTest::addColumn<char>("baudCode");
        QTest::newRow("29, 300") << 29u << 300u << false << char(0);
        QTest::newRow("30, 1200") << 30u << 1200u << true << char(1);
        QTest::newRow("99, 115200") << 99u << 115200u << true << char(8);
        QTest::newRow("100, 14400") << 100u << 14400u << false << char(0);
    }

    void generalBlock()
    {
        QFETCH(uint, preAlarm);
        QFETCH(uint, baud);
        QFETCH(bool, preAlarmWritten);
        QFETCH(char, baudCode);
        const QByteArray defaults = planttest::block(2);
        Plant plant;
        plant.setPlantType(1, false);
        plant.setDescription("Hospital wing B, level 3 east side");
        plant.setPreAlarmLvl(preAlarm);
        plant.setPrinterStat(true);
        plant.setPrinterParity(2);
        plant.setPrinterBaudRate(baud);
        plant.setWalkTest(2);
        plant.setWalkTestPoint(3, 6, 200, 4);
        plant.setPassword(0, 12345);
        plant.setPassword(2, 100000);
        plant.groups().setDirectGroupsCount(250);
        QCOMPARE(plant.copyTo(), 0);
        const QByteArray zpx = planttest::block(2);
        QCOMPARE(zpx.mid(5144, 32), QByteArray("Hospital wing B, level 3 east si"));
        QCOMPARE(zpx.at(5176) & 0xC0, 0x80);
        QCOMPARE(zpx.mid(5188, 3).toHex(),
                 QByteArray::fromHex("42").toHex() + QByteArray(1, char((zpx.at(5189) & 0xE0) | 0x07)).toHex() + "c7");
        QCOMPARE(zpx.at(5191), preAlarmWritten ? char(preAlarm) : defaults.at(5191));
        QCOMPARE(zpx.mid(5206, 2).toHex(), QByteArray("fa00"));
        QCOMPARE(zpx.mid(5208, 12).toHex(), QByteArray("39300000") + defaults.mid(5212, 8).toHex());
        QCOMPARE(QString("%1 %2").arg(zpx.at(5238) & 7).arg(int(zpx.at(5239))), QString("5 %1").arg(int(baudCode)));
        // Read back: an access code above 99999 and a baud code past the table are undefined.
        PanelBlockWrite(0, 2, 2).data()[5239] = 9;
        put_le32(PanelBlockWrite(0, 2, 2).data() + 5212, 100000);
        plant.copyParametersFrom();
        QCOMPARE(
            QString("%1 %2 %3").arg(plant.getPrinterBaudRate()).arg(plant.getPassword(0)).arg(plant.getPassword(1)),
            QString("0 12345 4294967295"));
    }
    // The active plant is what the CBE text model checks references against; a plant that goes
    // away stops being asked.
    void cbeReferences_data()
    {
        QTest::addColumn<bool>("direct");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("ownGroup");
        QTest::addColumn<uint>("expected");
        QTest::newRow("direct names a later group") << true << "(G12)" << 10 << 0u;
        QTest::newRow("direct names an earlier group") << true << "(G5)" << 10 << 528u;
        QTest::newRow("direct names a reverse group") << true << "(G900)" << 10 << 527u;
        QTest::newRow("reverse names an earlier group") << false << "OR(G5)" << 1000 << 0u;
        QTest::newRow("reverse names a later group") << false << "OR(G1200)" << 1000 << 530u;
        QTest::newRow("sensor in the plant") << false << "OR(C1L1S2)" << -1 << 0u;
        QTest::newRow("no sensor there") << false << "OR(C1L1S3)" << -1 << 533u;
        QTest::newRow("sensor on a loop without points") << false << "OR(C1L3S2)" << -1 << 533u;
        QTest::newRow("CPU without boards") << false << "OR(C2L1S2)" << -1 << 533u;
        QTest::newRow("last channel") << false << "OR(C1L2M9.2)" << -1 << 0u;
        QTest::newRow("channel past the last") << false << "OR(C1L2M9.3)" << -1 << 533u;
    }

    void cbeReferences()
    {
        QFETCH(bool, direct);
        QFETCH(QString, text);
        QFETCH(int, ownGroup);
        QFETCH(uint, expected);
        auto plant = std::make_unique<Plant>();
        plantbuild::buildSmallPlant(*plant);
        plant->groups().setDirectGroupsCount(800);
        Ov4800::CBEExpression expression(direct);
        QVERIFY(expression.parse(direct, text));
        QCOMPARE(expression.checkPlantReferences(ownGroup), 0u);
        Ov4800::setCBEPlant(plant.get());
        QCOMPARE(expression.checkPlantReferences(ownGroup), expected);
        plant.reset();
        QCOMPARE(Ov4800::cbePlant(), nullptr);
        QCOMPARE(expression.checkPlantReferences(ownGroup), 0u);
    }
};

QTEST_GUILESS_MAIN(TstPlant)
#include "tst_plant.moc"
