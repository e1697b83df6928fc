#pragma once
// Records of the general programming block (dataType 2, data version 0x2602): the 61-byte CPU
// record and the 5-byte loop-line board record. Both are views over the block's own bytes, never
// copies. They take the whole block because its panel type, networked flag and detector brand
// decide their limits and defaults.
#include "OS/types.h"

#include <array>

namespace ZpData_v2602 {

// Byte offsets of the general programming block and the block-wide facts the records need.
namespace zpx {

constexpr u32 kSize = 5310;
constexpr u32 kVersion = 0;    // u16
constexpr u32 kCpuRecords = 4; // CpuRec of CPU c at 4 + 61 * c
constexpr u32 kCpuCount = 64;
constexpr u32 kSupervisor = 3908; // 54 bytes
constexpr u32 kSupervisorSize = 54;
constexpr u32 kExtraBlocks = 3962; // 17 blocks of 54 bytes
constexpr u32 kExtraBlockCount = 17;
constexpr u32 kRepeaters = 4880; // 8 records of 33 bytes: installed byte, 32-char name
constexpr u32 kRepeaterSize = 33;
constexpr u32 kRepeaterCount = 8;
constexpr u32 kPlantName = 5144;
constexpr u32 kNameSize = 32;
constexpr u32 kFlagsA = 5176;
constexpr u32 kTimeParams = 5182;      // 6 bytes
constexpr u32 kWalkTestAddress = 5188; // PackedAddress, 3 bytes
constexpr u32 kLevelParam = 5191;
constexpr u32 kZoneInTest = 5192;    // u16
constexpr u32 kParam5198 = 5198;     // u16
constexpr u32 kLowSensGroup = 5202;  // u16
constexpr u32 kHighSensGroup = 5204; // u16
constexpr u32 kDirectGroups = 5206;  // u16
constexpr u32 kPasswords = 5208;     // u32 of levels 2, 3, 4
constexpr u32 kParam5220 = 5220;
constexpr u32 kSirens = 5221; // (tone, volume) pairs, 1-based
constexpr u32 kSibPort = 5225;
constexpr u32 kNetValues = 5226; // 3 x u32
constexpr u32 kPrinter = 5238;
constexpr u32 kPrinterBaud = 5239;
constexpr u32 kNetworked = 5245;
constexpr u32 kPanelType = 5246;
constexpr u32 kSensorBrand = 5247;

constexpr u8 kBrandZelDet = 3;
constexpr u8 kBrandApollo = 4;

// CPU model of the panel type in the block.
u32 cpu_model(const u8* block);
u32 lines_per_ll(const u8* block);
// The model has a network and the networked-plant byte is set.
bool is_networked(const u8* block);
// CpuModel::get_max_cpu_num of the block's model and networked state.
u32 cpu_num_limit(const u8* block);
// Boards of the installed CPUs below cpu_num_limit; the CPU skipCpu is left out.
u32 installed_ll_num(const u8* block, u32 skipCpu = kCpuCount);
// Boards the plant may hold: CpuModel::get_max_line_num (model, networked) in boards.
u32 plant_ll_limit(const u8* block);
u32 plant_ll_limit(u32 model, bool networked);
// Boards an installed CPU of cpuType with n boards holds once the board-count check has run: n
// brought into the range of its type. The panel drops an installed CPU whose boards, counted so
// with those of the others, pass plant_ll_limit; the plant's loop budget counts the same way.
u32 ll_num_in_type_range(u32 cpuType, u32 n, u32 linesPerLl);
// A number of lines in boards: at least 1, at most the 4 boards of a CPU.
u32 lines_to_ll(u32 lines, u32 linesPerLl);

} // namespace zpx

// One loop-line board of a CPU: byte 0 bit 0 installed, bits 1-2 line styles, bits 3-4 and 5-6
// the protocols of lines 0 and 1 (0 ADV, 1 VARN, 2 APOLLO); bytes 2 and 4 default to 10.
class LineRec {
public:
    static constexpr u32 kSize = 5;
    static constexpr u32 kCount = 4;

    // cpu 0 to 63, board 0 to 3.
    LineRec(u8* block, u32 cpu, u32 board);

    u32 offset() const;
    u8* bytes() const { return m_block + offset(); }

    bool is_installed() const;
    // -1 when the bit already has the value; else the board defaults, then the bit; 0.
    int set_installed(bool installed);
    // The board defaults, which depend on the panel family, the detector brand and whether the
    // model speaks ADV. The installed bit ends up cleared.
    void set_default();
    // The bytes set_default writes into a board record of block.
    static std::array<u8, kSize> defaults(const u8* block);

    // Protocol of line index of the board; -1 for a line the board does not carry and for the
    // invalid code 3.
    int get_protocol(u32 index) const;
    // 1013 for a line the board does not carry, -1 when unchanged; writes prot & 3.
    int set_protocol(u32 index, u8 prot);
    // Style bit of line index (bit 1 for line 0, bit 2 otherwise).
    u8 get_flag(u32 index) const;

    // Board of a byte position among the board records of the CPU record at recordStart; -1
    // outside them.
    static int board_of_position(u32 position, u32 recordStart);

private:
    u8* m_block;
    u32 m_cpu;
    u32 m_board;
};

// The record of one CPU: four LineRec at 0, the 32-character name at 20, the status byte at 52
// (bit 0 installed, bit 1 serial interface board, bit 2 UPS, bits 3-7 the CpuType).
class CpuRec {
public:
    static constexpr u32 kSize = 61;
    static constexpr u32 kName = 20;
    static constexpr u32 kStatus = 52;
    static constexpr u8 kInstalled = 0x01;
    static constexpr u8 kSibEnabled = 0x02;
    static constexpr u8 kUps = 0x04;

    // cpu 0 to 63.
    CpuRec(u8* block, u32 cpu);

    u32 cpu() const { return m_cpu; }
    u32 offset() const;
    u8* bytes() const { return m_block + offset(); }
    LineRec line(u32 board) const { return LineRec(m_block, m_cpu, board); }

    u8 get_status() const;
    bool is_installed() const;
    u8 get_type() const;
    // 32 characters and a terminating NUL into dst (33 bytes).
    void get_name(char* dst) const;

    // Boards allowed by the CPU's type.
    u32 get_min_ll_num() const;
    u32 get_max_ll_num() const;
    // Installed boards among those the model of the CPU's type can carry; 0 when the CPU is
    // not installed.
    u32 get_ll_installed_num() const;

    // Zeroes the record but for the protocols of its boards, which take those of the board
    // defaults; installs CPU 0 only, gives the first CPU type of the model and runs check_ll_num.
    void set_default();
    // Rebuilds the record to its defaults, then writes the installed bit. 1010 when installing
    // it would exceed the plant's boards; the record stays rebuilt then.
    int set_installed(bool installed);
    // -1 when the bit already has the value, else set_installed.
    int set_installed_within_limit(bool installed);
    // Writes the type (5 bits) and runs check_ll_num; -1 when the type was already so and the
    // check changed nothing.
    int set_type(u8 type);
    // Installs boards 0 to n - 1 and removes the others. 1003 outside the type's board range
    // (only 0 for a CPU that is not installed), 1010 past the plant's boards; 0 when a board
    // changed, else -1.
    int set_ll_num(u32 n);
    // Brings the board count into the type's range (0 for a CPU that is not installed); -1 when
    // it already is.
    int check_ll_num();

    // CPU of a byte position among the CPU records of the block; -1 outside them.
    static int cpu_of_position(u32 position);

private:
    u8* m_block;
    u32 m_cpu;
};

} // namespace ZpData_v2602
