#include "ZpData/Layouts/ZpxProg.h"

#include "DataBlock/bytes.h"
#include "OS/TraceLog.h"
#include "ZpData/Values/PanelModel.h"

#include <cstring>

namespace ZpData {

IF_ZpxProg::IF_ZpxProg(ZpConf* conf, ZpConfBlock* block, u8 dataType, u32 size, u16 version)
    : IFace(conf, block, dataType, size, version)
{
}

IF_ZpxProg::~IF_ZpxProg() = default;

} // namespace ZpData

namespace ZpData_v2602 {

using namespace zpx;

namespace {

const char* const kUnit = "src/Lib/ZpData/ZpData_2602";

// Change notice kinds: the detector brand sends 2, every other setter 1.
constexpr u32 kSetterNotice = 1;
constexpr u32 kBrandNotice = 2;

constexpr u32 kLastLine = 7;
constexpr u32 kLastBoard = LineRec::kCount - 1;

// Logs the CPU range error of an operation; true when cpu is past the records.
bool bad_cpu(u32 cpu, const char* function, int line, u32 shownLimit = kCpuCount)
{
    if (cpu < kCpuCount)
        return false;
    log_error(kUnit, function, line, "cpuId = %d ( > %d)\n", int(cpu), int(shownLimit));
    return true;
}

void copy_name(char* dst, const u8* src)
{
    memcpy(dst, src, kNameSize);
    dst[kNameSize] = '\0';
}

std::unique_ptr<char[]> new_text(u32 size)
{
    return std::unique_ptr<char[]>(new char[size]());
}

u64 get_le64(const u8* p)
{
    return u64(get_le32(p)) | (u64(get_le32(p + 4)) << 32);
}

// Plant-wide lines in boards: at least one board.
u32 plant_boards(u32 lines, u32 linesPerLl)
{
    return lines < linesPerLl ? 1 : lines / linesPerLl;
}

} // namespace

ZpxProg::ZpxProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
    : IF_ZpxProg(conf, block, dataType, kSize, kDataVersion2602)
{
}

ZpxProg::~ZpxProg() = default;

int ZpxProg::convert(const DataBlock::IFace& previous)
{
    if (previous.version() == version())
        return ZP_UNCHANGED;
    if (previous.version() != kDataVersion2601 || previous.size() != kSize || !previous.data())
        return ZP_ERR_PARAM;
    u8* d = bytes();
    memcpy(d, previous.data(), kSize);
    for (u32 cpu = 0; cpu < kCpuCount; ++cpu) {
        const CpuRec rec(d, cpu);
        u8& status = rec.bytes()[CpuRec::kStatus];
        // The type bits meant nothing before; every CPU of an older plant is a ZP-4800.
        status = u8((status & 0x07) | (1 << 3));
        for (u32 b = 0; b < LineRec::kCount; ++b) {
            u8& line = rec.line(b).bytes()[0];
            // One protocol bit per line (bits 3 and 4) becomes two (bits 3-4 and 5-6).
            line = u8((line & 0x87) | (line & 0x08) | ((line & 0x10) << 1));
        }
    }
    put_le16(d + kVersion, version());
    return ZP_OK;
}

int ZpxProg::set_default()
{
    const bool locked = lock_block_write();

    u8* d = bytes();
    memset(d, 0, kSize);
    put_le16(d + kVersion, g_zpDataVersion);
    put_le16(d + kVersion + 2, 0);
    d[kPanelType] = u8(container_panel_type());
    if (CpuModel::get_family(model()) == PanelFamily::KVX000) {
        d[kSensorBrand] = kBrandZelDet;
    } else {
        const std::vector<u8> brands = get_brand_list(d[kPanelType]);
        d[kSensorBrand] = brands.empty() ? 0 : brands.front();
    }
    // The board defaults read the panel type and the brand, so they come after them.
    for (u32 cpu = 0; cpu < kCpuCount; ++cpu)
        record(cpu).set_default();
    for (u32 i = 0; i < kExtraBlockCount; ++i)
        d[kExtraBlocks + kSupervisorSize * i + 44] = 1;

    d[kFlagsA] |= 0x02;
    const u8 times[] = {5, 8, 10, 20, 216};
    memcpy(d + kTimeParams, times, sizeof times);
    d[kWalkTestAddress + 1] |= 0x20;
    d[kLevelParam] = 70;
    put_le16(d + kParam5198, 1);
    put_le16(d + kDirectGroups, 300);
    for (u32 level = 0; level < 3; ++level)
        put_le32(d + kPasswords + 4 * level, kDefaultPasswords[level]);
    d[kParam5220] = 255;
    for (u32 i = 0; i < 5; ++i)
        d[kSirens + i] = 1; // the two sounder pairs and the SIB port
    d[kPrinter] &= u8(~0x07);
    d[kPrinterBaud] = 4;

    notify_change(kSetterNotice, 0, 0);
    if (locked)
        unlock_block();
    return ZP_OK;
}

u32 ZpxProg::model() const
{
    return cpu_model(bytes());
}

// ---------------------------------------------------------------------------------------------
// Panel, brand and plant-wide values

u16 ZpxProg::get_version() const
{
    return get_le16(bytes() + kVersion);
}

u8 ZpxProg::get_panel_type() const
{
    return bytes()[kPanelType];
}

u32 ZpxProg::get_cpu_model() const
{
    return model();
}

u32 ZpxProg::get_panel_family() const
{
    return CpuModel::get_family(get_cpu_model());
}

int ZpxProg::get_plant_name(char* dst) const
{
    copy_name(dst, bytes() + kPlantName);
    return ZP_OK;
}

std::unique_ptr<char[]> ZpxProg::get_plant_name() const
{
    std::unique_ptr<char[]> text = new_text(kNameSize + 1);
    copy_name(text.get(), bytes() + kPlantName);
    return text;
}

u8 ZpxProg::get_sensor_brand() const
{
    return bytes()[kSensorBrand];
}

int ZpxProg::set_sensor_brand(u8 brand)
{
    if (bytes()[kSensorBrand] == brand)
        return ZP_UNCHANGED;
    bytes()[kSensorBrand] = brand;
    notify_change(kBrandNotice, kSensorBrand, 1);
    return ZP_OK;
}

u8 ZpxProg::get_param_5220() const
{
    return bytes()[kParam5220];
}

int ZpxProg::set_param_5220(u8 value)
{
    if (bytes()[kParam5220] == value)
        return ZP_UNCHANGED;
    bytes()[kParam5220] = value;
    notify_change(kSetterNotice, kParam5220, 1);
    return ZP_OK;
}

bool ZpxProg::has_sib() const
{
    return CpuModel::has_sib(model());
}

u64 ZpxProg::get_net_pair() const
{
    return u64(get_le32(bytes() + kNetValues)) | (u64(get_le32(bytes() + kNetValues + 8)) << 32);
}

u32 ZpxProg::get_net_value(u32 index) const
{
    return index < 3 ? get_le32(bytes() + kNetValues + 4 * index) : 0;
}

bool ZpxProg::has_network() const
{
    return CpuModel::has_network(model());
}

bool ZpxProg::is_networked() const
{
    return zpx::is_networked(bytes());
}

int ZpxProg::set_canloop_enable(u8 value)
{
    if (!has_network() && value != 0) {
        log_error(kUnit, "set_canloop_enable", __LINE__, "can is not an option!\n");
        return ZP_ERR_PARAM;
    }
    u8& flag = bytes()[kNetworked];
    if (flag == value || (value == 0 && flag == 0) || (value == 1 && flag != 0))
        return ZP_UNCHANGED;
    flag = value;
    notify_change(kSetterNotice, kNetworked, 1);
    return ZP_OK;
}

ZpData::ZpxSupervisor ZpxProg::get_supervisor() const
{
    const u8* s = bytes() + kSupervisor;
    ZpData::ZpxSupervisor out;
    out.gwIpNetmask = get_le64(s);
    out.gwGateway = get_le32(s + 8);
    out.supType = s[12];
    if (out.supType == 1) {
        out.supMbAddr = s[13];
        out.supMbBaud = s[14];
    } else if (out.supType == 2 || out.supType == 3) {
        out.supIpNetmask = get_le64(s + 13);
        out.supGateway = get_le32(s + 21);
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// CPUs

u32 ZpxProg::get_max_cpu_num() const
{
    return CpuModel::get_max_cpu_num(model(), true);
}

u32 ZpxProg::get_cpu_num_limit() const
{
    return cpu_num_limit(bytes());
}

u32 ZpxProg::get_last_cpu_id() const
{
    const u32 limit = get_cpu_num_limit();
    return limit ? limit - 1 : 0;
}

u32 ZpxProg::get_installed_cpu_num() const
{
    u32 count = 0;
    for (u32 cpu = 0; cpu <= get_last_cpu_id(); ++cpu)
        count += record(cpu).is_installed() ? 1 : 0;
    return count;
}

int ZpxProg::get_reserved() const
{
    return 0;
}

u32 ZpxProg::get_last_installed_cpu() const
{
    u32 last = 0;
    for (u32 cpu = 0; cpu <= get_last_cpu_id(); ++cpu) {
        if (record(cpu).is_installed())
            last = cpu;
    }
    return last;
}

bool ZpxProg::is_cpu_installed(u32 cpu) const
{
    return cpu < kCpuCount && record(cpu).is_installed();
}

int ZpxProg::set_cpu_installed(u32 cpu, bool installed)
{
    if (bad_cpu(cpu, "set_cpu_installed", __LINE__))
        return ZP_ERR_RANGE;
    CpuRec rec = record(cpu);
    if (rec.is_installed() == installed)
        return ZP_UNCHANGED;
    const int result = rec.set_installed(installed);
    // A refused installation has still rebuilt the record, so its bytes changed either way.
    notify_change(kSetterNotice, rec.offset(), CpuRec::kSize);
    return result;
}

u8 ZpxProg::get_cpu_type(u32 cpu) const
{
    if (bad_cpu(cpu, "get_cpu_type", __LINE__))
        return 255;
    return record(cpu).get_type();
}

int ZpxProg::set_cpu_type(u32 cpu, u8 type)
{
    if (bad_cpu(cpu, "set_cpu_type", __LINE__))
        return ZP_ERR_RANGE;
    CpuRec rec = record(cpu);
    const int result = rec.set_type(type);
    if (result == ZP_OK)
        notify_change(kSetterNotice, rec.offset(), CpuRec::kSize);
    return result;
}

u32 ZpxProg::get_ll_num() const
{
    return lines_to_ll(CpuModel::get_line_num(model()), get_lines_per_ll());
}

u32 ZpxProg::get_cpu_min_ll_num(u32 cpu) const
{
    return cpu < kCpuCount ? record(cpu).get_min_ll_num() : 0;
}

u32 ZpxProg::get_cpu_max_ll_num(u32 cpu) const
{
    return cpu < kCpuCount ? record(cpu).get_max_ll_num() : 0;
}

u32 ZpxProg::get_cpu_type_min_ll_num(u8 type) const
{
    return lines_to_ll(CpuType::get_min_line_num(type), get_lines_per_ll());
}

u32 ZpxProg::get_cpu_type_max_ll_num(u8 type) const
{
    return lines_to_ll(CpuType::get_max_line_num(type), get_lines_per_ll());
}

u32 ZpxProg::get_cpu_last_ll(u32 cpu) const
{
    const u32 boards = get_cpu_max_ll_num(cpu);
    return boards ? boards - 1 : 0;
}

u32 ZpxProg::get_cpu_ll_installed_num(u32 cpu) const
{
    return cpu < kCpuCount ? record(cpu).get_ll_installed_num() : 0;
}

int ZpxProg::set_cpu_ll_num(u32 cpu, u8 n)
{
    if (bad_cpu(cpu, "set_cpu_ll_num", __LINE__))
        return ZP_ERR_RANGE;
    CpuRec rec = record(cpu);
    const int result = rec.set_ll_num(n);
    if (result == ZP_OK)
        notify_change(kSetterNotice, rec.offset(), CpuRec::kSize);
    return result;
}

bool ZpxProg::get_cpu_ll_installed(u32 cpu, u32 board) const
{
    if (bad_cpu(cpu, "get_cpu_ll_installed", __LINE__))
        return false;
    const CpuRec rec = record(cpu);
    // Boards past what the CPU's type can carry do not count, whatever their bit says.
    const u32 boards = lines_to_ll(CpuType::get_max_line_num(rec.get_type()), get_lines_per_ll());
    if (board >= boards || !rec.is_installed())
        return false;
    return rec.line(board).is_installed();
}

u32 ZpxProg::get_line_num() const
{
    return CpuModel::get_line_num(get_cpu_model());
}

u32 ZpxProg::get_cpu_min_line_num(u32 cpu) const
{
    return cpu < kCpuCount ? CpuType::get_min_line_num(record(cpu).get_type()) : 0;
}

u32 ZpxProg::get_cpu_max_line_num(u32 cpu) const
{
    return cpu < kCpuCount ? CpuType::get_max_line_num(record(cpu).get_type()) : 0;
}

u32 ZpxProg::get_cpu_type_min_line_num(u8 type) const
{
    return CpuType::get_min_line_num(type);
}

u32 ZpxProg::get_cpu_type_max_line_num(u8 type) const
{
    return CpuType::get_max_line_num(type);
}

int ZpxProg::get_cpu_last_line(u32 cpu) const
{
    if (cpu >= kCpuCount)
        return -1;
    return int(get_cpu_max_line_num(cpu)) - 1;
}

u32 ZpxProg::get_cpu_line_installed_num(u32 cpu) const
{
    return get_cpu_ll_installed_num(cpu) * get_lines_per_ll();
}

int ZpxProg::set_cpu_line_num(u32 cpu, u8 lines)
{
    if (bad_cpu(cpu, "set_cpu_line_num", __LINE__))
        return ZP_ERR_RANGE;
    CpuRec rec = record(cpu);
    const int result = rec.set_ll_num(lines / get_lines_per_ll());
    if (result == ZP_OK)
        notify_change(kSetterNotice, rec.offset(), CpuRec::kSize);
    return result;
}

bool ZpxProg::get_cpu_line_installed(u32 cpu, u32 line) const
{
    if (bad_cpu(cpu, "get_cpu_line_installed", __LINE__))
        return false;
    const CpuRec rec = record(cpu);
    const u32 board = line / get_lines_per_ll();
    if (!rec.is_installed() || board > kLastBoard)
        return false;
    return rec.line(board).is_installed();
}

// ---------------------------------------------------------------------------------------------
// Line protocols and styles

int ZpxProg::get_cpu_line_prot(u32 cpu, u32 line) const
{
    if (bad_cpu(cpu, "get_cpu_line_prot", __LINE__))
        return -1;
    if (line > kLastLine) {
        log_error(kUnit, "get_cpu_line_prot", __LINE__, "cpu_lineId = %d ( > %d)\n", int(line), int(kLastLine + 1));
        return -1;
    }
    if (get_sensor_brand() == kBrandApollo)
        return LINE_PROTOCOL_APOLLO;
    const u32 lpl = get_lines_per_ll();
    if (line / lpl > kLastBoard)
        return -1;
    return record(cpu).line(line / lpl).get_protocol(line % lpl);
}

int ZpxProg::get_cpu_line_prot(u32 cpu, u32 board, u32 index) const
{
    if (bad_cpu(cpu, "get_cpu_line_prot", __LINE__))
        return -1;
    if (board > kLastBoard) {
        log_error(kUnit, "get_cpu_line_prot", __LINE__, "cpu_llId = %d ( > %d)\n", int(board), int(LineRec::kCount));
        return -1;
    }
    return record(cpu).line(board).get_protocol(index);
}

int ZpxProg::set_cpu_line_prot(u32 cpu, u32 line, u8 prot)
{
    if (bad_cpu(cpu, "set_cpu_line_prot", __LINE__))
        return ZP_ERR_RANGE;
    if (line > kLastLine) {
        log_error(kUnit, "set_cpu_line_prot", __LINE__, "cpu_lineId = %d ( > %d)\n", int(line), int(kLastLine + 1));
        return ZP_ERR_RANGE;
    }
    const u32 lpl = get_lines_per_ll();
    if (line / lpl > kLastBoard)
        return ZP_ERR_RANGE;
    CpuRec rec = record(cpu);
    const int result = rec.line(line / lpl).set_protocol(line % lpl, prot);
    if (result == ZP_OK)
        notify_change(kSetterNotice, rec.offset(), CpuRec::kSize);
    return result;
}

int ZpxProg::set_cpu_line_prot(u32 cpu, u32 board, u32 index, u8 prot)
{
    if (bad_cpu(cpu, "set_cpu_line_prot", __LINE__))
        return ZP_ERR_RANGE;
    if (board > kLastBoard) {
        log_error(kUnit, "set_cpu_line_prot", __LINE__, "cpu_llId = %d ( > %d)\n", int(board), int(LineRec::kCount));
        return ZP_ERR_RANGE;
    }
    LineRec rec = record(cpu).line(board);
    const int result = rec.set_protocol(index, prot);
    if (result == ZP_OK)
        notify_change(kSetterNotice, rec.offset(), LineRec::kSize);
    return result;
}

u8 ZpxProg::get_cpu_line_style(u32 cpu, u32 line) const
{
    if (bad_cpu(cpu, "get_cpu_line_style", __LINE__))
        return 255;
    if (line > kLastLine) {
        log_error(kUnit, "get_cpu_line_style", __LINE__, "cpu_lineId = %d ( > %d)\n", int(line), int(kLastLine + 1));
        return 255;
    }
    const u32 lpl = get_lines_per_ll();
    if (line / lpl > kLastBoard)
        return 255;
    return record(cpu).line(line / lpl).get_flag(line % lpl);
}

u8 ZpxProg::get_cpu_line_style(u32 cpu, u32 board, u32 index) const
{
    if (bad_cpu(cpu, "get_cpu_line_style", __LINE__, get_last_cpu_id()))
        return 255;
    if (board > kLastBoard) {
        log_error(kUnit, "get_cpu_line_style", __LINE__, "cpu_llId = %d ( > %d)\n", int(board), int(LineRec::kCount));
        return 255;
    }
    return record(cpu).line(board).get_flag(index);
}

int ZpxProg::get_cpu_name(u32 cpu, char* dst) const
{
    if (cpu > get_last_cpu_id()) {
        dst[0] = '\0';
        return ZP_ERR_RANGE;
    }
    record(cpu).get_name(dst);
    return ZP_OK;
}

std::unique_ptr<char[]> ZpxProg::get_cpu_name(u32 cpu) const
{
    if (cpu > get_last_cpu_id())
        return new_text(1);
    std::unique_ptr<char[]> text = new_text(kNameSize + 1);
    record(cpu).get_name(text.get());
    return text;
}

// ---------------------------------------------------------------------------------------------
// Plant-wide lines and boards

u32 ZpxProg::get_max_line_num() const
{
    return CpuModel::get_max_line_num(model(), true);
}

u32 ZpxProg::get_plant_line_limit() const
{
    return CpuModel::get_max_line_num(model(), is_networked());
}

u32 ZpxProg::get_last_plant_line() const
{
    return get_plant_line_limit() - 1;
}

u32 ZpxProg::get_installed_line_num() const
{
    return get_installed_ll_num() * get_lines_per_ll();
}

u32 ZpxProg::get_max_ll_num() const
{
    return plant_boards(get_max_line_num(), get_lines_per_ll());
}

u32 ZpxProg::get_plant_ll_limit() const
{
    return plant_ll_limit(bytes());
}

u32 ZpxProg::get_last_plant_ll() const
{
    return get_plant_ll_limit() - 1;
}

u32 ZpxProg::get_installed_ll_num() const
{
    return installed_ll_num(bytes());
}

u32 ZpxProg::get_lines_per_ll() const
{
    return lines_per_ll(bytes());
}

// ---------------------------------------------------------------------------------------------
// Repeaters

bool ZpxProg::is_repeater_installed(u32 repeater) const
{
    return repeater < kRepeaterCount && bytes()[kRepeaters + kRepeaterSize * repeater] != 0;
}

int ZpxProg::get_repeater_name(u32 repeater, char* dst) const
{
    if (repeater >= kRepeaterCount) {
        dst[0] = '\0';
        return ZP_ERR_RANGE;
    }
    copy_name(dst, bytes() + kRepeaters + kRepeaterSize * repeater + 1);
    return ZP_OK;
}

std::unique_ptr<char[]> ZpxProg::get_repeater_name(u32 repeater) const
{
    std::unique_ptr<char[]> text = new_text(kNameSize + 1);
    if (repeater < kRepeaterCount)
        copy_name(text.get(), bytes() + kRepeaters + kRepeaterSize * repeater + 1);
    return text;
}

// ---------------------------------------------------------------------------------------------
// Zones, groups, protocols and general parameters

u32 ZpxProg::get_max_zone_num() const
{
    return CpuModel::get_max_zone_num(model(), true);
}

u32 ZpxProg::get_zone_limit() const
{
    return CpuModel::get_max_zone_num(model(), is_networked());
}

u32 ZpxProg::get_last_zone() const
{
    return get_zone_limit() - 1;
}

u32 ZpxProg::get_max_dev_per_zone() const
{
    return get_panel_family() == PanelFamily::KVX000 ? 50 : 32;
}

u16 ZpxProg::get_direct_groups_count() const
{
    return get_le16(bytes() + kDirectGroups);
}

u16 ZpxProg::get_low_sens_group() const
{
    return get_le16(bytes() + kLowSensGroup);
}

u16 ZpxProg::get_high_sens_group() const
{
    return get_le16(bytes() + kHighSensGroup);
}

u32 ZpxProg::get_max_group_num() const
{
    return CpuModel::get_max_group_num(model(), true);
}

u32 ZpxProg::get_group_limit() const
{
    return CpuModel::get_max_group_num(model(), is_networked());
}

u32 ZpxProg::get_last_group() const
{
    return get_group_limit() - 1;
}

bool ZpxProg::has_varn_protocol() const
{
    return CpuModel::has_varn_protocol(model());
}

bool ZpxProg::has_adv_protocol() const
{
    return CpuModel::has_adv_protocol(model());
}

bool ZpxProg::has_apollo_protocol() const
{
    return CpuModel::has_apollo_protocol(model());
}

bool ZpxProg::is_arch_disabled() const
{
    return bytes()[kFlagsA] & 0x04;
}

u32 ZpxProg::get_password(u32 level) const
{
    if (level < 2 || level > 4)
        return 0;
    return get_le32(bytes() + kPasswords + 4 * (level - 2));
}

int ZpxProg::set_password(u32 level, u32 code)
{
    if (level < 2 || level > 4) {
        log_error(kUnit, "set_password", __LINE__, "wrong level = %d\n", int(level));
        return ZP_ERR_PARAM;
    }
    const u32 offset = kPasswords + 4 * (level - 2);
    if (get_le32(bytes() + offset) == code)
        return ZP_UNCHANGED;
    put_le32(bytes() + offset, code);
    notify_change(kSetterNotice, offset, 4);
    return ZP_OK;
}

int ZpxProg::get_siren2() const
{
    return (bytes()[kSirens + 3] - 1) * 256 + (bytes()[kSirens + 2] - 1);
}

int ZpxProg::get_siren1() const
{
    return (bytes()[kSirens + 1] - 1) * 256 + (bytes()[kSirens] - 1);
}

u16 ZpxProg::get_zone_in_test() const
{
    return get_le16(bytes() + kZoneInTest);
}

int ZpxProg::set_zone_in_test(u16 zone)
{
    const u32 last = get_last_zone();
    if (zone > last) {
        log_error(kUnit, "set_zone_in_test", __LINE__, "zoneNbr = %d ( > %d)\n", int(zone), int(last));
        return ZP_ERR_RANGE;
    }
    if (get_zone_in_test() == zone)
        return ZP_UNCHANGED;
    put_le16(bytes() + kZoneInTest, zone);
    notify_change(kSetterNotice, kZoneInTest, 2);
    return ZP_OK;
}

bool ZpxProg::is_sib_enabled() const
{
    return record(0).get_status() & CpuRec::kSibEnabled;
}

ZpData::ZpxPrinter ZpxProg::get_printer() const
{
    ZpData::ZpxPrinter printer;
    printer.installed = bytes()[kPrinter] & 0x01;
    printer.mode = (bytes()[kPrinter] >> 1) & 0x03;
    printer.baudCode = bytes()[kPrinterBaud];
    return printer;
}

// ---------------------------------------------------------------------------------------------
// Plain accessors

u8 ZpxProg::get_networked() const
{
    return bytes()[kNetworked];
}

void ZpxProg::put_networked(u8 value)
{
    bytes()[kNetworked] = value;
}

void ZpxProg::put_sensor_brand(u8 brand)
{
    bytes()[kSensorBrand] = brand;
}

void ZpxProg::put_param_5220(u8 value)
{
    bytes()[kParam5220] = value;
}

void ZpxProg::put_password(u32 level, u32 code)
{
    if (level >= 2 && level <= 4)
        put_le32(bytes() + kPasswords + 4 * (level - 2), code);
}

} // namespace ZpData_v2602
