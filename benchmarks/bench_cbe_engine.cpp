// Cost of the control-by-event engine on the full-size configuration with a program in every
// device record and group: direct groups 1 to 300 name later groups, groups 301 to 1600 hold
// conditions of 20 to 32 bytes (TIM, which stands alone, of 10) over every operator, sensors
// name direct groups, output modules hold conditions (some with TONE).
//
// Two runs, each beside its floor: walking the same programs as often as the engine ran them,
// nibble by nibble up to F, with one find_device per device operand.
//   sweep   one reverse formula sweep (1300 groups) and a scan of every output module
//   events  100,000 sensor events (alarm and clear in turn) run until the queues are empty
// The goal is each run within five times its floor; the ratios are printed last.
#include "FullConfig.h"
#include "OS/TraceLog.h"
#include "RatioReporter.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/DeviceStatusProg.h"
#include "ZpData/Values/PanelModel.h"
#include "cbe/CBEEngine.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr u32 kDirect = 300;
constexpr u32 kEvents = 100000;

struct Device {
    PackedAddress address;
    u32 block, slot;
};

std::vector<Device> g_sensors, g_outputs;

// 32 program bytes from hex nibbles, padded.
std::vector<u8> program(std::string nibbles)
{
    nibbles += 'F';
    if (nibbles.size() % 2)
        nibbles += '0';
    std::vector<u8> out(32, 0);
    for (size_t i = 0; i + 1 < nibbles.size() && i / 2 < 32; i += 2)
        out[i / 2] = u8(std::stoul(nibbles.substr(i, 2), nullptr, 16));
    return out;
}

std::string hex(u32 value, int nibbles)
{
    std::string s;
    for (int i = 0; i < nibbles; ++i)
        s += "0123456789ABCDEF"[(value >> (4 * i)) & 15];
    return s;
}
std::string group(u32 g)
{
    return "9" + hex(g, 3);
}
std::string zone(u32 z)
{
    return "B" + hex(z, 3);
}
std::string device(const Device& d)
{
    return (d.address.is_module() ? "D" : "C")
        + hex(u32(d.address.raw[0]) | u32(d.address.raw[1]) << 8 | u32(d.address.raw[2]) << 16, 6);
}

const Device& sensor(u32 n)
{
    return g_sensors[n % g_sensors.size()];
}
const Device& output(u32 n)
{
    return g_outputs[n % g_outputs.size()];
}

// The condition of non-direct group g, by template.
std::string condition(u32 g)
{
    const u32 d = g % kDirect + 1, lower = kDirect + 1 + g % (g - kDirect);
    switch (g % 6) {
    case 0: // OR, AND, NOT, PRE, FLT
        return "A2" + group(d) + "A3" + device(sensor(g)) + device(sensor(g + 1)) + "A1A4" + group(lower) + "A1A9"
            + device(sensor(g + 2)) + "A1AA" + device(output(g)) + "A1A1";
    case 1: // AND, DIS, TAC, XGRP, OR
        return "A3AB" + device(sensor(g)) + "A1AC" + zone(2001) + "A1A5" + group(d) + "A1A2" + group(lower) + group(d)
            + "A1" + device(sensor(g + 3)) + "A1";
    case 2: // NOT over a list with a zone
        return "A4A2" + group(d) + device(sensor(g)) + device(output(g)) + zone(5) + "A9" + device(output(g + 1))
            + "A1A1A1";
    case 3: return "A600050010A0" + group(d) + device(sensor(g)) + device(sensor(g + 5)) + group(lower) + "A1A1";
    case 4: return "A80100FFFFA0A3" + device(sensor(g)) + device(sensor(g + 7)) + "A1" + group(d) + "A1A1";
    default: return "A78FFFFFF08001730A1";
    }
}

void install_programs()
{
    ZpConf& conf = *g_zpConf;
    for (u32 g = 1; g <= 1600; ++g) {
        std::string text = "A0";
        if (g < kDirect)
            for (u32 n = g + 1; n <= kDirect && n <= g + 3; ++n)
                text += group(n);
        else if (g == kDirect)
            text += "AB" + zone(5) + "A1";
        text += "A1";
        const std::vector<u8> code = program(g <= kDirect ? text : condition(g));
        conf.set_data(5, code.data(), 32, 33 * (g - 1));
    }
    const u8 direct[2] = {u8(kDirect), u8(kDirect >> 8)};
    conf.set_data(2, direct, 2, 5206);
    // One status rebuild for all the device writes.
    conf.hold_device_reactions();
    for (const Device& d : g_sensors) {
        const std::vector<u8> code = program("A0" + group(d.slot % kDirect + 1)
                                             + group((d.slot * 7 + d.block) % kDirect + 1) + "A1");
        conf.set_data(70 + d.block, code.data(), 32, 2 + 43 * d.slot + 11);
    }
    for (const Device& d : g_outputs) {
        const std::string inner = group(d.slot % 1300 + kDirect + 1) + device(sensor(d.slot))
            + device(sensor(d.slot + 1));
        const std::vector<u8> code = program(d.slot % 4 == 0 ? "AE053" + zone(1) + zone(5) + "A0" + inner + "A1A1"
                                                             : "A2A4" + group(d.slot % kDirect + 1) + "A1A9"
                                                     + device(sensor(d.slot + 2)) + "A1" + inner + "A1");
        conf.set_data(70 + d.block, code.data(), 32, 2 + 43 * d.slot + 11);
    }
    conf.release_device_reactions(true);
}

bool setup()
{
    if (!imagegen::build_full(*g_zpConf))
        return false;
    for (u32 block = 0; block < 64; ++block)
        for (u32 slot = 0; slot < 700; ++slot) {
            u8 rec[DeviceRec::kSize];
            if (g_zpConf->get_device_record(rec, block, slot) != 0 || !DeviceRec::is_used(rec))
                return false;
            const Device d{DeviceRec::get_packed_address(rec, u8(block / 4), u8(block % 4)), block, slot};
            (DeviceRec::is_module(rec) ? g_outputs : g_sensors).push_back(d);
        }
    install_programs();
    return true;
}

// Floor: the nibbles of one program up to F, one find_device per device operand.
u32 walk(const u8* code, const ZpData::IF_DeviceStatusProg& status)
{
    u32 found = 0;
    for (u32 nib = 0; nib < 64;) {
        const u8 v = (nib % 2) ? (code[nib / 2] & 15) : u8(code[nib / 2] >> 4);
        ++nib;
        if (v == 0xF)
            break;
        if ((v == 0xC || v == 0xD) && nib + 6 <= 64) {
            u32 value = 0;
            for (u32 i = 0; i < 6; ++i, ++nib)
                value |= u32((nib % 2) ? (code[nib / 2] & 15) : (code[nib / 2] >> 4)) << (4 * i);
            const PackedAddress a{{u8(value), u8(value >> 8), u8(value >> 16)}};
            found += status
                         .find_device(a.get_cpu(), a.get_line(),
                                      a.is_module() ? DEVICE_KIND_MODULE : DEVICE_KIND_SENSOR, a.get_address(),
                                      a.get_sub())
                         .found();
        }
    }
    return found;
}

u32 g_sweepRuns = 0, g_eventRuns = 0;

void BM_sweep(benchmark::State& state)
{
    CBE_CPUInitCBE();
    CBE_LLInitCBE();
    while (CBE_OutputHold()) // the outputs are held for five seconds after the start
        CBE_TestOutputHold();
    for (auto _ : state) {
        const u32 before = CBE_ProgramRuns();
        for (u32 g = kDirect; g < 1600; ++g)
            CBE_ReverseScan();
        for (const Device& d : g_outputs)
            ScanCBEMod(d.address);
        g_sweepRuns = CBE_ProgramRuns() - before;
        state.PauseTiming();
        for (CBEEvent e; CBE_ReadCBEEventToLIB(&e, true);)
            CBE_ClearCBEEventToLIB();
        state.ResumeTiming();
    }
}

void settle()
{
    for (u32 guard = 0; guard < 100000; ++guard) {
        CBE_MainCycle();
        CBE_CBEEventRxHnd();
        CBE_GroupCBEHandler();
        CBEEvent e;
        CBE_SelectArea(CBE_SIDE_LL);
        for (bool more = CBE_ReadCBEEventToLIB(&e, true); more; more = CBE_ReadCBEEventToLIB(&e, false))
            CBE_WriteCBEStatusTable(&e, 1);
        CBE_ClearCBEEventToLIB();
        if (CBE_GetQueueStats(CBE_Q_LL).empty && CBE_GetQueueStats(CBE_Q_CPU).empty
            && CBE_GetQueueStats(CBE_Q_TOLIB).empty)
            return;
    }
}

void BM_events(benchmark::State& state)
{
    CBE_CPUInitCBE();
    CBE_LLInitCBE();
    std::vector<std::vector<u8>> programs;
    for (const Device& d : g_sensors) {
        std::vector<u8> code(32);
        g_zpConf->get_data(70 + d.block, code.data(), 32, 2 + 43 * d.slot + 11);
        programs.push_back(code);
    }
    for (auto _ : state) {
        const u32 before = CBE_ProgramRuns();
        for (u32 n = 0; n < kEvents; ++n) {
            const u32 i = (n / 2) % g_sensors.size();
            CBE_AlarmDevCBEAnalisys(g_sensors[i].address, programs[i].data(), n % 2 ? 3 : 11);
            settle();
        }
        g_eventRuns = CBE_ProgramRuns() - before;
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kEvents);
}

// The same program walks: the sweep's conditions and outputs; per event its sensor's program,
// then the direct groups' programs in turn for the rest of the engine's runs.
void BM_floor_sweep(benchmark::State& state)
{
    BlockLock<ZpData::IF_DeviceStatusProg> status(*g_zpConf, 0, 199, 199);
    const u8* groups = g_zpConf->find_block(5)->get_ptr();
    for (auto _ : state) {
        u32 found = 0;
        for (u32 g = kDirect; g < 1600; ++g)
            found += walk(groups + 33 * g, *status.layout());
        for (const Device& d : g_outputs)
            found += walk(g_zpConf->find_block(70 + d.block)->get_ptr() + 2 + 43 * d.slot + 11, *status.layout());
        benchmark::DoNotOptimize(found);
    }
}

void BM_floor_events(benchmark::State& state)
{
    BlockLock<ZpData::IF_DeviceStatusProg> status(*g_zpConf, 0, 199, 199);
    const u8* groups = g_zpConf->find_block(5)->get_ptr();
    for (auto _ : state) {
        u32 found = 0;
        for (u32 n = 0; n < kEvents; ++n) {
            const Device& d = g_sensors[(n / 2) % g_sensors.size()];
            found += walk(g_zpConf->find_block(70 + d.block)->get_ptr() + 2 + 43 * d.slot + 11, *status.layout());
        }
        for (u32 n = 0; n + kEvents < g_eventRuns; ++n)
            found += walk(groups + 33 * (n % kDirect), *status.layout());
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * kEvents);
}

BENCHMARK(BM_sweep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_floor_sweep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_events)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_floor_events)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    g_logger().set_console(false);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!setup()) {
        std::fprintf(stderr, "bench_cbe_engine: could not build the full-size configuration\n");
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("program runs: sweep %u, events %u\n", g_sweepRuns, g_eventRuns);
    reporter.print_ratio("BM_sweep", 5, "BM_floor_sweep");
    reporter.print_ratio("BM_events", 5, "BM_floor_events");
    benchmark::Shutdown();
    return 0;
}
