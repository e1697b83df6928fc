#pragma once
// Byte-order access to unaligned buffers, zero scans, hexadecimal and BCD digits, C-string
// trimming.
#include "OS/types.h"

#include <cstring>

// Whether length bytes, a multiple of eight, are all zero; read eight at a time.
inline bool words_are_zero(const void* p, u32 length)
{
    const u8* b = static_cast<const u8*>(p);
    u64 any = 0;
    for (u32 i = 0; i < length; i += 8) {
        u64 word;
        std::memcpy(&word, b + i, sizeof word);
        any |= word;
    }
    return any == 0;
}

inline u16 get_le16(const void* p)
{
    const u8* b = static_cast<const u8*>(p);
    return u16(b[0] | (b[1] << 8));
}
inline u32 get_le32(const void* p)
{
    const u8* b = static_cast<const u8*>(p);
    return u32(b[0]) | (u32(b[1]) << 8) | (u32(b[2]) << 16) | (u32(b[3]) << 24);
}
inline u16 get_be16(const void* p)
{
    const u8* b = static_cast<const u8*>(p);
    return u16((b[0] << 8) | b[1]);
}
inline u32 get_be32(const void* p)
{
    const u8* b = static_cast<const u8*>(p);
    return (u32(b[0]) << 24) | (u32(b[1]) << 16) | (u32(b[2]) << 8) | u32(b[3]);
}
inline void put_le16(void* p, u16 v)
{
    u8* b = static_cast<u8*>(p);
    b[0] = u8(v);
    b[1] = u8(v >> 8);
}
inline void put_le32(void* p, u32 v)
{
    u8* b = static_cast<u8*>(p);
    b[0] = u8(v);
    b[1] = u8(v >> 8);
    b[2] = u8(v >> 16);
    b[3] = u8(v >> 24);
}
inline void put_be16(void* p, u16 v)
{
    u8* b = static_cast<u8*>(p);
    b[0] = u8(v >> 8);
    b[1] = u8(v);
}
inline void put_be32(void* p, u32 v)
{
    u8* b = static_cast<u8*>(p);
    b[0] = u8(v >> 24);
    b[1] = u8(v >> 16);
    b[2] = u8(v >> 8);
    b[3] = u8(v);
}

// '0'-'9', 'A'-'F' and 'a'-'f'; anything else gives 0.
u8 hex_to_nibble_any(char c);
// '0'-'9' and 'A'-'F' only; anything else gives 0.
u8 hex_to_nibble(char c);

void str_replace_char(char* s, char from, char to);
// 0 when s ends with suffix; -1 otherwise, and when either is null or empty.
int str_ends_with(const char* s, const char* suffix);
// Only ' ' counts as a blank. rtrim returns a pointer to the last remaining character
// (s itself when nothing remains).
char* rtrim(char* s);
char* ltrim(char* s);
char* trim(char* s);
char* rtrim_safe(char* s);
char* ltrim_safe(char* s);
char* trim_safe(char* s);

u8 bin_to_bcd(u8 v);
u8 bcd_to_bin(u8 b);
