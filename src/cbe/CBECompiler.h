#pragma once
// Compiler of control-by-event texts into the panel's byte code (see CBEByteCode.h), checked
// against the panel configuration held by g_zpConf. Every call keeps its working state to itself,
// so texts may be checked on one thread while another compiles.
#include "OS/types.h"

// Owner kinds of a compile request.
enum : u8 {
    CBE_OWNER_GROUP = 0,
    CBE_OWNER_SENSOR = 3,
    CBE_OWNER_MODULE = 4,
};

struct CBECompileRequest {
    // In: the NUL-terminated text. Out: the program at the start of the same buffer, which must
    // be writable and at least 32 bytes long; written only on success.
    char* text = nullptr;
    // Out, on failure: offset of the fault from the start of the text (255 for any offset
    // beyond), and the CBECompileError.
    u8 errorPos = 0;
    u8 errorCode = 0;
    // A group's expression: the group's index counted from 0 as u16 little-endian in bytes 0-1.
    // A point's expression: the point's own PackedAddress.
    u8 owner[3] = {0, 0, 0};
    u8 ownerKind = CBE_OWNER_GROUP;
    // 1: a direct program (an operand list); 0: a condition.
    u32 listMode = 0;
    // 0: the form and size of the program only; the groups, sensors and modules it names are
    // taken as they are, whatever the panel holds.
    u32 checkReferences = 1;
};

// Whether the program of an owner of this kind may name a module of this type class
// (TYPE_CLASS_*) outside DIS; direct: a direct group's, or a point's operand list. A list drives
// no inputs; a group's condition reads no outputs, a module's reads inputs only, both the
// faults of any under FLT; a sensor's program names any module.
bool cbeMayNameModule(u8 ownerKind, bool direct, bool flt, u32 typeClass);

// Whether a program may name the sensor whose record carries this device class (record byte 4
// bits 6-7) outside DIS: a list drives the sensors it names, and the panel drives only those of
// a plain record.
bool cbeMayNameSensor(bool direct, u32 deviceClass);

// A time "hh.mm" or delay "mm.ss" as first and second part: at most limit minutes (seconds)
// in all, and a second part below 60. One rule for the compiler and the keypad.
bool cbeTimeFits(u32 first, u32 second, u32 limit);

// The date of a TIM as the panel takes it: month, day and year, each two digits or "-" for a
// field left open (cbe::kOpenPair); blanks before the month and the day; one separator behind a
// given month or day, never a digit; the year also left open by a blank (read) or a ")" (left
// in place). A given month is 1 to 12; a given day lies within its month (February with 29
// days only in a given leap year), and with the month open within every month (28, or 29 in a
// given leap year). One rule for the compiler and the keypad.
struct CBETimDate {
    u32 month = 0;
    u32 day = 0;
    u32 year = 0;
    // Characters read.
    u32 length = 0;
    // On refusal: the CBECompileError and the offset of the fault from the start of the text.
    u8 error = 0;
    u32 errorPos = 0;
};
// Reads the date at the start of text (size characters, no terminator needed); false when the
// rule refuses it. Never reads past size.
bool cbeReadTimDate(const char* text, u32 size, CBETimDate* date);

// The highest tone and volume a TONE may name under a detector brand (the sounders' limits,
// counted from 1); of the brand in the panel configuration's general block, the limits of the
// other brands when it has none. One rule for the compiler and the keypad.
struct CBEToneLimits {
    u32 tone = 0;
    u32 volume = 0;
};
CBEToneLimits cbeToneLimits(u32 brand);
CBEToneLimits cbePanelToneLimits();

// Codes 0 to 53; 3, 4, 19, 25, 27 to 31 and 38 are never reported by the compiler but keep
// their texts and user codes.
enum CBECompileError : u8 {
    CBE_ERR_BALANCE = 0,
    CBE_ERR_TOO_BIG = 1,
    CBE_ERR_NOT_ENDED = 2,
    CBE_ERR_TOKEN_NOT_FOUND = 3,
    CBE_ERR_TOO_MANY_LEVELS = 4,
    CBE_ERR_NO_OPEN = 5,
    CBE_ERR_REPEATED_TIMED = 6,
    CBE_ERR_DEL_TOO_BIG = 7,
    CBE_ERR_DEL_MISSING = 8,
    CBE_ERR_GROUP = 9,
    CBE_ERR_LOOP = 10,
    CBE_ERR_UNEXPECTED_G = 11,
    CBE_ERR_UNEXPECTED_L = 12,
    CBE_ERR_UNEXPECTED_M = 13,
    CBE_ERR_UNEXPECTED_S = 14,
    CBE_ERR_MODULE = 15,
    CBE_ERR_SENSOR = 16,
    CBE_ERR_UNKNOWN_CHAR = 17,
    CBE_ERR_NOT_ALLOWED = 18,
    CBE_ERR_RETURN = 19,
    CBE_ERR_TIM_NOT_ALONE = 20,
    CBE_ERR_TIM_START = 21,
    CBE_ERR_TIM_NO_STOP = 22,
    CBE_ERR_TIM_NO_MINUTES = 23,
    CBE_ERR_TIM_STOP = 24,
    CBE_ERR_TIM_NOT_ALONE_2 = 25,
    CBE_ERR_TIM_HOURS = 26,
    CBE_ERR_TIM_DATE_SEP = 27,
    CBE_ERR_TIM_DATE_SEP_2 = 28,
    CBE_ERR_TIM_MONTH_VALUE = 29,
    CBE_ERR_TIM_DAY_VALUE = 30,
    CBE_ERR_TIM_YEAR_VALUE = 31,
    CBE_ERR_TIM_MONTH = 32,
    CBE_ERR_TIM_DAY = 33,
    CBE_ERR_SINGLE_OPERAND = 34,
    CBE_ERR_LOOP_WITHOUT_POINT = 35,
    CBE_ERR_DEL_NO_DOT = 36,
    CBE_ERR_INCOMPLETE = 37,
    CBE_ERR_TIM_YEAR = 38,
    CBE_ERR_TIM_INCOMPLETE = 39,
    CBE_ERR_DEL_NOT_ALONE = 40,
    CBE_ERR_SDEL_NOT_ALONE = 41,
    CBE_ERR_CPU = 42,
    CBE_ERR_UNEXPECTED_C = 43,
    CBE_ERR_ZONE = 44,
    CBE_ERR_UNEXPECTED_Z = 45,
    CBE_ERR_TONE_NOT_ALONE = 46,
    CBE_ERR_TONE_ZONES = 47,
    CBE_ERR_TONE = 48,
    CBE_ERR_VOLUME = 49,
    CBE_ERR_SYS_NOT_ALLOWED = 50,
    CBE_ERR_DIS_NOT_ALONE = 51,
    CBE_ERR_UNEXPECTED_EVAC = 52,
    CBE_ERR_EVAC_IN_LIST = 53,
};

// Compiles request->text. Returns the program length in bytes (1 to 32), or -1 with errorCode
// and errorPos set and the buffer untouched. Reads g_zpConf (device records, the direct-group
// count, the detector brand) and changes nothing in it.
int CBEExpr_Parse(CBECompileRequest* request);

// The fixed Italian text of a code for the log; "" for 52 and above.
const char* cbeCompileErrorText(int code);
// The user error code of a compile error; 65535 above 53 and for negative codes.
u32 cbeCompileErrorToUserError(int code);
