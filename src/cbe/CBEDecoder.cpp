#include "cbe/CBEDecoder.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/DeviceRec.h"
#include "cbe/CBEByteCode.h"

#include <cstring>

namespace {

using namespace cbe;

const char kHexDigits[] = "0123456789ABCDEF";

// Keyword texts by the nibble after OP_KEYWORD; null where no keyword is defined.
const char* const kKeywordTexts[16] = {
    "(",     nullptr, "OR(",  "AND(", "NOT(", "XGRP(", "DEL(",  "TIM(",
    "SDEL(", "PRE(",  "FLT(", "DIS(", "TAC(", nullptr, "TONE(", nullptr,
};

const char kDateSeparators[3] = {'-', '-', ' '};

// The working state of one call. Every read is bounded by the 64 nibbles of the program copy,
// every write by the caller's buffer size, so no input can move either past its end.
class Decoder {
public:
    explicit Decoder(char* buffer)
        : m_out(buffer)
        , m_subTyped(cbeOutputSubAddressTyped())
    {
        for (u32 i = 0; i < kMaxProgramBytes; ++i) {
            const u8 byte = u8(buffer[i]);
            m_nibbles[2 * i] = u8(byte >> 4);
            m_nibbles[2 * i + 1] = u8(byte & 0x0F);
        }
    }

    int run()
    {
        for (;;) {
            u8 op;
            if (!next(op))
                return fail();
            switch (op) {
            case OP_KEYWORD:
                if (!keyword())
                    return fail();
                break;
            case OP_GROUP: {
                u32 value;
                if (!value_of(3, value) || !put('G') || !put_decimal(value) || !put(' '))
                    return fail();
                break;
            }
            case OP_ZONE: {
                u32 value;
                if (!value_of(3, value) || !put_zone(value, ' '))
                    return fail();
                break;
            }
            case OP_SENSOR:
            case OP_MODULE:
                if (!point(op == OP_MODULE))
                    return fail();
                break;
            case OP_END: m_out[m_length] = '\0'; return 0;
            default: return fail();
            }
        }
    }

    u8 nibble_pos() const { return u8(m_pos); }
    u8 text_length() const { return u8(m_counted > 255 ? 255 : m_counted); }

private:
    // The text written so far stays readable: the program bytes it overwrote no longer
    // terminate it, so the terminator is written here too.
    int fail()
    {
        m_out[m_length] = '\0';
        return -1;
    }

    bool next(u8& nibble)
    {
        if (m_pos >= kMaxProgramNibbles)
            return false;
        nibble = m_nibbles[m_pos++];
        return true;
    }

    // A number of `count` nibbles, lowest first.
    bool value_of(u32 count, u32& value)
    {
        value = 0;
        for (u32 i = 0; i < count; ++i) {
            u8 n;
            if (!next(n))
                return false;
            value |= u32(n) << (4 * i);
        }
        return true;
    }

    // One character of text; the last byte of the buffer is kept for the terminator.
    bool put_raw(char c)
    {
        if (m_length + 1 >= kCBEDecodeBufferSize)
            return false;
        m_out[m_length++] = c;
        return true;
    }

    bool put(char c)
    {
        if (!put_raw(c))
            return false;
        ++m_counted;
        return true;
    }

    bool put_decimal(u32 value)
    {
        char digits[10];
        u32 count = 0;
        do {
            digits[count++] = char('0' + value % 10);
            value /= 10;
        } while (value != 0);
        while (count > 0)
            if (!put(digits[--count]))
                return false;
        return true;
    }

    bool put_text(const char* text)
    {
        for (; *text; ++text)
            if (!put(*text))
                return false;
        return true;
    }

    bool put_zone(u32 zone, char after)
    {
        bool ok;
        if (zone < kZoneSys)
            ok = put('Z') && put_decimal(zone);
        else if (zone == kZoneSys)
            ok = put_text("SYS");
        else
            ok = put_text("EVAC");
        return ok && put(after);
    }

    bool keyword()
    {
        u8 kw;
        if (!next(kw))
            return false;
        if (kw == KW_CLOSE)
            return close();
        const char* text = kKeywordTexts[kw];
        if (!text)
            return false;
        for (; *text; ++text)
            if (!put_raw(*text))
                return false;
        switch (kw) {
        case KW_DEL:
        case KW_SDEL: return times();
        case KW_TIM: return day_part() && times();
        case KW_TONE: return tone();
        default: return true;
        }
    }

    // The blank that ends the last item goes, except after an open date field: there it is the
    // open year, and dropping it would leave the date unfinished.
    bool close()
    {
        if (m_length > 0 && m_out[m_length - 1] == ' ' && !(m_length > 1 && m_out[m_length - 2] == '-'))
            --m_length;
        return put(')');
    }

    bool point(bool module)
    {
        u32 value;
        if (!value_of(6, value))
            return false;
        const PackedAddress a = value_to_packed(value);
        if (!put('C') || !put_decimal(a.get_cpu() + 1) || !put('L') || !put_decimal(a.get_line() + 1))
            return false;
        if (!module)
            return put('S') && put_decimal(a.get_address() + 1) && put(' ');
        if (!put('M'))
            return false;
        // A module with a code class is written the way the compiler looks it up without a
        // sub-address: by the address its record answers to.
        u8 rec[DeviceRec::kSize];
        std::memset(rec, 0, sizeof rec);
        const u32 sub = a.is_module() ? a.get_sub() : DeviceRec::kAnySub;
        const bool found = g_zpConf->get_device(rec, a.get_cpu(), a.get_line(), a.is_module(), a.get_address(), sub)
            == ZP_OK;
        if (found && DeviceRec::get_class(rec) != 0) {
            const int address = DeviceRec::get_address(rec);
            if (address >= 0)
                return put_decimal(u32(address) + 1) && put(' ');
        }
        // Where the keypad takes no sub-address, a module without channels that the compiler
        // finds without one is written without one: the text then opens on the keypad whole. A
        // channel keeps its sub-address, or the text would name the whole module.
        if (!m_subTyped && !(found && DeviceRec::is_channel(rec))
            && g_zpConf->get_packed_address(a.get_cpu(), a.get_line(), true, a.get_address(), DeviceRec::kAnySub) == a)
            return put_decimal(a.get_address() + 1) && put(' ');
        return put_decimal(a.get_address() + 1) && put('.') && put_decimal(a.get_sub() + 1) && put(' ');
    }

    // Delay and duration, or the start and stop of a time slice: mm.ss mm.ss or hh.mm hh.mm;
    // F nibbles write nothing, so FFFF leaves out a whole half.
    bool times()
    {
        for (u32 i = 0; i < 8; ++i) {
            u8 n;
            if (!next(n))
                return false;
            if (n == kNoneNibble)
                continue;
            if (!put(kHexDigits[n]))
                return false;
            if ((i == 1 || i == 5) && !put('.'))
                return false;
            if ((i == 3 || i == 7) && !put(' '))
                return false;
        }
        return true;
    }

    bool day_part()
    {
        u8 kind;
        if (!next(kind))
            return false;
        if (kind == OP_WEEKDAYS) {
            u8 high, low;
            if (!next(high) || !next(low))
                return false;
            const u8 mask = u8((high << 4) | low);
            for (const WeekdayName& day : kWeekdays)
                if ((mask & day.bit) && !(put_text(day.text) && put(' ')))
                    return false;
            return true;
        }
        if (kind != OP_DATE)
            return false;
        // Month, day, year; an open field writes only its separator.
        for (char separator : kDateSeparators) {
            for (u32 i = 0; i < 2; ++i) {
                u8 n;
                if (!next(n))
                    return false;
                if (n != kNoneNibble && !put(kHexDigits[n]))
                    return false;
            }
            if (!put(separator))
                return false;
        }
        return true;
    }

    bool tone()
    {
        u8 tens, units, volume;
        if (!next(tens) || !next(units) || !next(volume))
            return false;
        if (!put(kHexDigits[tens]) || !put(kHexDigits[units]) || !put(' ') || !put(kHexDigits[volume]) || !put(' '))
            return false;
        u32 first, last;
        return value_of(3, first) && put_zone(first, ':') && value_of(3, last) && put_zone(last, ' ');
    }

    char* m_out;
    const bool m_subTyped;
    u32 m_length = 0;
    u32 m_counted = 0;
    u32 m_pos = 0;
    u8 m_nibbles[kMaxProgramNibbles];
};

} // namespace

bool cbeOutputSubAddressTyped()
{
    BlockLock<ZpData::IF_ZpxProg> general(*g_zpConf, 0, 2, 2);
    return !general.layout() || general->get_sensor_brand() <= 1;
}

int CBEExpr_ToString(CBEDecodeRequest* request)
{
    Decoder decoder(request->buffer);
    const int result = decoder.run();
    request->nibblePos = decoder.nibble_pos();
    request->textLength = decoder.text_length();
    return result;
}

bool cbeStoredChannel(u32 cpu, u32 loop, u32 address)
{
    u8 rec[DeviceRec::kSize];
    return g_zpConf->get_device(rec, cpu, loop, true, address, DeviceRec::kAnySub) == ZP_OK
        && DeviceRec::get_class(rec) == 0 && DeviceRec::is_channel(rec);
}
