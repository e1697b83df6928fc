// Control-by-event engine: evaluation of conditions and application of direct programs.
#include "cbe/CBEByteCode.h"
#include "cbe/CBEEngineState.h"

#include "DataBlock/bytes.h"
#include "OS/TraceLog.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/DeviceAuxProg.h"
#include "ZpData/Layouts/DeviceStatusProg.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/PanelModel.h"

#include <cstdio>
#include <cstring>

namespace cbe_engine {

namespace {

// Context flag bits.
enum : u8 {
    CF_TONE = 0x10,
    CF_DELAY_RUNNING = 0x20,
    CF_TIMING = 0x40,
};

// Operand modes.
enum : u8 { MODE_STATE = 0, MODE_PRE = 1, MODE_FLT = 2, MODE_DIS = 3, MODE_TAC = 4 };

struct Context {
    const u8* prog;
    u8 nib = 0;
    u8 err = 0;
    u8 op = 0;
    u8 flags = 0;
    u32 delay = 0;
    u32 duration = 0;
    u8 tone = 0, volume = 0;
    u16 zone1 = 0, zone2 = 0;
    u8 mode = MODE_STATE;
    u8* timer = nullptr;

    explicit Context(const u8* program)
        : prog(program)
    {
    }

    // The reader stops at the program's 32 bytes: past them every nibble is the end.
    u8 nibble()
    {
        if (nib >= cbe::kMaxProgramNibbles)
            return cbe::OP_END;
        const u8 byte = prog[nib / 2];
        const u8 v = (nib % 2) ? (byte & 0x0F) : u8(byte >> 4);
        ++nib;
        return v;
    }
    u8 byte()
    {
        const u8 hi = nibble();
        return u8((hi << 4) | nibble());
    }
    u16 value12()
    {
        const u16 a = nibble(), b = nibble(), c = nibble();
        return u16(a | (b << 4) | (c << 8));
    }
    PackedAddress packed()
    {
        u32 v = 0;
        for (u32 i = 0; i < 6; ++i)
            v |= u32(nibble()) << (4 * i);
        return cbe::value_to_packed(v);
    }
    // Minutes and seconds as decimal pairs, in engine ticks; F first: none.
    u32 time()
    {
        const u8 m1 = nibble(), m2 = nibble(), s1 = nibble(), s2 = nibble();
        if (m1 == cbe::kNoneNibble)
            return 0;
        return (u32(m1 * 10 + m2) * 60 + u32(s1 * 10 + s2)) * 5;
    }
    // Consumes an A1 when it stands next.
    void close()
    {
        if (nib + 1u < cbe::kMaxProgramNibbles && peek(nib) == cbe::OP_KEYWORD && peek(u8(nib + 1)) == cbe::KW_CLOSE)
            nib = u8(nib + 2);
    }
    u8 peek(u8 at) const { return (at % 2) ? (prog[at / 2] & 0x0F) : u8(prog[at / 2] >> 4); }
};

u8 evaluate_operator(Context& c, u8 keyword);

bool group_true(u16 g)
{
    if (g < 1 || g > kGroups) {
        log_printf(CH_ALWAYS, "L_OperatorAnalisys: gruppo %u fuori range\n", unsigned(g));
        return false;
    }
    return (group_byte(state().area, g) & 7) != 0;
}

bool device_true(const PackedAddress& a, u8 mode)
{
    switch (mode) {
    case MODE_TAC: return false;
    case MODE_DIS: {
        const DeviceLocation where = locate(a);
        if (!where.found())
            return false;
        BlockLock<ZpData::IF_DeviceAuxProg> aux(*g_zpConf, 0, 198, 198);
        return aux.layout() && aux->get_test(where.block, where.slot) != 0;
    }
    default: {
        static const u8 kTrueState[4] = {3, 2, 1, 3};
        return area_dev_state(state().area, a) == kTrueState[mode];
    }
    }
}

// The operand list up to its A1: OR of the operands, or AND when all.
u8 evaluate_list(Context& c, bool all)
{
    bool any = false, every = true;
    u32 count = 0;
    for (;;) {
        const u8 n = c.nibble();
        bool v = false;
        switch (n) {
        case cbe::OP_GROUP: v = group_true(c.value12()); break;
        case cbe::OP_KEYWORD: {
            const u8 k = c.nibble();
            if (k == cbe::KW_CLOSE)
                return all ? u8(count > 0 && every) : u8(any);
            v = evaluate_operator(c, k) != 0;
            if (c.err)
                return all ? u8(count > 0 && every && v) : u8(any || v);
            break;
        }
        case cbe::OP_ZONE: c.value12(); break;
        case cbe::OP_SENSOR:
        case cbe::OP_MODULE: v = device_true(c.packed(), c.mode); break;
        default: c.err = CBE_EVAL_OPERAND; return all ? u8(count > 0 && every) : u8(any);
        }
        ++count;
        any = any || v;
        every = every && v;
    }
}

// Delay state of the evaluated record for an inner result.
u8 delay_step(Context& c, bool inner)
{
    u8 dummy[4] = {};
    u8* t = c.timer ? c.timer : dummy;
    const u32 tick = CBE_EngineTick();
    const u32 since = (tick - Timer::stamp(t)) & 0x1FFF;
    if (!inner) {
        if (Timer::state(t) != TS_IDLE)
            Timer::set_state(t, TS_IDLE, tick);
        return 0;
    }
    switch (Timer::state(t)) {
    case TS_IDLE:
        Timer::set_state(t, TS_RUNNING, tick);
        c.flags |= CF_DELAY_RUNNING;
        return c.delay == 0 ? delay_step(c, inner) : 0;
    case TS_RUNNING:
        c.flags |= CF_DELAY_RUNNING;
        if (since < c.delay)
            return 0;
        Timer::set_state(t, TS_ACTIVE, tick);
        return 1;
    case TS_ACTIVE:
        if (c.duration != 0 && since >= c.duration) {
            Timer::set_state(t, TS_ENDED, tick);
            return 0;
        }
        return 1;
    default: return 0;
    }
}

// Only one timing operator in a program.
bool timing_allowed(Context& c)
{
    if (c.flags & CF_TIMING) {
        c.err = CBE_EVAL_TIMING;
        return false;
    }
    c.flags |= CF_TIMING;
    return true;
}

// The inner "(" of DEL, SDEL and TONE.
u8 inner_list(Context& c)
{
    if (c.nibble() != cbe::OP_KEYWORD || c.nibble() != cbe::KW_OPEN) {
        c.err = CBE_EVAL_NO_OPEN;
        return 0;
    }
    return evaluate_list(c, false);
}

u8 evaluate_tim(Context& c)
{
    struct tm now;
    CBE_GetSimClock(&now);
    bool match = true;
    const u8 part = c.nibble();
    if (part == cbe::OP_DATE) {
        const u8 month = c.byte(), day = c.byte(), year = c.byte();
        if (month != cbe::kOpenPair && bcd_to_bin(month) != now.tm_mon + 1)
            match = false;
        if (day != cbe::kOpenPair && bcd_to_bin(day) != now.tm_mday)
            match = false;
        if (year != cbe::kOpenPair && bcd_to_bin(year) != (now.tm_year + 1900) % 100)
            match = false;
    } else if (part == cbe::OP_WEEKDAYS) {
        const u8 mask = c.byte();
        if (mask != 0 && !(mask & (64 >> now.tm_wday)))
            match = false;
    } else {
        c.err = CBE_EVAL_TIM;
        return 0;
    }
    u8 slice[4];
    u32 open = 0;
    for (u8& b : slice) {
        b = c.byte();
        open += b == cbe::kOpenPair;
    }
    if (open != 0 && open != 4) {
        c.err = CBE_EVAL_TIM;
        return 0;
    }
    if (open == 0 && match) {
        const int at = now.tm_hour * 60 + now.tm_min;
        const int start = bcd_to_bin(slice[0]) * 60 + bcd_to_bin(slice[1]);
        const int stop = bcd_to_bin(slice[2]) * 60 + bcd_to_bin(slice[3]);
        match = start <= stop ? (start <= at && at <= stop) : (at >= start || at <= stop);
    }
    c.close();
    trace(CH_TIM, "TIM Result %d\n", match ? 1 : 0);
    return match ? 1 : 0;
}

u8 evaluate_operator(Context& c, u8 keyword)
{
    c.op = u8(0xA0 | keyword);
    switch (keyword) {
    case cbe::KW_OPEN:
    case cbe::KW_OR:
    case cbe::KW_XGRP: return evaluate_list(c, false);
    case cbe::KW_AND: return evaluate_list(c, true);
    case cbe::KW_NOT: {
        const u8 v = evaluate_list(c, false);
        return c.err ? 0 : u8(!v);
    }
    case cbe::KW_PRE:
    case cbe::KW_FLT:
    case cbe::KW_DIS:
    case cbe::KW_TAC: {
        const u8 saved = c.mode;
        c.mode = keyword == cbe::KW_PRE ? MODE_PRE
            : keyword == cbe::KW_FLT    ? MODE_FLT
            : keyword == cbe::KW_DIS    ? MODE_DIS
                                        : MODE_TAC;
        const u8 v = evaluate_list(c, false);
        c.mode = saved;
        return v;
    }
    case cbe::KW_DEL:
    case cbe::KW_SDEL: {
        if (!timing_allowed(c))
            return 0;
        c.delay = c.time();
        c.duration = c.time();
        trace(CH_DEL, "L_OperatorAnalisys: DEL delay=%u duration=%u\n", c.delay, c.duration);
        const u8 inner = inner_list(c);
        if (c.err)
            return 0;
        c.close();
        return delay_step(c, inner != 0);
    }
    case cbe::KW_TONE: {
        if (!timing_allowed(c))
            return 0;
        const u8 tone = c.byte();
        c.tone = u8(bcd_to_bin(tone) - 1);
        c.volume = u8(c.nibble() - 1);
        c.zone1 = u16(c.value12() - 1);
        c.zone2 = u16(c.value12() - 1);
        c.flags |= CF_TONE;
        const u8 inner = inner_list(c);
        if (!c.err)
            c.close();
        return c.err ? 0 : inner;
    }
    case cbe::KW_TIM:
        if (!timing_allowed(c))
            return 0;
        return evaluate_tim(c);
    default: c.err = CBE_EVAL_OPERATOR; return 0;
    }
}

// L_OperatorAnalisys on the program's first operator byte.
u8 operator_analysis(Context& c)
{
    const u8 first = c.byte();
    if (first == 0xF0)
        return 0;
    if ((first >> 4) != cbe::OP_KEYWORD) {
        c.err = CBE_EVAL_OPERATOR;
        return 0;
    }
    return evaluate_operator(c, first & 0x0F);
}

char letter(const PackedAddress& a)
{
    return a.is_module() ? 'M' : 'S';
}

// Raises or lowers a group's activation count on the CPU side; true when it left or came back
// to 0.
bool count_group(u16 g, u8 edge, u8 code)
{
    State& s = state();
    u8* t = s.groupTimers[g - 1];
    u8& table = s.groupTable[g - 1];
    u16 count = Timer::count(t);
    const u16 before = count;
    if (edge) {
        if (count < 0x0FFF)
            ++count;
        if (code == 10)
            table |= GT_QUAL1;
        if (code == 11)
            table |= GT_QUAL2;
    } else {
        if (count > 0)
            --count;
        if (count == 0)
            table &= u8(~(GT_QUAL1 | GT_QUAL2));
    }
    Timer::set_count(t, count);
    group_byte(s.areas[CBE_SIDE_CPU], g) = group_state_of(count, table);
    return (before == 0) != (count == 0);
}

u8 qualifier_bits(u16 g)
{
    const State& s = state();
    const u8 table = s.groupTable[g - 1];
    const u16 count = Timer::count(s.groupTimers[g - 1]);
    return u8((table & GT_QUAL1 ? 0x20 : 0) | (table & GT_QUAL2 ? 0x40 : 0) | (count >= 2 ? 0x80 : 0));
}

void mark_group(u16 g, u8 edge)
{
    State& s = state();
    s.groupTable[g - 1] = u8((s.groupTable[g - 1] & ~GT_MARK_EDGE) | GT_MARK | (edge ? GT_MARK_EDGE : 0));
    if (s.groupPass && g - 1u < s.groupPos)
        s.groupRestart = true;
    s.groupPass = true;
}

// The DIS of a direct program on the CPU side: the exclusion notice of its operand.
void cpu_dis(Context& c, u8 edge)
{
    const char* word = edge ? "esclusione" : "inclusione";
    const u8 n = c.nibble();
    if (n == cbe::OP_ZONE) {
        const u16 z = c.value12();
        if (z >= 1 && z <= cbe::kMaxZone && g_zpConf->get_zone_list()[z].get_number() == z)
            notice(" %s Z%u]", word, unsigned(z));
    } else if (n == cbe::OP_SENSOR || n == cbe::OP_MODULE) {
        const PackedAddress a = c.packed();
        notice(" %s C%uL%u%c%u.%u (Z%u)]", word, a.get_cpu() + 1, a.get_line() + 1, letter(a), a.get_address() + 1,
               a.get_sub() + 1, unsigned(g_zpConf->get_device_zone(a)));
    } else {
        c.err = CBE_EVAL_OPERAND;
        return;
    }
    if (c.nibble() != cbe::OP_KEYWORD || c.nibble() != cbe::KW_CLOSE)
        c.err = CBE_EVAL_OPERAND;
}

// L_CPUWriteStates: 0, or 1 when a group event could not be queued.
int cpu_write_states(Context& c, u16 owner, u8 edge, u8 actType, u8 code)
{
    State& s = state();
    int stopped = 0;
    for (;;) {
        const u8 n = c.nibble();
        if (n == cbe::OP_GROUP) {
            const u16 g = c.value12();
            trace(CH_CPUWRITE, "L_CPUWriteGroup type:%u G:%u > %u\n", actType, unsigned(g), unsigned(owner));
            if (g < 1 || g > kGroups) {
                log_printf(CH_ALWAYS, "L_CPUWriteGroup: gruppo %u fuori range\n", unsigned(g));
                continue;
            }
            if (actType == 3 && g <= owner)
                continue;
            const bool changed = count_group(g, edge, code);
            trace(CH_CPUWRITE, edge ? "L_CPUWriteGroup gr:%x actCnt++:%x\n" : "L_CPUWriteGroup gr:%x actCnt--:%x\n",
                  unsigned(g), unsigned(Timer::count(s.groupTimers[g - 1])));
            if (changed) {
                if (!L_CBEEventToLIB(CBE_GroupEvent(g, edge, qualifier_bits(g))))
                    stopped = 1;
                if (g - 1u < s.directCount)
                    mark_group(g, edge);
            }
        } else if (n == cbe::OP_KEYWORD) {
            const u8 k = c.nibble();
            if (k == cbe::KW_CLOSE)
                return stopped;
            if (k != cbe::KW_DIS) {
                c.err = CBE_EVAL_OPERAND;
                return stopped;
            }
            cpu_dis(c, edge);
            if (c.err)
                return stopped;
        } else if (n == cbe::OP_SENSOR || n == cbe::OP_MODULE) {
            c.packed(); // devices are the loop side's
        } else {
            c.err = CBE_EVAL_OPERAND;
            return stopped;
        }
    }
}

// Queues the disable or enable event of a DIS operand on the loop side.
void ll_dis(Context& c, u8 edge)
{
    trace(CH_LLWRITE, "L_LLWriteStates OPER\n");
    const u8 n = c.nibble();
    CBEEvent e = {};
    if (n == cbe::OP_ZONE) {
        const u16 z = c.value12();
        e.b[0] = edge ? CBE_EV_ZONE_DISABLED : CBE_EV_ZONE_ENABLED;
        e.b[2] = u8(z);
        e.b[3] = u8(z >> 8);
    } else if (n == cbe::OP_SENSOR || n == cbe::OP_MODULE) {
        const PackedAddress a = c.packed();
        e = CBE_DeviceEvent(n == cbe::OP_SENSOR ? (edge ? CBE_EV_SENSOR_DISABLED : CBE_EV_SENSOR_ENABLED)
                                                : (edge ? CBE_EV_MODULE_DISABLED : CBE_EV_MODULE_ENABLED),
                            a);
    } else {
        c.err = CBE_EVAL_OPERAND;
        return;
    }
    if (c.nibble() != cbe::OP_KEYWORD || c.nibble() != cbe::KW_CLOSE) {
        c.err = CBE_EVAL_OPERAND;
        return;
    }
    L_LLPutCBEEvent(e);
}

// L_LLWriteStates: both kinds of program switch the devices of this CPU and board that they
// name and apply their DIS; only a device's own program queues its group events, as a group's
// program counts its groups on the CPU side.
void ll_write_states(Context& c, bool deviceProgram, u8 edge, u8 code)
{
    State& s = state();
    for (;;) {
        const u8 n = c.nibble();
        if (n == cbe::OP_GROUP) {
            const u16 g = c.value12();
            trace(CH_LLWRITE, "L_LLWriteStates GROUP\n");
            if (g < 1 || g > kGroups) {
                log_printf(CH_ALWAYS, "L_LLWriteStates: gruppo %u fuori range\n", unsigned(g));
                continue;
            }
            if (deviceProgram)
                L_LLPutCBEEvent(CBE_GroupEvent(g, edge, code == 10 ? 0x20 : code == 11 ? 0x40 : 0));
        } else if (n == cbe::OP_SENSOR || n == cbe::OP_MODULE) {
            const PackedAddress a = c.packed();
            trace(CH_LLWRITE, "L_LLWriteStates DET/MOD\n");
            if (a.get_cpu() != s.simCpu || ll_of_line(a.get_line()) != s.simBoard)
                continue;
            const u8 type = a.is_module() ? (edge ? CBE_EV_MODULE_ON : CBE_EV_MODULE_OFF)
                                          : (edge ? CBE_EV_SENSOR_ALARM : CBE_EV_SENSOR_NORMAL);
            trace(CH_LLWRITE, "L_LLWriteDevice: %x. C%uL%u%c%u.%u\n", type, a.get_cpu() + 1, a.get_line() + 1,
                  letter(a), a.get_address() + 1, a.get_sub() + 1);
            // A slot the board does not hold has nothing to switch and no event to give.
            if (CBE_WriteDevState(a, edge ? 3 : 0) == 0 && a.is_module())
                L_LLPutCBEEvent(CBE_DeviceEvent(type, a));
        } else if (n == cbe::OP_KEYWORD) {
            const u8 k = c.nibble();
            if (k == cbe::KW_CLOSE)
                return;
            if (k != cbe::KW_DIS) {
                trace(CH_LLWRITE, "L_LLWriteStates ERR\n");
                c.err = CBE_EVAL_OPERAND;
                return;
            }
            ll_dis(c, edge);
            if (c.err)
                return;
        } else {
            trace(CH_LLWRITE, "L_LLWriteStates ERR\n");
            c.err = CBE_EVAL_OPERAND;
            return;
        }
    }
}

u8 code_of_flags(u8 table)
{
    return (table & GT_QUAL1) ? 10 : (table & GT_QUAL2) ? 11 : 12;
}

} // namespace

} // namespace cbe_engine

using namespace cbe_engine;

namespace cbe_engine {
namespace {

// L_CBEReverseAnalisys with the context it leaves.
u8 reverse_analysis(Context& c, u8 actType)
{
    if (c.prog[0] == 0xF0)
        return 0;
    ++state().programRuns;
    const u8 result = operator_analysis(c);
    if (c.err) {
        char prefix[64];
        snprintf(prefix, sizeof prefix, "L_CBEReverseAnalisys %u ERROR %u", actType, c.err);
        trace_program(prefix, c.prog);
        return 0;
    }
    if (c.timer)
        c.timer[1] = u8((c.timer[1] & 0x0F) | (c.flags & 0xF0));
    return result;
}

} // namespace
} // namespace cbe_engine

u8 L_CBEReverseAnalisys(const u8* program, u8* timer, u8 actType, u8 edge)
{
    require_init();
    (void)edge;
    Context c(program);
    c.timer = timer;
    return reverse_analysis(c, actType);
}

int L_CPUCBEDirectAnalisys(const u8* program, u16 group, u8 edge, u8 actType, u8 code)
{
    require_init();
    CBE_SelectArea(CBE_SIDE_CPU);
    if (program[0] == 0xF0)
        return 0;
    ++state().programRuns;
    Context c(program);
    int stopped = 0;
    if (program[0] == 0xA0) {
        c.nib = 2;
        stopped = cpu_write_states(c, group, edge, actType, code);
    } else {
        c.err = CBE_EVAL_NO_OPEN;
    }
    if (c.err) {
        char prefix[48];
        snprintf(prefix, sizeof prefix, "L_CPUCBEDirectAnalisys ERROR %u", c.err);
        trace_program(prefix, program);
    }
    return stopped;
}

int L_LLCBEDirectAnalisys(const u8* program, bool deviceProgram, u8 edge, u8 code)
{
    require_init();
    CBE_SelectArea(CBE_SIDE_LL);
    if (program[0] == 0xF0)
        return 0;
    ++state().programRuns;
    Context c(program);
    if (program[0] == 0xA0) {
        c.nib = 2;
        ll_write_states(c, deviceProgram, edge, code);
    } else {
        c.err = CBE_EVAL_NO_OPEN;
    }
    if (c.err) {
        char prefix[48];
        snprintf(prefix, sizeof prefix, "L_LLCBEDirectAnalisys ERROR %u", c.err);
        trace_program(prefix, program);
    }
    return 0;
}

u8 CBE_AlarmCodeOfCategory(u32 category)
{
    if (category == 1)
        return 1;
    return category >= 10 && category <= 12 ? u8(category) : 0;
}

void CBE_AlarmDevCBEAnalisys(const PackedAddress& address, const u8* program, u8 code)
{
    require_init();
    CBE_SelectArea(CBE_SIDE_LL);
    u8 type;
    switch (code) {
    case 1: type = CBE_EV_MODULE_ON; break;
    case 2: type = CBE_EV_MODULE_FAULT; break;
    case 3: type = CBE_EV_MODULE_OFF; break;
    case 10:
    case 11:
    case 12: type = CBE_EV_SENSOR_ALARM; break;
    case 13: type = CBE_EV_SENSOR_PREALARM; break;
    case 14: type = CBE_EV_SENSOR_FAULT; break;
    default: type = CBE_EV_SENSOR_NORMAL; break;
    }
    CBEEvent e = CBE_DeviceEvent(type, address);
    if (code == 10)
        e.b[5] = 0x40;
    if (code == 11)
        e.b[5] = 0x80;
    trace(CH_ALARM, "CBE_AlarmDevCBEAnalisys: type=%u C%uL%u%c%u.%u \n", type, address.get_cpu() + 1,
          address.get_line() + 1, letter(address), address.get_address() + 1, address.get_sub() + 1);
    write_status(state().area, e);
    if (code == 1 || code == 3 || (code >= 10 && code <= 12))
        L_LLCBEDirectAnalisys(program, true, code == 3 ? 0 : 1, code);
}

void CBE_CBEEventRxHnd()
{
    require_init();
    State& s = state();
    if (s.cpuSuspended)
        return;
    CBE_SelectArea(CBE_SIDE_CPU);
    const u32 room = s.rings[CBE_Q_TOLIB].free_places();
    Ring& r = s.rings[CBE_Q_CPU];
    if (r.fill() == 0)
        return;
    if (room < kMinToLibRoom) {
        trace(CH_EVENTRX, "####ATTENZIONE lib posti:%u*** \n", room);
        return;
    }
    CBEEvent e;
    if (!take(r, &e))
        return;
    if (e.b[0] == CBE_EV_GROUP) {
        const u16 g = u16((e.b[2] | (e.b[3] << 8)) & 0x0FFF);
        const u8 edge = (e.b[3] >> 4) & 1;
        if (g < 1 || g > kGroups) {
            log_printf(CH_ALWAYS, "CBE_CBEEventRxHnd: gruppo %u fuori range\n", unsigned(g));
            return;
        }
        if (edge && (e.b[3] & 0x20))
            s.groupTable[g - 1] |= GT_QUAL1;
        if (edge && (e.b[3] & 0x40))
            s.groupTable[g - 1] |= GT_QUAL2;
        const bool changed = count_group(g, edge, 0);
        trace(CH_EVENTRX, edge ? "CBE_CBEEventRxHnd gr:%u cnt++:%u\n" : "CBE_CBEEventRxHnd gr:%u cnt--:%u\n",
              unsigned(g), unsigned(Timer::count(s.groupTimers[g - 1])));
        if (!changed)
            return;
        L_CBEEventToLIB(CBE_GroupEvent(g, edge, qualifier_bits(g)));
        const u8 table = s.groupTable[g - 1];
        trace(CH_CPUDIRECT, "L_GroupDirCBE gr:%u edg:%u thr:%u smk%u\n", unsigned(g), edge, table & GT_QUAL1 ? 1u : 0u,
              table & GT_QUAL2 ? 1u : 0u);
        u8 program[32];
        group_program(g, program);
        if (L_CPUCBEDirectAnalisys(program, g, edge, 1, code_of_flags(table)) == 1) {
            log_printf(CH_ALWAYS, "L_GroupDirCBE STOP = 1!!\n");
            s.cpuSuspended = true;
            s.groupPass = true;
        }
        return;
    }
    const PackedAddress a{{e.b[2], e.b[3], e.b[4]}};
    trace(CH_EVENTRX, "CBE_CBEEventRxHnd-DEV C%uL%u%c%u.%u\n", a.get_cpu() + 1, a.get_line() + 1, letter(a),
          a.get_address() + 1, a.get_sub() + 1);
    write_status(s.areas[CBE_SIDE_CPU], e);
}

void CBE_GroupCBEHandler()
{
    require_init();
    State& s = state();
    if (!s.groupPass)
        return;
    if (s.rings[CBE_Q_TOLIB].free_places() < kMinToLibRoom) {
        trace(CH_GROUPHND, "CBE_GroupCBEHandler: !!!SOSPENDO CBEHND !!!\n");
        return;
    }
    CBE_SelectArea(CBE_SIDE_CPU);
    {
        BlockLock<ZpData::IF_ZpxProg> general(*g_zpConf, 0, 2, 2);
        if (general.layout()) {
            const u16 count = general->get_direct_groups_count();
            s.directCount = count > kGroups ? u16(kGroups) : count;
        }
    }
    for (;;) {
        for (; s.groupPos < s.directCount; ++s.groupPos) {
            const u16 g = u16(s.groupPos + 1);
            u8& table = s.groupTable[s.groupPos];
            if (!(table & GT_MARK))
                continue;
            const u8 edge = (table & GT_MARK_EDGE) ? 1 : 0;
            table &= u8(~(GT_MARK | GT_MARK_EDGE));
            trace(CH_GROUPHND, "CBE_GroupCBEHandler: gr:%u edg:%u ActTyp:%u\n", unsigned(g), edge, 3u);
            u8 program[32];
            group_program(g, program);
            if (L_CPUCBEDirectAnalisys(program, g, edge, 3, code_of_flags(table)) == 1) {
                ++s.groupPos;
                return; // goes on from the next group once the loop side has taken its events
            }
        }
        if (!s.groupRestart)
            break;
        s.groupRestart = false;
        s.groupPos = 0;
    }
    s.groupPass = false;
    s.groupPos = 0;
    s.cpuSuspended = false;
    trace(CH_GROUPHND, "CBE_GroupCBEHandler STOP = 0 !!\n");
}

void ScanCBEMod(const PackedAddress& address)
{
    require_init();
    State& s = state();
    CBE_SelectArea(CBE_SIDE_LL);
    const DeviceLocation where = locate(address);
    if (!where.found() || where.block >= 64 || where.slot >= kSlots)
        return;
    u8 rec[DeviceRec::kSize];
    if (g_zpConf->get_device_record(rec, where.block, where.slot) != 0 || !DeviceRec::is_module(rec)
        || get_type_class(DeviceRec::get_type(rec)) != TYPE_CLASS_OUTPUT)
        return;
    // The loop side keeps timer records for its own board only; others share a scratch one.
    u8 scratch[4] = {};
    const bool own = address.get_cpu() == s.simCpu && ll_of_line(address.get_line()) == s.simBoard;
    u8* t = own ? s.deviceTimers[where.slot] : scratch;
    if (!own)
        Timer::set_output(t, get_dev_state(s.area + where.block * kCBEBoardRecordSize, where.slot) == 3);
    const bool was = Timer::output(t);
    const u8 delayBefore = Timer::state(t);
    bool on = was;
    Context c(rec + 11);
    c.timer = t;
    if (!s.hold)
        on = reverse_analysis(c, Timer::count(t) ? 1 : 2) != 0;
    if (on == was && Timer::state(t) == delayBefore)
        return;
    Timer::set_output(t, on);
    hook_module_output(address, on ? 3 : 0);
    if (on && !was && (c.flags & CF_TONE))
        notice(" TONO=%u, VOLUME=%u Z%u:Z%u]", unsigned(u8(c.tone + 1)), unsigned(u8(c.volume + 1)),
               unsigned(u16(c.zone1 + 1)), unsigned(u16(c.zone2 + 1)));
    trace(CH_SCANMOD, "ScanCBEMod C%uL%uM%u.%u STATUS=%u %u %u\n", address.get_cpu() + 1, address.get_line() + 1,
          address.get_address() + 1, address.get_sub() + 1, on ? 1u : 0u, was ? 1u : 0u, unsigned(Timer::state(t)));
}

u32 CBE_ReverseScan()
{
    require_init();
    State& s = state();
    if (s.rings[CBE_Q_TOLIB].full)
        return s.reverseGroup;
    CBE_SelectArea(CBE_SIDE_CPU);
    if (s.reverseGroup < s.directCount || s.reverseGroup >= kGroups)
        s.reverseGroup = s.directCount;
    if (s.reverseGroup >= kGroups)
        return s.reverseGroup;
    const u16 g = u16(s.reverseGroup + 1);
    u8 program[32];
    group_program(g, program);
    const u8 result = L_CBEReverseAnalisys(program, s.groupTimers[g - 1], 3, 0);
    u8& byte = group_byte(s.area, g);
    if (result != ((byte >> 2) & 1)) {
        byte = u8((byte & ~4) | (result ? 4 : 0));
        L_CBEEventToLIB(CBE_GroupEvent(g, result, 0));
    }
    if (++s.reverseGroup >= kGroups) {
        s.reverseGroup = s.directCount;
        s.passFlags ^= 3;
    }
    return s.reverseGroup;
}

u16 CBE_SensScan()
{
    require_init();
    u16 direct = 0, low = 0, high = 0;
    {
        BlockLock<ZpData::IF_ZpxProg> general(*g_zpConf, 0, 2, 2);
        if (general.layout()) {
            direct = general->get_direct_groups_count();
            low = general->get_low_sens_group();
            high = general->get_high_sens_group();
        }
    }
    // A number outside 1..1600 names no group.
    auto active = [direct](u16 g) {
        if (g <= direct)
            return false;
        if (g > kGroups) {
            log_printf(CH_ALWAYS, "CBE_SensScan: gruppo %u fuori range\n", unsigned(g));
            return false;
        }
        return (group_byte(state().areas[CBE_SIDE_LL], g) & 7) != 0;
    };
    const u16 selection = active(high) ? 2 : active(low) ? 1 : 0;
    g_zpConf->set_sens_selection(selection);
    return selection;
}

void CBE_TestOutputHold()
{
    require_init();
    State& s = state();
    if (s.hold && CBE_TickMs() - s.holdStamp > kHoldMs)
        s.hold = false;
}

bool CBE_OutputHold()
{
    return state().hold;
}

void CBE_MainCycle()
{
    require_init();
    State& s = state();
    CBE_SelectArea(CBE_SIDE_LL);
    // 1: one marked chunk of device states to the CPU side.
    const bool stale = CBE_TickMs() - s.cycleStamp > 30000;
    if (s.rings[CBE_Q_LL].fill() == 0 || stale) {
        if (stale)
            s.cycleStamp = CBE_TickMs();
        BlockLock<ZpData::IF_DeviceStatusProg> status(*g_zpConf, 0, 199, 199);
        const u8 block = status.layout() ? status->get_block_index(s.simCpu, s.simBoard) : 255;
        for (u32 i = 0; i < kChunks && block < 64; ++i) {
            const u32 chunk = (s.chunkPos + i) % kChunks;
            if (!(s.chunkMap[chunk / 8] & (1 << (chunk % 8))))
                continue;
            s.chunkMap[chunk / 8] &= u8(~(1 << (chunk % 8)));
            for (u32 b = chunk * 2; b < chunk * 2 + 2 && b < kCBEBoardRecordSize; ++b)
                s.areas[CBE_SIDE_CPU][block * kCBEBoardRecordSize + b] = s.areas[CBE_SIDE_LL]
                                                                                [block * kCBEBoardRecordSize + b];
            s.chunkPos = (chunk + 1) % kChunks;
            break;
        }
    }
    // 2: one event towards the CPU side.
    if (s.rings[CBE_Q_LL].fill() != 0 && s.rings[CBE_Q_CPU].free_places() > 0) {
        CBEEvent e;
        if (CBE_ReadEventFromCBEOUT(&e, true)) {
            CBE_CBEEventRx(1, &e);
            CBE_AdvanceEventFromCBEOUT(1);
        }
    }
    // 3: the next direct group whose state changed on the loop side.
    if (s.directCount == 0)
        return;
    s.cycleGroup %= s.directCount;
    const u32 index = s.cycleGroup++;
    if (!(s.changeMap[index / 8] & (1 << (index % 8))))
        return;
    s.changeMap[index / 8] &= u8(~(1 << (index % 8)));
    u8 program[32];
    group_program(index + 1, program);
    L_LLCBEDirectAnalisys(program, false, (group_byte(s.areas[CBE_SIDE_LL], index + 1) & 7) ? 1 : 0, 12);
}
