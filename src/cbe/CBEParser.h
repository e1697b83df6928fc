#pragma once
// Working state of one compilation. Built fresh by every CBEExpr_Parse call, never shared.
#include "cbe/CBEByteCode.h"
#include "cbe/CBECompiler.h"

class ZpConf;

class CBEParser {
public:
    CBEParser(ZpConf& conf, CBECompileRequest& request);
    CBEParser(const CBEParser&) = delete;
    CBEParser& operator=(const CBEParser&) = delete;

    // The byte count, or -1 with the request's error fields set.
    int run();

private:
    // Allowed next tokens.
    enum : u32 {
        T_OPEN = 1u << 0,
        T_CLOSE = 1u << 1,
        T_NOT = 1u << 2,
        T_AND = 1u << 3,
        T_OR = 1u << 4,
        T_XGRP = 1u << 5,
        T_DEL = 1u << 6,
        T_SDEL = 1u << 7,
        T_TIM = 1u << 8,
        T_PRE = 1u << 9,
        T_FLT = 1u << 10,
        T_DIS = 1u << 11,
        T_TAC = 1u << 12,
        T_TONE = 1u << 13,
        T_OPERAND = 1u << 14,
        T_END = 1u << 15,
        T_KEYWORDS = T_OPEN | T_CLOSE | T_NOT | T_AND | T_OR | T_XGRP | T_DEL | T_SDEL | T_TIM | T_PRE | T_FLT | T_DIS
            | T_TAC | T_TONE,
        T_AFTER_NOT = T_NOT | T_OR | T_AND | T_XGRP | T_OPERAND | T_PRE | T_FLT | T_DIS | T_TAC | T_END,
        T_AFTER_OPERAND = T_AFTER_NOT | T_CLOSE,
        T_LIST_AFTER_OPERAND = T_CLOSE | T_OPERAND | T_DIS,
    };
    // Allowed operand kinds.
    enum : u32 {
        K_G = 1u << 0,
        K_C = 1u << 1,
        K_L = 1u << 2,
        K_M = 1u << 3,
        K_S = 1u << 4,
        K_Z = 1u << 5,
        K_SYS = 1u << 6,
        K_EVAC = 1u << 7,
        K_NORMAL_DEFAULT = K_G | K_C | K_Z | K_SYS | K_EVAC,
        K_LIST_DEFAULT = K_G | K_C,
        K_SINGLE = K_G | K_C | K_Z | K_SYS | K_EVAC,
    };
    // 63 nibbles may stand before a token, and the largest token (TIM with a date and a slice)
    // adds 17.
    static constexpr u32 kScratchNibbles = 128;
    static constexpr u32 kLargestToken = 17;
    static_assert(cbe::kMaxProgramNibbles - 1 + kLargestToken <= kScratchNibbles, "scratch too small");

    // --- input ---
    bool at_end() const { return m_pos >= m_length; }
    // The character at m_pos + offset, or NUL past the end.
    char peek(u32 offset = 0) const;
    bool is_digit_at(u32 offset) const;
    bool two_digits_at(u32 offset) const { return is_digit_at(offset) && is_digit_at(offset + 1); }
    // The number of the two digits at offset; only after two_digits_at said they are there.
    u32 two_digit_value(u32 offset) const { return u32(peek(offset) - '0') * 10 + u32(peek(offset + 1) - '0'); }
    void skip_blanks();
    // Up to maxDigits decimal digits at m_pos; false when there is none.
    bool read_number(u32 maxDigits, u32* value);
    bool fail(u8 code, u32 pos);

    // --- output ---
    void emit(u8 nibble);
    void emit_pair(u32 value);
    void emit_12(u32 value);
    void emit_24(u32 value);

    // --- tokens ---
    bool next_token();
    bool deepen(u32 tokenPos);
    bool keyword(u32 token, u32 tokenPos);
    bool close(u32 tokenPos);
    bool operand(u32 tokenPos);

    // --- operands ---
    bool group_operand(u32 tokenPos);
    bool cpu_operand();
    bool loop_operand();
    bool sensor_operand();
    bool module_operand();
    bool zone_operand();
    void after_operand();
    bool check_group(u32 n) const;
    bool check_sensor(const PackedAddress& address) const;
    bool check_module(const PackedAddress& address) const;
    bool owner_is_direct_group() const;

    // --- parameters of DEL, SDEL, TIM and TONE ---
    bool delay_parameters();
    bool read_delay(bool* present);
    bool tim_parameters();
    bool tim_day_part();
    bool tim_date();
    bool read_time(u8 missingHours, u8 badValue);
    bool tone_parameters();
    bool read_tone_zone(u32* zone);

    ZpConf& m_conf;
    CBECompileRequest& m_request;

    const char* m_text;
    u32 m_length = 0;
    u32 m_pos = 0;
    u32 m_consumed = 0;
    // The consumed counter before the keyword being handled.
    u32 m_tokenConsumed = 0;

    u8 m_nibbles[kScratchNibbles] = {};
    u32 m_count = 0;

    u32 m_depth = 0;
    u32 m_items[cbe::kMaxDepth + 1] = {};
    bool m_single[cbe::kMaxDepth + 1] = {};

    u32 m_cpu = 1;
    u32 m_loop = 1;
    u32 m_kinds = 0;
    // The group right after XGRP, PRE, FLT or DIS must be a direct group.
    bool m_directOnly = false;
    u32 m_next = 0;
    bool m_timedSeen = false;
    bool m_listDisSeen = false;
    bool m_flt = false;
    bool m_dis = false;

    bool m_list;
    u32 m_groupCount = cbe::kMaxGroup;
    u32 m_zoneCount = cbe::kMaxZone;
    u16 m_directCount = 0;
    u32 m_toneLimit = 1;
    u32 m_volumeLimit = 1;
};
