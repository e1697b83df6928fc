#pragma once
#include "OS/types.h"

// CRC-16/MODBUS: reflected polynomial 0x8005, initial 0xFFFF, no final XOR.
u16 crc16(const void* data, u32 length);
// The same register run continued from start.
u16 crc16_from(const void* data, u32 length, u16 start);

// CRC-32 of IEEE 802.3: reflected polynomial 0xEDB88320, initial and final XOR 0xFFFFFFFF.
u32 crc32(const void* data, u32 length);
// Runs reg (not inverted on entry) over the bytes and returns it inverted.
u32 crc32_update(const void* data, u32 length, u32 reg);
// As crc32_update over count copies of one byte value.
u32 crc32_fill(u8 value, u32 count, u32 reg);
