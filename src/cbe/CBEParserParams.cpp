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

bool is_digit(char c)
{
    return c >= '0' && c <= '9';
}

// One field of a date at text[*pos]: "-" (open), two digits, or for the year also a blank
// (read) or ")" (left in place), both open.
bool read_date_field(const char* text, u32 size, bool isYear, u32* pos, u32* value, u32* fieldPos, CBETimDate* date)
{
    const auto at = [&](u32 i) { return *pos + i < size ? text[*pos + i] : '\0'; };
    if (!isYear) {
        while (at(0) == ' ')
            ++*pos;
    }
    *fieldPos = *pos;
    const char c = at(0);
    if (c == '-' || (isYear && c == ' ')) {
        *value = kOpenPair;
        ++*pos;
        return true;
    }
    if (isYear && c == ')') {
        *value = kOpenPair;
        return true;
    }
    if (!is_digit(c) || !is_digit(at(1))) {
        date->error = CBE_ERR_BALANCE;
        date->errorPos = *pos;
        return false;
    }
    *value = u32(c - '0') * 10 + u32(at(1) - '0');
    *pos += 2;
    // Only a given month or day has a separator after it; an open field is its own. A digit
    // there would run the fields together.
    if (!isYear && *pos < size) {
        if (is_digit(at(0))) {
            date->error = CBE_ERR_TIM_DATE_SEP;
            date->errorPos = *pos;
            return false;
        }
        ++*pos;
    }
    return true;
}

u8 date_error(u32 month, u32 day, u32 year)
{
    static constexpr u8 kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = year != kOpenPair && is_leap(year);
    if (month != kOpenPair && (month < 1 || month > 12))
        return CBE_ERR_TIM_MONTH;
    if (day == kOpenPair)
        return 0;
    const u32 last = month == kOpenPair || month == 2 ? (leap ? 29u : 28u) : kDays[month - 1];
    return day < 1 || day > last ? u8(CBE_ERR_TIM_DAY) : u8(0);
}
} // namespace

bool cbeTimeFits(u32 first, u32 second, u32 limit)
{
    return first * 60 + second <= limit && second <= 59;
}

bool cbeReadTimDate(const char* text, u32 size, CBETimDate* date)
{
    *date = CBETimDate();
    u32 pos = 0;
    u32 monthPos = 0;
    u32 dayPos = 0;
    u32 yearPos = 0;
    if (!read_date_field(text, size, false, &pos, &date->month, &monthPos, date)
        || !read_date_field(text, size, false, &pos, &date->day, &dayPos, date)
        || !read_date_field(text, size, true, &pos, &date->year, &yearPos, date))
        return false;
    date->length = pos;
    date->error = date_error(date->month, date->day, date->year);
    date->errorPos = date->error == CBE_ERR_TIM_MONTH ? monthPos : dayPos;
    return date->error == 0;
}

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
    if (!cbeTimeFits(minutes, seconds, kMaxDelaySeconds))
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

bool CBEParser::tim_date()
{
    CBETimDate date;
    if (!cbeReadTimDate(m_text + m_pos, m_length - m_pos, &date))
        return fail(date.error, m_pos + date.errorPos);
    m_pos += date.length;
    m_consumed += date.length;
    emit(OP_DATE);
    emit_pair(date.month);
    emit_pair(date.day);
    emit_pair(date.year);
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
    if (!cbeTimeFits(hours, minutes, kMinutesPerDay))
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
    if (!read_number(2, &tone) || tone < 1 || tone > m_toneLimit)
        return fail(CBE_ERR_TONE, digits);
    skip_blanks();
    digits = m_pos;
    u32 volume = 0;
    if (!read_number(1, &volume) || volume < 1 || volume > m_volumeLimit)
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
