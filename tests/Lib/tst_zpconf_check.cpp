// Repair of the general block (line protocols, CPU types, board counts) and what it does to the
// device blocks, and the container-wide default and upgrade passes. Expected values are written
// out from the block tables and the model tables.
#include "LibTestSupport.h"

#include "ZpData/DeviceProg.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/ZpxProg.h"
#include "ZpData/crc.h"
#include "ZpData/interface.h"

#include <QtTest>

#include <algorithm>
#include <cstring>
#include <functional>

using namespace libtest;

namespace {

// Panel types.
constexpr u32 kZp4800 = 0;
constexpr u32 kKv1300 = 5;
constexpr u32 kKv1600 = 6;

// Offsets of the general block.
constexpr u32 kCpuRecords = 4;
constexpr u32 kCpuRecSize = 61;
constexpr u32 kCpuStatus = 52;
constexpr u32 kBrand = 5247;

using Step = std::function<void(ZpConf&)>;

u8* zpx_data(ZpConf& conf)
{
    return conf.find_block(2)->get_ptr();
}

ZpData_v2602::ZpxProg* zpx_of(ZpConf& conf)
{
    return dynamic_cast<ZpData_v2602::ZpxProg*>(conf.find_block(2)->get_iface());
}

u8& board_byte(ZpConf& conf, u32 cpu, u32 board)
{
    return zpx_data(conf)[kCpuRecords + kCpuRecSize * cpu + 5 * board];
}

u8& cpu_status(ZpConf& conf, u32 cpu)
{
    return zpx_data(conf)[kCpuRecords + kCpuRecSize * cpu + kCpuStatus];
}

// Writes the protocol of one line of a board straight into the block (bits 3-4 line 0, bits 5-6
// line 1), without any notice.
void poke_protocol(ZpConf& conf, u32 cpu, u32 board, u32 line, u8 prot)
{
    const u32 shift = line == 0 ? 3 : 5;
    u8& byte = board_byte(conf, cpu, board);
    byte = u8((byte & ~(3u << shift)) | (prot << shift));
}

int protocol(ZpConf& conf, u32 cpu, u32 board, u32 line)
{
    return (board_byte(conf, cpu, board) >> (line == 0 ? 3 : 5)) & 3;
}

// Runs op on the installed general block under its write lock, so its notices reach the
// container as a user's change would.
void change_zpx(ZpConf& conf, const std::function<void(ZpData_v2602::ZpxProg&)>& op)
{
    ZpConfBlock* block = conf.find_block(2);
    QVERIFY(block->lock_write() == 0);
    op(*zpx_of(conf));
    block->unlock();
}

// The messages of the location lines of check_zpxProg, in order.
QStringList check_lines(TraceCapture& trace)
{
    QStringList found;
    const QRegularExpression re("src/Lib/ZpData/ZpConf/check_zpxProg:\\d+ ([^\\n]*)\\n");
    for (auto it = re.globalMatch(trace.text()); it.hasNext();)
        found << it.next().captured(1);
    return found;
}

int count_lines(TraceCapture& trace, const QString& line)
{
    return trace.text().count(line + "\n");
}

// A sensor at address slot + 1 on one line of a device block.
void program_sensor(ZpConf& conf, u32 block, u32 slot, u8 lineBit)
{
    device::put_rec(device::slot_ptr(conf.find_block(70 + block)->get_iface(), slot),
                    device::sensor(u8(slot + 1), lineBit));
}

struct Dev {
    u32 block;
    u32 slot;
    u8 lineBit;
    bool usedAfter;
};

// Installs a zeroed layout of version in a block; data, when given, fills it first.
void install_old(ZpConf& conf, u32 dataType, u16 version, const std::function<void(u8*)>& fill = nullptr)
{
    ZpConfBlock* block = conf.find_block(dataType);
    DataBlock::IFace* layout = block->new_iface(0, version);
    QVERIFY(layout);
    QCOMPARE(layout->version(), version);
    layout->set_default();
    if (fill)
        fill(layout->data());
    QCOMPARE(block->set_iface(layout), 0);
}

} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(QVector<Dev>)

class tst_ZpConfCheck : public QObject {
    Q_OBJECT

private slots:
    void protocolChange_data();
    void protocolChange();
    void cpuTypeRepair_data();
    void cpuTypeRepair();
    void boardLimitUninstallsCpu();
    void updateAll_data();
    void updateAll();
    void setDefaultAllSkipsStatus();
};

// ---------------------------------------------------------------------------------------------
// Line protocols: the protocol pass rewrites lines when the brand changes, and a protocol that
// differs from the last checked state clears the devices of that line on a bound board.

void tst_ZpConfCheck::protocolChange_data()
{
    QTest::addColumn<u32>("panelType");
    QTest::addColumn<Step>("setup");
    QTest::addColumn<QVector<Dev>>("devices");
    QTest::addColumn<Step>("change");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("result");

    const Step none = [](ZpConf&) {};
    const Step secondBoard = [](ZpConf& conf) {
        change_zpx(conf, [](ZpData_v2602::ZpxProg& z) { QCOMPARE(z.set_cpu_ll_num(0, 2), 0); });
        // Board 1 of CPU 0 takes the lowest free device block.
        QCOMPARE(conf.get_device_prog_index(0, 1), 1u);
    };
    const Step apolloFirst = [](ZpConf& conf) {
        zpx_data(conf)[kBrand] = 4;
        QCOMPARE(conf.check_zpxProg(false), 0);
        QCOMPARE(protocol(conf, 0, 0, 0), 2);
    };
    const Step advLines = [](ZpConf& conf) {
        poke_protocol(conf, 0, 0, 0, 0);
        poke_protocol(conf, 0, 0, 1, 0);
    };
    auto brand = [](u8 value) { return Step([value](ZpConf& conf) { zpx_data(conf)[kBrand] = value; }); };
    auto prot = [](u32 board, u32 line, u8 value) {
        return Step([=](ZpConf& conf) { poke_protocol(conf, 0, board, line, value); });
    };

    // ZP4800: two lines per board, ADV by default (code 0).
    QTest::newRow("ZP4800 board 0 line 1 to VARN")
        << kZp4800 << none << QVector<Dev>{{0, 0, 0, true}, {0, 1, 1, false}} << prot(0, 1, 1)
        << QStringList{"Cambiato prot cpu0 line0"} << -1;
    QTest::newRow("ZP4800 board 1 line 0 to VARN")
        << kZp4800 << secondBoard << QVector<Dev>{{0, 0, 0, true}, {0, 1, 1, true}, {1, 2, 0, false}, {1, 3, 1, true}}
        << prot(1, 0, 1) << QStringList{"Cambiato prot cpu0 line2"} << -1;
    QTest::newRow("ZP4800 board without device block")
        << kZp4800 << none << QVector<Dev>{{0, 0, 0, true}, {0, 1, 1, true}} << prot(2, 0, 1) << QStringList{} << -1;

    // KV1600: two lines per board, no ADV, VARN (1) by default, brands {4, 2, 3}, default 3.
    const QString toApollo = "C0L0 cambia protocollo da 1 ad Apollo";
    const QString fromApollo = "C0L0 cambia protocollo da Apollo a 1";
    const QString changed = "Cambiato prot cpu0 line0";
    QTest::newRow("KV1600 to APOLLO") << kKv1600 << none << QVector<Dev>{{0, 0, 0, false}, {0, 1, 1, false}}
                                      << brand(4) << QStringList{toApollo, toApollo, changed, changed} << 0;
    QTest::newRow("KV1600 from APOLLO") << kKv1600 << apolloFirst << QVector<Dev>{{0, 0, 0, false}, {0, 1, 1, false}}
                                        << brand(3) << QStringList{fromApollo, fromApollo, changed, changed} << 0;
    // ADV lines on a model without ADV go back to VARN, which is what they were: no device is lost.
    const QString noAdv = "C0L0 e' advance ma non e' supportato";
    QTest::newRow("KV1600 ADV lines") << kKv1600 << advLines << QVector<Dev>{{0, 0, 0, true}, {0, 1, 1, true}}
                                      << brand(2) << QStringList{noAdv, noAdv} << 0;
    // KV1300: one line per board; both protocol fields of the board change and are reported with
    // the board's first line.
    QTest::newRow("KV1300 to APOLLO") << kKv1300 << none << QVector<Dev>{{0, 0, 0, false}, {0, 1, 1, false}}
                                      << brand(4) << QStringList{toApollo, toApollo, changed, changed} << 0;
}

void tst_ZpConfCheck::protocolChange()
{
    QFETCH(u32, panelType);
    QFETCH(Step, setup);
    QFETCH(QVector<Dev>, devices);
    QFETCH(Step, change);
    QFETCH(QStringList, lines);
    QFETCH(int, result);

    ZpConf conf(0, panelType);
    QCOMPARE(conf.new_config(panelType), 0);
    QCOMPARE(conf.get_device_prog_index(0, 0), 0u);
    setup(conf);
    for (const Dev& d : devices)
        program_sensor(conf, d.block, d.slot, d.lineBit);
    QCOMPARE(conf.build_device_status(false, nullptr), 0);

    TraceCapture trace;
    change(conf);
    QCOMPARE(conf.check_zpxProg(false), result);
    QCOMPARE(check_lines(trace), lines);
    for (const Dev& d : devices)
        QVERIFY2(conf.is_device_used(d.block, d.slot) == d.usedAfter,
                 qPrintable(QString("block %1 slot %2").arg(d.block).arg(d.slot)));
    // The status index follows the cleared devices. In these rows block b serves board b of
    // CPU 0, whose lines are 2b and 2b + 1.
    for (const Dev& d : devices) {
        u8 record[43];
        const u32 line = 2 * d.block + d.lineBit;
        QCOMPARE(conf.get_device(record, 0, line, false, d.slot + 1, 15), d.usedAfter ? 0 : 1008);
    }
    // The devices were cleared and the status rebuilt once, however many lines changed.
    const bool anyCleared = std::any_of(devices.begin(), devices.end(), [](const Dev& d) { return !d.usedAfter; });
    QCOMPARE(count_lines(trace, "Inizio aggiornamento stato zone"), anyCleared ? 1 : 0);
    // A second check finds nothing more to do.
    QCOMPARE(conf.check_zpxProg(false), -1);
}

// ---------------------------------------------------------------------------------------------
// CPU records: a type the model does not have is replaced by the model's first type, and the
// board count follows the type.

void tst_ZpConfCheck::cpuTypeRepair_data()
{
    QTest::addColumn<u32>("panelType");
    QTest::addColumn<u32>("cpu");
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("typeAfter");
    QTest::addColumn<int>("boardsAfter");

    QTest::newRow("ZP4800 CPU 0 as ZP-4800N") << kZp4800 << 0u << 9 << QStringList{"C0 tipo ZP-4800N non valido, imposto a ZP-4800"} << 1 << 1;
    QTest::newRow("ZP4800 CPU 5 not installed, type 0")
        << kZp4800 << 5u << 0 << QStringList{"C5 tipo UNDEFINED non valido, imposto a ZP-4800"} << 1 << 0;
    QTest::newRow("KV1600 CPU 0 type 31") << kKv1600 << 0u << 31 << QStringList{"C0 tipo --- non valido, imposto a KV-1600"} << 7 << 1;
    // KV-4600 is a type of the KV1600 model; it needs 4 lines, that is two boards.
    QTest::newRow("KV1600 CPU 0 as KV-4600") << kKv1600 << 0u << 8 << QStringList{} << 8 << 2;
}

void tst_ZpConfCheck::cpuTypeRepair()
{
    QFETCH(u32, panelType);
    QFETCH(u32, cpu);
    QFETCH(int, type);
    QFETCH(QStringList, lines);
    QFETCH(int, typeAfter);
    QFETCH(int, boardsAfter);

    ZpConf conf(0, panelType);
    QCOMPARE(conf.new_config(panelType), 0);
    u8& status = cpu_status(conf, cpu);
    status = u8((status & 7) | (type << 3));

    TraceCapture trace;
    QCOMPARE(conf.check_zpxProg(false), 0);
    QCOMPARE(check_lines(trace), lines);
    QCOMPARE(int(cpu_status(conf, cpu) >> 3), typeAfter);
    QCOMPARE(int(zpx_of(conf)->get_cpu_ll_installed_num(cpu)), boardsAfter);
    // Every installed board has its device block.
    for (u32 ll = 0; ll < u32(boardsAfter); ++ll)
        QCOMPARE(conf.get_device_prog_index(cpu, ll), ll);
    QCOMPARE(conf.get_blocks().get_crc(2), crc16(zpx_data(conf), 5310));
}

// A CPU that needs a board when the plant has no board left is taken out of the plant.
void tst_ZpConfCheck::boardLimitUninstallsCpu()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    // Networked ZP4800: 64 lines, 32 boards; CPUs 0 to 7 with four boards each fill them.
    change_zpx(conf, [](ZpData_v2602::ZpxProg& z) {
        QCOMPARE(z.set_canloop_enable(1), 0);
        QCOMPARE(z.set_cpu_ll_num(0, 4), 0);
        for (u32 cpu = 1; cpu < 8; ++cpu) {
            QCOMPARE(z.set_cpu_installed(cpu, true), 0);
            QCOMPARE(z.set_cpu_ll_num(cpu, 4), 0);
        }
    });
    QCOMPARE(conf.get_device_prog_index(7, 3), 31u);

    // CPU 8 installed as a ZP-4800 without a board.
    cpu_status(conf, 8) = u8(1 | (1 << 3));
    TraceCapture trace;
    QCOMPARE(conf.check_zpxProg(false), 0);
    QCOMPARE(check_lines(trace), QStringList{"Linee piene!"});
    QCOMPARE(int(cpu_status(conf, 8) & 1), 0);
    QCOMPARE(conf.get_device_prog_index(8, 0), 255u);
    QCOMPARE(conf.get_device_prog_index(7, 3), 31u);
}

// ---------------------------------------------------------------------------------------------
// Container-wide passes

void tst_ZpConfCheck::updateAll_data()
{
    QTest::addColumn<u16>("target");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("versionAfter"); // of dataTypes 70 and 199
    QTest::addColumn<QStringList>("imports");

    QTest::newRow("to 0x2602") << u16(0x2602) << 0 << 0x2602
                               << QStringList{"Importing dataype 70 2600 -> 2601", "Importing dataype 70 2601 -> 2602",
                                              "Importing dataype 199 2600 -> 2601", "Importing dataype 199 2601 -> 2602"};
    // The general block cannot go down to 0x2601: the pass stops there, before dataType 70.
    QTest::newRow("to 0x2601") << u16(0x2601) << 1003 << 0x2600 << QStringList{};
}

void tst_ZpConfCheck::updateAll()
{
    QFETCH(u16, target);
    QFETCH(int, result);
    QFETCH(int, versionAfter);
    QFETCH(QStringList, imports);

    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    // Device block 0 (CPU 0 board 0) in the 0x2600 layout: 42-byte records at 2 + 42 * s. Slot 3:
    // sensor at address 5 of line 0, code byte 2 with the module-code bit (bit 6 of byte 3) that
    // becomes bit 14, type 1, zone 7.
    install_old(conf, 70, 0x2600, [](u8* d) {
        d[0] = 0;
        d[1] = 0;
        u8* o = d + 2 + 42 * 3;
        o[0] = 5;
        o[2] = 2;
        o[3] = 0x41;
        o[4] = 7;
        o[5] = 0;
        o[10] = 0x5A;
    });
    install_old(conf, 199, 0x2600);

    TraceCapture trace;
    QCOMPARE(conf.update_all(target), result);
    QCOMPARE(int(conf.find_block(70)->get_version()), versionAfter);
    QCOMPARE(int(conf.find_block(199)->get_version()), versionAfter);
    QStringList found;
    const QRegularExpression re("(Importing dataype [^\\n]*)\\n");
    for (auto it = re.globalMatch(trace.text()); it.hasNext();)
        found << it.next().captured(1);
    QCOMPARE(found, imports);
    if (result != 0)
        return;

    // The widened record: code 0x4002, type 1 class 0, zone 7, byte 11 from old byte 10.
    const u8* n = conf.find_block(70)->get_ptr() + 2 + 43 * 3;
    const u8 expected[12] = {5, 0, 0x02, 0x40, 0x01, 7, 0, 0, 0, 0, 0, 0x5A};
    QCOMPARE(bytes(n, 12), bytes(expected, 12));
    // The change reactions ran once, on the upgraded blocks: the status index and the zone list
    // know the device.
    QCOMPARE(count_lines(trace, "Inizio aggiornamento stato zone"), 1);
    u8 record[43];
    QCOMPARE(conf.get_device(record, 0, 0, false, 5, 15), 0);
    QCOMPARE(conf.get_zone_list()[7].get_count(), 1u);
    QCOMPARE(conf.get_zone_list()[7].get_devices().front().get_slot(), u16(3));
}

// The defaults pass leaves the status block alone (it is rebuilt, never defaulted); the
// upgrade pass includes it.
void tst_ZpConfCheck::setDefaultAllSkipsStatus()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    QCOMPARE(conf.set_default(199, 0x2600), 0);
    QCOMPARE(conf.set_default(3, 0x2600), 0);
    QCOMPARE(int(conf.find_block(199)->get_version()), 0x2600);

    QCOMPARE(conf.set_default_all(0x2602), 0);
    QCOMPARE(int(conf.find_block(3)->get_version()), 0x2602);
    QCOMPARE(int(conf.find_block(198)->get_version()), 0x2602);
    QCOMPARE(int(conf.find_block(199)->get_version()), 0x2600);

    QCOMPARE(conf.update_all(0x2602), 0);
    QCOMPARE(int(conf.find_block(199)->get_version()), 0x2602);
    // The upgrade carries the old bytes over (all zero here); only a rebuild refills the index:
    // CPU 0 board 0 has block 0, CPU 0 board 1 none.
    QCOMPARE(conf.find_block(199)->get_ptr()[1], u8(0));
    QCOMPARE(conf.build_device_status(false, nullptr), 0);
    QCOMPARE(conf.find_block(199)->get_ptr()[0], u8(0));
    QCOMPARE(conf.find_block(199)->get_ptr()[1], u8(255));
}

QTEST_GUILESS_MAIN(tst_ZpConfCheck)
#include "tst_zpconf_check.moc"
