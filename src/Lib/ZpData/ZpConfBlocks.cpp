#include "ZpData/ZpConfBlocks.h"

#include "OS/TraceLog.h"
#include "OS/os.h"
#include "ZpData/ZpConfBlock.h"

ZpConfBlocks::ZpConfBlocks(ZpConf* conf, int /*arg*/)
    : m_conf(conf)
    , m_validLock(os_LockCreate())
{
    for (u16& crc : m_crcs)
        crc = kInitialCrc;
    // Each block gets a layout of the current version as it is created, so the table must
    // be complete (all null) before the first one looks itself up.
    for (ZpConfBlock*& block : m_blocks)
        block = nullptr;
    for (u32 i = 0; i < kCount; ++i)
        m_blocks[i] = new ZpConfBlock(this, u8(i));
}

ZpConfBlocks::~ZpConfBlocks()
{
    for (ZpConfBlock*& block : m_blocks) {
        delete block;
        block = nullptr;
    }
    os_LockDelete(m_validLock);
}

ZpConfBlock* ZpConfBlocks::operator[](u32 dataType) const
{
    if (dataType >= kCount) {
        log_error("src/Lib/ZpData/ZpConfBlock", "operator[]", __LINE__, "Invalid dataType: %d\n", int(dataType));
        return nullptr;
    }
    return m_blocks[dataType];
}

u16 ZpConfBlocks::get_crc(u32 dataType) const
{
    return (dataType >= 2 && dataType < kCount) ? m_crcs[dataType - 2] : 0;
}

void ZpConfBlocks::set_crc(u32 dataType, u16 crc)
{
    if (dataType >= 2 && dataType < kCount)
        m_crcs[dataType - 2] = crc;
}

bool ZpConfBlocks::is_valid(u32 dataType) const
{
    return dataType < kCount && (m_validBits[dataType / 8] >> (dataType % 8)) & 1;
}
