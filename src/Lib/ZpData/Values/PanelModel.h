#pragma once
// Panel model capability tables: everything that depends on the panel model is derived from
// four small codes (panel type, CPU model, panel family, CPU type) through these pure functions.
// Every code is a u32 passed by value; 255 (or any value without a table row) is unknown.
#include <vector>

#include "OS/types.h"

// The panel variant of the whole installation (byte of the general programming block and of the
// panel image header). Codes 0 to 17.
struct PanelType {
    static constexpr u32 UNKNOWN = 255;

    // "---" for an unknown type.
    static const char* get_name(u32 panelType);
    // 255 for an unknown type.
    static u32 get_cpu_model(u32 panelType);
};

// The CPU model implied by the panel type. Codes 0 to 8.
struct CpuModel {
    static constexpr u32 UNKNOWN = 255;

    static const char* get_name(u32 model);
    // The PanelFamily code; 255 for an unknown model.
    static u32 get_family(u32 model);
    // Detection lines carried by one loop-line board: 1 or 2.
    static u32 get_lines_per_ll(u32 model);
    // The model's line table value.
    static u32 get_line_num(u32 model);
    static u32 get_min_line_num(u32 model);
    static bool has_sib(u32 model);
    static bool has_network(u32 model);
    // True for every model, known or not.
    static bool has_varn_protocol(u32 model);
    static bool has_adv_protocol(u32 model);
    static bool has_apollo_protocol(u32 model);

    static u32 get_max_cpu_num(u32 model, bool networked);
    static u32 get_max_line_num(u32 model, bool networked);
    // One past the highest zone number (zone 0 is the unassigned zone).
    static u32 get_max_zone_num(u32 model, bool networked);
    static u32 get_max_group_num(u32 model, bool networked);
};

// Codes 0 to 3.
struct PanelFamily {
    static constexpr u32 ZP4X00 = 0;
    static constexpr u32 ZPX000CL = 1;
    static constexpr u32 KVX000 = 2;
    static constexpr u32 ZP4X00G = 3;
    static constexpr u32 UNKNOWN = 255;

    static const char* get_name(u32 family);
    // 32000 for families 0 and 3, 10000 for 1 and 2, 1 otherwise. Nothing calls it yet.
    static u32 get_limit(u32 family);
};

// The type programmed per CPU (5 bits of the CPU record). Codes 0 to 10.
struct CpuType {
    static constexpr u32 UNKNOWN = 255;

    static const char* get_name(u32 cpuType);
    static u32 get_cpu_model(u32 cpuType);
    static u32 get_min_line_num(u32 cpuType);
    static u32 get_max_line_num(u32 cpuType);
};

// Line protocols of a loop and device kinds asked of get_hw_type_list.
enum : u8 {
    LINE_PROTOCOL_ADV = 0,
    LINE_PROTOCOL_VARN = 1,
    LINE_PROTOCOL_APOLLO = 2,
};
enum : u8 {
    DEVICE_KIND_SENSOR = 0,
    DEVICE_KIND_MODULE = 1,
    DEVICE_KIND_ANY = 0xFE,
};

// Whether the lines of a panel of model keep protocol under the detector brand: under APOLLO (4)
// only APOLLO, under any other brand never APOLLO, and ADV only where the model speaks it. The
// repair of the general block turns every other protocol into one that is kept.
bool is_line_protocol_kept(u32 model, u32 brand, u32 protocol);

// Detector brands allowed for a panel type, ordered by brand label.
std::vector<u8> get_brand_list(u32 panelType);
// CPU types allowed for a CPU model, ordered by CPU type name.
std::vector<u8> get_cpu_type_list(u32 model);
// Device codes offered for a panel family, line protocol and device kind, ordered by model name.
// DEVICE_KIND_ANY is understood by families 0 and 3 only; families 1 and 2 take any non-zero
// kind as modules. Combinations without devices give an empty list.
std::vector<u16> get_hw_type_list(u32 family, u8 protocol, u8 kind);
// Inserts code before the first entry whose model name compares greater (strcmp), so equal
// names keep their insertion order.
void insert_hw_type_ordered(std::vector<u16>& list, u16 code);

// A line number is board (ll) x 2 + line within the board.
inline u32 ll_of_line(u32 line)
{
    return line / 2;
}
inline u32 line_in_ll(u32 line)
{
    return line % 2;
}
inline u32 line_of_ll(u32 ll, u32 lineInLl)
{
    return ll * 2 + lineInLl;
}

// Serial settings record of SERIAL_REC_SIZE bytes: byte 0 the speed code (0 none, 1 to 8 =
// 1200 to 115200 baud), byte 1 a mode value 0 to 2. A null record gives ZP_ERR_PARAM (0 from
// get_baud_rate). Nothing calls these yet.
enum { SERIAL_REC_SIZE = 2 };
// ZP_OK, ZP_UNCHANGED, or ZP_ERR_FORMAT for a rate without a speed code.
int set_baud_code(u8* record, u32 rate);
// 0 for code 0 and for codes above 8.
u32 get_baud_rate(const u8* record);
// ZP_OK, ZP_UNCHANGED, or ZP_ERR_FORMAT for a value above 2.
int set_mode(u8* record, u8 value);
