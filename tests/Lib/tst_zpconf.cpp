// The panel configuration container: block access, chunks, signals, defaults, validity, the
// repair of the general block, the binding of the per-board blocks and the device accessors.
// Expected values are written out from the block tables.
#include "LibTestSupport.h"

#include "ZpData/DeviceAuxProg.h"
#include "ZpData/DeviceProg.h"
#include "ZpData/NameProg.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/ZpConfBlocks.h"
#include "ZpData/ZpxProg.h"
#include "ZpData/crc.h"

#include <QProcess>
#include "FatalChild.h"

#include <QtTest>

#include <csignal>
#include <cstring>

using namespace libtest;

namespace {


constexpr u32 kZp4800 = 0;
constexpr u32 kKv1300 = 5;
constexpr u32 kKv1600 = 6;

// Offsets of the general block.
constexpr u32 kCpuRecords = 4;
constexpr u32 kCpuRecSize = 61;
constexpr u32 kCpuStatus = 52;
constexpr u32 kSirens = 5221;
constexpr u32 kNetworked = 5245;
constexpr u32 kBrand = 5247;

u8* zpx_data(ZpConf& conf)
{
    return conf.find_block(2)->get_ptr();
}

ZpData_v2602::ZpxProg* zpx_of(ZpConf& conf)
{
    return dynamic_cast<ZpData_v2602::ZpxProg*>(conf.find_block(2)->get_iface());
}

ZpData_v2602::DeviceProg* prog(ZpConf& conf, u32 index)
{
    return dynamic_cast<ZpData_v2602::DeviceProg*>(conf.find_block(70 + index)->get_iface());
}

u8 aux_header(ZpConf& conf, u32 index, u32 byte)
{
    return conf.find_block(198)->get_ptr()[90 * index + byte];
}

u8 names_header(ZpConf& conf, u32 index, u32 byte)
{
    return conf.find_block(134 + index)->get_ptr()[byte];
}

// Runs op on the installed general block under its write lock, so its notices reach the
// container as a user's change would.
template <class Op>
void change_zpx(ZpConf& conf, Op op)
{
    ZpConfBlock* block = conf.find_block(2);
    QVERIFY(block->lock_write() == 0);
    op(*zpx_of(conf));
    block->unlock();
}

// Writes bytes of the general block straight in, without any notice.
void poke(ZpConf& conf, u32 offset, u8 value)
{
    zpx_data(conf)[offset] = value;
}

bool cpu_installed(ZpConf& conf, u32 cpu)
{
    return zpx_data(conf)[kCpuRecords + kCpuRecSize * cpu + kCpuStatus] & 1;
}

[[noreturn]] __attribute__((noinline)) void fatal_child(const char* which)
{
    if (strcmp(which, "device-past-kind") == 0)
        g_zpConf->get_block(64, 70, 133);
    else
        g_zpConf->get_block(1, 199, 199);
    os_Fatal("not reached");
}

} // namespace

class tst_ZpConf : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void getBlock_data();
    void getBlock();
    void getBlockFatal_data();
    void getBlockFatal();
    void findBlock_data();
    void findBlock();
    void dataChunks_data();
    void dataChunks();
    void getSetData_data();
    void getSetData();
    void checkRange_data();
    void checkRange();

    void signalQueue();
    void validitySignal();
    void setDefaultAllLeavesStatus();
    void newConfig();

    void validity();
    void compareCrc();

    void zoneName_data();
    void zoneName();

    void forcedStandalone();
    void apolloBrand();
    void brandOutsideList();

    void bindInstalledBoards();
    void bindStaleAndDuplicateHeaders();
    void bindNoFreeBlock();

    void deviceAccessors();
    void accessorRanges();
    void typeEnabled_data();
    void typeEnabled();
    void deleteDevice_data();
    void deleteDevice();
    void deviceInfo();

private:
    std::unique_ptr<ZpConf> m_conf;
};

void tst_ZpConf::initTestCase()
{
    m_conf.reset(new ZpConf(0, 255));
    QCOMPARE(m_conf->new_config(kZp4800), 0);
}

// ---------------------------------------------------------------------------------------------
// Blocks

void tst_ZpConf::getBlock_data()
{
    QTest::addColumn<u32>("index");
    QTest::addColumn<u32>("first");
    QTest::addColumn<u32>("last");
    QTest::addColumn<int>("dataType");
    QTest::newRow("general") << 0u << 2u << 2u << 2;
    QTest::newRow("annunc cpu 0") << 0u << 6u << 69u << 6;
    QTest::newRow("annunc cpu 63") << 63u << 6u << 69u << 69;
    QTest::newRow("device 0") << 0u << 70u << 133u << 70;
    QTest::newRow("device 63") << 63u << 70u << 133u << 133;
    QTest::newRow("names 63") << 63u << 134u << 197u << 197;
    QTest::newRow("aux") << 0u << 198u << 198u << 198;
    QTest::newRow("status") << 0u << 199u << 199u << 199;
}

void tst_ZpConf::getBlock()
{
    QFETCH(u32, index);
    QFETCH(u32, first);
    QFETCH(u32, last);
    QFETCH(int, dataType);
    ZpConfBlock* block = m_conf->get_block(index, first, last);
    QVERIFY(block);
    QCOMPARE(int(block->get_data_type()), dataType);
}

void tst_ZpConf::getBlockFatal_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QByteArray>("line");
    QTest::newRow("device 64") << "device-past-kind" << QByteArray("E[Invalid id (64) for datatype 134]");
    QTest::newRow("status 1") << "status-past-kind" << QByteArray("E[Invalid id (1) for datatype 200]");
}

void tst_ZpConf::getBlockFatal()
{
    QFETCH(QString, which);
    QFETCH(QByteArray, line);
    const libtest::ChildRun child = libtest::run_fatal_child(which);
    QVERIFY(child.finished);
    const QByteArray out = child.output;
    QCOMPARE(child.status, QProcess::CrashExit);
    QCOMPARE(child.code, int(SIGABRT));
    QVERIFY2(out.contains(line), out.constData());
}

void tst_ZpConf::findBlock_data()
{
    QTest::addColumn<u32>("dataType");
    QTest::addColumn<bool>("found");
    QTest::newRow("0") << 0u << false;
    QTest::newRow("1") << 1u << false;
    QTest::newRow("2") << 2u << true;
    QTest::newRow("199") << 199u << true;
    QTest::newRow("200") << 200u << false;
}

void tst_ZpConf::findBlock()
{
    QFETCH(u32, dataType);
    QFETCH(bool, found);
    ZpConfBlock* block = m_conf->find_block(dataType);
    QCOMPARE(block != nullptr, found);
    if (block)
        QCOMPARE(u32(block->get_data_type()), dataType);
}

void tst_ZpConf::dataChunks_data()
{
    QTest::addColumn<u32>("dataType");
    QTest::addColumn<int>("chunk");
    QTest::addColumn<int>("chunkSize");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("length");
    // The general block holds 5310 bytes, the zone block 1500.
    QTest::newRow("5310 / 4096 chunk 0") << 2u << 0 << 4096 << true << 2 << 4096;
    QTest::newRow("5310 / 4096 chunk 1") << 2u << 1 << 4096 << true << 2 << 1214;
    QTest::newRow("5310 / 4096 chunk 2") << 2u << 2 << 4096 << false << 2 << -1;
    QTest::newRow("5310 / 5310") << 2u << 0 << 5310 << true << 1 << 5310;
    QTest::newRow("5310 / 5309 chunk 1") << 2u << 1 << 5309 << true << 2 << 1;
    QTest::newRow("1500 / 1000 chunk 1") << 3u << 1 << 1000 << true << 2 << 500;
    QTest::newRow("chunk size 0") << 2u << 0 << 0 << false << -1 << -1;
    QTest::newRow("dataType 200") << 200u << 0 << 4096 << false << -1 << -1;
}

void tst_ZpConf::dataChunks()
{
    QFETCH(u32, dataType);
    QFETCH(int, chunk);
    QFETCH(int, chunkSize);
    QFETCH(bool, ok);
    QFETCH(int, count);
    QFETCH(int, length);
    std::vector<u8> buffer(8192, 0xEE);
    u16 gotCount = 0xFFFF;
    u16 gotLength = 0xFFFF;
    QCOMPARE(m_conf->get_data_chunk(dataType, u16(chunk), u16(chunkSize), &gotCount, &gotLength, buffer.data()), ok);
    QCOMPARE(int(gotCount == 0xFFFF ? -1 : gotCount), count);
    QCOMPARE(int(gotLength == 0xFFFF ? -1 : gotLength), length);
    if (ok) {
        const u8* src = m_conf->find_block(dataType)->get_ptr() + chunk * chunkSize;
        QCOMPARE(bytes(buffer.data(), u32(length)), bytes(src, u32(length)));
        QCOMPARE(buffer[size_t(length)], u8(0xEE)); // nothing past the chunk
    }
}

void tst_ZpConf::getSetData_data()
{
    QTest::addColumn<u32>("dataType");
    QTest::addColumn<u32>("offset");
    QTest::addColumn<u32>("length");
    QTest::addColumn<int>("getResult");
    QTest::addColumn<int>("setResult");
    QTest::newRow("zone block first bytes") << 3u << 0u << 4u << 0 << 0;
    QTest::newRow("zone block last byte") << 3u << 1499u << 1u << 0 << 0;
    QTest::newRow("zone block at size") << 3u << 1500u << 1u << 1013 << 1013;
    QTest::newRow("dataType 200") << 200u << 0u << 1u << 1013 << 1008;
}

void tst_ZpConf::getSetData()
{
    QFETCH(u32, dataType);
    QFETCH(u32, offset);
    QFETCH(u32, length);
    QFETCH(int, getResult);
    QFETCH(int, setResult);
    const u8 src[4] = {1, 2, 3, 4};
    u8 dst[4] = {};
    QCOMPARE(m_conf->set_data(dataType, src, length, offset), setResult);
    QCOMPARE(m_conf->put_data(dataType, offset, length, src), setResult == 0);
    QCOMPARE(m_conf->get_data(dataType, dst, length, offset), getResult);
    if (getResult == 0)
        QCOMPARE(bytes(dst, length), bytes(src, length));
}

void tst_ZpConf::checkRange_data()
{
    QTest::addColumn<u32>("dataType");
    QTest::addColumn<u32>("offset");
    QTest::addColumn<u32>("length");
    QTest::addColumn<int>("result");
    QTest::newRow("whole general") << 2u << 0u << 5310u << 0;
    QTest::newRow("general + 1") << 2u << 1u << 5310u << 1013;
    QTest::newRow("status end") << 199u << 89855u << 1u << 0;
    QTest::newRow("status past end") << 199u << 89856u << 1u << 1013;
    QTest::newRow("dataType 200") << 200u << 0u << 0u << 1013;
}

void tst_ZpConf::checkRange()
{
    QFETCH(u32, dataType);
    QFETCH(u32, offset);
    QFETCH(u32, length);
    QFETCH(int, result);
    QCOMPARE(m_conf->check_range(dataType, offset, length), result);
}

// ---------------------------------------------------------------------------------------------
// Signals, defaults

void tst_ZpConf::signalQueue()
{
    ZpSignalQueue queue;
    QCOMPARE(queue.add(207), 0);
    QCOMPARE(queue.add(207), -1);
    QCOMPARE(queue.count(), 1u);
    QCOMPARE(queue.add(1), 0);
    QCOMPARE(queue.add(207), -1);
    QCOMPARE(queue.count(), 2u);
    QCOMPARE(queue.peek(0), u16(207));
    QCOMPARE(queue.peek(1), u16(1));
    // 210 distinct codes fill it; the 211th is refused, a queued one still counts as done.
    for (u16 code = 1000; queue.count() < 210; ++code)
        QCOMPARE(queue.add(code), 0);
    QVERIFY(queue.is_full());
    QCOMPARE(queue.add(5), 1010);
    QCOMPARE(queue.add(207), -1);
    QCOMPARE(queue.count(), 210u);
}

void tst_ZpConf::validitySignal()
{
    ZpConf conf(0, kZp4800);
    QVERIFY(conf.get_signals().is_empty());
    conf.get_blocks().set_valid_all(false);
    conf.get_blocks().set_valid_all(true);
    QCOMPARE(conf.get_signals().count(), 1u);
    QCOMPARE(conf.get_signals().peek(0), u16(1));
}

void tst_ZpConf::setDefaultAllLeavesStatus()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    u8* zones = conf.find_block(3)->get_ptr();
    zones[0] = 0x5A;
    conf.find_block(199)->get_ptr()[256] = 7;
    QCOMPARE(conf.set_default_all(g_zpDataVersion), 0);
    QCOMPARE(conf.find_block(3)->get_ptr()[0], u8(0));
    // The status block gets no defaults (all 0); the rebuild that follows the device blocks'
    // defaults fills it: CPU 0 board 0 -> block 0, every other board none, every slot free.
    const u8* status = conf.find_block(199)->get_ptr();
    QCOMPARE(status[0], u8(0));
    QCOMPARE(status[255], u8(255));
    QCOMPARE(status[256], u8(255));
    QCOMPARE(status[89855], u8(255));
}

void tst_ZpConf::newConfig()
{
    ZpConf conf(0, 255);
    QCOMPARE(conf.new_config(kKv1600), 0);
    QCOMPARE(conf.get_panel_type(), kKv1600);
    QCOMPARE(zpx_data(conf)[5246], u8(kKv1600));
    // Every default installs CPU 0 with its boards, and each board owns a device block.
    const u32 boards = zpx_of(conf)->get_cpu_ll_installed_num(0);
    QVERIFY(boards >= 1);
    for (u32 ll = 0; ll < boards; ++ll) {
        const u32 index = conf.get_device_prog_index(0, ll);
        QVERIFY(index < 64);
        QCOMPARE(prog(conf, index)->get_cpu(), u8(0));
        QCOMPARE(prog(conf, index)->get_ll(), u8(ll));
    }
    QCOMPARE(conf.get_device_prog_index(0, boards), 255u);
}

// ---------------------------------------------------------------------------------------------
// Validity

void tst_ZpConf::validity()
{
    ZpConfBlocks& blocks = m_conf->get_blocks();
    blocks.set_valid_all(false);
    QCOMPARE(blocks.count_invalid(), 198u);
    QCOMPARE(blocks.set_valid_all_if_changed(false), -1);
    QCOMPARE(blocks.set_valid(5, true), 0);
    QCOMPARE(blocks.set_valid(5, true), -1);
    QCOMPARE(blocks.is_valid(5), true);
    QCOMPARE(blocks.count_invalid(), 197u);
    QCOMPARE(blocks.l_set_valid(200, true), 1003);
    QCOMPARE(blocks.is_valid(200), false);
    for (u32 dt = 2; dt <= 198; ++dt)
        blocks.set_valid(dt, true);
    QCOMPARE(blocks.is_all_valid(), false);
    QCOMPARE(blocks.set_valid(199, true), 0);
    QCOMPARE(blocks.is_all_valid(), true);
    QCOMPARE(blocks.count_invalid(), 0u);
    QCOMPARE(blocks.set_valid(7, false), 0);
    QCOMPARE(blocks.is_all_valid(), false);
    QCOMPARE(blocks.set_valid_all_if_changed(true), 0);
    QCOMPARE(blocks.is_valid(7), true);
}

void tst_ZpConf::compareCrc()
{
    ZpConfBlocks& blocks = m_conf->get_blocks();
    blocks.set_valid_all(false);
    u16 crcs[198];
    for (u32 dt = 2; dt <= 199; ++dt) {
        ZpConfBlock* block = m_conf->find_block(dt);
        crcs[dt - 2] = crc16(block->get_ptr(), block->get_size());
        QCOMPARE(blocks.get_crc(dt), crcs[dt - 2]);
    }
    u8 failed[198];
    memset(failed, 0xEE, sizeof failed);
    QCOMPARE(blocks.compare_crc(crcs, failed), 200u);
    QCOMPARE(failed[0], u8(0xEE));
    QCOMPARE(blocks.is_all_valid(), true);

    TraceCapture trace;
    crcs[7 - 2] ^= 0x0101;
    crcs[150 - 2] ^= 0x8000;
    QCOMPARE(blocks.compare_crc(crcs, failed), 7u);
    QCOMPARE(failed[0], u8(7));
    QCOMPARE(failed[1], u8(150));
    QCOMPARE(failed[2], u8(0xEE));
    QCOMPARE(blocks.is_valid(7), false);
    QCOMPARE(blocks.is_valid(150), false);
    QCOMPARE(blocks.is_valid(8), true);
    QCOMPARE(blocks.is_all_valid(), false);
    QCOMPARE(blocks.count_invalid(), 2u);
    const QString stored = QString("%1").arg(blocks.get_crc(7), 4, 16, QChar('0')).toUpper();
    const QString given = QString("%1").arg(crcs[7 - 2], 4, 16, QChar('0')).toUpper();
    QVERIFY2(trace.text().contains(QString("Conf::CmpCRC: crc fail(0x%1 != 0x%2), type=7\n").arg(stored, given)),
             qPrintable(trace.text()));
    blocks.set_valid_all(true);
}

// ---------------------------------------------------------------------------------------------
// Names

void tst_ZpConf::zoneName_data()
{
    QTest::addColumn<u32>("panelType");
    QTest::addColumn<u32>("zone");
    QTest::addColumn<QString>("name");
    QTest::newRow("zone 0 ZP4800") << kZp4800 << 0u << "default";
    QTest::newRow("zone 0 KV1300") << kKv1300 << 0u << "unassigned";
    QTest::newRow("zone 0 KV1600") << kKv1600 << 0u << "unassigned";
    QTest::newRow("zone 0 ZP1600CL") << 3u << 0u << "default";
    QTest::newRow("zone 2001") << kZp4800 << 2001u << "Zone not available";
    QTest::newRow("zone 2000 named") << kZp4800 << 2000u << "Last";
    QTest::newRow("zone 1 named") << kZp4800 << 1u << "Entrance";
}

void tst_ZpConf::zoneName()
{
    QFETCH(u32, panelType);
    QFETCH(u32, zone);
    QFETCH(QString, name);
    // The zone name block: zone z at 32 * (z - 1).
    u8* names = m_conf->find_block(4)->get_ptr();
    memset(names, 0, 32);
    memcpy(names, "Entrance", 8);
    memset(names + 32 * 1999, 0, 32);
    memcpy(names + 32 * 1999, "Last", 4);
    const u32 saved = m_conf->get_panel_type();
    m_conf->set_panel_type(panelType);
    char buffer[33];
    memset(buffer, 'x', sizeof buffer);
    QCOMPARE(m_conf->get_zone_name(zone, buffer), 0);
    QCOMPARE(QString::fromLatin1(buffer), name);
    QCOMPARE(QString::fromLatin1(m_conf->get_zone_name(zone).get()), name);
    m_conf->set_panel_type(saved);
}

// ---------------------------------------------------------------------------------------------
// Repair of the general block

void tst_ZpConf::forcedStandalone()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    // A networked plant with CPU 3 installed, as an image could bring it.
    poke(conf, kNetworked, 1);
    zpx_of(conf)->record(3).set_installed(true);
    QCOMPARE(conf.check_zpxProg(true), -1);
    QCOMPARE(cpu_installed(conf, 3), true);
    QCOMPARE(conf.get_networked(), u8(1));

    TraceCapture trace;
    change_zpx(conf, [](ZpData_v2602::ZpxProg& z) { QCOMPARE(z.set_canloop_enable(0), 0); });
    QVERIFY2(trace.text().contains("src/Lib/ZpData/ZpConf/check_zpxProg:"), qPrintable(trace.text()));
    QVERIFY2(trace.text().contains("Forzo a standalone\n"), qPrintable(trace.text()));
    QCOMPARE(cpu_installed(conf, 3), false);
    QCOMPARE(cpu_installed(conf, 0), true);
    QCOMPARE(conf.get_networked(), u8(0));
    // The block's CRC follows the repair.
    QCOMPARE(conf.get_blocks().get_crc(2), crc16(zpx_data(conf), 5310));
}

void tst_ZpConf::apolloBrand()
{
    ZpConf conf(0, kKv1600);
    QCOMPARE(conf.new_config(kKv1600), 0);
    QCOMPARE(zpx_data(conf)[kBrand], u8(3)); // ZEL.DET. by default
    for (u32 i = 0; i < 4; ++i)
        poke(conf, kSirens + i, u8(3 + i));
    conf.check_zpxProg(true);
    conf.get_signals().add(0); // marks where this change starts
    change_zpx(conf, [](ZpData_v2602::ZpxProg& z) { QCOMPARE(z.set_sensor_brand(4), 0); });

    // Every line of every board of every CPU, installed or not, speaks APOLLO (code 2 in bits
    // 3-4 and 5-6 of the board byte).
    for (u32 cpu = 0; cpu < 64; ++cpu) {
        for (u32 ll = 0; ll < 4; ++ll) {
            const u8 board = zpx_data(conf)[kCpuRecords + kCpuRecSize * cpu + 5 * ll];
            QCOMPARE(int((board >> 3) & 3), 2);
            QCOMPARE(int((board >> 5) & 3), 2);
        }
    }
    for (u32 i = 0; i < 4; ++i)
        QCOMPARE(zpx_data(conf)[kSirens + i], u8(1));
    QCOMPARE(zpx_data(conf)[kBrand], u8(4));
    QCOMPARE(conf.get_blocks().get_crc(2), crc16(zpx_data(conf), 5310));
}

void tst_ZpConf::brandOutsideList()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    // ZP4800 plants know only the KALDOREN brand (0).
    poke(conf, kBrand, 4);
    QCOMPARE(conf.check_zpxProg(true), 0);
    QCOMPARE(zpx_data(conf)[kBrand], u8(0));
    QCOMPARE(conf.check_zpxProg(true), -1);
}

// ---------------------------------------------------------------------------------------------
// Binding of the per-board blocks

void tst_ZpConf::bindInstalledBoards()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    change_zpx(conf, [](ZpData_v2602::ZpxProg& z) {
        QCOMPARE(z.set_canloop_enable(1), 0);
        QCOMPARE(z.set_cpu_installed(2, true), 0);
        QCOMPARE(z.set_cpu_ll_num(2, 2), 0);
        QCOMPARE(z.set_cpu_installed(5, true), 0);
    });
    QCOMPARE(conf.check_coeherence(), 0);
    // CPU 0 board 0 keeps block 0; the others take the lowest free blocks in CPU, board order.
    struct Want {
        u32 cpu, ll, block;
    };
    std::vector<Want> want = {{0, 0, 0}};
    u32 next = 1;
    for (u32 cpu : {0u, 2u, 5u}) {
        for (u32 ll = 0; ll < 4; ++ll) {
            if (!zpx_of(conf)->get_cpu_ll_installed(cpu, ll) || (cpu == 0 && ll == 0))
                continue;
            want.push_back({cpu, ll, next++});
        }
    }
    QVERIFY(want.size() >= 4); // CPU 2 has two boards, CPU 5 at least one
    for (const Want& w : want) {
        QCOMPARE(conf.get_device_prog_index(w.cpu, w.ll), w.block);
        QCOMPARE(prog(conf, w.block)->get_cpu(), u8(w.cpu));
        QCOMPARE(prog(conf, w.block)->get_ll(), u8(w.ll));
        QCOMPARE(names_header(conf, w.block, 0), u8(w.cpu));
        QCOMPARE(names_header(conf, w.block, 1), u8(w.ll));
        QCOMPARE(aux_header(conf, w.block, 0), u8(w.cpu));
        QCOMPARE(aux_header(conf, w.block, 1), u8(w.ll));
    }
    QCOMPARE(prog(conf, next)->is_assigned(), false);
    QCOMPARE(conf.get_free_device_prog(), int(next));
}

void tst_ZpConf::bindStaleAndDuplicateHeaders()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    // CPU 0 board 0 is installed (block 0). Block 4 repeats it, block 6 claims a board that is
    // not installed, block 9 names a CPU but no board.
    u8* b4 = conf.find_block(74)->get_ptr();
    b4[0] = 0;
    b4[1] = 0;
    device::put_rec(device::slot_ptr(conf.find_block(74)->get_iface(), 5), device::sensor(3, 0));
    u8* b6 = conf.find_block(76)->get_ptr();
    b6[0] = 7;
    b6[1] = 1;
    u8* b9 = conf.find_block(79)->get_ptr();
    b9[0] = 3;
    b9[1] = 255;
    QCOMPARE(conf.check_coeherence(), 0);
    QCOMPARE(prog(conf, 0)->get_cpu(), u8(0));
    QCOMPARE(prog(conf, 4)->is_assigned(), false);
    QCOMPARE(prog(conf, 4)->get_cpu(), u8(255));
    QCOMPARE(prog(conf, 4)->is_device_used(5), false); // unbinding cleared its devices
    QCOMPARE(prog(conf, 6)->get_cpu(), u8(255));
    QCOMPARE(prog(conf, 9)->get_cpu(), u8(255));
    QCOMPARE(aux_header(conf, 6, 0), u8(255));
    QCOMPARE(names_header(conf, 6, 0), u8(255));
    QCOMPARE(conf.get_device_prog_index(0, 0), 0u);
    QCOMPARE(conf.get_device_prog_index(7, 1), 255u);
}

void tst_ZpConf::bindNoFreeBlock()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    // Every block claims CPU 63 board 0, which CPU 1 board 1's binding cannot free in time.
    for (u32 i = 1; i < 64; ++i) {
        u8* header = conf.find_block(70 + i)->get_ptr();
        header[0] = 63;
        header[1] = 0;
    }
    change_zpx(conf, [](ZpData_v2602::ZpxProg& z) {
        QCOMPARE(z.set_canloop_enable(1), 0);
    });
    poke(conf, kCpuRecords + kCpuRecSize * 1 + kCpuStatus, u8(zpx_data(conf)[kCpuRecords + kCpuStatus]));
    memcpy(zpx_data(conf) + kCpuRecords + kCpuRecSize, zpx_data(conf) + kCpuRecords, 20);
    TraceCapture trace;
    QCOMPARE(conf.check_coeherence(), 1008);
    QVERIFY2(trace.text().contains("src/Lib/ZpData/ZpConf/check_coeherence:"), qPrintable(trace.text()));
    QVERIFY2(trace.text().contains("nessun DeviceProgType disponibile\n"), qPrintable(trace.text()));
}

// ---------------------------------------------------------------------------------------------
// Devices

void tst_ZpConf::deviceAccessors()
{
    ZpConf conf(0, kZp4800);
    QCOMPARE(conf.new_config(kZp4800), 0);
    DataBlock::IFace* layout = conf.find_block(70)->get_iface();
    device::put_rec(device::slot_ptr(layout, 0), device::sensor(4, 0));
    device::Rec m = device::module(9, 1, 0, 2);
    m.zone = 12;
    device::put_rec(device::slot_ptr(layout, 2), m);
    conf.build_device_status(false, nullptr);

    QCOMPARE(conf.get_block_device_num(0), 2u);
    QCOMPARE(conf.get_block_device_num(64), 0u);
    QCOMPARE(conf.get_free_device(0), 1);
    QCOMPARE(conf.is_device_used(0, 2), true);
    QCOMPARE(conf.is_device_used(0, 700), false);
    QCOMPARE(conf.get_slot_zone(0, 2), u16(12));
    QCOMPARE(conf.get_slot_zone(64, 2), u16(0));
    QCOMPARE(conf.get_device_num(0, 0), 1u);
    QCOMPARE(conf.get_device_num(0, 1), 1u);
    QCOMPARE(conf.get_device_num(0, 0, 2), 2u);

    u8 record[43];
    QCOMPARE(conf.get_device(record, 0, 1, true, 9, 2), 0);
    QCOMPARE(record[0], u8(9));
    QCOMPARE(conf.get_device(record, 0, 0, true, 9, 2), 1008);
    QCOMPARE(conf.get_device_record(record, 64, 0), 1008);
    QCOMPARE(bytes(record, 43), QByteArray(43, '\0'));

    const PackedAddress packed = conf.get_packed_address(0, 1, true, 9, 2);
    QCOMPARE(packed.get_line(), 1u);
    QCOMPARE(packed.get_address(), 9u);
    QCOMPARE(conf.get_device_zone(packed), u16(12));
    QVERIFY(conf.get_packed_address(0, 1, true, 10, 2).is_none());

    TraceCapture trace;
    QCOMPARE(conf.get_device_num(0, 2), 0u);
    QVERIFY2(trace.text().contains("devProg cpu0 line2 non trovato\n"), qPrintable(trace.text()));
    QCOMPARE(conf.clear_line(0, 2), 1013);
    QCOMPARE(conf.clear_line(64, 0), 1013);
    QCOMPARE(conf.clear_line(0, 1), 0);
    QCOMPARE(conf.is_device_used(0, 2), false);
    QCOMPARE(conf.is_device_used(0, 0), true);
    QCOMPARE(conf.get_device_num(0, 1), 0u); // the status followed the change
}

// Arguments out of range are refused before a block is touched.
void tst_ZpConf::accessorRanges()
{
    char buffer[33];
    memset(buffer, 'x', sizeof buffer);
    QCOMPARE(m_conf->get_name(64, 0, buffer), 1013);
    QCOMPARE(buffer[0], '\0');
    QCOMPARE(QString::fromLatin1(m_conf->get_name(64, 0).get()), QString());
    QCOMPARE(m_conf->set_name(64, 0, "X"), 1013);
    memset(buffer, 'x', sizeof buffer);
    QCOMPARE(m_conf->get_viewer_name(64, 0, buffer), 1013);
    QCOMPARE(buffer[0], '\0');
    memset(buffer, 'x', sizeof buffer);
    QCOMPARE(m_conf->get_annunc_name(64, 0, buffer), 1013);
    QCOMPARE(buffer[0], '\0');
    QCOMPARE(QString::fromLatin1(m_conf->get_annunc_name(64, 0).get()), QString());
    QCOMPARE(m_conf->get_device_class(0, 700), -1);
    QCOMPARE(m_conf->get_device_class(64, 0), -1);
    QCOMPARE(m_conf->get_device_code(64, 0), u16(0));
    QCOMPARE(m_conf->get_device_type(0, 700), u8(0));
    QCOMPARE(m_conf->get_device_prog_index(64, 0), 64u);
    QCOMPARE(m_conf->get_device_prog_index(0, 4), 64u);
    QCOMPARE(m_conf->get_device_num(64, 0), 0u);
}

void tst_ZpConf::typeEnabled_data()
{
    QTest::addColumn<u32>("panelType");
    QTest::addColumn<bool>("module");
    QTest::addColumn<u32>("type");
    QTest::addColumn<bool>("typeEnabled");
    QTest::addColumn<bool>("kindEnabled");
    // Rows 25, 57, 58, 59 default to code 16395, a second-series (class 1) module; row 22 too;
    // row 42 to 16394, also class 1; row 30 has no default code (class 0).
    QTest::newRow("ZP4800 module SND") << kZp4800 << true << 25u << false << false;
    QTest::newRow("ZP4800 module FORC") << kZp4800 << true << 22u << false << false;
    QTest::newRow("ZP4800 sensor ION") << kZp4800 << false << 1u << false << true;
    QTest::newRow("ZP4800 module GASV") << kZp4800 << true << 30u << false << true;
    QTest::newRow("KV1600 module SND") << kKv1600 << true << 25u << true << true;
    QTest::newRow("KV1600 module GSND") << kKv1600 << true << 57u << true << true;
    QTest::newRow("KV1600 module STR") << kKv1600 << true << 58u << true << true;
    QTest::newRow("KV1600 module GSTR") << kKv1600 << true << 59u << true << true;
    QTest::newRow("KV1600 module GTS") << kKv1600 << true << 24u << false << false;
    QTest::newRow("KV1600 module MON") << kKv1600 << true << 42u << false << false;
    QTest::newRow("KV1600 sensor kind of GTS") << kKv1600 << false << 24u << false << true;
    QTest::newRow("ZP1600CL module GSND") << 3u << true << 57u << true << true;
}

void tst_ZpConf::typeEnabled()
{
    QFETCH(u32, panelType);
    QFETCH(bool, module);
    QFETCH(u32, type);
    QFETCH(bool, typeEnabled);
    QFETCH(bool, kindEnabled);
    const u32 saved = m_conf->get_panel_type();
    m_conf->set_panel_type(panelType);
    QCOMPARE(m_conf->is_type_enabled(type), typeEnabled);
    QCOMPARE(m_conf->is_kind_type_enabled(module, type), kindEnabled);
    m_conf->set_panel_type(saved);
}

void tst_ZpConf::deleteDevice_data()
{
    QTest::addColumn<u32>("block");
    QTest::addColumn<u32>("slot");
    QTest::addColumn<int>("result");
    QTest::newRow("used slot") << 0u << 0u << 0;
    QTest::newRow("empty slot") << 0u << 1u << -1;
    QTest::newRow("slot 700") << 0u << 700u << 1013;
    QTest::newRow("block 63") << 63u << 0u << -1;
    QTest::newRow("block 64") << 64u << 0u << 1008;
    QTest::newRow("block 254") << 254u << 0u << 1008;
}

void tst_ZpConf::deleteDevice()
{
    QFETCH(u32, block);
    QFETCH(u32, slot);
    QFETCH(int, result);
    device::put_rec(device::slot_ptr(m_conf->find_block(70)->get_iface(), 0), device::sensor(4, 0));
    QCOMPARE(m_conf->delete_device(block, slot), result);
    if (block == 0 && slot == 0)
        QCOMPARE(m_conf->is_device_used(0, 0), false);
}

void tst_ZpConf::deviceInfo()
{
    DataBlock::IFace* layout = m_conf->find_block(70)->get_iface();
    device::Rec s = device::sensor(4, 1);
    s.zone = 300;
    device::put_rec(device::slot_ptr(layout, 6), s);
    m_conf->build_device_status(false, nullptr);

    // Block 0 is CPU 0 board 0: the reference bytes of slot 6.
    const DeviceRef info = m_conf->get_device_info(0, 6);
    const u8 expected[11] = {0x80, 0x00, 1, 0x02, 0x40, 4, 0, 6, 0, 0x2C, 0x01};
    QCOMPARE(bytes(info.raw, 11), bytes(expected, 11));
    QCOMPARE(bytes(m_conf->find_device_info(0, 1, false, 4, 15).raw, 11), bytes(expected, 11));

    const DeviceRef none = m_conf->get_device_info(64, 0);
    QCOMPARE(bytes(none.raw, 11), QByteArray(11, char(0xFF)));

    // No device at module 20.3 of line 5 of CPU 2: the address, every device field 255 (the
    // kept bit 7 of byte 1 too).
    const DeviceRef absent = m_conf->find_device_info(2, 5, true, 20, 3);
    const u8 address[11] = {0x82, 0x80 | 0x40 | (3 << 2) | 0x02, 255, 255, 255, 20, 255, 255, 255, 255, 255};
    QCOMPARE(bytes(absent.raw, 11), bytes(address, 11));
    m_conf->delete_device(0, 6);
}

int main(int argc, char** argv)
{
    if (argc == 3 && strcmp(argv[1], libtest::kFatalChildArg) == 0)
        fatal_child(argv[2]);
    QCoreApplication app(argc, argv);
    tst_ZpConf test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_zpconf.moc"
