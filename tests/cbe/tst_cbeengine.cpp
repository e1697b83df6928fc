// Control-by-event engine and simulation driver on a small plant in virtual time: the rings and
// their limits, TIM and DEL against the clock, group counting and settling, the five scripts of
// the simulation with the windows in which their lines must appear, and random programs.
// Programs are written as nibbles from the byte-code layout.

// The trace channels; before Qt, whose "slots" macro its ring would meet.
#include "cbe/CBEEngineState.h"

#include "../Lib/ImageGenerator.h"
#include "TestBase.h"
#include "cbe/CBEEngine.h"
#include "cbe/CBESim.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfIO.h"

#include <QtTest>

#include <random>

namespace {

typedef QList<QPair<u32, int>> Steps;

// Monday 3 June 2024 06:00 in calendar seconds.
constexpr time64 kStart = 1717394400;

// The tick advances by step at every read, so that a loop that waits on it moves on.
struct VirtualClock {
    u32 ms = 0;
    u32 step = 0;
};
VirtualClock g_clock;
u32 virtual_tick(void*)
{
    return g_clock.ms += g_clock.step;
}
time64 virtual_calendar(void*)
{
    return kStart + g_clock.ms / 1000;
}

// Nibbles as hex digits, blanks only for reading, padded to 32 bytes with 0.
QByteArray prog(QByteArray nibbles)
{
    nibbles.replace(' ', "");
    return QByteArray::fromHex(nibbles.size() % 2 ? nibbles + '0' : nibbles).leftJustified(32, '\0');
}

// Loop 1 of CPU 1: device slot, address - 1, program.
struct FixtureDevice {
    int slot;
    uint8_t address;
    bool module;
    uint8_t type;
    const char* program;
};
const FixtureDevice kDevices[] = {
    {0, 2, false, 2, "A0 9100 A1 F"}, // C1L1S3 (G1)
    {1, 3, false, 2, "F"},            // C1L1S4
    {2, 1, true, 43, "A0 9200 A1 F"}, // C1L1M2 (G2), an input
    {3, 4, true, 14, "A2 9831 A1 F"}, // C1L1M5 OR(G312), an output
    {4, 2, true, 43, "F"},            // C1L1M3, an input
};
const QPair<int, const char*> kGroups[] = {
    {2, "A0 AB B300 A1 A1 F"},             // (DIS(Z3))
    {310, "A7 8FFFFFF 0800 1730 A1 F"},    // TIM(-- 08.00 17.30)
    {311, "A6 0005 0010 A0 9100 A1 A1 F"}, // DEL(00.05 00.10 (G1))
    {312, "A3 C000020 C000030 A1 F"},      // AND(C1L1S3 C1L1S4)
    {313, "A4 9100 A1 F"},                 // NOT(G1)
    {314, "A7 E22 0800 1730 A1 F"},        // TIM(MO FR 08.00 17.30)
};

void set_device_program(int slot, const QByteArray& program)
{
    QCOMPARE(g_zpConf->set_data(70, program.constData(), 32, 2 + 43 * slot + 11), 0);
}
void set_group_program(int group, const QByteArray& program)
{
    QCOMPARE(g_zpConf->set_data(5, program.constData(), 32, 33 * (group - 1)), 0);
}

PackedAddress address(int a, bool module)
{
    return PackedAddress::make(0, 0, module, 0, u32(a));
}

QStringList g_notices;
void collect_notice(const char* text)
{
    g_notices << text;
}

// One pass of the driver's engine calls, repeated until the queues are empty.
void settle(int passes = 2000)
{
    for (int i = 0; i < passes; ++i) {
        CBE_MainCycle();
        CBE_CBEEventRxHnd();
        CBE_GroupCBEHandler();
        CBEEvent e;
        for (bool more = CBE_ReadCBEEventToLIB(&e, true); more; more = CBE_ReadCBEEventToLIB(&e, false)) {
            CBE_SelectArea(CBE_SIDE_LL);
            CBE_WriteCBEStatusTable(&e, 1);
        }
        CBE_ClearCBEEventToLIB();
    }
}

// The lines of a result file between its exec lines: segment k follows the k-th exec.
QList<QStringList> segments(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QStringList> out{{}};
    for (const QString& line : QString(f.readAll()).split('\n'))
        line.contains("]exec<") ? out.append(QStringList()) : out.last().append(line);
    return out;
}

} // namespace

class TestCBEEngine : public TestBase {
    Q_OBJECT

    QTemporaryDir m_dir;

    int simulate(const QByteArray& script, const QString& name)
    {
        QFile f(m_dir.filePath(name + ".txt"));
        if (!f.open(QIODevice::WriteOnly) || f.write(script) != script.size())
            return -1;
        f.close();
        g_clock.step = 1;
        return CBE_Simulate(qPrintable(f.fileName()), qPrintable(m_dir.filePath(name)));
    }

private slots:
    void initTestCase()
    {
        TestBase::initTestCase();
        using namespace imagegen;
        Plant p;
        // Besides the simulated board, LIB 2 of CPU 1 and LIB 1 of CPU 2, each with an output at
        // address 5 (C1L3M5, C2L1M5): the simulation leaves them alone.
        p.boards = {{0, 0, 1, 1}, {0, 1, 1, 1}, {1, 0, 1, 1}};
        for (const FixtureDevice& d : kDevices)
            p.devices.append({0, d.slot, d.address, 0, d.module, uint16_t(d.module ? 0x400B : 0x4002), d.type, 0,
                              uint16_t(d.module ? 1 : 3), uint8_t(d.module ? 0 : 5), "", false});
        for (int board : {1, 2})
            p.devices.append({board, 0, 4, 0, true, 0x400B, 14, 0, 1, 0, "", false});
        QFile file(m_dir.filePath("plant.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(image_v3(p, kV2602)) > 0);
        file.close();
        QCOMPARE(g_zpConf->new_config(0), 0);
        QVERIFY(g_zpConf->get_io().import_bin(qPrintable(file.fileName()), nullptr) <= 0);
        // The import logs its binding of the in-test records of the further boards as errors;
        // nothing here reads those records.
        traceErrors("set_cpu_llId");
        const u8 direct[2] = {44, 1}; // 300
        QCOMPARE(g_zpConf->set_data(2, direct, 2, 5206), 0);
        const CBEClock clock{virtual_tick, virtual_calendar, nullptr};
        CBE_SetClock(&clock);
    }

    void init()
    {
        g_clock = VirtualClock();
        CBE_SetSimTime(kStart);
        for (const FixtureDevice& d : kDevices)
            set_device_program(d.slot, prog(d.program));
        for (int g = 1; g <= 320; ++g)
            set_group_program(g, prog("F"));
        for (const auto& g : kGroups)
            set_group_program(g.first, prog(g.second));
        CBE_CPUInitCBE();
        CBE_LLInitCBE();
        CBE_SetNoticeSink(collect_notice);
        g_notices.clear();
    }

    void rings_data()
    {
        QTest::addColumn<int>("queue");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QString>("full");
        QTest::newRow("to LIB") << int(CBE_Q_TOLIB) << 1024 << "*** CBEEvToLIBQueue FULL (1) ***";
        QTest::newRow("loop side") << int(CBE_Q_LL) << 128 << "*** LLCBEEventQueue FULL (1) ***";
        QTest::newRow("CPU side") << int(CBE_Q_CPU) << 1024 << "*** CPUCBEEventQueue FULL (1) ***";
    }
    void rings()
    {
        QFETCH(int, queue);
        QFETCH(int, capacity);
        QFETCH(QString, full);
        const auto id = CBEQueueId(queue);
        auto put = [&](int n) {
            const CBEEvent e = CBE_GroupEvent(u16(n % 1600 + 1), 1, 0);
            return id == CBE_Q_TOLIB ? L_CBEEventToLIB(e)
                : id == CBE_Q_LL     ? L_LLPutCBEEvent(e)
                                     : int(CBE_CBEEventRx(1, &e));
        };
        QCOMPARE(CBE_GetQueueStats(id).free, u32(capacity - 1));
        for (int n = 0; n < capacity - 1; ++n)
            QCOMPARE(put(n), 1);
        QCOMPARE(CBE_GetQueueStats(id).free, 0u);
        QVERIFY(!CBE_GetQueueStats(id).full);
        QCOMPARE(put(capacity - 1), 1);
        QVERIFY(CBE_GetQueueStats(id).full);
        QCOMPARE(put(capacity), 0);
        QCOMPARE(CBE_GetQueueStats(id).refused, 1u);
        QVERIFY(trace().contains(full));
        if (id == CBE_Q_TOLIB) { // every record comes back in order; the commit empties the ring
            CBEEvent e;
            for (int n = 0; n < capacity; ++n) {
                QVERIFY(CBE_ReadCBEEventToLIB(&e, n == 0));
                QCOMPARE(int(e.b[2] | (e.b[3] & 15) << 8), n % 1600 + 1);
            }
            QVERIFY(!CBE_ReadCBEEventToLIB(&e, false));
            CBE_ClearCBEEventToLIB();
            QCOMPARE(CBE_GetQueueStats(id).free, u32(capacity - 1));
        }
    }

    void tim_data()
    {
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("minute");
        QTest::addColumn<int>("result");
        const QByteArray night = "A7 E00 2200 0600 A1 F", day = "A7 E00 0800 1730 A1 F";
        QTest::newRow("22.00-06.00 at 23.30") << night << 3 << 23 * 60 + 30 << 1;
        QTest::newRow("22.00-06.00 at 05.00") << night << 3 << 5 * 60 << 1;
        QTest::newRow("22.00-06.00 at 12.00") << night << 3 << 12 * 60 << 0;
        QTest::newRow("08.00-17.30 at 08.00") << day << 3 << 8 * 60 << 1;
        QTest::newRow("08.00-17.30 at 17.30") << day << 3 << 17 * 60 + 30 << 1;
        QTest::newRow("08.00-17.30 at 07.59") << day << 3 << 8 * 60 - 1 << 0;
        QTest::newRow("08.00-17.30 at 17.31") << day << 3 << 17 * 60 + 31 << 0;
        QTest::newRow("06-03, year open, 2031")
            << QByteArray("A7 8 06 03 FF FFFFFFFF A1 F") << 3 + 7 * 365 + 1 << 600 << 1;
        QTest::newRow("06-03-24 on 06-04-24") << QByteArray("A7 8 06 03 24 FFFFFFFF A1 F") << 4 << 600 << 0;
        QTest::newRow("MO FR on Friday") << QByteArray("A7 E22 FFFFFFFF A1 F") << 7 << 600 << 1;
        QTest::newRow("MO FR on Saturday") << QByteArray("A7 E22 FFFFFFFF A1 F") << 8 << 600 << 0;
        QTest::newRow("partly open slice") << QByteArray("A7 E00 0800 FFFF A1 F") << 3 << 600 << -11;
        QTest::newRow("day part C") << QByteArray("A7 C00 A1 F") << 3 << 600 << -11;
    }
    void tim()
    {
        QFETCH(QByteArray, program);
        QFETCH(int, day);
        QFETCH(int, minute);
        QFETCH(int, result);
        CBE_SetSimTime(kStart - 6 * 3600 + (day - 3) * 86400 + minute * 60);
        CBE_SelectArea(CBE_SIDE_CPU);
        u8 timer[4] = {};
        QCOMPARE(int(L_CBEReverseAnalisys(reinterpret_cast<const u8*>(prog(program).constData()), timer, 3, 0)),
                 qMax(result, 0));
        QCOMPARE(trace().contains("L_CBEReverseAnalisys 3 ERROR 11"), result < 0);
    }

    // At each ms the result of the program with G1 active.
    void del_data()
    {
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<u32>("from");
        QTest::addColumn<Steps>("steps");
        const QByteArray timed = "A6 0005 0010 A0 9100 A1 A1 F";
        QTest::newRow("5 s on, 10 s held")
            << timed << 0u << Steps{{0, 0}, {4999, 0}, {5000, 1}, {14999, 1}, {15000, 0}, {60000, 0}};
        QTest::newRow("no duration") << QByteArray("A6 0001 FFFF A0 9100 A1 A1 F") << 0u
                                     << Steps{{0, 0}, {1000, 1}, {600000, 1}, {1200000, 1}};
        // Engine tick 8190: the stamp wraps on 13 bits before the delay ends.
        QTest::newRow("across the wrap") << timed << 8190u * 200 << Steps{{0, 0}, {4800, 0}, {5000, 1}, {15000, 0}};
        QTest::newRow("SDEL with its second operator")
            << QByteArray("A8 0001 FFFF A0 A7 E00 FFFFFFFF A1 A1 A1 F") << 0u << Steps{{0, 0}};
    }
    void del()
    {
        QFETCH(QByteArray, program);
        QFETCH(u32, from);
        QFETCH(Steps, steps);
        CBE_WorkArea(CBE_SIDE_CPU)[kCBEGroupStatesOffset] = 4;
        u8 timer[4] = {};
        g_clock.ms = from;
        CBE_EngineTick();
        CBE_SelectArea(CBE_SIDE_CPU);
        for (const auto& step : steps) {
            g_clock.ms = from + step.first;
            QCOMPARE(int(L_CBEReverseAnalisys(reinterpret_cast<const u8*>(prog(program).constData()), timer, 3, 0)),
                     step.second);
        }
        QCOMPARE(trace().contains("ERROR 9"), program.startsWith("A8"));
    }

    // Group numbers outside 1..1600 name no group: a condition's operand is false, an event
    // changes nothing, a sensitivity word selects nothing; each is traced.
    void ranges()
    {
        CBE_SelectArea(CBE_SIDE_CPU);
        u8* cpu = CBE_WorkArea(CBE_SIDE_CPU);
        cpu[kCBEGroupStatesOffset + 1599] = 4;
        u8 timer[4] = {};
        const QByteArray g1600 = prog("A2 9046 A1 F"), g1601 = prog("A2 9146 A1 F");
        QCOMPARE(int(L_CBEReverseAnalisys(reinterpret_cast<const u8*>(g1600.constData()), timer, 3, 0)), 1);
        QCOMPARE(int(L_CBEReverseAnalisys(reinterpret_cast<const u8*>(prog("A2 9000 A1 F").constData()), timer, 3, 0)),
                 0);
        QVERIFY(trace().contains("L_OperatorAnalisys: gruppo 0 fuori range"));
        QCOMPARE(int(L_CBEReverseAnalisys(reinterpret_cast<const u8*>(g1601.constData()), timer, 3, 0)), 0);
        QVERIFY(trace().contains("L_OperatorAnalisys: gruppo 1601 fuori range"));

        const CBEEvent event = CBE_GroupEvent(1601, 1, 0);
        QCOMPARE(CBE_CBEEventRx(1, &event), 1u);
        CBE_CBEEventRxHnd();
        QVERIFY(trace().contains("CBE_CBEEventRxHnd: gruppo 1601 fuori range"));
        QVERIFY(CBE_GetQueueStats(CBE_Q_TOLIB).empty);

        // A program without its end runs into the nibbles past the 32nd byte, which read as F.
        CBE_AlarmDevCBEAnalisys(
            address(2, false),
            reinterpret_cast<const u8*>(QByteArray("\xA0").append(QByteArray(31, '\x91')).constData()), 11);
        QVERIFY(trace().contains("L_LLCBEDirectAnalisys ERROR 8\tCBE(hex)=A0" + QString("91").repeated(31) + "\n"));

        u8* ll = CBE_WorkArea(CBE_SIDE_LL);
        ll[kCBEGroupStatesOffset + 399] = 4;
        const QList<QPair<QPair<u16, u16>, u16>> words{
            {{400, 0}, 1}, {{0, 400}, 2}, {{1601, 0}, 0}, {{200, 0}, 0}, {{0, 1601}, 0}};
        for (const auto& w : words) {
            const u16 pair[2] = {w.first.first, w.first.second};
            QCOMPARE(g_zpConf->set_data(2, pair, 4, 5202), 0);
            QCOMPARE(CBE_SensScan(), w.second);
            QCOMPARE(g_zpConf->get_sens_selection(), w.second);
        }
        QVERIFY(trace().contains("CBE_SensScan: gruppo 1601 fuori range"));

        const u16 count = 2000;
        QCOMPARE(g_zpConf->set_data(2, &count, 2, 5206), 0);
        CBE_CPUInitCBE();
        QCOMPARE(CBE_ReverseScan(), 1600u);
        const u16 direct = 300;
        QCOMPARE(g_zpConf->set_data(2, &direct, 2, 5206), 0);
        CBE_CPUInitCBE();
        QCOMPARE(CBE_ReverseScan(), 301u);
    }

    // The last group is written from the loop side like any other; numbers outside 1..1600 read
    // as off.
    void loop_side_group_limits()
    {
        CBE_AlarmDevCBEAnalisys(address(2, false), reinterpret_cast<const u8*>(prog("A0 9046 A1 F").constData()), 11);
        settle();
        QCOMPARE(CBE_GetGroupCount(1600), u16(1));
        QCOMPARE(CBE_GetGroupState(CBE_SIDE_CPU, 1600), u8(4));
        QCOMPARE(CBE_GetGroupState(CBE_SIDE_CPU, 0), u8(0));
        QCOMPARE(CBE_GetGroupState(CBE_SIDE_CPU, 1601), u8(0));
        QCOMPARE(CBE_GetGroupState(CBE_SIDE_LL, 1601), u8(0));
    }

    // A code 10 alarm gives the first qualifier, code 11 the second; both together set bit 0 of
    // the state. Bits of the group number's high nibble are no qualifiers.
    void alarm_qualifiers()
    {
        const QByteArray g5 = prog("A0 9500 A1 F"), g257 = prog("A0 9101 A1 F");
        CBE_AlarmDevCBEAnalisys(address(2, false), reinterpret_cast<const u8*>(g5.constData()), 10);
        settle();
        QCOMPARE(CBE_GetGroupState(CBE_SIDE_CPU, 5), u8(4));
        CBE_AlarmDevCBEAnalisys(address(3, false), reinterpret_cast<const u8*>(g5.constData()), 11);
        settle();
        QCOMPARE(CBE_GetGroupState(CBE_SIDE_CPU, 5), u8(7));
        CBE_AlarmDevCBEAnalisys(address(2, false), reinterpret_cast<const u8*>(g257.constData()), 10);
        settle();
        QCOMPARE(CBE_GetGroupCount(257), u16(1));
        QCOMPARE(CBE_GetGroupState(CBE_SIDE_CPU, 257), u8(4));
    }

    // An empty program (F) is no error.
    void empty_device_program()
    {
        CBE_AlarmDevCBEAnalisys(address(3, false), reinterpret_cast<const u8*>(prog("F").constData()), 11);
        QVERIFY(!trace().contains("L_LLCBEDirectAnalisys ERROR"));
    }

    // A direct group switched on from the loop side runs its own program there: group 6 writes
    // C1L1S3.
    void direct_group_runs_on_loop_side()
    {
        set_group_program(6, prog("A0 C000020 A1 F"));
        CBE_AlarmDevCBEAnalisys(address(3, false), reinterpret_cast<const u8*>(prog("A0 9600 A1 F").constData()), 11);
        QCOMPARE(CBE_GetDevStatus(CBE_SIDE_LL, address(2, false)), u8(0));
        settle();
        QCOMPARE(CBE_GetGroupState(CBE_SIDE_LL, 6), u8(4));
        QCOMPARE(CBE_GetDevStatus(CBE_SIDE_LL, address(2, false)), u8(3));
    }

    // The CPU side traces each group a direct program writes, and each device event it takes.
    // A device's own program, applied at its alarm or switch-on and again at its switch-off,
    // switches the devices of its own CPU and board that it names, as a group's program does.
    // Those of another board or CPU are that board's to switch; a slot the board does not hold
    // changes nothing and queues nothing.
    void device_programs_data()
    {
        QTest::addColumn<int>("owner"); // address - 1 of the owner on C1L1, or of a module + 100
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<int>("onCode");
        QTest::addColumn<int>("offCode");       // -1: nothing switches the owner off
        QTest::addColumn<QList<int>>("target"); // CPU - 1, loop - 1, module, address - 1
        QTest::addColumn<int>("stateOn");
        QTest::addColumn<int>("queuedOn"); // records on the loop side's queue after the switch-on
        QTest::addColumn<int>("stateOff");
        QTest::newRow("sensor, module of its board")
            << 2 << QByteArray("A0 D000240 A1 F") << 11 << -1 << QList<int>{0, 0, 1, 4} << 3 << 1 << 3;
        QTest::newRow("sensor, code 10") << 2 << QByteArray("A0 D000240 A1 F") << 10 << -1 << QList<int>{0, 0, 1, 4}
                                         << 3 << 1 << 3;
        QTest::newRow("sensor, sensor of its board")
            << 2 << QByteArray("A0 C000030 A1 F") << 12 << -1 << QList<int>{0, 0, 0, 3} << 3 << 0 << 3;
        QTest::newRow("module, another module")
            << 101 << QByteArray("A0 D000220 A1 F") << 1 << 3 << QList<int>{0, 0, 1, 2} << 3 << 1 << 0;
        QTest::newRow("module, group and module")
            << 101 << QByteArray("A0 9500 D000220 A1 F") << 1 << 3 << QList<int>{0, 0, 1, 2} << 3 << 2 << 0;
        QTest::newRow("module, module fault")
            << 101 << QByteArray("A0 D000220 A1 F") << 2 << -1 << QList<int>{0, 0, 1, 2} << 0 << 0 << 0;
        QTest::newRow("other board of its CPU")
            << 2 << QByteArray("A0 D080240 A1 F") << 11 << -1 << QList<int>{0, 2, 1, 4} << 0 << 0 << 0;
        QTest::newRow("other CPU") << 2 << QByteArray("A0 D100240 A1 F") << 11 << -1 << QList<int>{1, 0, 1, 4} << 0 << 0
                                   << 0;
        QTest::newRow("empty slot") << 2 << QByteArray("A0 D000280 A1 F") << 11 << -1 << QList<int>{0, 0, 1, 8} << 0
                                    << 0 << 0;
    }
    void device_programs()
    {
        QFETCH(int, owner);
        QFETCH(QByteArray, program);
        QFETCH(int, onCode);
        QFETCH(int, offCode);
        QFETCH(QList<int>, target);
        QFETCH(int, stateOn);
        QFETCH(int, queuedOn);
        QFETCH(int, stateOff);
        const PackedAddress from = address(owner % 100, owner >= 100);
        const PackedAddress to = PackedAddress::make(u32(target[0]), u32(target[1]), target[2] != 0, 0, u32(target[3]));
        const QByteArray code = prog(program);
        const u32 freeBefore = CBE_GetQueueStats(CBE_Q_LL).free;
        CBE_AlarmDevCBEAnalisys(from, reinterpret_cast<const u8*>(code.constData()), u8(onCode));
        QVERIFY(!trace().contains("L_LLCBEDirectAnalisys ERROR"));
        QCOMPARE(freeBefore - CBE_GetQueueStats(CBE_Q_LL).free, u32(queuedOn));
        settle();
        QCOMPARE(CBE_GetDevStatus(CBE_SIDE_LL, to), u8(stateOn));
        QCOMPARE(CBE_GetDevStatus(CBE_SIDE_CPU, to), u8(stateOn));
        if (offCode < 0)
            return;
        CBE_AlarmDevCBEAnalisys(from, reinterpret_cast<const u8*>(code.constData()), u8(offCode));
        settle();
        QCOMPARE(CBE_GetDevStatus(CBE_SIDE_LL, to), u8(stateOff));
        QCOMPARE(CBE_GetDevStatus(CBE_SIDE_CPU, to), u8(stateOff));
    }

    // A device's DIS queues the exclusion of what it names, and its inclusion at the switch-off.
    void device_program_dis()
    {
        g_logger().enable_channel(cbe_engine::CH_QUEUE);
        const QByteArray code = prog("A0 AB B300 A1 D000220 A1 F"); // (DIS(Z3) C1L1M3)
        CBE_AlarmDevCBEAnalisys(address(1, true), reinterpret_cast<const u8*>(code.constData()), 1);
        CBE_AlarmDevCBEAnalisys(address(1, true), reinterpret_cast<const u8*>(code.constData()), 3);
        g_logger().disable_channel(cbe_engine::CH_QUEUE);
        QVERIFY(!trace().contains("L_LLCBEDirectAnalisys ERROR"));
        const QString t = trace();
        const int on = t.indexOf("DIS L_LLPutCBEEvent zone:3 edg:1\n");
        QVERIFY(on >= 0);
        QVERIFY(t.indexOf("L_LLPutCBEEvent C1L1M3.1  edg:1\n", on) > on);
        QVERIFY(t.indexOf("DIS L_LLPutCBEEvent zone:3 edg:0\n", on) > on);
    }

    void cpu_side_traces()
    {
        for (int channel : {cbe_engine::CH_CPUWRITE, cbe_engine::CH_EVENTRX})
            g_logger().enable_channel(channel);
        set_group_program(1, prog("A0 9300 A1 F"));
        set_group_program(7, prog("A0 D000240 A1 F"));
        CBE_AlarmDevCBEAnalisys(address(2, false), reinterpret_cast<const u8*>(prog("A0 9100 9700 A1 F").constData()),
                                11);
        settle();
        for (int channel : {cbe_engine::CH_CPUWRITE, cbe_engine::CH_EVENTRX})
            g_logger().disable_channel(channel);
        QVERIFY(trace().contains("L_CPUWriteGroup type:1 G:3 > 1\n"));
        QVERIFY(trace().contains("CBE_CBEEventRxHnd-DEV C1L1M5.1\n"));
    }

    // An output follows its condition once the five-second hold has run out; switching on with
    // a TONE prints the tone as written.
    void outputs()
    {
        set_device_program(3, prog("AE 05 3 100 500 A0 9831 A1 A1 F"));
        CBE_WorkArea(CBE_SIDE_LL)[kCBEGroupStatesOffset + 311] = 4;
        ScanCBEMod(address(4, true));
        QCOMPARE(CBE_GetDevStatus(CBE_SIDE_LL, address(4, true)), u8(0));
        g_clock.ms = 5000;
        CBE_TestOutputHold();
        QVERIFY(CBE_OutputHold());
        g_clock.ms = 5001;
        CBE_TestOutputHold();
        QVERIFY(!CBE_OutputHold());
        ScanCBEMod(address(4, true));
        QCOMPARE(CBE_GetDevStatus(CBE_SIDE_LL, address(4, true)), u8(3));
        QCOMPARE(g_notices, QStringList{" TONO=5, VOLUME=3 Z1:Z5]"});
        CBE_WorkArea(CBE_SIDE_LL)[kCBEGroupStatesOffset + 311] = 0;
        ScanCBEMod(address(4, true));
        QCOMPARE(CBE_GetDevStatus(CBE_SIDE_LL, address(4, true)), u8(0));
        QCOMPARE(g_notices.size(), 1);
    }

    void counting()
    {
        set_device_program(4, prog("A0 9200 A1 F"));
        CBE_AlarmDevCBEAnalisys(address(1, true), reinterpret_cast<const u8*>(prog("A0 9200 A1 F").constData()), 1);
        settle();
        QCOMPARE(g_notices, QStringList{" esclusione Z3]"});
        CBE_AlarmDevCBEAnalisys(address(2, true), reinterpret_cast<const u8*>(prog("A0 9200 A1 F").constData()), 1);
        settle();
        QCOMPARE(CBE_GetGroupCount(2), u16(2));
        QCOMPARE(CBE_GetGroupState(CBE_SIDE_CPU, 2), u8(6));
        CBE_AlarmDevCBEAnalisys(address(2, true), reinterpret_cast<const u8*>(prog("A0 9200 A1 F").constData()), 3);
        settle();
        QCOMPARE(CBE_GetGroupCount(2), u16(1));
        QCOMPARE(CBE_GetGroupState(CBE_SIDE_LL, 2), u8(4));
        QCOMPARE(g_notices, QStringList{" esclusione Z3]"});
    }

    void backward_programs_settle()
    {
        set_group_program(1, prog("A0 9300 A1 F"));
        set_group_program(3, prog("A0 9100 A1 F"));
        CBE_AlarmDevCBEAnalisys(address(2, false), reinterpret_cast<const u8*>(prog("A0 9100 A1 F").constData()), 11);
        settle();
        QCOMPARE(CBE_GetGroupCount(1), u16(1));
        QCOMPARE(CBE_GetGroupCount(3), u16(1));
        for (CBEQueueId id : {CBE_Q_TOLIB, CBE_Q_LL, CBE_Q_CPU})
            QVERIFY(CBE_GetQueueStats(id).empty);
        QCOMPARE(CBE_GetGroupState(CBE_SIDE_LL, 3), u8(4));
    }

    // Module lines of the result file after each exec line, whole: a device's program switches
    // what it names on its board, and only there.
    void device_program_scripts_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QByteArray>("program");
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("expected"); // "k LINE": after the k-th exec
        QTest::newRow("sensor") << 0 << QByteArray("A0 D000240 A1 F")
                                << QByteArray("C1L1S3=ALARM\ndelay=2\ncmd=TIMESTAMP\nC1L1S3=NORM\ncmd=RESET\n")
                                << QStringList{"1 C1L1M5=ON", "5 C1L1M5=OFF"};
        QTest::newRow("input") << 2 << QByteArray("A0 D000220 A1 F")
                               << QByteArray("C1L1M2=ON\ndelay=1\ncmd=TIMESTAMP\nC1L1M2=OFF\ndelay=1\n")
                               << QStringList{"1 C1L1M2=ON", "1 C1L1M3=ON", "4 C1L1M2=OFF", "4 C1L1M3=OFF"};
        QTest::newRow("other board") << 0 << QByteArray("A0 D080240 A1 F")
                                     << QByteArray("C1L1S3=ALARM\ndelay=2\ncmd=TIMESTAMP\n") << QStringList{};
        QTest::newRow("other CPU") << 0 << QByteArray("A0 D100240 A1 F")
                                   << QByteArray("C1L1S3=ALARM\ndelay=2\ncmd=TIMESTAMP\n") << QStringList{};
    }
    void device_program_scripts()
    {
        QFETCH(int, slot);
        QFETCH(QByteArray, program);
        QFETCH(QByteArray, script);
        QFETCH(QStringList, expected);
        set_device_program(slot, prog(program));
        QCOMPARE(simulate(script, "device"), 0);
        const QList<QStringList> seg = segments(m_dir.filePath("device"));
        QCOMPARE(seg.size(), script.count('\n') + 1);
        const QRegularExpression moduleLine("^\\[\\d{8}\\](C\\d+L\\d+M\\d+=\\w+)$");
        QStringList found;
        for (int k = 0; k < seg.size(); ++k)
            for (const QString& line : seg[k]) {
                const QRegularExpressionMatch m = moduleLine.match(line);
                if (m.hasMatch())
                    found << QString::number(k) + ' ' + m.captured(1);
                else
                    QVERIFY2(!line.contains(QRegularExpression("\\]C\\d+L\\d+M")), qPrintable(line));
            }
        QCOMPARE(found, expected);
    }

    // Expectations "NAME=VALUE n-m" (the last line for NAME after exec lines n to m), "-NAME n-m"
    // (no line for it) and "~TEXT n-m" (a line containing TEXT).
    void scripts_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("TIM") << QByteArray("date=3.6.24\ntime=12:00:00\ndelay=3\ncmd=TIMESTAMP\ndate=8.6.24\ndelay=3\n"
                                           "cmd=TIMESTAMP\ntime=20:00:00\ndelay=3\ncmd=TIMESTAMP\n")
                             << QStringList{"G310=ON 1-4", "G314=ON 1-4", "G314=OFF 5-7", "-G310 5-7", "G310=OFF 8-10"};
        QTest::newRow("alarms") << QByteArray("delay=6\nC1L1S3=ALARM\ndelay=2\ncmd=TIMESTAMP\nC1L1S4=ALARM\ndelay=2\n"
                                              "cmd=TIMESTAMP\nC1L1S3=NORM\ndelay=2\ncmd=TIMESTAMP\ncmd=RESET\n")
                                << QStringList{"G1=ON 2-4",   "G313=OFF 2-4",  "-G312 2-4",     "-C1L1M5 2-4",
                                               "G312=ON 5-7", "C1L1M5=ON 5-7", "G312=OFF 8-10", "C1L1M5=OFF 8-10",
                                               "-G1 8-10",    "G1=OFF 11-11"};
        QTest::newRow("DEL") << QByteArray("C1L1S3=ALARM\ndelay=4\ncmd=TIMESTAMP\ndelay=3\ncmd=TIMESTAMP\ndelay=5\n"
                                           "cmd=TIMESTAMP\ndelay=4\ncmd=TIMESTAMP\n")
                             << QStringList{"-G311 1-3", "G311=ON 4-5", "-G311 6-7", "G311=OFF 8-9"};
        QTest::newRow("DIS") << QByteArray("C1L1M2=ON\ndelay=1\ncmd=TIMESTAMP\nC1L1M2=OFF\ndelay=1\ncmd=TIMESTAMP\n")
                             << QStringList{"C1L1M2=ON 1-3",  "G2=ON 1-3",  "~esclusione Z3] 1-3",
                                            "C1L1M2=OFF 4-6", "G2=OFF 4-6", "~inclusione Z3] 4-6"};
    }
    void scripts()
    {
        QFETCH(QByteArray, script);
        QFETCH(QStringList, expected);
        QCOMPARE(simulate(script, "run"), 0);
        const QList<QStringList> seg = segments(m_dir.filePath("run"));
        QCOMPARE(seg.size(), script.count('\n') + 1);
        for (const QString& e : expected) {
            const QStringList parts = e.split(' ');
            const QStringList range = parts.last().split('-');
            QStringList lines;
            for (int k = range[0].toInt(); k <= range[1].toInt(); ++k)
                lines += seg[k];
            const QString item = parts.mid(0, parts.size() - 1).join(' ');
            if (item.startsWith('~')) {
                QVERIFY2(!lines.filter(item.mid(1)).isEmpty(), qPrintable(e));
                continue;
            }
            const QString name = item.section('=', 0, 0).remove('-');
            const QStringList named = lines.filter(QRegularExpression("\\]" + name + "="));
            QVERIFY2(item.startsWith('-') ? named.isEmpty() : !named.isEmpty() && named.last().endsWith(item),
                     qPrintable(e));
        }
        QVERIFY(QFile::exists(m_dir.filePath("run.log")));
        QVERIFY(!QFile::exists(m_dir.filePath("run.err")));
    }

    void bad_input()
    {
        set_group_program(315, prog("A7 C00 A1 F"));
        set_group_program(316, prog("A2 9FFF A1 F"));
        set_group_program(317, QByteArray(32, '\xA2'));
        set_group_program(318, prog("AD F"));
        set_device_program(1, prog("A2 9100 A1 F"));
        const QByteArray script = "C1L1S4=ALARM\nfoo=bar\nC99L1S1=ALARM\ncomment=" + QByteArray(247, 'x')
            + "C1L1S3=ALARM\ndelay=2\ncmd=TIMESTAMP\n";
        QCOMPARE(simulate(script, "bad"), 0);
        QFile f(m_dir.filePath("bad"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString result = f.readAll();
        QVERIFY(!result.contains(QRegularExpression("\\]G(1|31[5-8])=")));
        QVERIFY(result.contains("\nERROR: Errore sintassi linea 2: \"foo=bar\"\n"));
        QVERIFY(result.contains("\nERROR: <C99L1S1> non configurato\n"));
        QCOMPARE(result.count("Errore sintassi linea 4"), 1);
        QCOMPARE(result.count("Errore sintassi"), 2);
        QVERIFY(!result.contains("exec<comment") && !result.contains("exec<foo")
                && result.contains("exec<C99L1S1=ALARM>"));
        for (const char* line :
             {"L_CBEReverseAnalisys 3 ERROR 11", "L_CBEReverseAnalisys 3 ERROR 8", "L_CBEReverseAnalisys 3 ERROR 10",
              "L_CBEReverseAnalisys 3 ERROR 8\tCBE(hex)="
              "A2A2A2"})
            QVERIFY2(trace().contains(line), line);
        QVERIFY(trace().contains("L_LLCBEDirectAnalisys ERROR 2\tCBE(hex)=A29100A1F0" + QString(54, '0') + "\n"));
        QVERIFY(QFile::exists(m_dir.filePath("bad.err")));
        QVERIFY(!QFile::exists(m_dir.filePath("bad.log")));
    }

    // Lines of 255 characters and one more; device addresses at and past their limits.
    void line_limits()
    {
        const QByteArray script = "comment=" + QByteArray(247, 'x') + "\ncomment=" + QByteArray(248, 'y')
            + "\nC65L1S1=ALARM\nC1L9S1=ALARM\nC1L1S160=ALARM\nC1L1M0=ON\nC64L8S159=PRE\nC1L1S3=ON\nC1L1M2=ALARM\n";
        QCOMPARE(simulate(script, "limits"), 0);
        QFile f(m_dir.filePath("limits"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString result = f.readAll();
        QVERIFY(result.contains("# " + QString(247, 'x') + "\n"));
        QVERIFY(result.contains("\nERROR: Errore sintassi linea 2: \"comment=" + QString(247, 'y') + "\"\n"));
        for (const char* device : {"<C65L1S1>", "<C1L9S1>", "<C1L1S160>", "<C1L1M0>", "<C64L8S159>"})
            QVERIFY2(result.contains(QString("\nERROR: ") + device + " non configurato\n"), device);
        QVERIFY(result.contains("Errore sintassi linea 8: \"C1L1S3=ON\""));
        QVERIFY(result.contains("Errore sintassi linea 9: \"C1L1M2=ALARM\""));
        QCOMPARE(result.count("Errore sintassi"), 3);
    }

    // Seconds stop at 59, months at 12; the configured devices are listed and nothing else.
    void clock_commands()
    {
        const QByteArray script = "time=12:00:59\ntime=12:00:60\ndate=31.12.24\ndate=1.13.24\ncmd=TIMESTAMP\n";
        QCOMPARE(simulate(script, "clock"), 0);
        QFile f(m_dir.filePath("clock"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString result = f.readAll();
        QVERIFY(result.contains("Errore sintassi linea 2: \"time=12:00:60\""));
        QVERIFY(result.contains("Errore sintassi linea 4: \"date=1.13.24\""));
        QCOMPARE(result.count("Errore sintassi"), 2);
        QVERIFY(result.contains("]time stamp=31.12.2024 12:0"));
        // With errors counted the log goes to the error file.
        QFile log(m_dir.filePath("clock.err"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString logged = log.readAll();
        QVERIFY(logged.contains("LIB1 configurata (llIdx[0][0]):"));
        QVERIFY(!logged.contains("errore tipo") && !logged.contains("mancante"));
    }

    // A log that runs full stops one byte short of its 4 MB; a long virtual tick lets each line
    // run at once.
    void full_log()
    {
        QFile f(m_dir.filePath("full.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write(QByteArray(QByteArray(70, 'x') + '\n').repeated(60000)) > 0);
        f.close();
        g_clock.step = 1000;
        QCOMPARE(CBE_Simulate(qPrintable(f.fileName()), qPrintable(m_dir.filePath("full"))), 0);
        QCOMPARE(QFileInfo(m_dir.filePath("full.err")).size(), qint64(4194303));
    }

    void files()
    {
        QCOMPARE(simulate("cmd=TIMESTAMP\n", "ok"), 0);
        QFile f(m_dir.filePath("ok"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList order{"ZP1600Struct V2.03 (ZpData V0x2602)",
                                "Simulazione CBE: file <",
                                "########## inizio simulazione #########",
                                "# simulazione CPU1",
                                "# simulazione LL1",
                                "# tempo minimo tra comandi = 500ms",
                                "# tempo tra scansioni CBE inverse su LL = 100ms",
                                "]BEGIN simulation, time= 03.06.2024 06:00:00",
                                "]exec<cmd=TIMESTAMP>",
                                "]time stamp=03.06.2024 06:00:00",
                                "]END simulation, time=",
                                "# ciclo max di simulazione = ",
                                "# ciclo max di scansione gruppi inversi = ",
                                "# ciclo max di scansione formule inverse = ",
                                "######## simulazione completata #######"};
        const QString text = f.readAll();
        int at = 0;
        for (const QString& line : order) {
            const int found = text.indexOf(line, at);
            QVERIFY2(found >= at, qPrintable(line));
            at = found + line.size();
        }
        QCOMPARE(CBE_Simulate(qPrintable(m_dir.filePath("none.txt")), qPrintable(m_dir.filePath("nf"))), 1);
        QFile err(m_dir.filePath("nf.err"));
        QVERIFY(err.open(QIODevice::ReadOnly));
        QVERIFY(err.readAll().contains("Errore apertura file <"));
        QCOMPARE(CBE_Simulate(qPrintable(m_dir.filePath("ok.txt")), qPrintable(m_dir.filePath("no/dir/x"))), 1);
    }

    // The board dump names a record on the second line of a board whose panel has one line per
    // board; the panel type is put back after.
    void dump_line_error()
    {
        u8 panelType = 0, record[43], empty[43];
        QCOMPARE(g_zpConf->get_data(2, &panelType, 1, 5246), 0);
        QCOMPARE(g_zpConf->get_data(70, empty, 43, 2 + 43 * 10), 0);
        QCOMPARE(g_zpConf->get_data(70, record, 43, 2 + 43 * 1), 0); // C1L1S4
        record[1] |= 0x40;
        QCOMPARE(g_zpConf->set_data(70, record, 43, 2 + 43 * 10), 0);
        const u8 oneLine = 1;
        QCOMPARE(g_zpConf->set_data(2, &oneLine, 1, 5246), 0);
        QCOMPARE(simulate("cmd=TIMESTAMP\ncmd=NONE\n", "lines"), 0);
        QCOMPARE(g_zpConf->set_data(2, &panelType, 1, 5246), 0);
        QCOMPARE(g_zpConf->set_data(70, empty, 43, 2 + 43 * 10), 0);
        QFile log(m_dir.filePath("lines.err"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QStringList lines = QString(log.readAll()).split('\n');
        QVERIFY(lines.contains("ramIdx=10: C1L2S4 errore linea"));
        QVERIFY(lines.contains("ramIdx=1: C1L1S4"));
        QCOMPARE(lines.filter("errore").size(), 1);
    }

    // Random bytes as group, point and direct programs; the sanitizer build runs 10,000.
    void random_programs()
    {
#ifdef __SANITIZE_ADDRESS__
        const int count = 10000;
#else
        const int count = 300;
#endif
        std::mt19937 rng(34u);
        QByteArray program(32, '\0');
        for (int n = 0; n < count; ++n) {
            for (char& c : program)
                c = char(rng() % 4 == 0 ? 0xA0 + rng() % 16 : rng() % 256);
            const u8* code = reinterpret_cast<const u8*>(program.constData());
            set_group_program(int(rng() % 1600 + 1), program);
            set_device_program(3, program);
            u8 timer[4] = {};
            L_CBEReverseAnalisys(code, timer, 3, 0);
            L_CPUCBEDirectAnalisys(code, u16(rng() % 1600 + 1), u8(n & 1), 1, 12);
            CBE_AlarmDevCBEAnalisys(address(2, false), code, u8(10 + n % 3));
            ScanCBEMod(address(4, true));
            for (int i = 0; i < 40; ++i)
                CBE_ReverseScan();
            settle(20);
        }
        QVERIFY(CBE_IsInitialised());
    }
};

QTEST_GUILESS_MAIN(TestCBEEngine)
#include "tst_cbeengine.moc"
