#include "ZpData/Container/ZpConf.h"

#include "OS/TraceLog.h"
#include "OS/os.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Container/ZpConfIO.h"
#include "ZpData/Layouts/DeviceStatusProg.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Layouts/interface.h"
#include "ZpData/Values/PanelModel.h"

#include <cstring>

namespace {
const char* const kUnit = "src/Lib/ZpData/ZpConf";
constexpr u32 kLastDataType = ZpConfBlocks::kCount - 1;
constexpr u32 kZpxDataType = 2;
constexpr u32 kDeviceProgFirst = 70;
constexpr u32 kDeviceProgLast = 133;
constexpr u32 kAuxDataType = 198;
constexpr u32 kStatusDataType = 199;
} // namespace

// The trace logger and the table of data versions are in place before this: the logger is
// built on first use and the table is constant-initialised. The configuration lives for the
// whole run.
ZpConf* const g_zpConf = new ZpConf(0, PanelType::UNKNOWN);

ZpConf::ZpConf(int arg, u32 panelType)
    : m_blocks(this, arg)
    , m_zones(this)
    , m_self(this)
    , m_status(this)
    , m_io(new ZpConfIO(this))
    , m_panelType(panelType)
{
    os_GetTick(&m_tick);
    m_ready = true;
}

ZpConf::~ZpConf()
{
    m_ready = false;
}

// ---------------------------------------------------------------------------------------------
// Blocks

ZpConfBlock* ZpConf::get_block(u32 index, u32 first, u32 last)
{
    const u32 dataType = first + index;
    if (dataType > 0xFFFF || dataType > last || dataType < first)
        os_FatalPrintf("Invalid id (%d) for datatype %d\n", int(index), int(dataType));
    return m_blocks[dataType];
}

ZpConfBlock* ZpConf::find_block(u32 dataType)
{
    if (dataType < 2 || dataType >= ZpConfBlocks::kCount)
        return nullptr;
    return m_blocks[dataType];
}

int ZpConf::get_data(u32 dataType, void* dst, u32 length, u32 offset, u32* got)
{
    if (dataType > kLastDataType)
        return ZP_ERR_RANGE;
    ZpConfBlock* block = m_blocks[dataType];
    if (!block) {
        log_location(kUnit, "get_data", __LINE__, "block(%d) = null\n", int(dataType));
        return ZP_ERR_NOT_FOUND;
    }
    return block->get_data(dst, length, offset, got);
}

int ZpConf::set_data(u32 dataType, const void* src, u32 length, u32 offset)
{
    ZpConfBlock* block = m_blocks[dataType];
    if (!block) {
        log_location(kUnit, "set_data", __LINE__, "block(%d) = null\n", int(dataType));
        return ZP_ERR_NOT_FOUND;
    }
    return block->set_data(src, length, offset);
}

bool ZpConf::put_data(u32 dataType, u32 offset, u32 length, const void* src)
{
    return dataType <= kLastDataType && set_data(dataType, src, length, offset) == ZP_OK;
}

bool ZpConf::get_data_chunk(u32 dataType, u16 chunk, u16 chunkSize, u16* count, u16* length, void* dst)
{
    if (dataType > kLastDataType || chunkSize == 0)
        return false;
    ZpConfBlock* block = m_blocks[dataType];
    const u32 size = block ? block->get_size() : 0;
    if (size == 0)
        return false;
    const u32 chunks = (size + chunkSize - 1) / chunkSize;
    if (count)
        *count = u16(chunks);
    if (chunk >= chunks)
        return false;
    const u32 offset = u32(chunk) * chunkSize;
    const u32 bytes = size - offset < chunkSize ? size - offset : chunkSize;
    u32 got = 0;
    if (block->get_data(dst, bytes, offset, &got) != ZP_OK)
        return false;
    if (length)
        *length = u16(got);
    return true;
}

int ZpConf::check_range(u32 dataType, u32 offset, u32 length)
{
    if (dataType > kLastDataType)
        return ZP_ERR_RANGE;
    ZpConfBlock* block = m_blocks[dataType];
    if (!block || u64(offset) + length > block->get_size())
        return ZP_ERR_RANGE;
    return ZP_OK;
}

// ---------------------------------------------------------------------------------------------
// Defaults and version

int ZpConf::set_default(u32 dataType, u16 version)
{
    ZpConfBlock* block = m_blocks[dataType];
    DataBlock::IFace* layout = block ? block->new_iface(0, version) : nullptr;
    if (!layout) {
        log_location(kUnit, "set_default", __LINE__, "no iface\n");
        return ZP_ERR_GENERIC;
    }
    int result = layout->set_default();
    if (result != ZP_OK) {
        log_location(kUnit, "set_default", __LINE__, "set default failed\n");
        log_location(kUnit, "set_default", __LINE__, "set_iface failed\n");
        delete layout;
        return result;
    }
    result = block->set_iface(layout);
    if (result != ZP_OK) {
        log_location(kUnit, "set_default", __LINE__, "set_iface failed\n");
        delete layout;
        return result;
    }
    return ZP_OK;
}

int ZpConf::set_default_all(u16 version)
{
    int result = ZP_OK;
    hold_reactions();
    for (u32 dt = 2; result == ZP_OK && dt <= kAuxDataType; ++dt)
        result = set_default(dt, version);
    release_reactions();
    return result;
}

int ZpConf::update_all(u16 version)
{
    int result = ZP_OK;
    hold_reactions();
    for (u32 dt = 2; result == ZP_OK && dt <= kStatusDataType; ++dt)
        result = m_blocks[dt]->update(version);
    release_reactions();
    return result;
}

int ZpConf::new_config(u32 type)
{
    m_panelType = type;
    set_default_all(g_zpDataVersion);
    post_load(nullptr);
    return ZP_OK;
}

// ---------------------------------------------------------------------------------------------
// Consistency

int ZpConf::post_load(ZpData::ProgressFn progress)
{
    {
        BlockLock<ZpData::IF_ZpxProg> zpx(*this, 0, kZpxDataType, kZpxDataType);
        if (zpx.layout())
            m_networked = zpx.data()[ZpData_v2602::zpx::kNetworked];
    }
    int result = build_device_status(true, progress);
    if (result > 0)
        return result;
    result = check_zpxProg(true);
    if (result > 0)
        return result;
    m_zones.update_all_zone_test();
    return result;
}

int ZpConf::build_device_status(bool afterLoad, ZpData::ProgressFn progress)
{
    ZpConfBlock* block = get_block(0, kStatusDataType, kStatusDataType);
    if (!block)
        os_FatalPrintf("block == nullptr\n");
    const u16 version = block->get_version();
    DataBlock::IFace* made = block->new_iface(0, version);
    auto* status = dynamic_cast<ZpData::IF_DeviceStatusProg*>(made);
    if (!status) {
        delete made;
        return ZP_ERR_IFACE;
    }
    m_inStatusRebuild = true;
    status->update_device_status(afterLoad, progress);
    block->set_iface(status);
    m_inStatusRebuild = false;
    return ZP_OK;
}

void ZpConf::on_block_change(const DataBlock::Notice& notice)
{
    if (!m_ready)
        return;
    const u32 dt = notice.dataType;
    if (dt == kZpxDataType) {
        if (m_inZpxCheck)
            return;
        if (m_held)
            m_pendingZpx = true;
        else
            check_zpxProg(false);
    } else if ((dt >= kDeviceProgFirst && dt <= kDeviceProgLast) || dt == kAuxDataType) {
        if (m_inStatusRebuild)
            return;
        if (m_held || m_heldDevices) {
            m_pendingDevices = true;
        } else {
            build_device_status(false, nullptr);
            m_zones.update_all_zone_test();
        }
    }
}

void ZpConf::release_reactions()
{
    if (m_held == 0 || --m_held != 0)
        return;
    if (m_pendingZpx) {
        m_pendingZpx = false;
        check_zpxProg(false);
    }
    if (m_pendingDevices) {
        m_pendingDevices = false;
        build_device_status(false, nullptr);
        m_zones.update_all_zone_test();
    }
}

void ZpConf::release_device_reactions(bool rebuild)
{
    if (m_heldDevices == 0 || --m_heldDevices != 0 || m_held != 0)
        return;
    const bool pending = m_pendingDevices;
    m_pendingDevices = false;
    if (rebuild && pending) {
        build_device_status(false, nullptr);
        m_zones.update_all_zone_test();
    }
}

void ZpConf::clear_device_lists()
{
    m_zones.lock_all();
    m_zones.clear_all();
    m_zones.unlock_all();
    m_modbus.lock();
    m_modbus.clear();
    m_modbus.unlock();
}

void ZpConf::list_device(const DeviceRef& ref)
{
    m_zones.add_device(ref.get_stored_zone(), ref);
    m_modbus.lock();
    m_modbus.add(ref);
    m_modbus.unlock();
}
