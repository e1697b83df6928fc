#include "ZpData/Layouts/NameProg.h"

#include "ZpData/Values/NameField.h"

#include <cstring>

namespace ZpData_v2602 {

using ZpData::kNameLength;

namespace {
u32 name_offset(u32 slot)
{
    return NameProg::kHeaderSize + kNameLength * slot;
}
} // namespace

NameProg::NameProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
    : IF_NameProg(conf, block, dataType, ZpData::layout_size(kFirstDataType, kDataVersion2602), kDataVersion2602)
    , m_index(u8(dataType - kFirstDataType))
{
}

int NameProg::set_default()
{
    memset(data(), 0, size());
    const u8 header = m_index == 0 ? 0 : kUnassigned;
    data()[0] = header;
    data()[1] = header;
    notify_change(DataBlock::NOTICE_LAYOUT, 0, 0);
    return ZP_OK;
}

int NameProg::set_cpu_ll(u8 cpu, u8 board)
{
    if (data()[0] == cpu && data()[1] == board)
        return ZP_OK;
    memset(data() + kHeaderSize, 0, size() - kHeaderSize);
    data()[0] = cpu;
    data()[1] = board;
    notify_change(DataBlock::NOTICE_LAYOUT, 0, 0);
    return ZP_OK;
}

int NameProg::get_name(u32 slot, char* dst) const
{
    if (!dst)
        return ZP_ERR_PARAM;
    if (slot >= kSlotCount) {
        dst[0] = '\0';
        return ZP_ERR_RANGE;
    }
    ZpData::name_read(data() + name_offset(slot), dst);
    return ZP_OK;
}

int NameProg::set_name(u32 slot, const char* name)
{
    if (slot >= kSlotCount)
        return ZP_ERR_RANGE;
    u8* field = data() + name_offset(slot);
    if (ZpData::name_equals(field, name))
        return ZP_UNCHANGED;
    ZpData::name_write(field, name);
    notify_change(DataBlock::NOTICE_LAYOUT, name_offset(slot), kNameLength);
    return ZP_OK;
}

int NameProg::set_name(int slot, const char* name)
{
    // A negative slot becomes a number far above the last slot and is refused there.
    return set_name(u32(slot), name);
}

int NameProg::clear_name(u32 slot)
{
    if (slot >= kSlotCount)
        return ZP_ERR_RANGE;
    u8* field = data() + name_offset(slot);
    if (ZpData::name_is_clear(field))
        return ZP_UNCHANGED;
    memset(field, 0, kNameLength);
    notify_change(DataBlock::NOTICE_LAYOUT, name_offset(slot), kNameLength);
    return ZP_OK;
}

} // namespace ZpData_v2602
