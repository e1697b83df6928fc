#include "DataBlock/crc.h"

#include <array>

namespace {

// One 256-entry table per polynomial, built at compile time from the reflected form.
template <typename T, T poly>
constexpr std::array<T, 256> make_reflected_table()
{
    std::array<T, 256> table{};
    for (u32 i = 0; i < 256; ++i) {
        T reg = T(i);
        for (int bit = 0; bit < 8; ++bit)
            reg = (reg & 1) ? T((reg >> 1) ^ poly) : T(reg >> 1);
        table[i] = reg;
    }
    return table;
}

constexpr auto crc16_table = make_reflected_table<u16, 0xA001>();
constexpr auto crc32_table = make_reflected_table<u32, 0xEDB88320u>();

} // namespace

u16 crc16_from(const void* data, u32 length, u16 start)
{
    const u8* p = static_cast<const u8*>(data);
    u16 reg = start;
    for (u32 i = 0; i < length; ++i)
        reg = u16((reg >> 8) ^ crc16_table[(reg ^ p[i]) & 0xFF]);
    return reg;
}

u16 crc16(const void* data, u32 length)
{
    return crc16_from(data, length, 0xFFFF);
}

u32 crc32_update(const void* data, u32 length, u32 reg)
{
    const u8* p = static_cast<const u8*>(data);
    for (u32 i = 0; i < length; ++i)
        reg = (reg >> 8) ^ crc32_table[(reg ^ p[i]) & 0xFF];
    return ~reg;
}

u32 crc32(const void* data, u32 length)
{
    return crc32_update(data, length, 0xFFFFFFFFu);
}

u32 crc32_fill(u8 value, u32 count, u32 reg)
{
    for (u32 i = 0; i < count; ++i)
        reg = (reg >> 8) ^ crc32_table[(reg ^ value) & 0xFF];
    return ~reg;
}
