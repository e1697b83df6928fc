#include "ZpData/Layouts/DeviceAuxProg.h"

#include "OS/TraceLog.h"

#include <cstring>

namespace ZpData_v2602 {

namespace {
const char* const kUnit = "src/Lib/ZpData/ZpData_2602";
}

DeviceAuxProg::DeviceAuxProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
    : IF_DeviceAuxProg(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2602), kDataVersion2602)
{
}

int DeviceAuxProg::set_default()
{
    memset(data(), 0, size());
    for (u32 index = 1; index < kRecordCount; ++index) {
        data()[index * kRecordSize] = kUnassigned;
        data()[index * kRecordSize + 1] = kUnassigned;
    }
    notify_change(DataBlock::NOTICE_LAYOUT, 0, 0);
    return ZP_OK;
}

int DeviceAuxProg::set_cpu_llId(u32 index, u8 cpu, u8 board)
{
    if (index >= kRecordCount)
        return ZP_ERR_RANGE;
    u8* rec = data() + index * kRecordSize;
    if (rec[0] == cpu && rec[1] == board)
        return ZP_UNCHANGED;
    log_error(kUnit, "set_cpu_llId", __LINE__, "DeviceAuxProg[%d] = c%dll%d\n", int(index), cpu, board);
    memset(rec, 0, kRecordSize);
    rec[0] = cpu;
    rec[1] = board;
    notify_change(DataBlock::NOTICE_LAYOUT, index * kRecordSize, kRecordSize);
    return ZP_OK;
}

u8 DeviceAuxProg::get_test(u32 index, u32 slot) const
{
    if (index >= kRecordCount || slot >= kSlotCount)
        return 0;
    return (data()[index * kRecordSize + kBitsOffset + slot / 8] >> (slot % 8)) & 1;
}

int DeviceAuxProg::write_test(u32 index, u32 slot, bool value)
{
    if (index >= kRecordCount || slot >= kSlotCount)
        return ZP_ERR_RANGE;
    u8& byte = data()[index * kRecordSize + kBitsOffset + slot / 8];
    const u8 bit = u8(1u << (slot % 8));
    if (((byte & bit) != 0) == value)
        return ZP_UNCHANGED;
    byte = value ? u8(byte | bit) : u8(byte & ~bit);
    return ZP_OK;
}

int DeviceAuxProg::set_test(u32 index, u32 slot, u8 value)
{
    const int result = write_test(index, slot, value != 0);
    if (result == ZP_OK)
        notify_change(DataBlock::NOTICE_LAYOUT, index * kRecordSize, kRecordSize);
    return result;
}

int DeviceAuxProg::clear_test_silent(u32 index, u32 slot)
{
    const int result = write_test(index, slot, false);
    if (result == ZP_OK)
        mark_block_modified();
    return result;
}

} // namespace ZpData_v2602
