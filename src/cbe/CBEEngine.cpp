// Control-by-event engine: clock, queues, initialisation, work areas and status writing.
#include "cbe/CBEEngineState.h"

#include "OS/TraceLog.h"
#include "OS/os.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/DeviceStatusProg.h"
#include "ZpData/Layouts/GroupProg.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/PanelModel.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <sys/time.h>

namespace cbe_engine {

namespace {

State g_state;
os_Lock g_lock = 0;
void (*g_noticeSink)(const char*) = nullptr;

u32 machine_tick(void*)
{
    return os_GetTick();
}

// Local calendar seconds: the epoch seconds shifted by the zone offset, so that a UTC break-down
// gives the local fields.
time64 machine_calendar(void*)
{
    const time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    return time64(now) + local.tm_gmtoff;
}

CBEClock g_clock = {machine_tick, machine_calendar, nullptr};
time64 g_simSet = 0;     // the simulated time last set
time64 g_simMachine = 0; // the calendar when it was set

void init_rings()
{
    State& s = g_state;
    s.rings[CBE_Q_TOLIB] = {s.toLib, 1024, 0, 0, 0, false, 0, 0, "CBEEvToLIBQueue"};
    s.rings[CBE_Q_LL] = {s.ll, 128, 0, 0, 0, false, 0, 0, "LLCBEEventQueue"};
    s.rings[CBE_Q_CPU] = {s.cpu, 1024, 0, 0, 0, false, 0, 0, "CPUCBEEventQueue"};
}

void clear_ring(Ring& r)
{
    const u32 refused = r.refused, maxFill = r.maxFill;
    r.read = r.write = r.peeked = 0;
    r.full = false;
    r.refused = refused;
    r.maxFill = maxFill;
}

// 1 when stored; 0 when the full bit was already set.
int append(Ring& r, const CBEEvent& e)
{
    LockGuard guard(&g_lock);
    if (r.full) {
        ++r.refused;
        log_printf(CH_ALWAYS, "*** %s FULL (%u) ***\n", r.name, r.refused);
        return 0;
    }
    r.slots[r.write] = e;
    r.write = (r.write + 1) % r.size;
    if (r.write == r.read)
        r.full = true;
    if (r.fill() > r.maxFill)
        r.maxFill = r.fill();
    return 1;
}

int peek(Ring& r, CBEEvent* out, bool restart)
{
    LockGuard guard(&g_lock);
    if (restart)
        r.peeked = 0;
    if (r.peeked >= r.fill())
        return 0;
    *out = r.slots[(r.read + r.peeked) % r.size];
    ++r.peeked;
    return 1;
}

void commit(Ring& r)
{
    LockGuard guard(&g_lock);
    if (r.peeked == 0)
        return;
    r.read = (r.read + r.peeked) % r.size;
    r.peeked = 0;
    r.full = false;
}

void advance(Ring& r, u32 count)
{
    LockGuard guard(&g_lock);
    count = count < r.fill() ? count : r.fill();
    if (count == 0)
        return;
    r.read = (r.read + count) % r.size;
    r.peeked = r.peeked > count ? r.peeked - count : 0;
    r.full = false;
}

} // namespace

void hook_queue_low()
{
}

void hook_module_output(const PackedAddress& address, u8 value)
{
    if (address.is_module())
        CBE_WriteDevState(address, value);
}

int take(Ring& r, CBEEvent* out)
{
    LockGuard guard(&g_lock);
    if (r.fill() == 0)
        return 0;
    *out = r.slots[r.read];
    r.read = (r.read + 1) % r.size;
    r.peeked = r.peeked > 0 ? r.peeked - 1 : 0;
    r.full = false;
    return 1;
}

namespace {

void put_addr(CBEEvent& e, const PackedAddress& a)
{
    e.b[2] = a.raw[0];
    e.b[3] = a.raw[1];
    e.b[4] = a.raw[2];
}

PackedAddress addr_of(const CBEEvent& e)
{
    return PackedAddress{{e.b[2], e.b[3], e.b[4]}};
}

char kind_letter(const PackedAddress& a)
{
    return a.is_module() ? 'M' : 'S';
}

} // namespace

State& state()
{
    return g_state;
}

void require_init()
{
    if (!g_state.initLL && !g_state.initCPU)
        os_Fatal("CBE non inizializzate!");
}

void trace(int channel, const char* fmt, ...)
{
    if (!g_logger().is_enabled(channel))
        return;
    char text[TraceLog::MESSAGE_SIZE];
    va_list args;
    va_start(args, fmt);
    vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    g_logger().print(channel, text);
}

void notice(const char* fmt, ...)
{
    char text[128];
    va_list args;
    va_start(args, fmt);
    vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    if (g_noticeSink)
        g_noticeSink(text);
    else
        trace(CH_CPUDIRECT, "%s\n", text);
}

void trace_program(const char* prefix, const u8* program)
{
    char text[TraceLog::MESSAGE_SIZE];
    int n = snprintf(text, sizeof text, "%s\tCBE(hex)=", prefix);
    for (u32 i = 0; i < 32 && n > 0 && size_t(n) + 3 < sizeof text; ++i)
        n += snprintf(text + n, sizeof text - size_t(n), "%2.2X", program[i]);
    log_printf(CH_ALWAYS, "%s\n", text);
}

DeviceLocation locate(const PackedAddress& a)
{
    BlockLock<ZpData::IF_DeviceStatusProg> status(*g_zpConf, 0, 199, 199);
    if (!status.layout())
        return DeviceLocation{255, DeviceLocation::kNoSlot};
    const u32 kind = a.is_module() ? DEVICE_KIND_MODULE : DEVICE_KIND_SENSOR;
    return status->find_device(a.get_cpu(), a.get_line(), kind, a.get_address(), a.is_module() ? a.get_sub() : 0);
}

u8 area_dev_state(const u8* area, const PackedAddress& a)
{
    const DeviceLocation where = locate(a);
    if (!where.found() || where.block >= 64)
        return 0;
    if (where.slot >= kSlots) {
        printf("[CBE_GetDevStatus]offset = %u (%u)\n", unsigned(where.slot), unsigned(kSlots));
        return 0;
    }
    trace(CH_DEVSTATUS, "CBE_GetDevStatus C%uL%uD%u offset=%u\n", a.get_cpu() + 1, a.get_line() + 1,
          a.get_address() + 1, unsigned(where.slot));
    return get_dev_state(area + where.block * kCBEBoardRecordSize, where.slot);
}

void group_program(u32 g, u8* out)
{
    memset(out, 0, 32);
    out[0] = ZpData_v2602::GroupProg::kEmptyProgram;
    if (g >= 1 && g <= kGroups)
        g_zpConf->get_data(5, out, 32, ZpData_v2602::GroupProg::kRecordSize * (g - 1));
}

u8 group_state_of(u16 count, u8 table)
{
    if (count == 0)
        return 0;
    return u8(4 | (count >= 2 ? 2 : 0) | ((table & (GT_QUAL1 | GT_QUAL2)) == (GT_QUAL1 | GT_QUAL2) ? 1 : 0));
}

void write_status(u8* area, const CBEEvent& e)
{
    State& s = g_state;
    if (e.b[0] == CBE_EV_GROUP) {
        const u32 g = (e.b[2] | (e.b[3] << 8)) & 0x0FFF;
        const u8 edge = (e.b[3] >> 4) & 1, th = (e.b[3] >> 5) & 1, smk = (e.b[3] >> 6) & 1, two = e.b[3] >> 7;
        trace(CH_STATUS, "CBE_WriteCBEStatusTable gr:%u edge=%u th=%u smk=%u two=%u\n", g, edge, th, smk, two);
        if (g < 1 || g > kGroups) {
            log_printf(CH_ALWAYS, "CBE_WriteCBEStatusTable: gruppo %u fuori range\n", g);
            return;
        }
        const u8 next = edge ? u8(4 | (two ? 2 : 0) | (th && smk ? 1 : 0)) : 0;
        u8& stored = group_byte(area, g);
        if (g - 1 < s.directCount && ((stored & 7) != 0) != ((next & 7) != 0))
            s.changeMap[(g - 1) / 8] |= u8(1 << ((g - 1) % 8));
        stored = next;
        return;
    }
    static const u8 kStates[16] = {0, 0, 0, 0, 0, 0, 0, 3, 2, 1, 0, 0, 0, 3, 1, 0};
    const u8 type = e.b[0];
    if ((type < CBE_EV_SENSOR_ALARM || type > CBE_EV_SENSOR_NORMAL)
        && (type < CBE_EV_MODULE_ON || type > CBE_EV_MODULE_OFF))
        return;
    const PackedAddress a = addr_of(e);
    trace(CH_STATUS, "CBE_WriteCBEStatusTable type:%u C%uL%u%c%u.%u\n", type, a.get_cpu() + 1, a.get_line() + 1,
          kind_letter(a), a.get_address() + 1, a.get_sub() + 1);
    u8* saved = s.area;
    s.area = area;
    CBE_WriteDevState(a, kStates[type]);
    s.area = saved;
}

} // namespace cbe_engine

using namespace cbe_engine;

// ---------------------------------------------------------------------------------------------
// Clock

void CBE_SetClock(const CBEClock* clock)
{
    g_clock = clock ? *clock : CBEClock{machine_tick, machine_calendar, nullptr};
    g_simSet = g_simMachine = CBE_Calendar();
}

u32 CBE_TickMs()
{
    return g_clock.tickMs(g_clock.context);
}

time64 CBE_Calendar()
{
    return g_clock.calendar(g_clock.context);
}

void CBE_SetSimTime(time64 t)
{
    g_simSet = t;
    g_simMachine = CBE_Calendar();
}

time64 CBE_GetSimTime()
{
    return CBE_Calendar() - g_simMachine + g_simSet;
}

void CBE_GetSimClock(struct tm* out)
{
    const time64 t = CBE_GetSimTime();
    if (!os_gmtime(&t, out))
        memset(out, 0, sizeof *out);
    if (out->tm_sec > 59)
        out->tm_sec = 59;
}

u32 CBE_EngineTick()
{
    State& s = g_state;
    const u32 steps = (CBE_TickMs() - s.tickBase) / 200;
    s.engineTick += steps;
    s.tickBase += steps * 200;
    return s.engineTick;
}

CBEEvent CBE_GroupEvent(u16 group, u8 edge, u8 qualifiers)
{
    CBEEvent e = {};
    e.b[0] = CBE_EV_GROUP;
    e.b[2] = u8(group);
    e.b[3] = u8(((group >> 8) & 0x0F) | (edge ? 0x10 : 0) | (qualifiers & 0xE0));
    return e;
}

CBEEvent CBE_DeviceEvent(u8 type, const PackedAddress& address)
{
    CBEEvent e = {};
    e.b[0] = type;
    put_addr(e, address);
    return e;
}

// ---------------------------------------------------------------------------------------------
// Initialisation

void CBE_LLInitCBE()
{
    State& s = g_state;
    if (!g_lock)
        g_lock = os_LockCreate();
    if (!s.initCPU && !s.initLL)
        init_rings();
    clear_ring(s.rings[CBE_Q_LL]);
    memset(s.areas[CBE_SIDE_LL], 0, kCBEWorkAreaSize);
    s.tickBase = CBE_TickMs();
    s.engineTick = 0;
    const u16 stamp = u16((s.engineTick & 0x1FFF) << 3);
    for (auto& t : s.deviceTimers) {
        t[0] = t[1] = 0;
        Timer::set_word1(t, stamp);
    }
    memset(s.changeMap, 0, sizeof s.changeMap);
    memset(s.chunkMap, 0, sizeof s.chunkMap);
    s.chunkPos = s.cycleGroup = 0;
    s.cycleStamp = CBE_TickMs();
    s.hold = true;
    s.holdStamp = CBE_TickMs();
    s.initLL = true;
    trace(CH_INIT, "CBE_LLInitCBE C%uLL%u\n", s.simCpu + 1, s.simBoard + 1);
}

void CBE_CPUInitCBE()
{
    State& s = g_state;
    if (!g_lock)
        g_lock = os_LockCreate();
    if (!s.initCPU && !s.initLL)
        init_rings();
    clear_ring(s.rings[CBE_Q_TOLIB]);
    clear_ring(s.rings[CBE_Q_CPU]);
    const u16 stamp = u16((CBE_EngineTick() & 0x1FFF) << 3);
    for (auto& t : s.groupTimers) {
        t[0] = t[1] = 0;
        Timer::set_word1(t, stamp);
    }
    memset(s.groupTable, 0, sizeof s.groupTable);
    memset(s.areas[CBE_SIDE_CPU], 0, kCBEWorkAreaSize);
    {
        BlockLock<ZpData::IF_ZpxProg> general(*g_zpConf, 0, 2, 2);
        const u16 count = general.layout() ? general->get_direct_groups_count() : 300;
        s.directCount = count > kGroups ? u16(kGroups) : count;
    }
    s.reverseGroup = s.directCount;
    s.cpuSuspended = s.groupPass = s.groupRestart = false;
    s.groupPos = 0;
    s.initCPU = true;
    trace(CH_INIT, "CBE_CPUInitCBE gruppi diretti=%u\n", unsigned(s.directCount));
}

bool CBE_IsInitialised()
{
    return g_state.initLL || g_state.initCPU;
}

// ---------------------------------------------------------------------------------------------
// Queues

CBEQueueStats CBE_GetQueueStats(CBEQueueId id)
{
    require_init();
    const Ring& r = g_state.rings[id];
    return {r.size, r.free_places(), r.refused, r.maxFill, r.full, r.fill() == 0};
}

int L_CBEEventToLIB(const CBEEvent& record)
{
    require_init();
    Ring& r = g_state.rings[CBE_Q_TOLIB];
    const int stored = append(r, record);
    if (stored && r.full)
        log_printf(CH_ALWAYS, "L_CBEEventToLIB: fullQueue!!!\n");
    trace(CH_QUEUE, "L_CBEEventToLIB type:%u\n", record.b[0]);
    return stored;
}

int CBE_ReadCBEEventToLIB(CBEEvent* out, bool restart)
{
    require_init();
    return peek(g_state.rings[CBE_Q_TOLIB], out, restart);
}

void CBE_ClearCBEEventToLIB()
{
    require_init();
    commit(g_state.rings[CBE_Q_TOLIB]);
}

int L_LLPutCBEEvent(const CBEEvent& e)
{
    require_init();
    const PackedAddress a = addr_of(e);
    const u32 edge = (e.b[3] >> 4) & 1;
    switch (e.b[0]) {
    case CBE_EV_GROUP:
        trace(CH_QUEUE, "L_LLPutCBEEvent group:%u edg:%u\n", (e.b[2] | (e.b[3] << 8)) & 0x0FFF, edge);
        break;
    case CBE_EV_ZONE_DISABLED:
    case CBE_EV_ZONE_ENABLED:
        trace(CH_QUEUE, "DIS L_LLPutCBEEvent zone:%u edg:%u\n", unsigned(e.b[2] | (e.b[3] << 8)),
              e.b[0] == CBE_EV_ZONE_DISABLED ? 1u : 0u);
        break;
    case CBE_EV_SENSOR_DISABLED:
    case CBE_EV_SENSOR_ENABLED:
        trace(CH_QUEUE, "DIS L_LLPutCBEEvent C%uL%uS%u  edg:%u\n", a.get_cpu() + 1, a.get_line() + 1,
              a.get_address() + 1, e.b[0] == CBE_EV_SENSOR_DISABLED ? 1u : 0u);
        break;
    case CBE_EV_MODULE_DISABLED:
    case CBE_EV_MODULE_ENABLED:
        trace(CH_QUEUE, "DIS L_LLPutCBEEvent C%uL%uM%u.%u  edg:%u\n", a.get_cpu() + 1, a.get_line() + 1,
              a.get_address() + 1, a.get_sub() + 1, e.b[0] == CBE_EV_MODULE_DISABLED ? 1u : 0u);
        break;
    case CBE_EV_MODULE_ON:
    case CBE_EV_MODULE_OFF:
        trace(CH_QUEUE, "L_LLPutCBEEvent C%uL%uM%u.%u  edg:%u\n", a.get_cpu() + 1, a.get_line() + 1,
              a.get_address() + 1, a.get_sub() + 1, e.b[0] == CBE_EV_MODULE_ON ? 1u : 0u);
        break;
    default: trace(CH_QUEUE, "L_LLPutCBEEvent type:%u non gestito\n", e.b[0]); break;
    }
    Ring& r = g_state.rings[CBE_Q_LL];
    const int stored = append(r, e);
    if (r.free_places() < kMinToLibRoom) {
        trace(CH_QUEUE, " *** MENO DI VENTI **\n");
        hook_queue_low();
    }
    return stored;
}

int CBE_ReadEventFromCBEOUT(CBEEvent* out, bool restart)
{
    require_init();
    const int got = peek(g_state.rings[CBE_Q_LL], out, restart);
    if (!got)
        trace(CH_QUEUE, "CBE_ReadEventFromCBEOUT EMPTY!\n");
    return got;
}

void CBE_CommitEventFromCBEOUT()
{
    require_init();
    commit(g_state.rings[CBE_Q_LL]);
}

void CBE_AdvanceEventFromCBEOUT(u32 count)
{
    require_init();
    advance(g_state.rings[CBE_Q_LL], count);
}

bool CBE_IsCBEOUTEmpty()
{
    require_init();
    return g_state.rings[CBE_Q_LL].fill() == 0;
}

u32 CBE_CBEEventRx(u32 count, const CBEEvent* records)
{
    require_init();
    u32 stored = 0;
    for (u32 i = 0; i < count; ++i) {
        trace(CH_EVENTRX, "CBE_CBEEventRx type:%u\n", records[i].b[0]);
        stored += u32(append(g_state.rings[CBE_Q_CPU], records[i]));
    }
    return stored;
}

u32 CBE_ProgramRuns()
{
    return g_state.programRuns;
}

void CBE_LogStatistics()
{
    require_init();
    for (const Ring& r : g_state.rings)
        log_printf(CH_ALWAYS, "%s: rifiutati %u, max %u/%u\n", r.name, r.refused, r.maxFill, r.size - 1);
}

// ---------------------------------------------------------------------------------------------
// Areas

void CBE_SelectArea(CBESide side)
{
    g_state.area = g_state.areas[side];
}

u8* CBE_WorkArea(CBESide side)
{
    return g_state.areas[side];
}

u8 CBE_GetGroupState(CBESide side, u32 group)
{
    return group >= 1 && group <= kGroups ? group_byte(g_state.areas[side], group) : 0;
}

u8 CBE_GetDevStatus(CBESide side, const PackedAddress& address)
{
    require_init();
    return area_dev_state(g_state.areas[side], address);
}

u16 CBE_GetGroupCount(u32 group)
{
    return group >= 1 && group <= kGroups ? Timer::count(g_state.groupTimers[group - 1]) : 0;
}

int CBE_WriteDevState(const PackedAddress& address, u8 value)
{
    require_init();
    State& s = g_state;
    const DeviceLocation where = locate(address);
    if (!where.found() || where.block >= 64 || where.slot >= kSlots)
        return 1;
    set_dev_state(s.area + where.block * kCBEBoardRecordSize, where.slot, value & 3);
    if (address.get_cpu() == s.simCpu && ll_of_line(address.get_line()) == s.simBoard) {
        const u32 chunk = where.slot / 8;
        s.chunkMap[chunk / 8] |= u8(1 << (chunk % 8));
    }
    return 0;
}

void CBE_WriteCBEStatusTable(const CBEEvent* records, u32 count)
{
    require_init();
    for (u32 i = 0; i < count; ++i)
        write_status(g_state.area, records[i]);
}

void CBE_SetNoticeSink(void (*sink)(const char* text))
{
    g_noticeSink = sink;
}
