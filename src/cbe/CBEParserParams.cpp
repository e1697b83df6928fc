// Parameters that follow DEL, SDEL, TIM and TONE.
#include "cbe/CBEParser.h"

using namespace cbe;

namespace {
constexpr u32 kMaxDelaySeconds = 600;
constexpr u32 kMinutesPerDay = 1440;
// Characters of "mm.ss" or "hh.mm".
constexpr u32 kTimeLength = 5;

bool is_leap(u32 year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}
} // namespace

// ---------------------------------------------------------------------------------------------
// DEL and SDEL: delay mm.ss, then an optional duration mm.ss

bool CBEParser::read_delay(bool* present)
{
    const u32 start = m_pos;
    if (!two_digits_at(0)) {
        *present = false;
        return true;
    }
    *present = true;
    if (peek(2) != '.')
        return fail(CBE_ERR_DEL_NO_DOT, m_pos + 2);
    if (!two_digits_at(3))
        return fail(CBE_ERR_DEL_MISSING, m_pos + 3);
    const u32 minutes = two_digit_value(0);
    const u32 seconds = two_digit_value(3);
    if (minutes * 60 + seconds > kMaxDelaySeconds || seconds > 59)
        return fail(CBE_ERR_DEL_TOO_BIG, start);
    emit_pair(minutes);
    emit_pair(seconds);
    m_pos += kTimeLength;
    m_consumed += kTimeLength;
    return true;
}

bool CBEParser::delay_parameters()
{
    skip_blanks();
    bool present = false;
    if (!read_delay(&present))
        return false;
    if (!present)
        return fail(CBE_ERR_DEL_MISSING, m_pos);
    if (at_end())
        return fail(CBE_ERR_INCOMPLETE, m_pos);
    skip_blanks();
    if (at_end())
        return fail(CBE_ERR_INCOMPLETE, m_pos);
    if (!read_delay(&present))
        return false;
    if (!present) {
        for (u32 i = 0; i < 4; ++i)
            emit(kNoneNibble);
    }
    return true;
}

// ---------------------------------------------------------------------------------------------
// TIM: a day part (weekdays, nothing, or a date), then an optional time slice

bool CBEParser::tim_parameters()
{
    skip_blanks();
    if (!tim_day_part())
        return false;
    if (at_end())
        return fail(CBE_ERR_TIM_INCOMPLETE, m_pos);
    skip_blanks();
    if (peek() == ')') {
        for (u32 i = 0; i < 8; ++i)
            emit(kNoneNibble);
        m_next = T_CLOSE | T_END;
        return true;
    }
    if (!read_time(CBE_ERR_TIM_HOURS, CBE_ERR_TIM_START))
        return false;
    if (at_end())
        return fail(CBE_ERR_INCOMPLETE, m_pos);
    skip_blanks();
    if (at_end())
        return fail(CBE_ERR_INCOMPLETE, m_pos);
    if (!read_time(CBE_ERR_TIM_NO_STOP, CBE_ERR_TIM_STOP))
        return false;
    m_next = T_CLOSE;
    return true;
}

bool CBEParser::tim_day_part()
{
    u32 mask = 0;
    bool any = false;
    for (;;) {
        const WeekdayName* found = nullptr;
        for (const WeekdayName& day : kWeekdays) {
            if (peek(0) == day.text[0] && peek(1) == day.text[1]) {
                found = &day;
                break;
            }
        }
        if (!found)
            break;
        any = true;
        mask |= found->bit;
        m_pos += 2;
        m_consumed += 2;
        skip_blanks();
        if (at_end())
            return fail(CBE_ERR_INCOMPLETE, m_pos);
    }
    if (any) {
        emit(OP_WEEKDAYS);
        emit(u8(mask >> 4));
        emit(u8(mask));
        return true;
    }
    if (peek(2) == '.') {
        emit(OP_WEEKDAYS);
        emit(0);
        emit(0);
        return true;
    }
    return tim_date();
}

// One date field at the position: "-" (open), two digits, or for the year also a blank
// (consumed) or ")" (left in place), both open.
bool CBEParser::read_date_field(bool isYear, u32* value, u32* fieldPos)
{
    if (!isYear)
        skip_blanks();
    *fieldPos = m_pos;
    const char c = peek();
    if (c == '-' || (isYear && c == ' ')) {
        *value = kOpenPair;
        ++m_pos;
        ++m_consumed;
        return true;
    }
    if (isYear && c == ')') {
        *value = kOpenPair;
        return true;
    }
    if (!two_digits_at(0))
        return fail(CBE_ERR_BALANCE, m_pos);
    *value = two_digit_value(0);
    m_pos += 2;
    m_consumed += 2;
    // Only a given month or day has a separator after it; an open field is its own.
    if (!isYear && !at_end()) {
        ++m_pos;
        ++m_consumed;
    }
    return true;
}

bool CBEParser::tim_date()
{
    u32 month = 0;
    u32 day = 0;
    u32 year = 0;
    u32 monthPos = 0;
    u32 dayPos = 0;
    u32 yearPos = 0;
    if (!read_date_field(false, &month, &monthPos) || !read_date_field(false, &day, &dayPos)
        || !read_date_field(true, &year, &yearPos))
        return false;
    const bool leap = year != kOpenPair && is_leap(year);
    if (month == kOpenPair) {
        if (day != kOpenPair && (day < 1 || day > (leap ? 29u : 28u)))
            return fail(CBE_ERR_TIM_DAY, dayPos);
    } else {
        static constexpr u8 kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        if (month < 1 || month > 12)
            return fail(CBE_ERR_TIM_MONTH, monthPos);
        if (day != kOpenPair) {
            const u32 last = month == 2 && leap ? 29u : kDays[month - 1];
            if (day < 1 || day > last)
                return fail(CBE_ERR_TIM_DAY, dayPos);
        }
    }
    emit(OP_DATE);
    emit_pair(month);
    emit_pair(day);
    emit_pair(year);
    return true;
}

bool CBEParser::read_time(u8 missingHours, u8 badValue)
{
    const u32 start = m_pos;
    if (!two_digits_at(0))
        return fail(missingHours, m_pos);
    if (peek(2) != '.' || !two_digits_at(3))
        return fail(CBE_ERR_TIM_NO_MINUTES, m_pos + 2);
    const u32 hours = two_digit_value(0);
    const u32 minutes = two_digit_value(3);
    if (hours * 60 + minutes > kMinutesPerDay || minutes > 59)
        return fail(badValue, start);
    emit_pair(hours);
    emit_pair(minutes);
    m_pos += kTimeLength;
    m_consumed += kTimeLength;
    return true;
}

// ---------------------------------------------------------------------------------------------
// TONE: tone, volume, first and last zone "Zn:Zm"

bool CBEParser::read_tone_zone(u32* zone)
{
    if (peek() != 'Z')
        return fail(CBE_ERR_TONE_ZONES, m_pos);
    ++m_pos;
    ++m_consumed;
    const u32 digits = m_pos;
    if (!read_number(4, zone) || *zone < 1 || *zone > m_zoneCount)
        return fail(CBE_ERR_ZONE, digits);
    return true;
}

bool CBEParser::tone_parameters()
{
    skip_blanks();
    u32 digits = m_pos;
    u32 tone = 0;
    if (!read_number(2, &tone) || tone < 1 || tone > m_toneLimit + 1)
        return fail(CBE_ERR_TONE, digits);
    skip_blanks();
    digits = m_pos;
    u32 volume = 0;
    if (!read_number(1, &volume) || volume < 1 || volume > m_volumeLimit + 1)
        return fail(CBE_ERR_VOLUME, digits);
    if (at_end())
        return fail(CBE_ERR_TONE_ZONES, m_pos);
    skip_blanks();
    if (at_end())
        return fail(CBE_ERR_TONE_ZONES, m_pos);
    u32 first = 0;
    u32 last = 0;
    if (!read_tone_zone(&first))
        return false;
    if (peek() != ':')
        return fail(CBE_ERR_TONE_ZONES, m_pos);
    ++m_pos;
    ++m_consumed;
    if (!read_tone_zone(&last))
        return false;
    emit_pair(tone);
    emit(u8(volume));
    emit_12(first);
    emit_12(last);
    return true;
}
