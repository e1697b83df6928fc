#pragma once
// Fixed-width integer names shared by the panel-data library and the panel's own software.
#include <cstddef>
#include <cstdint>

typedef uint8_t u8;
typedef uint16_t u16;
typedef uint32_t u32;
typedef uint64_t u64;
typedef int8_t s8;
typedef int16_t s16;
typedef int32_t s32;
typedef int64_t s64;
typedef int64_t time64;

// Library result codes.
enum : int {
    ZP_OK = 0,
    ZP_UNCHANGED = -1, // the value was already so; nothing was written
    ZP_ERR_GENERIC = 1000,
    ZP_ERR_NULL_HANDLE = 1001,
    ZP_ERR_PARAM = 1003,     // bad parameter or version
    ZP_ERR_FORMAT = 1005,    // bad format or value
    ZP_ERR_IFACE = 1006,     // layout creation failed
    ZP_ERR_NOT_FOUND = 1008, // missing file, block or device
    ZP_ERR_READ_TIMEOUT = 1009,
    ZP_ERR_FULL = 1010, // full, or write time-out in the OS layer
    ZP_ERR_NO_STATUS = 1011,
    ZP_ERR_RANGE = 1013,
    ZP_ERR_READ = 1015,
    ZP_ERR_HEADER_WRITE = 1016,
    ZP_ERR_CRC = 1018,
};
