#pragma once
// The 43-byte device record of a DeviceProg block: one addressable device (sensor or module) on
// a line of a loop-line board. The operations work on the record bytes in place, wherever they
// live (inside a block, or a copy), and never mark a block: their callers do.
//
//   0      loop address, 0-based; for a class-1 module the first address of its channels
//   1      bit 4 a flag set in the empty record; bit 5 a flag; bit 6 line within the board;
//          bit 7 module (1) or sensor (0)
//   2-3    device code
//   4      bits 0-5 type index (0 = slot empty); bits 6-7 device class
//   5-6    zone
//   7      flags
//   8      sensors: sensitivity or alarm level; modules: sub-address, 0-based
//   9      sensors: upper sensitivity limit
//   10     sensors: lower sensitivity limit
//   11     240 in the empty record
//   12-42  further device parameters
#include "OS/types.h"
#include "ZpData/Values/DeviceRef.h"

// Where a device was found: a DeviceProg block index and a slot in it; slot 0xFFFF when absent.
struct DeviceLocation {
    u8 block;
    u16 slot;

    static constexpr u16 kNoSlot = 0xFFFF;
    bool found() const { return slot != kNoSlot; }
};

struct DeviceRec {
    static constexpr u32 kSize = 43;
    static constexpr u32 kMaxAddress = 158;
    // A sub-address asked at or above this matches any sub-address.
    static constexpr u32 kAnySub = 15;

    enum : u8 {
        kFlagsEmpty = 0x10,
        kLineBit = 0x40,
        kModuleBit = 0x80,
        kByte11Empty = 240,
    };

    // Device classes (byte 4 bits 6-7).
    enum : u32 {
        CLASS_PLAIN = 0,
        CLASS_CONSECUTIVE = 1, // a module whose channels take consecutive loop addresses
        CLASS_DUAL = 2,        // answers both as sensor and as module
    };

    // Field reads.
    static u8 get_loop_address(const u8* rec) { return rec[0]; }
    static u32 get_line_bit(const u8* rec) { return (rec[1] >> 6) & 1; }
    static bool is_module(const u8* rec) { return (rec[1] & kModuleBit) != 0; }
    static u32 get_type(const u8* rec) { return rec[4] & 0x3F; }
    static u32 get_class(const u8* rec) { return rec[4] >> 6; }
    static bool is_used(const u8* rec) { return get_type(rec) != 0; }
    static u16 get_zone(const u8* rec);
    // Byte 8: the sub-address of a module, the sensitivity or alarm level of a sensor.
    static u8 get_param(const u8* rec) { return rec[8]; }
    // The module's sub-address in four bits; 0 for a sensor.
    static u32 get_sub(const u8* rec) { return is_module(rec) ? (rec[8] & 0x0F) : 0; }
    // Whether the record is a channel of its module: a module whose code has channels, or that
    // names a sub-address.
    static bool is_channel(const u8* rec);

    // All 43 bytes 0 except byte 1 = 16 and byte 11 = 240.
    static void clear(u8* rec);
    // -1 for an empty record; else byte 0, plus byte 8 for a module of class 1.
    static int get_address(const u8* rec);
    static u16 get_code(const u8* rec);
    // -1 when unchanged.
    static int set_code(u8* rec, u16 code);
    // Class 0 to 3 into bits 6-7 of byte 4; -1 when unchanged, 1013 above 3.
    static int set_class(u8* rec, u32 deviceClass);
    // Writes the type index and gives the record the sensitivity or alarm-level defaults of
    // (code, type); bytes 7 to 10 are cleared first. -1 when unchanged, 1013 above row 63.
    static int set_type(u8* rec, u32 type);
    // Whether the record answers to (line, kind, address, sub): kind DEVICE_KIND_SENSOR,
    // DEVICE_KIND_MODULE or DEVICE_KIND_ANY;
    // a sub at or above 15 means any sub-address; only line & 1 is compared.
    static bool is_me(const u8* rec, u32 line, u32 kind, u32 address, u32 sub);
    // Repairs sensitivity and alarm level limits against the catalogue, with one error line per
    // repair naming the block header's cpu and board and the record's address. 0 when something
    // was repaired, -1 when nothing.
    static int check(u8* rec, u8 cpu, u8 board);
    static PackedAddress get_packed_address(const u8* rec, u8 cpu, u8 board);

    // The matching rules of is_me over the fields of a record or of a status entry. free: the
    // entry holds no device.
    static bool matches(bool free, u32 lineBit, bool module, u32 deviceClass, u32 recAddress, u32 recSub, u32 line,
                        u32 kind, u32 address, u32 sub);
};
