// "ModbusMap.csv" of a generated configuration against whole texts built from the map's layout, the
// decoding of device registers, and files that cannot be written.
#include "FileSizeLimit.h"
#include "FullConfig.h"
#include "ImageGenerator.h"
#include "TestBase.h"
#include "ZpData/Container/ModbusMap.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfIO.h"

#include <QtTest>

using namespace imagegen;

namespace {

// The map of a configuration whose zones with devices are zones (number, name) and whose listed
// devices, in status order, are labels: the fixed part typed from the layout (a golden file), then
// one row per zone, device and sensor.
QStringList map_text(const QVector<QPair<int, QString>>& zones, const QStringList& labels)
{
    QFile fixed(MODBUS_MAP_FIXED_PART);
    QStringList l = QString::fromLatin1(fixed.open(QIODevice::ReadOnly) ? fixed.readAll() : "").split('\n');
    l.removeLast();
    for (const auto& z : zones)
        l << QString("Zone%1%2;%3;").arg(z.first).arg(z.second.isEmpty() ? "" : " (" + z.second + ")").arg(100 + z.first)
                + (z.first ? "Status (0=Normal 1=Empty 2=Excluded 3=Test 4=Active 5=Fault 6=PreAlarm);Cmd (0=DoNothing "
                             "1=Exclude 2=Include)"
                           : "Status (0=Normal 1=Empty 4=Active 5=Fault 6=PreAlarm);-");
    for (int i = 0; i < labels.size(); ++i)
        l << labels[i] + ";" + QString::number(15000 + i)
                + ";Status (0=Normal 1=NotProgrammed 2=Excluded 3=Test 4=Active 5=Fault 6=PreAlarm);Cmd (0=DoNothing "
                  "1=Exclude 2=Include 3=ActivateOut 4=DeactivateOut)";
    const QStringList sensors = labels.filter(QRegularExpression("^C\\d+L\\d+S"));
    for (int i = 0; i < sensors.size(); ++i)
        l << sensors[i] + ";" + QString::number(3000 + i) + ";Analog value;'-";
    return l << "";
}

// A networked ZP4800 plant (zones 0 to 2000 in the map) with four boards on three CPUs. Devices sit
// in block and slot order, not address order: a class-1 module (address plus sub-address, no
// channel), multi-channel and one-channel modules, a type never listed (zone 7), devices in zone 0
// and in zone 2001, past the limit; free slots (type 0) in test, which a load clears.
Plant map_plant()
{
    Plant p;
    p.boards = {{0, 0, 0, 1}, {0, 1, 1, 0}, {1, 0, 0, 0}, {2, 3, 1, 1}};
    p.devices = {{0, 0, 0, 0, false, 16386, 1, 0, 1, 5, "Hall", false},
                 {0, 1, 9, 1, true, 16401, 53, 0, 5, 2, "", false},
                 {0, 2, 20, 0, true, 137, 22, 1, 5, 2, "Door", false},
                 {0, 3, 158, 1, false, 16387, 2, 0, 2000, 5, "Corridor east wing smoke det. 01", false},
                 {0, 4, 30, 0, true, 16397, 54, 0, 7, 0, "Not listed", false},
                 {0, 6, 5, 0, false, 16385, 3, 0, 0, 0, "", false},
                 {1, 0, 3, 0, true, 16395, 22, 0, 1, 0, "Siren", false},
                 {1, 10, 7, 1, false, 16388, 4, 0, 3, 5, "", true},
                 {2, 0, 12, 0, false, 16389, 5, 0, 3, 5, "", false},
                 {2, 1, 12, 0, true, 16401, 53, 0, 2001, 0, "", false},
                 {2, 2, 12, 0, true, 16401, 53, 0, 3, 9, "", false},
                 {3, 5, 0, 0, true, 16394, 46, 0, 40, 0, "", false},
                 {3, 699, 100, 1, false, 16386, 1, 0, 40, 5, "L", false}};
    for (int block = 0; block < 4; ++block)
        p.devices.append({block, 690 - block, 60, 0, false, 0, 0, 0, 0, 0, "", true});
    p.zoneNames = {
        {1, "Lobby"},  {2, "Empty zone"}, {3, "S"}, {7, "Unlisted only"}, {40, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"},
        {2000, "Roof"}};
    return p;
}

} // namespace

class TestModbusMap : public TestBase {
    Q_OBJECT

    QTemporaryDir m_tmp;
    ZpConf m_imported{0, 255};

    // -1: a fresh container; a panel type's defaults; the map plant written block by block (100),
    // imported as an image (101), imported and two devices deleted (102); the full-size plant
    // imported into a container of no panel type, as the program opens an image (103).
    void build(ZpConf& conf, int how)
    {
        const Plant p = how == 103 ? full_plant() : map_plant();
        if (how >= 0)
            conf.new_config(how < 100 ? u32(how) : how == 103 ? 255 : 0);
        for (int dt = 2; how == 100 && dt <= 198; dt = dt == 2 ? 4 : dt == 4 ? 70 : dt + 1)
            QCOMPARE(conf.set_data(u32(dt), block(p, dt, kV2602).constData(), 0, 0), 0);
        QFile image(m_tmp.filePath("CFG_IN.BIN"));
        if (how > 100 && image.open(QIODevice::WriteOnly) && image.write(image_v3(p, kV2602)) > 0 && image.flush())
            QVERIFY(conf.get_io().import_bin(QFile::encodeName(image.fileName()), nullptr) <= 0);
        if (how == 102)
            QVERIFY(conf.delete_device(0, 1) == 0 && conf.delete_device(0, 3) == 0);
        traceErrors("/set_cpu_llId"); // binding boards rewrites the headers of the in-test records
    }

private slots:
    void initTestCase() { TestBase::initTestCase(), build(m_imported, 101); }

    // Slaves 101 to 164: module registers at line * 5000 + address * 10 + channel, sensors at line *
    // 5000 + 2000 (status) or + 3000 (value) + address, all 1-based. Every device of the plant by
    // its registers, then registers naming nothing.
    void decode_data()
    {
        QTest::addColumn<uint>("slave"), QTest::addColumn<uint>("reg"),
            QTest::addColumn<QVector<int>>("found"); // found: block, slot, address
        const Plant p = map_plant();
        for (const Device& d : p.devices) {
            const uint line = p.boards[d.boardIndex].board * 2 + d.lineBit + 1,
                       slave = 101 + p.boards[d.boardIndex].cpu;
            for (uint reg : d.module ? QVector<uint>{line * 5000 + (d.address + 1) * 10 + d.param + 1}
                                     : QVector<uint>{line * 5000 + 2001 + d.address, line * 5000 + 3001 + d.address})
                if (d.type)
                    QTest::addRow("%u %u", slave, reg) << slave << reg << QVector<int>{d.boardIndex, d.slot, d.address};
        }
        QTest::newRow("C1L2M10.1, another channel") << 101u << 10101u << QVector<int>{255, 0xFFFF, 9};
        QTest::newRow("C1L1S2, nothing there") << 101u << 7002u << QVector<int>{255, 0xFFFF, 1};
        QTest::newRow("slave 100") << 100u << 7001u << QVector<int>{255, 0xFFFF, 0};
        QTest::newRow("register 0") << 101u << 0u << QVector<int>{255, 0xFFFF, 255};
        QTest::newRow("line 9") << 101u << 47001u << QVector<int>{255, 0xFFFF, 0};
    }
    void decode()
    {
        QFETCH(uint, slave);
        QFETCH(uint, reg);
        QFETCH(QVector<int>, found);
        const DeviceRef ref = ZpModbus::decode(m_imported, slave, reg);
        QCOMPARE(QVector<int>({int(ref.get_block()), int(ref.get_slot()), int(ref.get_address())}), found);
    }

    // Written over a longer file, which it replaces.
    void map_data()
    {
        QTest::addColumn<int>("how");
        QTest::addColumn<QStringList>("expected");
        for (int how : {-1, 0, 2, 6})
            QTest::addRow("defaults %d", how) << how << map_text({}, {});
        QVector<QPair<int, QString>> zones{
            {0, "default"}, {1, "Lobby"}, {3, "S"}, {5, ""}, {40, "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"}, {2000, "Roof"}};
        QStringList labels{"C1L1S1 (ION) (Hall)",   "C1L2M10.3 (MON3)",
                           "C1L1M23 (FORC) (Door)", "C1L2S159 (PHOT) (Corridor east wing smoke det. 01)",
                           "C1L1S6 (THER)",         "C1L3M4 (FORC) (Siren)",
                           "C1L4S8 (MULTI)",        "C2L1S13 (PINN)",
                           "C2L1M13.1 (MON3)",      "C2L1M13.10 (MON3)",
                           "C3L7M1 (PULL)",         "C3L8S101 (ION) (L)"};
        QTest::newRow("plant as built") << 100 << map_text(zones, labels);
        QTest::newRow("plant imported") << 101 << map_text(zones, labels);
        // A deleted device's row goes, the rows behind it move up, a zone left empty goes.
        labels.removeAt(3);
        labels.removeAt(1);
        zones.removeLast();
        QTest::newRow("two devices deleted") << 102 << map_text(zones, labels);
        // Rows past every digit count the registers reach, over several of the writer's buffers.
        zones.clear(), labels.clear();
        for (int z = 1; z <= 500; ++z)
            zones.append({z, ""});
        const Plant full = full_plant();
        for (const Device& d : full.devices)
            labels << QString("C%1L%2%3%4 (%5) (%6)")
                          .arg(full.boards[d.boardIndex].cpu + 1)
                          .arg(d.boardIndex % 4 * 2 + d.lineBit + 1)
                          .arg(d.module ? 'M' : 'S')
                          .arg(d.address + 1)
                          .arg(d.module ? "FORC" : "ION", QString(d.name));
        QTest::newRow("full-size") << 103 << map_text(zones, labels);
    }
    void map()
    {
        QFETCH(int, how);
        QFETCH(QStringList, expected);
        ZpConf conf(0, 255);
        build(conf, how);
        QFile file(m_tmp.filePath("ModbusMap.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(20000, 'x')) == 20000 && (file.close(), true));
        QCOMPARE(write_map(conf, QFile::encodeName(file.fileName())), 0);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromLatin1(file.readAll()).split('\n'), expected);
    }

    // The file cannot be created: an error line names it. It is created but cannot be stored: the
    // fixed part alone stays in the stream's buffer until the close, the plant's map overflows it.
    void failures_data()
    {
        QTest::addColumn<QString>("path"), QTest::addColumn<bool>("plant"); // path null: no path
        QTest::addColumn<int>("limit"), QTest::addColumn<int>("error");     // limit: largest file in bytes
        QTest::newRow("target is a folder") << m_tmp.path() << false << 0 << EISDIR;
        QTest::newRow("no path") << QString() << false << 0 << EINVAL;
        QTest::newRow("full at close") << "/dev/full" << false << 0 << ENOSPC;
        QTest::newRow("full while writing") << "/dev/full" << true << 0 << ENOSPC;
        QTest::newRow("file size limit") << m_tmp.filePath("limit/ModbusMap.csv") << true << 4096 << EFBIG;
    }
    void failures()
    {
        QFETCH(QString, path);
        QFETCH(bool, plant);
        QFETCH(int, limit);
        QFETCH(int, error);
        ZpConf conf(0, 255);
        conf.new_config(0);
        const QByteArray name = QFile::encodeName(path);
        // An earlier map stays whole, and nothing is left beside it.
        QFile old(path);
        QVERIFY(!limit
                || (QDir(m_tmp.path()).mkpath("limit") && old.open(QIODevice::WriteOnly)
                    && old.write("an earlier map") == 14 && (old.close(), true)));
        int reason = 0;
        int result = 0;
        {
            const FileSizeLimit sizeLimit{rlim_t(limit)};
            QVERIFY(sizeLimit.isSet());
            result = write_map(plant ? m_imported : conf, path.isNull() ? nullptr : name.constData(), &reason);
        }
        QCOMPARE(result, 1000);
        QCOMPARE(reason, error);
        QCOMPARE(traceErrors("ZpModbus/write_map"),
                 path.startsWith("/dev") || limit ? QStringList() : QStringList{"Can't open " + path});
        if (limit) {
            QCOMPARE(QDir(m_tmp.filePath("limit")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                     QStringList{"ModbusMap.csv"});
            QVERIFY(old.open(QIODevice::ReadOnly) && old.readAll() == "an earlier map");
        }
    }
};

QTEST_GUILESS_MAIN(TestModbusMap)
#include "tst_modbusmap.moc"
