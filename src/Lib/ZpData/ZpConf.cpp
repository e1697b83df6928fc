#include "ZpData/ZpConf.h"

#include "OS/os.h"
#include "ZpData/ZpConfBlock.h"

ZpConf::ZpConf(int arg, u32 panelType)
    : m_blocks(this, arg)
    , m_panelType(panelType)
{
}

ZpConf::~ZpConf() = default;

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

void ZpConf::on_block_change(const DataBlock::Notice&)
{
}

void ZpConf::clear_device_lists()
{
}

void ZpConf::list_device(const DeviceRef&)
{
}

void ZpConf::queue_signal(u16)
{
}
