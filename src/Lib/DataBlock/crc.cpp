#include "DataBlock/crc.h"

#include "DataBlock/bytes.h"

#include <array>
#include <cstring>

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

// Slicing by 16: table k gives the register after a byte followed by k zero bytes, so 16 bytes
// take 16 independent look-ups instead of a chain of 16 dependent ones. Export and import run
// the CRC over every block, where a byte at a time would take most of their time.
constexpr int kSlices = 16;

constexpr std::array<std::array<u16, 256>, kSlices> make_crc16_slices()
{
    std::array<std::array<u16, 256>, kSlices> slices{};
    for (u32 i = 0; i < 256; ++i)
        slices[0][i] = crc16_table[i];
    for (int k = 1; k < kSlices; ++k)
        for (u32 i = 0; i < 256; ++i)
            slices[k][i] = u16((slices[k - 1][i] >> 8) ^ crc16_table[slices[k - 1][i] & 0xFF]);
    return slices;
}

constexpr auto crc16_slices = make_crc16_slices();

// Eight bytes as one number, the first byte in the lowest bits.
inline u64 load_le64(const u8* p)
{
    u64 v;
    memcpy(&v, p, sizeof v);
#if __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    v = __builtin_bswap64(v);
#endif
    return v;
}

// One table look-up of byte n of v, for a byte with `after` bytes still to pass.
inline u32 slice(u64 v, int n, int after)
{
    return crc16_slices[after][(v >> (8 * n)) & 0xFF];
}

// Zero bytes leave the register a linear function of itself, so a run of them is two look-ups,
// one per register byte: table 0 for the low byte, table 1 for the high one. Default blocks
// are nearly all zeros, and every one of them is checked when the configuration is built.
using ZeroRun = std::array<std::array<u16, 256>, 2>;

constexpr u32 zeros16(u32 reg)
{
    return crc16_slices[15][reg & 0xFF] ^ crc16_slices[14][reg >> 8];
}

constexpr ZeroRun make_zeros64()
{
    ZeroRun run{};
    for (u32 i = 0; i < 256; ++i) {
        u32 lo = i, hi = i << 8;
        for (int step = 0; step < 4; ++step) {
            lo = zeros16(lo);
            hi = zeros16(hi);
        }
        run[0][i] = u16(lo);
        run[1][i] = u16(hi);
    }
    return run;
}

constexpr ZeroRun zeros64 = make_zeros64();

} // namespace

u16 crc16_from(const void* data, u32 length, u16 start)
{
    const u8* p = static_cast<const u8*>(data);
    u32 reg = start;
    for (; length >= kSlices; length -= kSlices, p += kSlices) {
        // Two loads instead of sixteen. Byte i has 15 - i bytes still to pass; only the first two
        // meet the register, so the other fourteen look-ups need not wait for the step before.
        const u64 lo = load_le64(p);
        const u64 hi = load_le64(p + 8);
        if ((lo | hi) == 0) {
            if (length >= 4 * kSlices && words_are_zero(p + kSlices, 3 * kSlices)) {
                reg = zeros64[0][reg & 0xFF] ^ zeros64[1][reg >> 8];
                length -= 3 * kSlices;
                p += 3 * kSlices;
            } else {
                reg = zeros16(reg);
            }
            continue;
        }
        const u32 b = (slice(lo, 2, 13) ^ slice(lo, 3, 12)) ^ (slice(lo, 4, 11) ^ slice(lo, 5, 10));
        const u32 c = (slice(lo, 6, 9) ^ slice(lo, 7, 8)) ^ (slice(hi, 0, 7) ^ slice(hi, 1, 6));
        const u32 d = (slice(hi, 2, 5) ^ slice(hi, 3, 4)) ^ (slice(hi, 4, 3) ^ slice(hi, 5, 2));
        const u32 e = slice(hi, 6, 1) ^ slice(hi, 7, 0);
        const u32 x = (reg ^ u32(lo)) & 0xFFFF;
        reg = (crc16_slices[15][x & 0xFF] ^ crc16_slices[14][x >> 8]) ^ ((b ^ c) ^ (d ^ e));
    }
    for (u32 i = 0; i < length; ++i)
        reg = (reg >> 8) ^ crc16_table[(reg ^ p[i]) & 0xFF];
    return u16(reg);
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
