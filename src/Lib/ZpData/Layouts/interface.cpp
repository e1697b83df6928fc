#include "ZpData/Layouts/interface.h"

#include "OS/TraceLog.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Values/PanelModel.h"

const u16 g_zpDataVersions[4] = {kDataVersion2600, kDataVersion2601, kDataVersion2602, kDataVersionEnd};
const u16 g_zpDataVersion = kDataVersion2602;

namespace ZpData {

IFace::IFace(ZpConf* conf, ZpConfBlock* block, u8 dataType, u32 size, u16 version)
    : DataBlock::IFace(block, size, version)
    , m_conf(conf)
    , m_block(block)
    , m_dataType(dataType)
{
}

int IFace::get_data(void* dst, u32 offset, u32 length)
{
    if (!m_block) {
        log_error("src/Lib/ZpData/interface", "get_data", __LINE__, "block not found\n");
        return ZP_ERR_GENERIC;
    }
    return m_block->get_data(dst, length, offset);
}

void IFace::notify_change(u32 kind, u32 offset, u32 length)
{
    if (!m_block || m_block->get_iface() != this)
        return;
    m_block->on_change(DataBlock::Notice{kind, m_dataType, offset, length});
    if (kind == DataBlock::NOTICE_LAYOUT || kind == DataBlock::NOTICE_DATA)
        m_block->mark_modified();
}

void IFace::mark_block_modified()
{
    if (m_block && m_block->get_iface() == this)
        m_block->mark_modified();
}

bool IFace::lock_block_write()
{
    return m_block && m_block->lock_write() == 0;
}

void IFace::unlock_block()
{
    m_block->unlock();
}

u32 IFace::container_panel_type() const
{
    return m_conf ? m_conf->get_panel_type() : PanelType::UNKNOWN;
}

u32 layout_size(u8 dataType, u16 version)
{
    if (version != kDataVersion2600 && version != kDataVersion2601 && version != kDataVersion2602)
        return 0;
    if (dataType <= 1)
        return 4;
    if (dataType == 2)
        return 5310;
    if (dataType == 3)
        return 1500;
    if (dataType == 4)
        return 64000;
    if (dataType == 5)
        return 52800;
    if (dataType <= 69)
        return 5200;
    if (dataType <= 133)
        return version == kDataVersion2602 ? 30102 : 29402;
    if (dataType <= 197)
        return 22402;
    if (dataType == 198)
        return 5760;
    if (dataType == 199)
        return 89856;
    return 0;
}

IFace* new_iface(ZpConfBlock* block, u32 expected_size, u16 version)
{
    return new_iface(block ? block->get_conf() : nullptr, block, block ? block->get_data_type() : 0xFFFFFFFFu,
                     expected_size, version);
}

} // namespace ZpData
