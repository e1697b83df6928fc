#include "ZpData/Layouts/DeviceProg.h"

#include "DataBlock/bytes.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/PanelModel.h"

#include <cstring>

namespace ZpData {

int IF_DeviceProg::get_device_record(u32 slot, u8* dst) const
{
    const u8* rec = get_record(slot);
    if (!rec) {
        DeviceRec::clear(dst);
        return ZP_ERR_RANGE;
    }
    memcpy(dst, rec, DeviceRec::kSize);
    return ZP_OK;
}

int IF_DeviceProg::get_packed_address(u32 slot, PackedAddress* out) const
{
    const u8* rec = get_record(slot);
    if (!rec) {
        *out = PackedAddress::none();
        return ZP_ERR_RANGE;
    }
    *out = DeviceRec::get_packed_address(rec, get_cpu(), get_ll());
    return ZP_OK;
}

int IF_DeviceProg::find_free_device(u32 start) const
{
    for (u32 slot = start; slot < kSlotCount; ++slot)
        if (!is_device_used(slot))
            return int(slot);
    return -1;
}

} // namespace ZpData

namespace ZpData_v2602 {

namespace {
// The 0x2601 layout: the same header, 42-byte records with an 8-bit code.
constexpr u32 kOldRecordSize = 42;
constexpr u32 kOldSize = DeviceProg::kHeaderSize + kOldRecordSize * DeviceProg::kSlotCount;
} // namespace

DeviceProg::DeviceProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
    : IF_DeviceProg(conf, block, dataType, ZpData::layout_size(kFirstDataType, kDataVersion2602), kDataVersion2602)
    , m_index(u8(dataType - kFirstDataType))
{
}

int DeviceProg::get_slot_of_offset(u32 position)
{
    if (position < kHeaderSize || position >= record_offset(kSlotCount))
        return -1;
    return int((position - kHeaderSize) / DeviceRec::kSize);
}

int DeviceProg::convert(const DataBlock::IFace& previous)
{
    if (previous.version() == version())
        return ZP_UNCHANGED;
    if (previous.version() != kDataVersion2601 || previous.size() != kOldSize || !previous.data())
        return ZP_ERR_PARAM;

    const u8* src = previous.data();
    u8* dst = data();
    dst[0] = src[0];
    dst[1] = src[1];
    for (u32 slot = 0; slot < kSlotCount; ++slot) {
        const u8* o = src + kHeaderSize + kOldRecordSize * slot;
        u8* n = dst + record_offset(slot);
        n[0] = o[0];
        n[1] = o[1];
        // The old type byte carried the second-series bit of the code (bit 6) and a one-bit class.
        const u16 code = u16(o[2] | ((o[3] & 0x40) ? 0x4000 : 0));
        put_le16(n + 2, code);
        n[4] = u8((o[3] & 0x3F) | (((o[3] >> 7) & 1) << 6));
        n[5] = o[4];
        n[6] = o[5];
        memcpy(n + 7, o + 6, 4);
        memcpy(n + 11, o + 10, 32);
    }
    return ZP_OK;
}

void DeviceProg::reset()
{
    memset(data(), 0, size());
    const u8 header = m_index == 0 ? 0 : kUnassigned;
    data()[0] = header;
    data()[1] = header;
    for (u32 slot = 0; slot < kSlotCount; ++slot)
        DeviceRec::clear(record(slot));
}

int DeviceProg::set_default()
{
    reset();
    notify_change(DataBlock::NOTICE_LAYOUT, 0, 0);
    return ZP_OK;
}

bool DeviceProg::is_assigned() const
{
    return data()[0] < 64 && data()[1] < 4;
}

u8 DeviceProg::get_cpu() const
{
    return data()[0];
}

u8 DeviceProg::get_ll() const
{
    return data()[1];
}

int DeviceProg::set_cpu_ll(u32 cpu, u32 board)
{
    if (data()[0] == cpu && data()[1] == board)
        return ZP_UNCHANGED;
    reset();
    // The defaults bind block 0 to CPU 0 board 0; unbinding it must not leave it bound there.
    const bool valid = cpu < 64 && board < 4;
    data()[0] = valid ? u8(cpu) : kUnassigned;
    data()[1] = valid ? u8(board) : kUnassigned;
    notify_change(DataBlock::NOTICE_LAYOUT, 0, 0);
    return ZP_OK;
}

u32 DeviceProg::get_device_num(u32 which) const
{
    u32 count = 0;
    for (u32 slot = 0; slot < kSlotCount; ++slot) {
        const u8* rec = get_record(slot);
        if (DeviceRec::is_used(rec) && (which == 2 || DeviceRec::get_line_bit(rec) == which))
            ++count;
    }
    return count;
}

const u8* DeviceProg::get_record(u32 slot) const
{
    return slot < kSlotCount ? data() + record_offset(slot) : nullptr;
}

bool DeviceProg::is_device_used(u32 slot) const
{
    const u8* rec = get_record(slot);
    return rec && DeviceRec::is_used(rec);
}

int DeviceProg::get_device_class(u32 slot) const
{
    const u8* rec = get_record(slot);
    return rec ? int(DeviceRec::get_class(rec)) : -1;
}

int DeviceProg::get_code_class(u32 slot) const
{
    const u8* rec = get_record(slot);
    return rec ? int(::get_code_class(DeviceRec::get_code(rec))) : -1;
}

u16 DeviceProg::get_device_code(u32 slot) const
{
    const u8* rec = get_record(slot);
    return rec ? DeviceRec::get_code(rec) : 0;
}

u8 DeviceProg::get_device_type(u32 slot) const
{
    const u8* rec = get_record(slot);
    return rec ? u8(DeviceRec::get_type(rec)) : 0;
}

u16 DeviceProg::get_device_zone(u32 slot) const
{
    const u8* rec = get_record(slot);
    return rec ? DeviceRec::get_zone(rec) : 0;
}

DeviceLocation DeviceProg::find_device(u32 cpu, u32 line, u32 kind, u32 address, u32 sub) const
{
    DeviceLocation where{m_index, DeviceLocation::kNoSlot};
    if (cpu > 63 || line > 7 || get_cpu() != cpu || get_ll() != ll_of_line(line))
        return where;
    for (u32 slot = 0; slot < kSlotCount; ++slot) {
        if (DeviceRec::is_me(get_record(slot), line, kind, address, sub)) {
            where.slot = u16(slot);
            break;
        }
    }
    return where;
}

int DeviceProg::get_free_device() const
{
    return find_free_device(0);
}

int DeviceProg::clear_all_devices()
{
    return clear_line_devices(2);
}

int DeviceProg::clear_line_devices(u32 which)
{
    if (which > 2)
        return ZP_ERR_RANGE;
    bool cleared = false;
    for (u32 slot = 0; slot < kSlotCount; ++slot) {
        u8* rec = record(slot);
        if (DeviceRec::is_used(rec) && (which == 2 || DeviceRec::get_line_bit(rec) == which)) {
            DeviceRec::clear(rec);
            cleared = true;
        }
    }
    if (!cleared)
        return ZP_UNCHANGED;
    notify_change(DataBlock::NOTICE_LAYOUT, kHeaderSize, DeviceRec::kSize * kSlotCount);
    return ZP_OK;
}

int DeviceProg::clear_device(u32 slot)
{
    const int result = clear_device_silent(slot);
    if (result == ZP_OK)
        notify_change(DataBlock::NOTICE_LAYOUT, record_offset(slot), DeviceRec::kSize);
    return result;
}

int DeviceProg::clear_device_silent(u32 slot)
{
    if (slot >= kSlotCount)
        return ZP_ERR_RANGE;
    u8* rec = record(slot);
    if (!DeviceRec::is_used(rec))
        return ZP_UNCHANGED;
    DeviceRec::clear(rec);
    mark_block_modified();
    return ZP_OK;
}

DeviceRef DeviceProg::get_device_ref(u32 slot) const
{
    const u8* rec = get_record(slot);
    if (!rec)
        return DeviceRef::none();
    const u32 line = line_of_ll(get_ll(), DeviceRec::get_line_bit(rec));
    DeviceRef ref;
    ref.raw[0] = u8(get_cpu() | ((line & 1) << 7));
    ref.raw[1] = u8(((line >> 1) & 3) | (DeviceRec::get_sub(rec) << 2) | (DeviceRec::is_module(rec) ? 0x40 : 0));
    ref.raw[2] = rec[4];
    put_le16(ref.raw + 3, DeviceRec::get_code(rec));
    ref.raw[5] = rec[0];
    ref.raw[6] = m_index;
    put_le16(ref.raw + 7, u16(slot));
    put_le16(ref.raw + 9, DeviceRec::get_zone(rec));
    return ref;
}

} // namespace ZpData_v2602
