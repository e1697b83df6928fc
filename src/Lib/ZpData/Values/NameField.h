#pragma once
// Fixed 32-character name fields of the panel blocks: NUL-padded when shorter, with no
// terminator when full, so every copy handed out goes through a 33-byte buffer.
#include "DataBlock/bytes.h"
#include "OS/types.h"

#include <cstring>
#include <memory>

namespace ZpData {

constexpr u32 kNameLength = 32;
constexpr u32 kNameBufferSize = kNameLength + 1;

// dst (kNameBufferSize bytes) gets the field's 32 characters and a terminator.
inline void name_read(const u8* field, char* dst)
{
    memcpy(dst, field, kNameLength);
    dst[kNameLength] = '\0';
}

// A new terminated copy of the field; an empty text when field is null.
inline std::unique_ptr<char[]> name_new_array(const u8* field)
{
    std::unique_ptr<char[]> copy(new char[kNameBufferSize]());
    if (field)
        name_read(field, copy.get());
    return copy;
}

// Compares at most 32 characters; a null name is the empty text.
inline bool name_equals(const u8* field, const char* name)
{
    return strncmp(reinterpret_cast<const char*>(field), name ? name : "", kNameLength) == 0;
}

// Stores at most 32 characters of name and pads the rest of the field with NULs.
inline void name_write(u8* field, const char* name)
{
    const size_t n = name ? strnlen(name, kNameLength) : 0;
    if (n)
        memcpy(field, name, n);
    memset(field + n, 0, kNameLength - n);
}

// Eight bytes at a time: the status rebuild checks every free slot's name.
inline bool name_is_clear(const u8* field)
{
    static_assert(kNameLength % 8 == 0, "whole words");
    return words_are_zero(field, kNameLength);
}

} // namespace ZpData
