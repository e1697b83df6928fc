// "ModbusMap.csv": whole files against golden texts typed here line by line, for an empty
// configuration and for devices on several CPUs, boards and zones, before and after a trip
// through the panel image; unwritable targets and write errors.
#include "ImageGenerator.h"
#include "LibTestSupport.h"
#include "ZpData/ModbusMap.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/ZpConfIO.h"

#include <QtTest>

#include <sys/stat.h>

using namespace imagegen;

namespace {

const char* const kDeviceStatus = "Status (0=Normal 1=NotProgrammed 2=Excluded 3=Test 4=Active 5=Fault 6=PreAlarm)";
const char* const kDeviceCmd = "Cmd (0=DoNothing 1=Exclude 2=Include 3=ActivateOut 4=DeactivateOut)";
const char* const kZoneStatus = "Status (0=Normal 1=Empty 2=Excluded 3=Test 4=Active 5=Fault 6=PreAlarm)";
const char* const kZoneCmd = "Cmd (0=DoNothing 1=Exclude 2=Include)";
const char* const kZone0Status = "Status (0=Normal 1=Empty 4=Active 5=Fault 6=PreAlarm)";

// The part of the map that never changes, line by line.
QStringList fixed_lines()
{
    const QString sc = QString(";%1;%2").arg(kDeviceStatus, kDeviceCmd);
    QStringList l;
    l << "Address description slave address 101 - 164 maps CPU 1-64"
      << "This range of slave addresses map the data for direct access of device based on CxLxDx coordinates"
      << "Module Reg Address = Line * 5000 + module address * 10 + submodule"
      << "Sensor Reg Address = Line * 5000 + 2000 + sensor address"
      << "Sensor Analog Reg Address = Line * 5000 + 3000 + sensor address"
      << ""
      << "HOLDING REGISTERS (examples)"
      << "Modbus address;Coord;Read Desc;Write Desc"
      << "5011;L1M1.1" + sc
      << "5012;L1M1.2" + sc
      << "5020;L1M1.10" + sc
      << "5021;L1M2.1" + sc
      << "6611;L1M159.1" + sc
      << "6620;L1M159.10" + sc
      << "7001;L1S1" + sc
      << "7159;L1S159" + sc
      << "8001;L1S1;Analog value;'-"
      << "8159;L1S159;Analog value;'-"
      << "10011;L2M1.1" + sc
      << "15011;L3M1.1" + sc
      << "20011;L4M1.1" + sc
      << "25011;L5M1.1" + sc
      << "30011;L6M1.1" + sc
      << "35011;L7M1.1" + sc
      << "40011;L8M1.1" + sc
      << "43159;L8S159;Analog value;'-"
      << ""
      << ""
      << ""
      << "Address description slave address 1"
      << "The slave 1 address is for plant status and compressed mapping of devices"
      << ""
      << "COILS (read only)"
      << "Name;Modbus address;Read Desc"
      << "Horn;320;1=Horn is on"
      << "Buzzer;321;1=System buzzer is on"
      << "Alarm led;322;0=Led is off 1=Led is solid on/blinking"
      << "Alarm led blink;323;0=Led is solid on/off 1=Led is blinking"
      << "Fault led;324;0=Led is off 1=Led is solid on/blinking"
      << "Fault led blink;325;0=Led is solid on/off 1=Led is blinking"
      << "Exclusion;326;1=There is an exclusion"
      << "Horn Silenced;327;1=The horn is silenced"
      << "Busy;328;1=Busy. Data could not be available. Retry later"
      << "Test;329;1=Test event active"
      << "Evacuate;330;1=Evacuation is active"
      << ""
      << "HOLDING REGISTERS"
      << "Name;Modbus address;Read Desc;Write Desc"
      << "FWVersion;2;Firmware Version;'-"
      << "FWSubversion;3;Firmware Subversion;'-"
      << "ProtocolVersion;10;MSB = Ver LSB = SubVer;'-"
      << "Reserved;11;'-;'-"
      << "Cpu Number;12;1-32;'-"
      << "Line Number;13;2-64;'-"
      << "Year;14;2000-2099;2000-2099"
      << "Month;15;1-12;1-12"
      << "Day;16;1-31;1-31"
      << "Hour;17;0-23;0-23"
      << "Minute;18;0-59;0-59"
      << "Second;19;0-59;0-59"
      << "CPU Status;20;Cpu status (Shared with COIL 320-335);-"
      << "Buzzer Off;80;'-;Silence the buzzer"
      << "Reset;81;'-;Resets fault status on devices"
      << "Toggle Mute Horn;82;'-;On/off silence horn";
    return l;
}

QByteArray to_file(const QStringList& lines)
{
    QByteArray text;
    for (const QString& line : lines)
        text += line.toLatin1() + '\n';
    return text;
}

QString zone_row(const QString& label, int reg)
{
    return QString("%1;%2;%3;%4").arg(label).arg(reg).arg(kZoneStatus, kZoneCmd);
}

QString device_row(const QString& label, int reg)
{
    return QString("%1;%2;%3;%4").arg(label).arg(reg).arg(kDeviceStatus, kDeviceCmd);
}

QString sensor_row(const QString& label, int reg)
{
    return QString("%1;%2;Analog value;'-").arg(label).arg(reg);
}

const QByteArray kLongDeviceName = "Corridor east wing smoke det. 01"; // 32 characters
const QByteArray kLongZoneName = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"; // 32 characters

// A networked ZP4800 plant (zones 0 to 2000 in the map) with four boards on three CPUs.
// Devices sit in block and slot order, not address order, and include a class-1 module (its
// address is address + sub-address, no channel suffix), multi-channel modules, one-channel
// modules, a type whose list flag is clear (zone 7, never listed), a device in zone 0 and one
// in zone 2001, past the zone limit.
Plant map_plant()
{
    Plant p;
    p.panelType = 0;
    p.networked = 1;
    p.boards = {{0, 0, 0, 1}, {0, 1, 1, 0}, {1, 0, 0, 0}, {2, 3, 1, 1}};
    p.devices = {
        {0, 0, 0, 0, false, 16386, 1, 0, 1, 5, "Hall", false},
        {0, 1, 9, 1, true, 16401, 53, 0, 5, 2, "", false},
        {0, 2, 20, 0, true, 137, 22, 1, 5, 2, "Door", false},
        {0, 3, 158, 1, false, 16387, 2, 0, 2000, 5, kLongDeviceName, false},
        {0, 4, 30, 0, true, 16397, 54, 0, 7, 0, "Not listed", false},
        {0, 6, 5, 0, false, 16385, 3, 0, 0, 0, "", false},
        {1, 0, 3, 0, true, 16395, 22, 0, 1, 0, "Siren", false},
        {1, 10, 7, 1, false, 16388, 4, 0, 3, 5, "", true},
        {2, 0, 12, 0, false, 16389, 5, 0, 3, 5, "", false},
        {2, 1, 12, 0, true, 16401, 53, 0, 2001, 0, "", false},
        {2, 2, 12, 0, true, 16401, 53, 0, 3, 9, "", false},
        {3, 5, 0, 0, true, 16394, 46, 0, 40, 0, "", false},
        {3, 699, 100, 1, false, 16386, 1, 0, 40, 5, "Lab", false},
    };
    p.zoneNames = {{1, "Lobby"}, {2, "Empty zone"}, {3, "Stairs 1"}, {7, "Unlisted only"}, {40, kLongZoneName},
                   {2000, "Roof"}};
    return p;
}

// Free slots of the bound blocks that get an in-test bit behind the rebuild's back.
const int kFreeTestSlots[][2] = {{0, 5}, {1, 699}, {2, 3}, {3, 0}};

bool aux_bit(ZpConf& conf, int block, int slot)
{
    ZpConfBlock* aux = conf.get_blocks()[198];
    return (aux->get_ptr()[90 * block + 2 + slot / 8] >> (slot % 8)) & 1;
}

// Builds the plant in conf through the container's own block writes, then sets the in-test
// bits of kFreeTestSlots without a change notice, the way a panel image can carry them.
void build_plant(ZpConf& conf)
{
    const Plant p = map_plant();
    conf.new_config(p.panelType);
    const QByteArray general = general_block(p, kV2602);
    QCOMPARE(conf.set_data(2, general.constData(), 0, 0), 0);
    // The in-test bits last: each device block write rebuilds the status, which clears the
    // bits of slots still free at that moment.
    QVector<int> dataTypes{4};
    for (int i = 0; i < p.boards.size(); ++i)
        dataTypes << 70 + i << 134 + i;
    dataTypes << 198;
    for (int dt : dataTypes) {
        const QByteArray data = block(p, dt, kV2602);
        QCOMPARE(conf.set_data(u32(dt), data.constData(), 0, 0), 0);
    }
    conf.post_load(nullptr);

    ZpConfBlock* aux = conf.get_blocks()[198];
    QCOMPARE(aux->lock_write(), 0);
    for (const auto& bs : kFreeTestSlots)
        aux->get_ptr()[90 * bs[0] + 2 + bs[1] / 8] |= u8(1 << (bs[1] % 8));
    aux->mark_modified();
    aux->unlock();
}

// The map of map_plant, typed from the plant above.
QByteArray plant_map()
{
    QStringList l = fixed_lines();
    l << QString("Zone0 (default);100;%1;-").arg(kZone0Status)
      << zone_row("Zone1 (Lobby)", 101)
      << zone_row("Zone3 (Stairs 1)", 103)
      << zone_row("Zone5", 105)
      << zone_row("Zone40 (ABCDEFGHIJKLMNOPQRSTUVWXYZ012345)", 140)
      << zone_row("Zone2000 (Roof)", 2100)
      << device_row("C1L1S1 (ION) (Hall)", 15000)
      << device_row("C1L2M10.3 (MON3)", 15001)
      << device_row("C1L1M23 (FORC) (Door)", 15002)
      << device_row("C1L2S159 (PHOT) (Corridor east wing smoke det. 01)", 15003)
      << device_row("C1L1S6 (THER)", 15004)
      << device_row("C1L3M4 (FORC) (Siren)", 15005)
      << device_row("C1L4S8 (MULTI)", 15006)
      << device_row("C2L1S13 (PINN)", 15007)
      << device_row("C2L1M13.1 (MON3)", 15008)
      << device_row("C2L1M13.10 (MON3)", 15009)
      << device_row("C3L7M1 (PULL)", 15010)
      << device_row("C3L8S101 (ION) (Lab)", 15011)
      << sensor_row("C1L1S1 (ION) (Hall)", 3000)
      << sensor_row("C1L2S159 (PHOT) (Corridor east wing smoke det. 01)", 3001)
      << sensor_row("C1L1S6 (THER)", 3002)
      << sensor_row("C1L4S8 (MULTI)", 3003)
      << sensor_row("C2L1S13 (PINN)", 3004)
      << sensor_row("C3L8S101 (ION) (Lab)", 3005);
    return to_file(l);
}

// The map after the module C1L2M10.3 and the sensor C1L2S159 (the only device of zone 2000)
// are deleted: the rows after them move up one register and Zone2000 goes.
QByteArray plant_map_after_delete()
{
    QStringList l = fixed_lines();
    l << QString("Zone0 (default);100;%1;-").arg(kZone0Status)
      << zone_row("Zone1 (Lobby)", 101)
      << zone_row("Zone3 (Stairs 1)", 103)
      << zone_row("Zone5", 105)
      << zone_row("Zone40 (ABCDEFGHIJKLMNOPQRSTUVWXYZ012345)", 140)
      << device_row("C1L1S1 (ION) (Hall)", 15000)
      << device_row("C1L1M23 (FORC) (Door)", 15001)
      << device_row("C1L1S6 (THER)", 15002)
      << device_row("C1L3M4 (FORC) (Siren)", 15003)
      << device_row("C1L4S8 (MULTI)", 15004)
      << device_row("C2L1S13 (PINN)", 15005)
      << device_row("C2L1M13.1 (MON3)", 15006)
      << device_row("C2L1M13.10 (MON3)", 15007)
      << device_row("C3L7M1 (PULL)", 15008)
      << device_row("C3L8S101 (ION) (Lab)", 15009)
      << sensor_row("C1L1S1 (ION) (Hall)", 3000)
      << sensor_row("C1L1S6 (THER)", 3001)
      << sensor_row("C1L4S8 (MULTI)", 3002)
      << sensor_row("C2L1S13 (PINN)", 3003)
      << sensor_row("C3L8S101 (ION) (Lab)", 3004);
    return to_file(l);
}

QByteArray read_all(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return f.readAll();
}

// Fails on the first differing line, so a mismatch names the line instead of a 6 KB blob.
void compare_text(const QByteArray& actual, const QByteArray& expected)
{
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (int i = 0; i < qMin(a.size(), e.size()); ++i)
        QVERIFY2(a[i] == e[i], qPrintable(QString("line %1: \"%2\" != \"%3\"")
                                               .arg(i + 1)
                                               .arg(QString::fromLatin1(a[i]), QString::fromLatin1(e[i]))));
    QCOMPARE(a.size(), e.size());
    QCOMPARE(actual, expected);
}

} // namespace

class TestModbusMap : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_dir.setAutoRemove(qEnvironmentVariableIsEmpty("KEEP_TMP"));
    }

    // Registers of slaves 101 to 164 name a device by its coordinates: module registers are
    // line * 5000 + address * 10 + channel, sensors line * 5000 + 2000 (status) or + 3000
    // (analog value) + address, all 1-based.
    void decode_data()
    {
        QTest::addColumn<uint>("slave");
        QTest::addColumn<uint>("reg");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("address");
        QTest::newRow("C1L1S1 status") << 101u << 7001u << 0 << 0 << 0;
        QTest::newRow("C1L1S1 analog") << 101u << 8001u << 0 << 0 << 0;
        QTest::newRow("C1L2M10.3") << 101u << 10103u << 0 << 1 << 9;
        QTest::newRow("C1L2M10.1, another channel") << 101u << 10101u << 255 << 0xFFFF << 9;
        QTest::newRow("C1L4S8 on the second board") << 101u << 22008u << 1 << 10 << 7;
        QTest::newRow("C2L1S13") << 102u << 7013u << 2 << 0 << 12;
        QTest::newRow("C3L8S101, last slot") << 103u << 42101u << 3 << 699 << 100;
        QTest::newRow("C1L1S2, nothing there") << 101u << 7002u << 255 << 0xFFFF << 1;
        QTest::newRow("slave 100") << 100u << 7001u << 255 << 0xFFFF << 0;
        QTest::newRow("register 0") << 101u << 0u << 255 << 0xFFFF << 255;
        QTest::newRow("line 9") << 101u << 47001u << 255 << 0xFFFF << 0;
    }
    void decode()
    {
        QFETCH(uint, slave);
        QFETCH(uint, reg);
        QFETCH(int, block);
        QFETCH(int, slot);
        QFETCH(int, address);
        ZpConf conf(0, 255);
        build_plant(conf);
        const DeviceRef ref = ZpModbus::decode(conf, slave, reg);
        QCOMPARE(int(ref.get_block()), block);
        QCOMPARE(int(ref.get_slot()), slot);
        QCOMPARE(int(ref.get_address()), address);
    }

    // Without a listed device only the fixed part is written: no zone, device or sensor row,
    // whatever the panel family calls zone 0.
    void empty_configuration_data()
    {
        QTest::addColumn<int>("panelType");
        QTest::newRow("fresh container") << -1;
        QTest::newRow("ZP4800 default") << 0;
        QTest::newRow("ZP1300CL default") << 2;
        QTest::newRow("KV1600 default") << 6;
    }
    void empty_configuration()
    {
        QFETCH(int, panelType);
        ZpConf conf(0, 255);
        if (panelType >= 0)
            QCOMPARE(conf.new_config(u32(panelType)), 0);
        const QString path = m_dir.filePath("empty.csv");
        QCOMPARE(write_map(conf, path.toLocal8Bit().constData()), 0);
        compare_text(read_all(path), to_file(fixed_lines()));
    }

    // The same configuration written as built, and after export to "CFG_IN.BIN" and import
    // into a fresh container. The image carries in-test bits on free slots, which the import's
    // status rebuild clears by writing the auxiliary block: that write must not start a second
    // rebuild that lists every device twice.
    void plant_data()
    {
        QTest::addColumn<bool>("throughImage");
        QTest::newRow("as built") << false;
        QTest::newRow("exported and imported") << true;
    }
    void plant()
    {
        QFETCH(bool, throughImage);
        std::unique_ptr<ZpConf> built(new ZpConf(0, 255));
        build_plant(*built);
        if (QTest::currentTestFailed())
            return;
        for (const auto& bs : kFreeTestSlots)
            QVERIFY(aux_bit(*built, bs[0], bs[1]));
        QVERIFY(aux_bit(*built, 1, 10));

        ZpConf* conf = built.get();
        std::unique_ptr<ZpConf> imported;
        if (throughImage) {
            const QString image = m_dir.filePath("CFG_IN.BIN");
            QCOMPARE(built->get_io().export_bin_v3(image.toLocal8Bit().constData(), nullptr), 0);
            imported.reset(new ZpConf(0, 255));
            const int result = imported->get_io().import_bin(image.toLocal8Bit().constData(), nullptr);
            QVERIFY2(result == 0 || result == -1, QByteArray::number(result));
            for (const auto& bs : kFreeTestSlots)
                QVERIFY2(!aux_bit(*imported, bs[0], bs[1]), qPrintable(QString("%1.%2").arg(bs[0]).arg(bs[1])));
            QVERIFY(aux_bit(*imported, 1, 10));
            conf = imported.get();
        }
        const QString path = m_dir.filePath("ModbusMap.csv");
        QCOMPARE(write_map(*conf, path.toLocal8Bit().constData()), 0);
        compare_text(read_all(path), plant_map());
        if (QTest::currentTestFailed())
            return;

        // Written again over the same file: the same text, nothing appended.
        QCOMPARE(write_map(*conf, path.toLocal8Bit().constData()), 0);
        compare_text(read_all(path), plant_map());
    }

    // The map follows the lists the status rebuild keeps: a deleted device's row goes, the rows
    // behind it are renumbered, and a zone left without devices loses its row.
    void after_delete()
    {
        ZpConf conf(0, 255);
        build_plant(conf);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(conf.delete_device(0, 1), 0);
        QCOMPARE(conf.delete_device(0, 3), 0);
        const QString path = m_dir.filePath("deleted.csv");
        QCOMPARE(write_map(conf, path.toLocal8Bit().constData()), 0);
        compare_text(read_all(path), plant_map_after_delete());
    }

    // An existing longer file is replaced, not overwritten in place; every line ends in a bare
    // "\n".
    void truncates_and_line_ends()
    {
        ZpConf conf(0, 255);
        build_plant(conf);
        if (QTest::currentTestFailed())
            return;
        const QString path = m_dir.filePath("old.csv");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray(20000, 'x'));
        }
        QCOMPARE(write_map(conf, path.toLocal8Bit().constData()), 0);
        const QByteArray text = read_all(path);
        QCOMPARE(text.size(), plant_map().size());
        QCOMPARE(text.count('\r'), 0);
        QVERIFY(text.endsWith('\n'));
        QCOMPARE(text.count('\n'), fixed_lines().size() + 6 + 12 + 6);
        compare_text(text, plant_map());
    }

    void unwritable_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder under /proc") << "/proc/ov4800-test/ModbusMap.csv";
        QTest::newRow("parent is a regular file") << "PARENT_FILE/ModbusMap.csv";
        QTest::newRow("target is a folder") << "FOLDER";
        QTest::newRow("empty path") << "";
    }
    void unwritable()
    {
        QFETCH(QString, path);
        const QString parent = m_dir.filePath("plain-file");
        {
            QFile f(parent);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("keep");
        }
        path.replace("PARENT_FILE", parent);
        path.replace("FOLDER", m_dir.path());

        ZpConf conf(0, 255);
        conf.new_config(0);
        libtest::TraceCapture trace;
        QCOMPARE(write_map(conf, path.toLocal8Bit().constData()), 1000);
        const QString log = trace.text();
        const QRegularExpression line("src/Lib/ZpData/ZpModbus/write_map:\\d+ E\\[Can't open "
                                          + QRegularExpression::escape(path) + "\\]$",
                                      QRegularExpression::MultilineOption);
        QVERIFY2(line.match(log).hasMatch(), qPrintable(log));
        QCOMPARE(read_all(parent), QByteArray("keep"));
    }

    void null_path()
    {
        ZpConf conf(0, 255);
        QCOMPARE(write_map(conf, nullptr), 1000);
    }

    // The file opens but its data cannot be stored. The fixed part alone (4094 bytes) stays in
    // the stream's buffer until the close, so only the check at close sees that error; the
    // plant's map overflows the buffer while it is written.
    void write_error_data()
    {
        QTest::addColumn<bool>("withPlant");
        QTest::newRow("fails at close") << false;
        QTest::newRow("fails while writing") << true;
    }
    void write_error()
    {
        QFETCH(bool, withPlant);
        struct stat st;
        if (stat("/dev/full", &st) != 0)
            QSKIP("no /dev/full");
        QCOMPARE(to_file(fixed_lines()).size(), 4094);
        ZpConf conf(0, 255);
        if (withPlant)
            build_plant(conf);
        else
            conf.new_config(0);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(write_map(conf, "/dev/full"), 1000);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestModbusMap)
#include "tst_modbusmap.moc"
