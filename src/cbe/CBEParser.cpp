#include "cbe/CBEParser.h"

#include "DataBlock/bytes.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/DeviceRec.h"
#include "ZpData/Values/PanelModel.h"

#include <algorithm>
#include <cstring>

using namespace cbe;

namespace {

// Searched in this order; the first entry whose whole text stands at the position wins.
struct KeywordText {
    const char* text;
    u32 token;
};

} // namespace

CBEParser::CBEParser(ZpConf& conf, CBECompileRequest& request)
    : m_conf(conf)
    , m_request(request)
    , m_text(request.text)
    , m_list(request.listMode != 0)
{
    m_length = u32(std::strlen(m_text));
    BlockLock<ZpData::IF_ZpxProg> general(conf, 0, 2, 2);
    if (general.layout()) {
        m_directCount = general->get_direct_groups_count();
        // The plant holds as many groups and areas as the panel model has, and no program names
        // another; a configuration without a model keeps the code's range.
        if (general->get_cpu_model() != CpuModel::UNKNOWN) {
            m_groupCount = std::min<u32>(m_groupCount, general->get_group_limit());
            m_zoneCount = std::min<u32>(m_zoneCount, general->get_last_zone());
        }
        const CBEToneLimits tone = cbeToneLimits(general->get_sensor_brand());
        m_toneLimit = tone.tone;
        m_volumeLimit = tone.volume;
    }
}

// ---------------------------------------------------------------------------------------------
// Input and output

char CBEParser::peek(u32 offset) const
{
    return m_pos + offset < m_length ? m_text[m_pos + offset] : '\0';
}

bool CBEParser::is_digit_at(u32 offset) const
{
    const char c = peek(offset);
    return c >= '0' && c <= '9';
}

void CBEParser::skip_blanks()
{
    while (!at_end() && m_text[m_pos] == ' ') {
        ++m_pos;
        ++m_consumed;
    }
}

bool CBEParser::read_number(u32 maxDigits, u32* value)
{
    u32 v = 0;
    u32 digits = 0;
    while (digits < maxDigits && is_digit_at(0)) {
        v = v * 10 + u32(m_text[m_pos] - '0');
        ++m_pos;
        ++m_consumed;
        ++digits;
    }
    *value = v;
    return digits > 0;
}

bool CBEParser::fail(u8 code, u32 pos)
{
    m_request.errorCode = code;
    m_request.errorPos = u8(pos > 255 ? 255 : pos);
    return false;
}

void CBEParser::emit(u8 nibble)
{
    // The nibble-count checks end the compilation long before the scratch is full; the guard
    // only keeps a miscount from writing past it.
    if (m_count < kScratchNibbles)
        m_nibbles[m_count] = u8(nibble & 0x0F);
    ++m_count;
}

void CBEParser::emit_pair(u32 value)
{
    if (value == kOpenPair) {
        emit(kNoneNibble);
        emit(kNoneNibble);
        return;
    }
    emit(u8(value / 10 % 10));
    emit(u8(value % 10));
}

void CBEParser::emit_12(u32 value)
{
    for (u32 i = 0; i < 3; ++i)
        emit(u8(value >> (4 * i)));
}

void CBEParser::emit_24(u32 value)
{
    for (u32 i = 0; i < 6; ++i)
        emit(u8(value >> (4 * i)));
}

// ---------------------------------------------------------------------------------------------
// Main loop

int CBEParser::run()
{
    m_kinds = 0;
    m_next = m_list ? T_OPEN : ((T_KEYWORDS & ~T_CLOSE) | T_END);
    for (;;) {
        skip_blanks();
        if (at_end())
            break;
        if (m_count > kMaxProgramNibbles - 1)
            return fail(CBE_ERR_TOO_BIG, m_pos), -1;
        if (!next_token())
            return -1;
    }
    if (m_depth != 0)
        return fail(CBE_ERR_BALANCE, m_pos), -1;
    if (m_next & T_END) {
        emit(OP_END);
        if (m_count >= kMaxProgramNibbles)
            return fail(CBE_ERR_TOO_BIG, m_pos), -1;
        if (m_count % 2)
            emit(0);
    } else if (m_count > 0) {
        return fail(CBE_ERR_NOT_ENDED, m_pos), -1;
    } else {
        emit(OP_END);
        emit(0);
    }
    u8* out = reinterpret_cast<u8*>(m_request.text);
    std::memset(out, 0, kMaxProgramBytes);
    for (u32 i = 0; i + 1 < m_count; i += 2)
        out[i / 2] = u8((m_nibbles[i] << 4) | m_nibbles[i + 1]);
    return int(m_count / 2);
}

bool CBEParser::next_token()
{
    static constexpr KeywordText kKeywords[] = {
        {"(", T_OPEN},      {")", T_CLOSE},     {"NOT(", T_NOT},  {"NOT (", T_NOT}, {"AND(", T_AND},
        {"AND (", T_AND},   {"OR(", T_OR},      {"OR (", T_OR},   {"DEL(", T_DEL},  {"DEL (", T_DEL},
        {"SDEL(", T_SDEL},  {"SDEL (", T_SDEL}, {"TIM(", T_TIM},  {"TIM (", T_TIM}, {"XGRP(", T_XGRP},
        {"XGRP (", T_XGRP}, {"PRE(", T_PRE},    {"PRE (", T_PRE}, {"FLT(", T_FLT},  {"FLT (", T_FLT},
        {"DIS(", T_DIS},    {"DIS (", T_DIS},   {"TAC(", T_TAC},  {"TAC (", T_TAC}, {"TONE(", T_TONE},
        {"TONE (", T_TONE},
    };
    const u32 start = m_pos;
    for (const KeywordText& k : kKeywords) {
        const u32 length = u32(std::strlen(k.text));
        if (m_length - m_pos < length || std::memcmp(m_text + m_pos, k.text, length) != 0)
            continue;
        if (!(m_next & k.token))
            return fail(CBE_ERR_NOT_ALLOWED, start);
        m_tokenConsumed = m_consumed;
        m_pos += length;
        ++m_consumed;
        return keyword(k.token, start);
    }
    return operand(start);
}

// Every operator opens a level; the per-depth tables hold levels 0 to kMaxDepth.
bool CBEParser::deepen(u32 tokenPos)
{
    if (m_depth + 1 > kMaxDepth)
        return fail(CBE_ERR_BALANCE, tokenPos);
    ++m_depth;
    m_items[m_depth] = 0;
    m_single[m_depth] = false;
    return true;
}

bool CBEParser::keyword(u32 token, u32 tokenPos)
{
    const u32 defaultKinds = m_list ? K_LIST_DEFAULT : K_NORMAL_DEFAULT;
    switch (token) {
    case T_OPEN:
        if (!deepen(tokenPos))
            return false;
        emit(OP_KEYWORD);
        emit(KW_OPEN);
        m_kinds = defaultKinds;
        m_next = m_list ? (T_OPERAND | T_DIS) : ((T_KEYWORDS & ~(T_OPEN | T_CLOSE)) | T_OPERAND | T_END);
        return true;
    case T_CLOSE: return close(tokenPos);
    case T_NOT:
    case T_AND:
    case T_OR: {
        const u32 outer = m_depth;
        if (!deepen(tokenPos))
            return false;
        if (token == T_NOT) {
            m_single[outer] = true;
            ++m_items[outer];
        }
        emit(OP_KEYWORD);
        emit(token == T_NOT ? KW_NOT : token == T_AND ? KW_AND : KW_OR);
        m_kinds = defaultKinds;
        m_directOnly = false;
        m_next = T_AFTER_NOT;
        return true;
    }
    case T_XGRP:
    case T_PRE:
    case T_FLT:
    case T_TAC:
    case T_DIS: {
        if (token == T_DIS && m_list && !m_listDisSeen && m_tokenConsumed >= 3)
            return fail(CBE_ERR_DIS_NOT_ALONE, tokenPos);
        const u32 outer = m_depth;
        if (!deepen(tokenPos))
            return false;
        m_single[outer] = true;
        if (token != T_XGRP && !(token == T_DIS && m_list))
            ++m_items[outer];
        emit(OP_KEYWORD);
        m_next = T_OPERAND;
        m_directOnly = token != T_TAC;
        switch (token) {
        case T_XGRP:
            emit(KW_XGRP);
            m_kinds = K_G;
            break;
        case T_PRE:
            emit(KW_PRE);
            m_kinds = K_SINGLE;
            break;
        case T_FLT:
            emit(KW_FLT);
            m_kinds = K_SINGLE;
            m_flt = true;
            break;
        case T_TAC:
            emit(KW_TAC);
            m_kinds = K_SYS;
            break;
        default:
            emit(KW_DIS);
            m_kinds = m_list ? (K_C | K_Z) : K_SINGLE;
            m_dis = true;
            if (m_list)
                m_listDisSeen = true;
            break;
        }
        return true;
    }
    case T_DEL:
    case T_SDEL:
    case T_TONE:
        // The repetition is tested first: a second one always follows consumed text, so the
        // other test would hide it.
        if (m_timedSeen)
            return fail(CBE_ERR_REPEATED_TIMED, tokenPos);
        if (m_tokenConsumed != 0)
            return fail(token == T_DEL        ? CBE_ERR_DEL_NOT_ALONE
                            : token == T_SDEL ? CBE_ERR_SDEL_NOT_ALONE
                                              : CBE_ERR_TONE_NOT_ALONE,
                        tokenPos);
        if (!deepen(tokenPos))
            return false;
        emit(OP_KEYWORD);
        emit(token == T_DEL ? KW_DEL : token == T_SDEL ? KW_SDEL : KW_TONE);
        if (!(token == T_TONE ? tone_parameters() : delay_parameters()))
            return false;
        m_timedSeen = true;
        m_next = T_OPEN;
        return true;
    case T_TIM:
        if (m_tokenConsumed != 0)
            return fail(CBE_ERR_TIM_NOT_ALONE, tokenPos);
        if (!deepen(tokenPos))
            return false;
        emit(OP_KEYWORD);
        emit(KW_TIM);
        return tim_parameters();
    default: return fail(CBE_ERR_NOT_ALLOWED, tokenPos);
    }
}

bool CBEParser::close(u32 tokenPos)
{
    if (m_depth == 0)
        return fail(CBE_ERR_NO_OPEN, tokenPos);
    emit(OP_KEYWORD);
    emit(KW_CLOSE);
    const u32 closed = m_depth;
    --m_depth;
    if (m_single[m_depth] && m_items[closed] != 1)
        return fail(CBE_ERR_SINGLE_OPERAND, tokenPos);
    m_single[m_depth] = false;
    m_flt = false;
    m_dis = false;
    m_directOnly = false;
    if (!m_list)
        m_kinds = K_NORMAL_DEFAULT;
    else if (!m_listDisSeen)
        m_kinds = K_LIST_DEFAULT;
    if (m_depth == 0)
        m_next = T_END;
    else if (!m_list)
        m_next = T_AFTER_OPERAND;
    else
        m_next = m_listDisSeen ? (T_CLOSE | T_DIS) : T_LIST_AFTER_OPERAND;
    return true;
}
