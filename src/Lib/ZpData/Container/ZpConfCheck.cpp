// Binding of the per-board blocks and repair of the general programming block.
#include "ZpData/Container/ZpConf.h"

#include "OS/TraceLog.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Layouts/DeviceAuxProg.h"
#include "ZpData/Layouts/DeviceProg.h"
#include "ZpData/Layouts/NameProg.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/PanelModel.h"

#include <algorithm>
#include <cstring>

using namespace ZpData_v2602;

namespace {

const char* const kUnit = "src/Lib/ZpData/ZpConf";
constexpr u32 kBlockCount = 64;
constexpr u32 kBoardCount = 4;
constexpr u8 kUnassigned = 255;
constexpr u8 kProtShift[2] = {3, 5};

struct Region {
    u16 signal;
    u32 first;
    u32 last;
};
// Regions of the general block whose changes are signalled, in signalling order.
const Region kRegions[] = {
    {ZpConf::kSignalParam5220, 5220, 5220},
    {ZpConf::kSignalSirens, 5221, 5224},
    {ZpConf::kSignalPasswords, 5208, 5219},
    {ZpConf::kSignalNetValues, 5226, 5237},
};

// Runs op on the layout of a block under its write lock; the layout's own change notices go out.
template <class Layout, class Op>
void with_layout(ZpConfBlock* block, Op op)
{
    if (!block || block->lock_write() != 0)
        return;
    if (auto* layout = dynamic_cast<Layout*>(block->get_iface()))
        op(*layout);
    block->unlock();
}

} // namespace

u8 ZpConf::line_protocol(u8 boardByte, u32 index)
{
    return (boardByte >> kProtShift[index]) & 3;
}

void ZpConf::bind_block(u32 index, u8 cpu, u8 ll, bool withDevices)
{
    if (withDevices)
        with_layout<ZpData::IF_DeviceProg>(get_block(index, 70, 133),
                                           [&](ZpData::IF_DeviceProg& prog) { prog.set_cpu_ll(cpu, ll); });
    with_layout<ZpData::IF_NameProg>(get_block(index, 134, 197),
                                     [&](ZpData::IF_NameProg& names) { names.set_cpu_ll(cpu, ll); });
    with_layout<ZpData::IF_DeviceAuxProg>(get_block(0, 198, 198),
                                          [&](ZpData::IF_DeviceAuxProg& aux) { aux.set_cpu_llId(index, cpu, ll); });
}

int ZpConf::check_coeherence()
{
    hold_reactions();
    const int result = bind_boards();
    release_reactions();
    return result;
}

int ZpConf::bind_boards()
{
    bool visited[kBlockCount] = {};
    bool freeBlock[kBlockCount] = {};
    for (u32 cpu = 0; cpu < kBlockCount; ++cpu) {
        for (u32 ll = 0; ll < kBoardCount; ++ll) {
            bool installed = false;
            {
                BlockLock<ZpData::IF_ZpxProg> zpx(*this, 0, 2, 2);
                installed = zpx.layout() && zpx->get_cpu_ll_installed(cpu, ll);
            }
            bool assigned = false;
            for (u32 i = 0; i < kBlockCount; ++i) {
                if (visited[i])
                    continue;
                u32 headerCpu = kUnassigned;
                u32 headerLl = kUnassigned;
                {
                    BlockLock<ZpData::IF_DeviceProg> prog(*this, i, 70, 133);
                    if (prog.layout()) {
                        headerCpu = prog->get_cpu();
                        headerLl = prog->get_ll();
                    }
                }
                if (headerCpu == cpu && headerLl == ll) {
                    if (installed && !assigned) {
                        bind_block(i, u8(cpu), u8(ll), false);
                        assigned = true;
                    } else {
                        bind_block(i, kUnassigned, kUnassigned, true);
                        freeBlock[i] = true;
                    }
                    visited[i] = true;
                } else if (headerCpu >= kBlockCount || headerLl >= kBoardCount) {
                    // A header with a CPU but no board is as unassigned as one without either:
                    // no board would ever claim it back.
                    bind_block(i, kUnassigned, kUnassigned, headerCpu < kBlockCount);
                    visited[i] = true;
                    freeBlock[i] = true;
                }
            }
            if (installed && !assigned) {
                u32 j = 0;
                while (j < kBlockCount && !freeBlock[j])
                    ++j;
                if (j == kBlockCount) {
                    log_location(kUnit, "check_coeherence", __LINE__, "nessun DeviceProgType disponibile\n");
                    return ZP_ERR_NOT_FOUND;
                }
                bind_block(j, u8(cpu), u8(ll), true);
                visited[j] = true;
                freeBlock[j] = false;
            }
        }
    }
    return ZP_OK;
}

int ZpConf::check_zpxProg(bool repair)
{
    if (m_inZpxCheck)
        return ZP_UNCHANGED;
    // Clearing lines and binding boards would each rebuild the device status; one rebuild on the
    // finished state is enough.
    hold_reactions();
    const int result = check_zpx(repair);
    release_reactions();
    return result;
}

int ZpConf::check_zpx(bool repair)
{
    ZpConfBlock* statusBlock = find_block(199);
    if (!statusBlock)
        return ZP_ERR_NO_STATUS;
    if (statusBlock->lock_read() != 0)
        return ZP_ERR_GENERIC;
    const bool hasStatus = statusBlock->get_iface() != nullptr;
    statusBlock->unlock();
    if (!hasStatus)
        return ZP_ERR_NO_STATUS;
    ZpConfBlock* block = get_block(0, 2, 2);
    if (!block)
        os_FatalPrintf("block == nullptr\n");
    if (block->lock_write() != 0)
        return ZP_ERR_GENERIC;
    // Read under the lock: another thread may install a new layout until it is taken.
    auto* zpx = dynamic_cast<ZpxProg*>(block->get_iface());
    if (!zpx) {
        block->unlock();
        return ZP_ERR_PARAM;
    }
    m_inZpxCheck = true;

    u8* d = zpx->data();
    if (m_panelType == PanelType::UNKNOWN)
        m_panelType = d[zpx::kPanelType];
    m_networked = d[zpx::kNetworked];

    bool forced = false;
    bool changed = false;
    bool skipStandalone = false;
    if (repair && m_shadow) {
        memcpy(m_shadow.get(), d, zpx::kSize);
    } else if (!repair && m_shadow && m_shadow[zpx::kNetworked] == d[zpx::kNetworked]) {
        skipStandalone = true;
    }
    if (!m_shadow) {
        m_shadow.reset(new u8[zpx::kSize]);
        memcpy(m_shadow.get(), d, zpx::kSize);
        forced = true;
    }
    const u8* shadow = m_shadow.get();
    if (!skipStandalone && d[zpx::kNetworked] == 0) {
        log_location(kUnit, "check_zpxProg", __LINE__, "Forzo a standalone\n");
        for (u32 cpu = 1; cpu < zpx::kCpuCount; ++cpu) {
            if (zpx->record(cpu).set_installed_within_limit(false) == ZP_OK)
                changed = true;
        }
    }

    for (const Region& region : kRegions) {
        if (memcmp(shadow + region.first, d + region.first, region.last - region.first + 1) != 0)
            queue_signal(region.signal);
    }

    const std::vector<u8> brands = get_brand_list(m_panelType);
    if (std::find(brands.begin(), brands.end(), d[zpx::kSensorBrand]) == brands.end()) {
        zpx->put_sensor_brand(brands.empty() ? 0 : brands.front());
        changed = true;
    }
    const u8 brand = d[zpx::kSensorBrand];
    const u8 oldBrand = shadow[zpx::kSensorBrand];

    const u32 model = PanelType::get_cpu_model(m_panelType);
    const u32 linesPerLl = CpuModel::get_lines_per_ll(model);
    const bool hasAdv = CpuModel::has_adv_protocol(model);
    if (brand != oldBrand || forced) {
        const u8 fallback = hasAdv ? LINE_PROTOCOL_ADV : LINE_PROTOCOL_VARN;
        for (u32 cpu = 0; cpu < zpx::kCpuCount; ++cpu) {
            for (u32 ll = 0; ll < LineRec::kCount; ++ll) {
                const LineRec board = zpx->record(cpu).line(ll);
                const bool installed = board.is_installed();
                const int lineNo = int(ll * linesPerLl);
                for (u32 index = 0; index < 2; ++index) {
                    u8& byte = board.bytes()[0];
                    const u8 prot = line_protocol(byte, index);
                    u8 next = prot;
                    if (!hasAdv && next == LINE_PROTOCOL_ADV) {
                        next = LINE_PROTOCOL_VARN;
                        if (installed)
                            log_location(kUnit, "check_zpxProg", __LINE__, "C%dL%d e' advance ma non e' supportato\n",
                                         int(cpu), lineNo);
                    }
                    if (brand != zpx::kBrandApollo && next == LINE_PROTOCOL_APOLLO) {
                        next = fallback;
                        if (installed)
                            log_location(kUnit, "check_zpxProg", __LINE__, "C%dL%d cambia protocollo da Apollo a %d\n",
                                         int(cpu), lineNo, fallback);
                    }
                    if (brand == zpx::kBrandApollo && next != LINE_PROTOCOL_APOLLO) {
                        if (installed)
                            log_location(kUnit, "check_zpxProg", __LINE__, "C%dL%d cambia protocollo da %d ad Apollo\n",
                                         int(cpu), lineNo, next);
                        next = LINE_PROTOCOL_APOLLO;
                    }
                    if (next != prot) {
                        byte = u8((byte & ~(3u << kProtShift[index])) | (next << kProtShift[index]));
                        changed = true;
                    }
                }
            }
        }
    }

    if (!m_loading && brand != oldBrand && (brand == zpx::kBrandApollo || oldBrand == zpx::kBrandApollo)) {
        for (u32 i = 0; i < 4; ++i) {
            if (d[zpx::kSirens + i] != 1) {
                d[zpx::kSirens + i] = 1;
                changed = true;
            }
        }
    }

    const std::vector<u8> cpuTypes = get_cpu_type_list(model);
    for (u32 cpu = 0; cpu < zpx::kCpuCount; ++cpu) {
        CpuRec rec = zpx->record(cpu);
        const CpuRec old(m_shadow.get(), cpu);
        if (!forced && memcmp(rec.bytes(), old.bytes(), CpuRec::kSize) == 0)
            continue;
        if (!cpuTypes.empty() && std::find(cpuTypes.begin(), cpuTypes.end(), rec.get_type()) == cpuTypes.end()) {
            log_location(kUnit, "check_zpxProg", __LINE__, "C%d tipo %s non valido, imposto a %s\n", int(cpu),
                         CpuType::get_name(rec.get_type()), CpuType::get_name(cpuTypes.front()));
            rec.set_type(cpuTypes.front());
            changed = true;
        }
        const int count = rec.check_ll_num();
        if (count == ZP_OK) {
            changed = true;
        } else if (count == ZP_ERR_FULL) {
            log_location(kUnit, "check_zpxProg", __LINE__, "Linee piene!\n");
            rec.set_installed(false);
            changed = true;
        }
        if (rec.is_installed() != old.is_installed())
            changed = true;
        for (u32 ll = 0; ll < LineRec::kCount; ++ll) {
            const LineRec board = rec.line(ll);
            const LineRec oldBoard = old.line(ll);
            if (board.is_installed() != oldBoard.is_installed())
                changed = true;
            const u32 index = get_device_prog_index(cpu, ll);
            // Both protocol fields of the board, as the protocol pass above rewrites both even on
            // a model with one line per board.
            for (u32 line = 0; line < 2; ++line) {
                if (line_protocol(board.bytes()[0], line) == line_protocol(oldBoard.bytes()[0], line))
                    continue;
                if (index >= kBlockCount)
                    continue;
                log_location(kUnit, "check_zpxProg", __LINE__, "Cambiato prot cpu%d line%d\n", int(cpu),
                             int(ll * linesPerLl));
                with_layout<ZpData::IF_DeviceProg>(get_block(index, 70, 133),
                                                   [&](ZpData::IF_DeviceProg& prog) { prog.clear_line_devices(line); });
            }
        }
    }

    memcpy(m_shadow.get(), d, zpx::kSize);
    block->mark_modified();
    block->unlock();
    m_inZpxCheck = false;

    if (!changed && !forced)
        return ZP_UNCHANGED;
    if (check_coeherence() > 0)
        return ZP_ERR_GENERIC;
    return changed ? ZP_OK : ZP_UNCHANGED;
}
