#pragma once
// Vocabulary of the control-by-event byte code shared by the compiler and the decoder.
//
// A program is a stream of 4-bit nibbles, two per byte, high nibble first, ended by the nibble
// F and padded with one 0 nibble when that leaves an odd count; at most 32 bytes.
//
// Multi-nibble numbers:
//   decimal pair  two nibbles, tens then units, 0..99 (times, dates, tone)
//   12-bit value  three nibbles, lowest first (group and zone numbers)
//   24-bit value  six nibbles, lowest first, of a PackedAddress read as
//                 raw[0] + 256 * raw[1] + 65536 * raw[2]
#include "OS/types.h"
#include "ZpData/Values/DeviceRef.h"

namespace cbe {

constexpr u32 kMaxProgramBytes = 32;
constexpr u32 kMaxProgramNibbles = kMaxProgramBytes * 2;
// Nesting depth a program may reach; one more is a compile error.
constexpr u32 kMaxDepth = 6;

// First nibble of every item.
enum Opcode : u8 {
    OP_DATE = 0x8,     // TIM date: month, day, year as decimal pairs, FF for an open field
    OP_GROUP = 0x9,    // 12-bit group number
    OP_KEYWORD = 0xA,  // followed by one Keyword nibble
    OP_ZONE = 0xB,     // 12-bit zone number (kZoneSys, kZoneEvac)
    OP_SENSOR = 0xC,   // 24-bit PackedAddress, module flag 0, sub-address field 0
    OP_MODULE = 0xD,   // 24-bit PackedAddress, module flag 1
    OP_WEEKDAYS = 0xE, // two nibbles, high first, of the day mask; 00 = every day
    OP_END = 0xF,      // end of program
};

// Second nibble after OP_KEYWORD.
enum Keyword : u8 {
    KW_OPEN = 0x0,  // "("
    KW_CLOSE = 0x1, // ")"
    KW_OR = 0x2,
    KW_AND = 0x3,
    KW_NOT = 0x4,
    KW_XGRP = 0x5,
    KW_DEL = 0x6,  // delay mm ss, then duration mm ss or FFFF
    KW_TIM = 0x7,  // day part (OP_WEEKDAYS or OP_DATE), then hh mm hh mm or FFFFFFFF
    KW_SDEL = 0x8, // as KW_DEL
    KW_PRE = 0x9,
    KW_FLT = 0xA,
    KW_DIS = 0xB,
    KW_TAC = 0xC,
    KW_UNUSED = 0xD, // never written; a decoder fails on it
    KW_TONE = 0xE,   // tone (decimal pair), volume (one nibble), first and last zone (12-bit)
};

// A decimal pair of two F nibbles: an open date field or a missing time.
constexpr u8 kOpenPair = 0xFF;
constexpr u8 kNoneNibble = 0xF;

// Zone numbers that stand for the two keyword operands.
constexpr u16 kMaxZone = 2000;
constexpr u16 kZoneSys = 2001;
constexpr u16 kZoneEvac = 2002;

constexpr u16 kMaxGroup = 1600;
constexpr u32 kMaxCpu = 64;
constexpr u32 kMaxLoop = 8;

// Day-mask bits of OP_WEEKDAYS, in the order the names are written.
enum WeekdayBit : u8 {
    DAY_SU = 64,
    DAY_MO = 32,
    DAY_TU = 16,
    DAY_WE = 8,
    DAY_TH = 4,
    DAY_FR = 2,
    DAY_SA = 1,
};
struct WeekdayName {
    char text[3];
    u8 bit;
};
constexpr WeekdayName kWeekdays[7] = {
    {"SU", DAY_SU}, {"MO", DAY_MO}, {"TU", DAY_TU}, {"WE", DAY_WE}, {"TH", DAY_TH}, {"FR", DAY_FR}, {"SA", DAY_SA},
};

// The 24-bit operand value of a PackedAddress and back.
inline u32 packed_to_value(const PackedAddress& a)
{
    return u32(a.raw[0]) | (u32(a.raw[1]) << 8) | (u32(a.raw[2]) << 16);
}
inline PackedAddress value_to_packed(u32 v)
{
    return PackedAddress{{u8(v & 0xFF), u8((v >> 8) & 0xFF), u8((v >> 16) & 0xFF)}};
}

} // namespace cbe
