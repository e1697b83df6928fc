#include "DataBlock/bytes.h"

#include <cstring>

u8 hex_to_nibble_any(char c)
{
    if (c >= '0' && c <= '9')
        return u8(c - '0');
    if (c >= 'A' && c <= 'F')
        return u8(c - 'A' + 10);
    if (c >= 'a' && c <= 'f')
        return u8(c - 'a' + 10);
    return 0;
}

u8 hex_to_nibble(char c)
{
    if (c >= '0' && c <= '9')
        return u8(c - '0');
    if (c >= 'A' && c <= 'F')
        return u8(c - 'A' + 10);
    return 0;
}

void str_replace_char(char* s, char from, char to)
{
    for (; *s; ++s)
        if (*s == from)
            *s = to;
}

int str_ends_with(const char* s, const char* suffix)
{
    if (!s || !suffix || !*s || !*suffix)
        return -1;
    const size_t n = strlen(s);
    const size_t m = strlen(suffix);
    if (m > n)
        return -1;
    return memcmp(s + n - m, suffix, m) == 0 ? 0 : -1;
}

char* rtrim(char* s)
{
    size_t n = strlen(s);
    while (n > 0 && s[n - 1] == ' ')
        s[--n] = '\0';
    return n > 0 ? s + n - 1 : s;
}

char* ltrim(char* s)
{
    size_t skip = 0;
    while (s[skip] == ' ')
        ++skip;
    if (skip)
        memmove(s, s + skip, strlen(s + skip) + 1);
    return s;
}

char* trim(char* s)
{
    rtrim(s);
    return ltrim(s);
}

char* rtrim_safe(char* s)
{
    return s ? rtrim(s) : s;
}

char* ltrim_safe(char* s)
{
    return s ? ltrim(s) : s;
}

char* trim_safe(char* s)
{
    return s ? trim(s) : s;
}

u8 bin_to_bcd(u8 v)
{
    return u8(((v / 10) << 4) | (v % 10));
}

u8 bcd_to_bin(u8 b)
{
    return u8((b >> 4) * 10 + (b & 0x0F));
}
