// General programming block (dataType 2, layout 0x2602): CPU records, loop-line boards, line
// protocols and styles, and the plant's board limit.
#include "ZpData/CpuRec.h"
#include "ZpData/ZpConf.h"
#include "ZpData/ZpConfBlock.h"
#include "ZpData/ZpxProg.h"

#include "LibTestSupport.h"

#include <QtTest>

#include <cstring>
#include <memory>
#include <vector>

using ZpData_v2602::CpuRec;
using ZpData_v2602::LineRec;
using ZpData_v2602::ZpxProg;

namespace {

using namespace libtest::zpx;

// Byte offsets: CPU c's record at 4 + 61 c, its board b at + 5 b, its name at + 20, status at + 52.
constexpr u32 rec(u32 cpu)
{
    return 4 + 61 * cpu;
}
constexpr u32 board(u32 cpu, u32 b)
{
    return rec(cpu) + 5 * b;
}
constexpr u32 status(u32 cpu)
{
    return rec(cpu) + 52;
}
constexpr u32 name(u32 cpu)
{
    return rec(cpu) + 20;
}

// Marks CPU c installed as a ZP-4800 with n boards, straight in the bytes.
void put_cpu(u8* d, u32 cpu, u32 boards)
{
    d[status(cpu)] = 0x09;
    for (u32 b = 0; b < 4; ++b)
        d[board(cpu, b)] = b < boards ? 0x01 : 0x00;
}

} // namespace

class tst_ZpxProgCpu : public QObject, private libtest::zpx::Fixture {
    Q_OBJECT

private slots:
    void initTestCase();

    void freshZp4800();
    void recordSetters_data();
    void recordSetters();
    void rangeErrorLines();

    void installRebuildsRecord();
    void installPastPlantLimit();
    void installAtPlantLimit();
    void reinstallCpu0OnSingleBoardModel();

    void boardDefaults();
    void boardsOfType_data();
    void boardsOfType();
    void boardsPastRecordIgnored();
    void checkLlNum();
    void recordWritesDoNotNotify();

    void lineProtocol_data();
    void lineProtocol();
    void lineStyle_data();
    void lineStyle();

    void counts();
    void cpuNames();
    void positions();

};

void tst_ZpxProgCpu::initTestCase()
{
    m_conf.reset(new ZpConf(0, 255));
}

void tst_ZpxProgCpu::freshZp4800()
{
    std::unique_ptr<ZpxProg> zpx = make(kZp4800);
    QCOMPARE(zpx->is_cpu_installed(0), true);
    QCOMPARE(zpx->get_cpu_type(0), u8(1));
    QCOMPARE(zpx->get_cpu_ll_installed_num(0), 1u);
    QCOMPARE(zpx->get_cpu_ll_installed(0, 0), true);
    QCOMPARE(zpx->get_cpu_ll_installed(0, 1), false);
    QCOMPARE(zpx->get_cpu_line_prot(0, 0), 0);
    QCOMPARE(zpx->get_cpu_line_prot(0, 1), 0);
    for (u32 cpu = 1; cpu < 64; ++cpu) {
        QCOMPARE(zpx->is_cpu_installed(cpu), false);
        QCOMPARE(zpx->get_cpu_ll_installed_num(cpu), 0u);
    }
    QCOMPARE(zpx->get_sensor_brand(), u8(0));
    QCOMPARE(zpx->get_installed_cpu_num(), 1u);
    QCOMPARE(zpx->get_installed_ll_num(), 1u);
}

// ---------------------------------------------------------------------------------------------
// Result codes and bytes of the record setters

void tst_ZpxProgCpu::recordSetters_data()
{
    QTest::addColumn<int>("panelType");
    QTest::addColumn<int>("networked");
    QTest::addColumn<Op>("op");
    QTest::addColumn<int>("result");
    QTest::addColumn<Rows>("rows"); // bytes that change

    auto row = [](const char* n, u32 type, int networked, Op op, int result, Rows rows) {
        QTest::newRow(n) << int(type) << networked << op << result << rows;
    };

    // CPU type: five bits, the board count follows the type.
    row("type cpu 64", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_type(64, 1); }, 1013, {});
    row("type same, idle cpu", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_type(63, 1); }, -1, {});
    row("type cpu 63", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_type(63, 9); }, 0, {{status(63), 0x48}});
    row("type 33 is type 1", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_type(0, 33); }, -1, {});
    row("type 0x25 is type 5", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_type(0, 0x25); }, 0,
        {{status(0), 0x29}, {board(0, 1), 0x01}, {board(0, 1) + 2, 10}, {board(0, 1) + 4, 10}});
    row("type ZP-4700", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_type(0, 2); }, 0, {{status(0), 0x11}});
    // KV-4600: at least two boards, of the family's defaults.
    row("type KV-4600", kKv1600, 0, [](ZpxProg& z) { return z.set_cpu_type(0, 8); }, 0,
        {{status(0), 0x41}, {board(0, 1), 0x2F}, {board(0, 1) + 2, 10}, {board(0, 1) + 4, 10}});

    // Boards of an installed ZP-4800: 1 to 4; the standalone plant holds 4.
    row("boards cpu 64", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_ll_num(64, 1); }, 1013, {});
    row("boards 0", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_ll_num(0, 0); }, 1003, {});
    row("boards 1 same", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_ll_num(0, 1); }, -1, {});
    row("boards 4", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_ll_num(0, 4); }, 0,
        {{board(0, 1), 1}, {board(0, 1) + 2, 10}, {board(0, 1) + 4, 10},
         {board(0, 2), 1}, {board(0, 2) + 2, 10}, {board(0, 2) + 4, 10},
         {board(0, 3), 1}, {board(0, 3) + 2, 10}, {board(0, 3) + 4, 10}});
    row("boards 5", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_ll_num(0, 5); }, 1003, {});
    row("boards idle cpu 0", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_ll_num(1, 0); }, -1, {});
    row("boards idle cpu 1", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_ll_num(1, 1); }, 1003, {});
    // ZP3600CL: 2 to 4 boards.
    row("ZP3600CL boards 1", kZp3600cl, 0, [](ZpxProg& z) { return z.set_cpu_ll_num(0, 1); }, 1003, {});
    row("ZP3600CL boards 2", kZp3600cl, 0, [](ZpxProg& z) { return z.set_cpu_ll_num(0, 2); }, -1, {});
    row("ZP3600CL boards 3", kZp3600cl, 0, [](ZpxProg& z) { return z.set_cpu_ll_num(0, 3); }, 0,
        {{board(0, 2), 0x29}, {board(0, 2) + 2, 10}, {board(0, 2) + 4, 10}});
    // KV-1600: exactly one board.
    row("KV-1600 boards 2", kKv1600, 0, [](ZpxProg& z) { return z.set_cpu_ll_num(0, 2); }, 1003, {});

    // Lines are counted in boards of two lines.
    row("lines cpu 64", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_num(64, 2); }, 1013, {});
    row("lines 1", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_num(0, 1); }, 1003, {});
    row("lines 3", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_num(0, 3); }, -1, {});
    row("lines 4", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_num(0, 4); }, 0,
        {{board(0, 1), 1}, {board(0, 1) + 2, 10}, {board(0, 1) + 4, 10}});
    row("lines 10", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_num(0, 10); }, 1003, {});

    row("installed cpu 64", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_installed(64, true); }, 1013, {});
    row("installed same", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_installed(0, true); }, -1, {});
    row("idle same", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_installed(63, false); }, -1, {});
    // A CPU is installed without boards; the count is set apart.
    row("install cpu 63", kZp4800, 1, [](ZpxProg& z) { return z.set_cpu_installed(63, true); }, 0,
        {{status(63), 0x09}});
    row("remove cpu 0", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_installed(0, false); }, 0,
        {{status(0), 0x08}});

    // Protocols by CPU line.
    row("prot cpu 64", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(64, 0, 1); }, 1013, {});
    row("prot line 8", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(0, 8, 1); }, 1013, {});
    row("prot same", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(0, 0, 0); }, -1, {});
    row("prot line 1", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(0, 1, 2); }, 0,
        {{board(0, 0), 0x41}});
    row("prot line 6", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(0, 6, 1); }, 0,
        {{board(0, 3), 0x08}});
    row("prot line 7 code 3", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(0, 7, 3); }, 0,
        {{board(0, 3), 0x60}});
    row("prot 4 is 0", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(0, 1, 4); }, -1, {});
    row("KV1300 prot line 3", kKv1300, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(0, 3, 2); }, 0,
        {{board(0, 3), 0x10}});
    row("KV1300 prot line 4", kKv1300, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(0, 4, 1); }, 1013, {});
    // Protocols by board and line in board.
    row("board prot", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(0, 3, 1, 1); }, 0,
        {{board(0, 3), 0x20}});
    row("board prot cpu 64", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(64, 0, 0, 1); }, 1013, {});
    row("board prot board 4", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(0, 4, 0, 1); }, 1013, {});
    row("board prot index 2", kZp4800, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(0, 0, 2, 1); }, 1013, {});
    row("KV1300 board prot index 1", kKv1300, 0, [](ZpxProg& z) { return z.set_cpu_line_prot(0, 0, 1, 1); }, 1013,
        {});
}

void tst_ZpxProgCpu::recordSetters()
{
    QFETCH(int, panelType);
    QFETCH(int, networked);
    QFETCH(Op, op);
    QFETCH(int, result);
    QFETCH(Rows, rows);

    std::unique_ptr<ZpxProg> zpx = make(u32(panelType), u8(networked));
    std::vector<u8> expected(zpx->data(), zpx->data() + kSize);
    for (const ByteRow& r : rows)
        expected[r.offset] = r.value;
    QCOMPARE(op(*zpx), result);
    QCOMPARE(differences(zpx->data(), expected), QString());
}

void tst_ZpxProgCpu::rangeErrorLines()
{
    LogCapture log;
    std::unique_ptr<ZpxProg> zpx = make(kZp4800);
    zpx->set_cpu_type(64, 1);
    zpx->set_cpu_ll_num(65, 1);
    zpx->set_cpu_line_num(255, 1);
    zpx->get_cpu_ll_installed(64, 0);
    zpx->get_cpu_line_installed(100, 0);
    zpx->get_cpu_line_prot(64, 0);
    zpx->get_cpu_line_prot(0, 8);
    zpx->get_cpu_line_prot(0, 4, 0);
    zpx->set_cpu_line_prot(0, 9, 0);
    zpx->set_cpu_line_prot(0, 5, 0, 0);
    zpx->get_cpu_line_style(0, 8);
    zpx->get_cpu_line_style(0, 4, 1);
    // The three-argument style reports the last CPU id of the plant as the limit.
    zpx->get_cpu_line_style(64, 0, 0);
    zpx->data()[5245] = 1;
    zpx->get_cpu_line_style(70, 0, 0);

    QCOMPARE(log.errors("set_cpu_type"), QStringList{"cpuId = 64 ( > 64)"});
    QCOMPARE(log.errors("set_cpu_ll_num"), QStringList{"cpuId = 65 ( > 64)"});
    QCOMPARE(log.errors("set_cpu_line_num"), QStringList{"cpuId = 255 ( > 64)"});
    QCOMPARE(log.errors("get_cpu_ll_installed"), QStringList{"cpuId = 64 ( > 64)"});
    QCOMPARE(log.errors("get_cpu_line_installed"), QStringList{"cpuId = 100 ( > 64)"});
    QCOMPARE(log.errors("get_cpu_line_prot"),
             QStringList({"cpuId = 64 ( > 64)", "cpu_lineId = 8 ( > 8)", "cpu_llId = 4 ( > 4)"}));
    QCOMPARE(log.errors("set_cpu_line_prot"), QStringList({"cpu_lineId = 9 ( > 8)", "cpu_llId = 5 ( > 4)"}));
    QCOMPARE(log.errors("get_cpu_line_style"),
             QStringList({"cpu_lineId = 8 ( > 8)", "cpu_llId = 4 ( > 4)", "cpuId = 64 ( > 0)", "cpuId = 70 ( > 31)"}));
}

// ---------------------------------------------------------------------------------------------
// Installing CPUs against the plant's boards

void tst_ZpxProgCpu::installRebuildsRecord()
{
    std::unique_ptr<ZpxProg> zpx = make(kZp4800, 1);
    u8* d = zpx->data();
    memcpy(d + name(5), "CENTRALE 6", 10);
    d[board(5, 2)] = 0x7F;
    d[status(5)] = 0x56; // SIB and UPS bits, type 10, not installed
    QCOMPARE(zpx->set_cpu_installed(5, true), 0);
    std::vector<u8> record(d + rec(5), d + rec(5) + 61);
    std::vector<u8> expected(61, 0);
    expected[52] = 0x09;
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(record.data()), 61),
             QByteArray(reinterpret_cast<const char*>(expected.data()), 61));
    QCOMPARE(zpx->get_cpu_ll_installed_num(5), 0u);
}

void tst_ZpxProgCpu::installPastPlantLimit()
{
    // A networked ZP4800 holds 32 boards; ten CPUs of four boards are past that.
    ZpConf conf(0, kZp4800);
    ZpConfBlock* block = conf.find_block(2);
    ZpxProg* zpx = new ZpxProg(&conf, block, 2);
    zpx->set_default();
    QCOMPARE(block->set_iface(zpx), 0);
    u8* d = zpx->data();
    d[5245] = 1;
    for (u32 cpu = 1; cpu <= 10; ++cpu)
        put_cpu(d, cpu, 4);
    memcpy(d + name(20), "CENTRALE 21", 11);
    d[status(20)] = 0x0E;

    LogCapture log;
    QVERIFY(block->lock_write() == 0);
    QCOMPARE(zpx->set_cpu_installed(20, true), 1010);
    // The record was rebuilt before the limit was checked, so the block must be marked.
    QCOMPARE(block->is_modified(), true);
    block->unlock();
    QCOMPARE(log.errors("set_installed"), QStringList{"Superato numero massimo di linee (41 > 32)"});
    QCOMPARE(zpx->is_cpu_installed(20), false);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(d + name(20)), 32), QByteArray(32, '\0'));
    QCOMPARE(int(d[status(20)]), 0x08);
    // A board more for a CPU of the full plant is refused too, and nothing is written.
    std::vector<u8> before(d, d + kSize);
    QCOMPARE(zpx->set_cpu_ll_num(0, 2), 1010);
    QCOMPARE(differences(d, before), QString());
}

void tst_ZpxProgCpu::installAtPlantLimit()
{
    std::unique_ptr<ZpxProg> zpx = make(kZp4800, 1);
    u8* d = zpx->data();
    QCOMPARE(zpx->set_cpu_installed(0, false), 0);
    for (u32 cpu = 1; cpu <= 8; ++cpu) {
        QCOMPARE(zpx->set_cpu_installed(cpu, true), 0);
        QCOMPARE(zpx->set_cpu_ll_num(cpu, 4), 0);
    }
    QCOMPARE(zpx->get_installed_ll_num(), 32u);

    // A CPU comes without boards, so it fits; its first board does not.
    QCOMPARE(zpx->set_cpu_installed(9, true), 0);
    std::vector<u8> before(d, d + kSize);
    QCOMPARE(zpx->set_cpu_ll_num(9, 1), 1010);
    QCOMPARE(differences(d, before), QString());

    // CPU 0's defaults ask for its minimum board, which the plant has no room for.
    QCOMPARE(zpx->set_cpu_installed(0, true), 0);
    QCOMPARE(zpx->is_cpu_installed(0), true);
    QCOMPARE(zpx->get_cpu_ll_installed_num(0), 0u);
    QCOMPARE(zpx->get_installed_ll_num(), 32u);
}

void tst_ZpxProgCpu::reinstallCpu0OnSingleBoardModel()
{
    // A KV1300 plant holds one board, which CPU 0 brings along; counting it once it fits.
    LogCapture log;
    std::unique_ptr<ZpxProg> zpx = make(kKv1300);
    QCOMPARE(zpx->set_cpu_installed(0, false), 0);
    QCOMPARE(zpx->is_cpu_installed(0), false);
    QCOMPARE(zpx->set_cpu_installed(0, true), 0);
    QCOMPARE(zpx->is_cpu_installed(0), true);
    QCOMPARE(zpx->get_cpu_ll_installed_num(0), 1u);
    QCOMPARE(log.errors("set_installed"), QStringList());
    // The record is CpuRec's as well.
    CpuRec rec0 = zpx->record(0);
    QCOMPARE(rec0.set_installed_within_limit(true), -1);
    QCOMPARE(zpx->record(1).set_installed_within_limit(true), 0);
}

// ---------------------------------------------------------------------------------------------
// Boards

void tst_ZpxProgCpu::boardDefaults()
{
    // KV1600 with a KV-4600 CPU: up to four boards.
    std::unique_ptr<ZpxProg> zpx = make(kKv1600);
    u8* d = zpx->data();
    QCOMPARE(zpx->set_cpu_type(0, 8), 0);
    QCOMPARE(zpx->set_sensor_brand(4), 0);
    // A board installed under APOLLO: both styles, protocol 2 on both lines.
    QCOMPARE(zpx->set_cpu_ll_num(0, 3), 0);
    QCOMPARE(int(d[board(0, 2)]), 0x57);
    QCOMPARE(int(d[board(0, 2) + 1]), 0);
    QCOMPARE(int(d[board(0, 2) + 2]), 10);
    QCOMPARE(int(d[board(0, 2) + 3]), 0);
    QCOMPARE(int(d[board(0, 2) + 4]), 10);
    // Removing a board applies the defaults too; only the installed bit is clear.
    d[board(0, 2) + 1] = 0x33;
    d[board(0, 2) + 3] = 0x44;
    QCOMPARE(zpx->set_cpu_ll_num(0, 2), 0);
    QCOMPARE(int(d[board(0, 2)]), 0x56);
    QCOMPARE(int(d[board(0, 2) + 1]), 0);
    QCOMPARE(int(d[board(0, 2) + 3]), 0);

    // ZP4800: no styles, ADV; a removed board forgets its protocols.
    std::unique_ptr<ZpxProg> zp = make(kZp4800);
    u8* z = zp->data();
    QCOMPARE(zp->set_cpu_ll_num(0, 2), 0);
    QCOMPARE(int(z[board(0, 1)]), 0x01);
    QCOMPARE(zp->set_cpu_line_prot(0, 1, 1, 1), 0);
    QCOMPARE(int(z[board(0, 1)]), 0x21);
    QCOMPARE(zp->set_cpu_ll_num(0, 1), 0);
    QCOMPARE(int(z[board(0, 1)]), 0x00);
    QCOMPARE(int(z[board(0, 1) + 2]), 10);
    QCOMPARE(int(z[board(0, 1) + 4]), 10);
}

void tst_ZpxProgCpu::boardsOfType_data()
{
    QTest::addColumn<int>("panelType");
    QTest::addColumn<int>("cpuType");
    // min boards, max boards, last board, min lines, max lines, last line
    QTest::addColumn<QVector<int>>("cpu");
    // installed bits read for boards 0 to 4 when boards 0 to 3 are all set
    QTest::addColumn<QVector<int>>("installed");

    QTest::newRow("ZP-4800") << int(kZp4800) << 1 << QVector<int>{1, 4, 3, 2, 8, 7} << QVector<int>{1, 1, 1, 1, 0};
    QTest::newRow("ZP3600CL") << int(kZp3600cl) << 5 << QVector<int>{2, 4, 3, 4, 8, 7} << QVector<int>{1, 1, 1, 1, 0};
    QTest::newRow("ZP-4800N") << int(kZp4800) << 9 << QVector<int>{1, 2, 1, 2, 4, 3} << QVector<int>{1, 1, 0, 0, 0};
    QTest::newRow("KV-1600") << int(kKv1600) << 7 << QVector<int>{1, 1, 0, 2, 2, 1} << QVector<int>{1, 0, 0, 0, 0};
    QTest::newRow("KV-1300") << int(kKv1300) << 6 << QVector<int>{1, 1, 0, 1, 1, 0} << QVector<int>{1, 0, 0, 0, 0};
    // Fewer lines than a board holds: board 0 only.
    QTest::newRow("UNDEFINED") << 255 << 0 << QVector<int>{1, 1, 0, 1, 1, 0} << QVector<int>{1, 0, 0, 0, 0};
}

void tst_ZpxProgCpu::boardsOfType()
{
    QFETCH(int, panelType);
    QFETCH(int, cpuType);
    QFETCH(QVector<int>, cpu);
    QFETCH(QVector<int>, installed);

    std::unique_ptr<ZpxProg> zpx = make(u32(panelType));
    u8* d = zpx->data();
    d[status(0)] = u8(cpuType << 3 | 1);
    for (u32 b = 0; b < 4; ++b)
        d[board(0, b)] |= 1;
    QCOMPARE(QVector<int>({int(zpx->get_cpu_min_ll_num(0)), int(zpx->get_cpu_max_ll_num(0)),
                           int(zpx->get_cpu_last_ll(0)), int(zpx->get_cpu_min_line_num(0)),
                           int(zpx->get_cpu_max_line_num(0)), zpx->get_cpu_last_line(0)}),
             cpu);
    QCOMPARE(QVector<int>({int(zpx->get_cpu_type_min_ll_num(u8(cpuType))),
                           int(zpx->get_cpu_type_max_ll_num(u8(cpuType))), int(zpx->get_cpu_last_ll(0)),
                           int(zpx->get_cpu_type_min_line_num(u8(cpuType))),
                           int(zpx->get_cpu_type_max_line_num(u8(cpuType))), zpx->get_cpu_last_line(0)}),
             cpu);
    QVector<int> bits;
    for (u32 b = 0; b < 5; ++b)
        bits << zpx->get_cpu_ll_installed(0, b);
    QCOMPARE(bits, installed);

    // Out of range, and not installed.
    QCOMPARE(zpx->get_cpu_min_ll_num(64), 0u);
    QCOMPARE(zpx->get_cpu_max_ll_num(64), 0u);
    QCOMPARE(zpx->get_cpu_last_ll(64), 0u);
    QCOMPARE(zpx->get_cpu_min_line_num(64), 0u);
    QCOMPARE(zpx->get_cpu_max_line_num(64), 0u);
    QCOMPARE(zpx->get_cpu_last_line(64), -1);
    d[status(0)] &= u8(~1);
    QCOMPARE(zpx->get_cpu_ll_installed(0, 0), false);
    QCOMPARE(zpx->get_cpu_ll_installed_num(0), 0u);
}

void tst_ZpxProgCpu::boardsPastRecordIgnored()
{
    // A KV-4600 on a KV1300 panel (one line per board) would claim eight boards; a record has
    // four, and the bytes after them are the name.
    std::unique_ptr<ZpxProg> zpx = make(kKv1300);
    u8* d = zpx->data();
    QCOMPARE(zpx->set_cpu_type(0, 8), 0);
    memset(d + name(0), 'A', 32);
    QCOMPARE(zpx->get_cpu_max_ll_num(0), 4u);
    QCOMPARE(zpx->get_cpu_type_max_ll_num(8), 4u);
    for (u32 b = 4; b < 8; ++b)
        QCOMPARE(zpx->get_cpu_ll_installed(0, b), false);
    QCOMPARE(zpx->get_cpu_ll_installed_num(0), 1u);
    QCOMPARE(zpx->set_cpu_ll_num(0, 5), 1003);
}

void tst_ZpxProgCpu::checkLlNum()
{
    // A KV-1600 carries one board; bits of boards 1 to 3 are removed.
    std::unique_ptr<ZpxProg> zpx = make(kKv1600);
    u8* d = zpx->data();
    for (u32 b = 1; b < 4; ++b)
        d[board(0, b)] = 0x2F;
    QCOMPARE(zpx->get_cpu_ll_installed_num(0), 4u);
    QCOMPARE(zpx->record(0).check_ll_num(), 0);
    for (u32 b = 1; b < 4; ++b)
        QCOMPARE(int(d[board(0, b)]), 0x2E);
    QCOMPARE(zpx->record(0).check_ll_num(), -1);

    // A CPU that is not installed keeps no boards.
    d[board(2, 0)] = 0x01;
    QCOMPARE(zpx->record(2).check_ll_num(), 0);
    QCOMPARE(int(d[board(2, 0)]), 0x2E);
    QCOMPARE(zpx->record(2).check_ll_num(), -1);
}

void tst_ZpxProgCpu::recordWritesDoNotNotify()
{
    ZpConf conf(0, kZp4800);
    ZpConfBlock* block = conf.find_block(2);
    ZpxProg* zpx = new ZpxProg(&conf, block, 2);
    zpx->set_default();
    QCOMPARE(block->set_iface(zpx), 0);
    QVERIFY(block->lock_write() == 0);
    QCOMPARE(zpx->record(1).set_type(9), 0);
    QCOMPARE(zpx->record(0).set_ll_num(2), 0);
    zpx->put_sensor_brand(4);
    zpx->put_param_5220(1);
    zpx->put_networked(1);
    zpx->put_password(3, 5);
    zpx->put_password(5, 5);
    QCOMPARE(block->is_modified(), false);
    block->unlock();
    QCOMPARE(zpx->get_cpu_type(1), u8(9));
    QCOMPARE(zpx->get_cpu_ll_installed_num(0), 2u);
    QCOMPARE(zpx->get_sensor_brand(), u8(4));
    QCOMPARE(zpx->get_param_5220(), u8(1));
    QCOMPARE(zpx->get_networked(), u8(1));
    QCOMPARE(zpx->get_password(3), 5u);
}

// ---------------------------------------------------------------------------------------------
// Line protocols and styles

void tst_ZpxProgCpu::lineProtocol_data()
{
    QTest::addColumn<int>("panelType");
    QTest::addColumn<int>("brand");
    QTest::addColumn<int>("boardByte"); // board 0 of CPU 0
    QTest::addColumn<int>("cpu");
    QTest::addColumn<int>("line");     // by CPU line when board is -1
    QTest::addColumn<int>("boardIdx"); // -1: by CPU line
    QTest::addColumn<int>("result");

    QTest::newRow("ADV line 0") << int(kZp4800) << 0 << 0x01 << 0 << 0 << -1 << 0;
    QTest::newRow("VARN line 0") << int(kZp4800) << 0 << 0x09 << 0 << 0 << -1 << 1;
    QTest::newRow("APOLLO line 1") << int(kZp4800) << 0 << 0x41 << 0 << 1 << -1 << 2;
    QTest::newRow("code 3") << int(kZp4800) << 0 << 0x19 << 0 << 0 << -1 << -1;
    QTest::newRow("line 7") << int(kZp4800) << 0 << 0x01 << 0 << 7 << -1 << 0;
    QTest::newRow("line 8") << int(kZp4800) << 0 << 0x01 << 0 << 8 << -1 << -1;
    QTest::newRow("cpu 64") << int(kZp4800) << 0 << 0x01 << 64 << 0 << -1 << -1;
    // An APOLLO plant reads 2 on every line by CPU line, the stored bits by board.
    QTest::newRow("APOLLO brand, bits 0") << int(kZp4800) << 4 << 0x01 << 0 << 0 << -1 << 2;
    QTest::newRow("APOLLO brand, line 7") << int(kZp4800) << 4 << 0x01 << 0 << 7 << -1 << 2;
    QTest::newRow("APOLLO brand, by board") << int(kZp4800) << 4 << 0x01 << 0 << 0 << 0 << 0;
    QTest::newRow("APOLLO brand, line 8") << int(kZp4800) << 4 << 0x01 << 0 << 8 << -1 << -1;
    QTest::newRow("APOLLO brand, cpu 64") << int(kZp4800) << 4 << 0x01 << 64 << 0 << -1 << -1;
    // One line per board: line l is board l.
    QTest::newRow("KV1300 line 0") << int(kKv1300) << 3 << 0x2F << 0 << 0 << -1 << 1;
    QTest::newRow("KV1300 line 3") << int(kKv1300) << 3 << 0x2F << 0 << 3 << -1 << 0;
    QTest::newRow("KV1300 line 4") << int(kKv1300) << 3 << 0x2F << 0 << 4 << -1 << -1;
    QTest::newRow("KV1300 board 0 index 1") << int(kKv1300) << 3 << 0x2F << 0 << 1 << 0 << -1;
    // By board and line in board.
    QTest::newRow("board 0 index 1") << int(kZp4800) << 0 << 0x21 << 0 << 1 << 0 << 1;
    QTest::newRow("board 0 index 2") << int(kZp4800) << 0 << 0x21 << 0 << 2 << 0 << -1;
    QTest::newRow("board 4") << int(kZp4800) << 0 << 0x21 << 0 << 0 << 4 << -1;
    QTest::newRow("board cpu 64") << int(kZp4800) << 0 << 0x21 << 64 << 0 << 0 << -1;
}

void tst_ZpxProgCpu::lineProtocol()
{
    QFETCH(int, panelType);
    QFETCH(int, brand);
    QFETCH(int, boardByte);
    QFETCH(int, cpu);
    QFETCH(int, line);
    QFETCH(int, boardIdx);
    QFETCH(int, result);

    std::unique_ptr<ZpxProg> zpx = make(u32(panelType));
    zpx->data()[5247] = u8(brand);
    zpx->data()[board(0, 0)] = u8(boardByte);
    if (boardIdx < 0)
        QCOMPARE(zpx->get_cpu_line_prot(u32(cpu), u32(line)), result);
    else
        QCOMPARE(zpx->get_cpu_line_prot(u32(cpu), u32(boardIdx), u32(line)), result);
}

void tst_ZpxProgCpu::lineStyle_data()
{
    QTest::addColumn<int>("panelType");
    QTest::addColumn<int>("cpu");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("boardIdx"); // -1: by CPU line
    QTest::addColumn<int>("result");

    // Board 0 of CPU 0 holds 0x03 (style of line 0 only), board 1 holds 0x05 (line 1 only).
    QTest::newRow("line 0") << int(kZp4800) << 0 << 0 << -1 << 1;
    QTest::newRow("line 1") << int(kZp4800) << 0 << 1 << -1 << 0;
    QTest::newRow("line 2") << int(kZp4800) << 0 << 2 << -1 << 0;
    QTest::newRow("line 3") << int(kZp4800) << 0 << 3 << -1 << 1;
    QTest::newRow("line 8") << int(kZp4800) << 0 << 8 << -1 << 255;
    QTest::newRow("cpu 64") << int(kZp4800) << 64 << 0 << -1 << 255;
    QTest::newRow("KV1300 line 1") << int(kKv1300) << 0 << 1 << -1 << 0;
    QTest::newRow("KV1300 line 4") << int(kKv1300) << 0 << 4 << -1 << 255;
    QTest::newRow("board 0 index 0") << int(kZp4800) << 0 << 0 << 0 << 1;
    QTest::newRow("board 1 index 1") << int(kZp4800) << 0 << 1 << 1 << 1;
    QTest::newRow("board 1 index 5") << int(kZp4800) << 0 << 5 << 1 << 1;
    QTest::newRow("board 4") << int(kZp4800) << 0 << 0 << 4 << 255;
    QTest::newRow("board cpu 64") << int(kZp4800) << 64 << 0 << 0 << 255;
}

void tst_ZpxProgCpu::lineStyle()
{
    QFETCH(int, panelType);
    QFETCH(int, cpu);
    QFETCH(int, line);
    QFETCH(int, boardIdx);
    QFETCH(int, result);

    std::unique_ptr<ZpxProg> zpx = make(u32(panelType));
    zpx->data()[board(0, 0)] = 0x03;
    zpx->data()[board(0, 1)] = 0x05;
    if (boardIdx < 0)
        QCOMPARE(int(zpx->get_cpu_line_style(u32(cpu), u32(line))), result);
    else
        QCOMPARE(int(zpx->get_cpu_line_style(u32(cpu), u32(boardIdx), u32(line))), result);
}

// ---------------------------------------------------------------------------------------------
// Counts, names and positions

void tst_ZpxProgCpu::counts()
{
    std::unique_ptr<ZpxProg> zpx = make(kZp4800, 1);
    QCOMPARE(zpx->set_cpu_installed(5, true), 0);
    QCOMPARE(zpx->set_cpu_ll_num(5, 3), 0);
    QCOMPARE(zpx->set_cpu_installed(31, true), 0);
    QCOMPARE(zpx->set_cpu_ll_num(31, 2), 0);
    // CPU 40 lies past the plant's 32 CPUs and is not counted.
    QCOMPARE(zpx->set_cpu_installed(40, true), 0);
    QCOMPARE(zpx->set_cpu_ll_num(40, 4), 0);

    QCOMPARE(zpx->get_installed_cpu_num(), 3u);
    QCOMPARE(zpx->get_last_installed_cpu(), 31u);
    QCOMPARE(zpx->get_installed_ll_num(), 6u);
    QCOMPARE(zpx->get_installed_line_num(), 12u);
    QCOMPARE(zpx->get_cpu_ll_installed_num(5), 3u);
    QCOMPARE(zpx->get_cpu_line_installed_num(5), 6u);
    QCOMPARE(zpx->get_cpu_ll_installed_num(40), 4u);
    QCOMPARE(zpx->get_cpu_ll_installed_num(64), 0u);
    QCOMPARE(zpx->get_cpu_line_installed_num(64), 0u);
    QCOMPARE(zpx->get_cpu_line_installed(5, 5), true);
    QCOMPARE(zpx->get_cpu_line_installed(5, 6), false);
    QCOMPARE(zpx->get_cpu_line_installed(5, 9), false);
    QCOMPARE(zpx->get_cpu_line_installed(6, 0), false);
    QCOMPARE(zpx->get_cpu_line_installed(64, 0), false);
    QCOMPARE(zpx->is_cpu_installed(64), false);

    // Standalone: only CPU 0 counts.
    zpx->data()[5245] = 0;
    QCOMPARE(zpx->get_installed_cpu_num(), 1u);
    QCOMPARE(zpx->get_last_installed_cpu(), 0u);
    QCOMPARE(zpx->get_installed_ll_num(), 1u);
    QCOMPARE(zpx->set_cpu_installed(0, false), 0);
    QCOMPARE(zpx->get_installed_cpu_num(), 0u);
    QCOMPARE(zpx->get_last_installed_cpu(), 0u);
}

void tst_ZpxProgCpu::cpuNames()
{
    std::unique_ptr<ZpxProg> zpx = make(kZp4800);
    u8* d = zpx->data();
    memcpy(d + name(0), "CENTRALE PRINCIPALE - PIANO TERR", 32);
    memcpy(d + name(1), "CENTRALE 2", 10);
    memcpy(d + name(31), "CENTRALE 32", 11);
    char text[33];

    QCOMPARE(zpx->get_cpu_name(0, text), 0);
    QCOMPARE(QByteArray(text), QByteArray("CENTRALE PRINCIPALE - PIANO TERR"));
    QCOMPARE(QByteArray(zpx->get_cpu_name(0).get()), QByteArray("CENTRALE PRINCIPALE - PIANO TERR"));
    // Standalone: CPU 0 is the last CPU id.
    QCOMPARE(zpx->get_cpu_name(1, text), 1013);
    QCOMPARE(QByteArray(text), QByteArray());
    QCOMPARE(QByteArray(zpx->get_cpu_name(1).get()), QByteArray());

    d[5245] = 1;
    QCOMPARE(zpx->get_cpu_name(1, text), 0);
    QCOMPARE(QByteArray(text), QByteArray("CENTRALE 2"));
    QCOMPARE(zpx->get_cpu_name(31, text), 0);
    QCOMPARE(QByteArray(text), QByteArray("CENTRALE 32"));
    QCOMPARE(zpx->get_cpu_name(32, text), 1013);
    QCOMPARE(QByteArray(zpx->get_cpu_name(32).get()), QByteArray());
    QCOMPARE(zpx->get_cpu_name(64, text), 1013);
}

void tst_ZpxProgCpu::positions()
{
    QCOMPARE(CpuRec::cpu_of_position(0), -1);
    QCOMPARE(CpuRec::cpu_of_position(3), -1);
    QCOMPARE(CpuRec::cpu_of_position(4), 0);
    QCOMPARE(CpuRec::cpu_of_position(64), 0);
    QCOMPARE(CpuRec::cpu_of_position(65), 1);
    QCOMPARE(CpuRec::cpu_of_position(3907), 63);
    QCOMPARE(CpuRec::cpu_of_position(3908), -1);
    QCOMPARE(CpuRec::cpu_of_position(0xFFFFFFFFu), -1);
    QCOMPARE(LineRec::board_of_position(64, 65), -1);
    QCOMPARE(LineRec::board_of_position(65, 65), 0);
    QCOMPARE(LineRec::board_of_position(69, 65), 0);
    QCOMPARE(LineRec::board_of_position(70, 65), 1);
    QCOMPARE(LineRec::board_of_position(84, 65), 3);
    QCOMPARE(LineRec::board_of_position(85, 65), -1);

    u8 block[kSize] = {};
    QCOMPARE(CpuRec(block, 7).offset(), 431u);
    QCOMPARE(LineRec(block, 7, 3).offset(), 446u);
}

QTEST_APPLESS_MAIN(tst_ZpxProgCpu)
#include "tst_zpxprog_cpu.moc"
