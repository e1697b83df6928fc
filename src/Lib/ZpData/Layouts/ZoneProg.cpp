#include "ZpData/Layouts/ZoneProg.h"

#include <cstring>

namespace ZpData_v2602 {

ZoneProg::ZoneProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
    : IF_ZoneProg(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2602), kDataVersion2602)
{
}

int ZoneProg::set_default()
{
    memset(data(), 0, size());
    notify_change(DataBlock::NOTICE_LAYOUT, 0, 0);
    return ZP_OK;
}

u8 ZoneProg::get_bit(u32 table, u32 zone) const
{
    if (zone == 0 || zone > kZoneCount)
        return 0;
    const u32 n = zone - 1;
    return (data()[table + n / 8] >> (n % 8)) & 1;
}

u8 ZoneProg::get_zone_bit_a(u32 zone) const
{
    return get_bit(kBitTableA, zone);
}

u8 ZoneProg::get_zone_bit_b(u32 zone) const
{
    return get_bit(kBitTableB, zone);
}

u8 ZoneProg::get_zone_nibble(u32 zone) const
{
    if (zone == 0 || zone > kZoneCount)
        return 0;
    const u32 n = zone - 1;
    const u8 pair = data()[kNibbleTable + n / 2];
    return (n % 2 == 0) ? (pair & 0x0F) : (pair >> 4);
}

} // namespace ZpData_v2602
