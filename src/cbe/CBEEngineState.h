#pragma once
// State of the control-by-event engine shared by its units; not for callers.
#include "cbe/CBEEngine.h"

#include "ZpData/Values/DeviceRec.h"

namespace cbe_engine {

constexpr u32 kGroups = 1600;
constexpr u32 kSlots = 700;
constexpr u32 kChunks = 88; // eight device slots each
// An event handler or group handler pass needs this much room towards the loop side.
constexpr u32 kMinToLibRoom = 20;
constexpr u32 kHoldMs = 5000;

// Trace channels.
enum : int {
    CH_ALWAYS = 1,
    CH_TIM = 17,
    CH_DEL = 18,
    CH_DEVSTATUS = 19,
    CH_LLWRITE = 20,
    CH_SCANMOD = 21,
    CH_INIT = 22,
    CH_GROUPHND = 23,
    CH_STATUS = 24,
    CH_ALARM = 25,
    CH_CPUDIRECT = 26,
    CH_CPUWRITE = 27,
    CH_QUEUE = 28,
    CH_CYCLE = 29,
    CH_EVENTRX = 31,
};

struct Ring {
    CBEEvent* slots;
    u32 size;
    u32 read;
    u32 write;
    u32 peeked; // records read past the read index by the peek cursor
    bool full;
    u32 refused;
    u32 maxFill;
    const char* name;

    u32 fill() const { return full ? size : (write + size - read) % size; }
    u32 free_places() const
    {
        if (full)
            return 0;
        return read > write ? read - write : size - 1 + read - write;
    }
};

// Timer record (4 bytes): word 0 bits 0-11 activation count, bits 12-15 flags of the last
// evaluation; word 1 engine tick x 8 + bits 1-2 timer state + bit 0 the stored output.
enum TimerState : u8 { TS_IDLE = 0, TS_RUNNING = 2, TS_ACTIVE = 4, TS_ENDED = 6 };
struct Timer {
    static u16 count(const u8* t) { return u16((t[0] | (t[1] << 8)) & 0x0FFF); }
    static void set_count(u8* t, u16 c)
    {
        t[0] = u8(c);
        t[1] = u8((t[1] & 0xF0) | ((c >> 8) & 0x0F));
    }
    static u16 word1(const u8* t) { return u16(t[2] | (t[3] << 8)); }
    static void set_word1(u8* t, u16 w)
    {
        t[2] = u8(w);
        t[3] = u8(w >> 8);
    }
    static u8 state(const u8* t) { return u8(word1(t) & 6); }
    static u16 stamp(const u8* t) { return u16(word1(t) >> 3); }
    static bool output(const u8* t) { return word1(t) & 1; }
    static void set_state(u8* t, u8 state, u32 tick)
    {
        set_word1(t, u16(((tick & 0x1FFF) << 3) | state | (word1(t) & 1)));
    }
    static void set_output(u8* t, bool on) { set_word1(t, u16((word1(t) & ~1u) | (on ? 1 : 0))); }
};

// Marks of the group handler, in the CPU side's 1600-byte table.
enum : u8 {
    GT_QUAL1 = 0x01,
    GT_QUAL2 = 0x02,
    GT_MARK = 0x04,
    GT_MARK_EDGE = 0x08,
};

struct State {
    bool initLL = false;
    bool initCPU = false;

    CBEEvent toLib[1024];
    CBEEvent ll[128];
    CBEEvent cpu[1024];
    Ring rings[3];

    u8 areas[2][kCBEWorkAreaSize];
    u8* area = areas[CBE_SIDE_LL];

    u8 groupTimers[kGroups][4];
    u8 groupTable[kGroups];
    u8 deviceTimers[kSlots][4];

    u8 changeMap[kGroups / 8];
    u8 chunkMap[kChunks / 8];
    u32 chunkPos = 0;
    u32 cycleGroup = 0;
    u32 cycleStamp = 0;

    u16 directCount = 300;
    u32 reverseGroup = 300;
    u8 passFlags = 0;

    bool cpuSuspended = false;
    bool groupPass = false;
    bool groupRestart = false;
    u32 groupPos = 0;

    bool hold = false;
    u32 holdStamp = 0;

    u32 tickBase = 0;
    u32 engineTick = 0;

    u32 programRuns = 0;

    // The simulated CPU and board, 0-based.
    u32 simCpu = 0;
    u32 simBoard = 0;
};

State& state();
// Ends the program when no initialisation has run.
void require_init();

void trace(int channel, const char* fmt, ...) __attribute__((format(printf, 2, 3)));
void notice(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
// Channel 1: "<prefix>\tCBE(hex)=" and the 32 program bytes.
void trace_program(const char* prefix, const u8* program);

// Hooks of the panel, stubs on the desktop: a notification that LLCBEEventQueue runs low, and
// the module output hook that hands a module's new state (3 on, 0 off) to the module-output
// writer, here the current area.
void hook_queue_low();
void hook_module_output(const PackedAddress& address, u8 value);

// Takes the oldest record of a ring; 0 when empty.
int take(Ring& ring, CBEEvent* out);
// The device's block and slot through the status index; not found for anything absent.
DeviceLocation locate(const PackedAddress& address);
u8 area_dev_state(const u8* area, const PackedAddress& address);
// A group's state byte; g 1..1600.
inline u8& group_byte(u8* area, u32 g)
{
    return area[kCBEGroupStatesOffset + g - 1];
}
// The 32-byte program of group g into out; the empty program when it cannot be read.
void group_program(u32 g, u8* out);
// Writes one status-table record into area.
void write_status(u8* area, const CBEEvent& e);
u8 group_state_of(u16 count, u8 table);

} // namespace cbe_engine
