#include "ZpData/Values/CpuRec.h"

#include "OS/TraceLog.h"
#include "ZpData/Values/PanelModel.h"

#include <algorithm>
#include <cstring>

namespace ZpData_v2602 {

namespace {

const char* const kUnit = "src/Lib/ZpData/ZpData_2602";

constexpr u8 kLineInstalled = 0x01;
constexpr u8 kLineStyles = 0x06;
constexpr u8 kLineProtocols = 0x78;
constexpr u8 kProtShift[2] = {3, 5};

u32 record_offset(u32 cpu)
{
    return zpx::kCpuRecords + CpuRec::kSize * cpu;
}

u8 status_of(const u8* block, u32 cpu)
{
    return block[record_offset(cpu) + CpuRec::kStatus];
}

// Read-only half of CpuRec::get_ll_installed_num, shared with the plant-wide count.
u32 ll_installed_num(const u8* block, u32 cpu)
{
    const u8 status = status_of(block, cpu);
    if (!(status & CpuRec::kInstalled))
        return 0;
    const u32 typeModel = CpuType::get_cpu_model(status >> 3);
    const u32 boards = zpx::lines_to_ll(CpuModel::get_line_num(typeModel), zpx::lines_per_ll(block));
    u32 count = 0;
    for (u32 b = 0; b < boards; ++b)
        count += block[record_offset(cpu) + LineRec::kSize * b] & kLineInstalled;
    return count;
}

// APOLLO under that detector brand, else ADV when the model speaks it, else VARN.
u8 default_protocol(const u8* block)
{
    if (block[zpx::kSensorBrand] == zpx::kBrandApollo)
        return LINE_PROTOCOL_APOLLO;
    return CpuModel::has_adv_protocol(zpx::cpu_model(block)) ? LINE_PROTOCOL_ADV : LINE_PROTOCOL_VARN;
}

u8 both_protocols(u8 prot)
{
    return u8(prot << kProtShift[0]) | u8(prot << kProtShift[1]);
}

} // namespace

namespace zpx {

u32 cpu_model(const u8* block)
{
    return PanelType::get_cpu_model(block[kPanelType]);
}

u32 lines_per_ll(const u8* block)
{
    return CpuModel::get_lines_per_ll(cpu_model(block));
}

bool is_networked(const u8* block)
{
    return CpuModel::has_network(cpu_model(block)) && block[kNetworked] != 0;
}

u32 cpu_num_limit(const u8* block)
{
    return std::min(CpuModel::get_max_cpu_num(cpu_model(block), is_networked(block)), kCpuCount);
}

u32 installed_ll_num(const u8* block, u32 skipCpu)
{
    const u32 limit = cpu_num_limit(block);
    u32 total = 0;
    for (u32 cpu = 0; cpu < limit; ++cpu) {
        if (cpu != skipCpu)
            total += ll_installed_num(block, cpu);
    }
    return total;
}

u32 plant_ll_limit(const u8* block)
{
    return plant_ll_limit(cpu_model(block), is_networked(block));
}

u32 plant_ll_limit(u32 model, bool networked)
{
    const u32 lpl = CpuModel::get_lines_per_ll(model);
    const u32 lines = CpuModel::get_max_line_num(model, networked);
    return lines < lpl ? 1 : lines / lpl;
}

u32 ll_num_in_type_range(u32 cpuType, u32 n, u32 linesPerLl)
{
    const u32 minLl = lines_to_ll(CpuType::get_min_line_num(cpuType), linesPerLl);
    const u32 maxLl = lines_to_ll(CpuType::get_max_line_num(cpuType), linesPerLl);
    return std::max(minLl, std::min(n, maxLl));
}

u32 lines_to_ll(u32 lines, u32 linesPerLl)
{
    if (lines < linesPerLl)
        return 1;
    // A CPU record has room for four boards whatever its type claims.
    return std::min(lines / linesPerLl, LineRec::kCount);
}

} // namespace zpx

// ---------------------------------------------------------------------------------------------
// LineRec

LineRec::LineRec(u8* block, u32 cpu, u32 board)
    : m_block(block)
    , m_cpu(cpu)
    , m_board(board)
{
}

u32 LineRec::offset() const
{
    return record_offset(m_cpu) + kSize * m_board;
}

bool LineRec::is_installed() const
{
    return bytes()[0] & kLineInstalled;
}

std::array<u8, LineRec::kSize> LineRec::defaults(const u8* block)
{
    std::array<u8, kSize> b = {0, 0, 10, 0, 10};
    if (CpuModel::get_family(zpx::cpu_model(block)) == PanelFamily::KVX000)
        b[0] |= kLineStyles;
    b[0] |= both_protocols(default_protocol(block));
    return b;
}

void LineRec::set_default()
{
    const std::array<u8, kSize> b = defaults(m_block);
    memcpy(bytes(), b.data(), kSize);
}

int LineRec::set_installed(bool installed)
{
    if (is_installed() == installed)
        return ZP_UNCHANGED;
    set_default();
    if (installed)
        bytes()[0] |= kLineInstalled;
    return ZP_OK;
}

int LineRec::get_protocol(u32 index) const
{
    if (index >= zpx::lines_per_ll(m_block) || index > 1)
        return -1;
    const int prot = (bytes()[0] >> kProtShift[index]) & 3;
    return prot == 3 ? -1 : prot;
}

int LineRec::set_protocol(u32 index, u8 prot)
{
    if (index >= zpx::lines_per_ll(m_block))
        return ZP_ERR_RANGE;
    if (index > 1)
        return ZP_ERR_PARAM;
    const u8 shift = kProtShift[index];
    const u8 value = prot & 3;
    u8& b = bytes()[0];
    if (((b >> shift) & 3) == value)
        return ZP_UNCHANGED;
    b = u8((b & ~(3 << shift)) | (value << shift));
    return ZP_OK;
}

u8 LineRec::get_flag(u32 index) const
{
    return (bytes()[0] >> (index == 0 ? 1 : 2)) & 1;
}

int LineRec::board_of_position(u32 position, u32 recordStart)
{
    if (position < recordStart || position - recordStart >= kSize * kCount)
        return -1;
    return int((position - recordStart) / kSize);
}

// ---------------------------------------------------------------------------------------------
// CpuRec

CpuRec::CpuRec(u8* block, u32 cpu)
    : m_block(block)
    , m_cpu(cpu)
{
}

u32 CpuRec::offset() const
{
    return record_offset(m_cpu);
}

u8 CpuRec::get_status() const
{
    return status_of(m_block, m_cpu);
}

bool CpuRec::is_installed() const
{
    return get_status() & kInstalled;
}

u8 CpuRec::get_type() const
{
    return get_status() >> 3;
}

void CpuRec::get_name(char* dst) const
{
    memcpy(dst, bytes() + kName, zpx::kNameSize);
    dst[zpx::kNameSize] = '\0';
}

u32 CpuRec::get_min_ll_num() const
{
    return zpx::lines_to_ll(CpuType::get_min_line_num(get_type()), zpx::lines_per_ll(m_block));
}

u32 CpuRec::get_max_ll_num() const
{
    return zpx::lines_to_ll(CpuType::get_max_line_num(get_type()), zpx::lines_per_ll(m_block));
}

u32 CpuRec::get_ll_installed_num() const
{
    return ll_installed_num(m_block, m_cpu);
}

void CpuRec::set_default()
{
    u8* rec = bytes();
    memset(rec, 0, kSize);
    // A board the record does not install keeps the protocol a new board gets: a loop made on it
    // before the board is written must speak a protocol the panel has.
    const u8 protocols = LineRec::defaults(m_block)[0] & kLineProtocols;
    for (u32 b = 0; b < LineRec::kCount; ++b)
        rec[LineRec::kSize * b] = protocols;
    if (m_cpu == 0)
        rec[kStatus] |= kInstalled;
    const std::vector<u8> types = get_cpu_type_list(zpx::cpu_model(m_block));
    const u8 type = types.empty() ? 0 : types.front();
    rec[kStatus] = u8((rec[kStatus] & 0x07) | ((type & 0x1F) << 3));
    check_ll_num();
}

int CpuRec::set_installed(bool installed)
{
    set_default();
    if (installed) {
        // This CPU's boards count once, whether or not the plant-wide sum reaches its index.
        const u32 mine = is_installed() ? get_ll_installed_num() : 0;
        const u32 total = zpx::installed_ll_num(m_block, m_cpu) + mine;
        const u32 limit = zpx::plant_ll_limit(m_block);
        if (limit < total) {
            log_error(kUnit, "set_installed", __LINE__, "Superato numero massimo di linee (%d > %d)\n", int(total),
                      int(limit));
            return ZP_ERR_FULL;
        }
    }
    u8& status = bytes()[kStatus];
    status = u8((status & ~kInstalled) | (installed ? kInstalled : 0));
    return ZP_OK;
}

int CpuRec::set_installed_within_limit(bool installed)
{
    if (is_installed() == installed)
        return ZP_UNCHANGED;
    return set_installed(installed);
}

int CpuRec::set_type(u8 type)
{
    const u8 value = type & 0x1F;
    const bool same = get_type() == value;
    u8& status = bytes()[kStatus];
    status = u8((status & 0x07) | (value << 3));
    const int check = check_ll_num();
    return (same && check != ZP_OK) ? ZP_UNCHANGED : ZP_OK;
}

int CpuRec::set_ll_num(u32 n)
{
    u32 minLl = 0;
    u32 maxLl = 0;
    if (is_installed()) {
        minLl = get_min_ll_num();
        maxLl = get_max_ll_num();
    }
    if (n > maxLl || n < minLl)
        return ZP_ERR_PARAM;
    // The other CPUs' boards, so that a board count of this CPU is never counted twice.
    if (zpx::installed_ll_num(m_block, m_cpu) + n > zpx::plant_ll_limit(m_block))
        return ZP_ERR_FULL;
    bool changed = false;
    for (u32 b = 0; b < LineRec::kCount; ++b) {
        if (line(b).set_installed(b < n) == ZP_OK)
            changed = true;
    }
    return changed ? ZP_OK : ZP_UNCHANGED;
}

int CpuRec::check_ll_num()
{
    if (!is_installed())
        return set_ll_num(0);
    const u32 count = get_ll_installed_num();
    const u32 wanted = zpx::ll_num_in_type_range(get_type(), count, zpx::lines_per_ll(m_block));
    return wanted == count ? ZP_UNCHANGED : set_ll_num(wanted);
}

int CpuRec::cpu_of_position(u32 position)
{
    if (position < zpx::kCpuRecords || position - zpx::kCpuRecords >= kSize * zpx::kCpuCount)
        return -1;
    return int((position - zpx::kCpuRecords) / kSize);
}

} // namespace ZpData_v2602
