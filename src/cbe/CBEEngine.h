#pragma once
// Run-time engine of control-by-event programs, as the panel runs them: a loop side (the devices
// of one loop-line board) and a CPU side (the panel's 1600 groups) joined by event queues. All
// state is global; the panel configuration is read from g_zpConf. The desktop runs it only in
// the simulation of CBESim.h, on one thread.
//
// Every entry point but the clock seam and the initialisations ends the program with
// "CBE non inizializzate!" before an initialisation has run.
#include "OS/types.h"
#include "ZpData/Values/DeviceRef.h"

#include <ctime>

// ---------------------------------------------------------------------------------------------
// Clock seam: a millisecond tick (wraps in 32 bits) and the calendar time in seconds, read as
// the local date and time (broken down without a time-zone shift). Both default to the machine.

struct CBEClock {
    u32 (*tickMs)(void* context);
    time64 (*calendar)(void* context);
    void* context;
};

// Null restores the machine's clock. The clock is copied; the simulated clock below starts again
// at the new calendar time.
void CBE_SetClock(const CBEClock* clock);
u32 CBE_TickMs();
time64 CBE_Calendar();

// The simulated panel clock: the calendar shifted by an offset set with CBE_SetSimTime.
void CBE_SetSimTime(time64 t);
time64 CBE_GetSimTime();
// Broken down: tm_sec 0..59, tm_mon 0..11, tm_year since 1900, tm_wday 0 Sunday.
void CBE_GetSimClock(struct tm* out);

// Engine tick: one step per full 200 ms of the millisecond tick since the last initialisation.
u32 CBE_EngineTick();

// ---------------------------------------------------------------------------------------------
// Event records (8 bytes) carried by the queues.
//   byte 0  type
//   group:  bytes 2-3 a 16-bit word: bits 0-11 group number; byte 3 bit 4 edge (1 rising),
//           bit 5 and bit 6 the two alarm qualifiers, bit 7 double consent
//   device: bytes 2-4 the PackedAddress; byte 5 bits 6 and 7 the detector qualifiers
//   zone:   bytes 2-3 the 16-bit zone

struct CBEEvent {
    u8 b[8];
};

enum CBEEventType : u8 {
    CBE_EV_GROUP = 1,
    CBE_EV_ZONE_DISABLED = 3,
    CBE_EV_ZONE_ENABLED = 4,
    CBE_EV_SENSOR_DISABLED = 5,
    CBE_EV_SENSOR_ENABLED = 6,
    CBE_EV_SENSOR_ALARM = 7,
    CBE_EV_SENSOR_PREALARM = 8,
    CBE_EV_SENSOR_FAULT = 9,
    CBE_EV_SENSOR_NORMAL = 10,
    CBE_EV_MODULE_DISABLED = 11,
    CBE_EV_MODULE_ENABLED = 12,
    CBE_EV_MODULE_ON = 13,
    CBE_EV_MODULE_FAULT = 14,
    CBE_EV_MODULE_OFF = 15,
};

CBEEvent CBE_GroupEvent(u16 group, u8 edge, u8 qualifiers);
CBEEvent CBE_DeviceEvent(u8 type, const PackedAddress& address);

// ---------------------------------------------------------------------------------------------
// Initialisation

void CBE_LLInitCBE();
void CBE_CPUInitCBE();
bool CBE_IsInitialised();

// ---------------------------------------------------------------------------------------------
// Queues. A ring refuses every append while its full bit is set; refusals are counted.

enum CBEQueueId { CBE_Q_TOLIB = 0, CBE_Q_LL = 1, CBE_Q_CPU = 2 };

struct CBEQueueStats {
    u32 capacity;
    u32 free;
    u32 refused;
    u32 maxFill;
    bool full;
    bool empty;
};
CBEQueueStats CBE_GetQueueStats(CBEQueueId id);

// 1 when stored, 0 when refused.
int L_CBEEventToLIB(const CBEEvent& record);
// Peek read: restart moves the cursor back to the read index. 1 with a record, 0 when empty.
int CBE_ReadCBEEventToLIB(CBEEvent* out, bool restart);
// Read index = cursor; full bit cleared.
void CBE_ClearCBEEventToLIB();

int L_LLPutCBEEvent(const CBEEvent& record);
int CBE_ReadEventFromCBEOUT(CBEEvent* out, bool restart);
void CBE_CommitEventFromCBEOUT();
void CBE_AdvanceEventFromCBEOUT(u32 count);
bool CBE_IsCBEOUTEmpty();

// Appends count records to CPUCBEEventQueue; the number stored.
u32 CBE_CBEEventRx(u32 count, const CBEEvent* records);

// Programs evaluated or applied since the process started (an empty program counts as none).
u32 CBE_ProgramRuns();

// Refusals and highest fills of the three queues, one trace line each on channel 1.
void CBE_LogStatistics();

// ---------------------------------------------------------------------------------------------
// Work areas and tables

enum CBESide { CBE_SIDE_CPU = 0, CBE_SIDE_LL = 1 };

// Each side's area: 64 board records of 175 bytes (2-bit device states), then 1600 group
// state bytes.
constexpr u32 kCBEBoardRecordSize = 175;
constexpr u32 kCBEGroupStatesOffset = 64 * kCBEBoardRecordSize;
constexpr u32 kCBEWorkAreaSize = kCBEGroupStatesOffset + 1600;

void CBE_SelectArea(CBESide side);
u8* CBE_WorkArea(CBESide side);
// Group 1..1600; 0 outside.
u8 CBE_GetGroupState(CBESide side, u32 group);
// The device's 2-bit state in a side's area; 0 for a device the configuration does not hold.
u8 CBE_GetDevStatus(CBESide side, const PackedAddress& address);
// The CPU side's activation count of group 1..1600; 0 outside.
u16 CBE_GetGroupCount(u32 group);

// Device state writer on the current area: 0, or 1 when the device is not found.
int CBE_WriteDevState(const PackedAddress& address, u8 state);

// ---------------------------------------------------------------------------------------------
// Evaluation and propagation

// Evaluation errors.
enum CBEEvalError : u8 {
    CBE_EVAL_OK = 0,
    CBE_EVAL_NO_OPEN = 2,
    CBE_EVAL_OPERAND = 8,
    CBE_EVAL_TIMING = 9,
    CBE_EVAL_OPERATOR = 10,
    CBE_EVAL_TIM = 11,
};

// A condition's truth on the current area. timer is the owner's 4-byte timer record; actType
// is printed with an error. 0 on an error.
u8 L_CBEReverseAnalisys(const u8* program, u8* timer, u8 actType, u8 edge);
// Apply a direct program (first byte F0: nothing, A0: the operand list, else error 2).
// group is the owning group (1..1600, 0 for a device), code the alarm code of the change.
// 0, or 1 when an event could not be queued.
int L_CPUCBEDirectAnalisys(const u8* program, u16 group, u8 edge, u8 actType, u8 code);
int L_LLCBEDirectAnalisys(const u8* program, bool deviceProgram, u8 edge, u8 code);

void CBE_WriteCBEStatusTable(const CBEEvent* records, u32 count);
// code: 1 module on, 2 module fault, 3 module off, 10-12 alarm, 13 pre-alarm, 14 fault, other
// normal.
void CBE_AlarmDevCBEAnalisys(const PackedAddress& address, const u8* program, u8 code);
// ALARM code of a device type's category: 1 for 1, 10-12 for 10-12, else 0.
u8 CBE_AlarmCodeOfCategory(u32 category);

void CBE_CBEEventRxHnd();
void CBE_GroupCBEHandler();
void ScanCBEMod(const PackedAddress& address);
// One group of the reverse formula scan; the next group index.
u32 CBE_ReverseScan();
// 2 high, 1 low, 0 none; stored in g_zpConf.
u16 CBE_SensScan();
// Clears the 5-second output hold once it has run out.
void CBE_TestOutputHold();
bool CBE_OutputHold();
void CBE_MainCycle();

// ---------------------------------------------------------------------------------------------
// Hooks of the platform

// Receives the engine's notices (exclusions, tones) without the time stamp; null: the trace.
void CBE_SetNoticeSink(void (*sink)(const char* text));
