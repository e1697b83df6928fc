#include "ZpData/Layouts/DeviceStatusProg.h"

#include "OS/TraceLog.h"
#include "OS/os.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Layouts/DeviceAuxProg.h"
#include "ZpData/Layouts/DeviceProg.h"
#include "ZpData/Layouts/NameProg.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/PanelModel.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace ZpData_v2602 {

namespace {
const char* const kUnit = "src/Lib/ZpData/ZpData_2602";

constexpr u32 kDeviceProgFirst = 70;
constexpr u32 kDeviceProgLast = 133;
constexpr u32 kNameProgFirst = 134;
constexpr u32 kNameProgLast = 197;
constexpr u32 kAuxDataType = 198;
// The rebuild yields for a moment this often, so that the panel's other tasks keep running.
constexpr u32 kPausePeriodMs = 200;

bool entry_is_free(const u8* entry)
{
    return entry[0] > DeviceRec::kMaxAddress;
}

constexpr u32 kSlotBits = 10;
constexpr u32 kSlotMask = (1u << kSlotBits) - 1;

// Two used records of one block name the same device when they agree on line, address and
// kind (both sensors, or both modules with the same sub-address). 18 bits.
u32 device_key(const u8* rec)
{
    const bool module = DeviceRec::is_module(rec);
    return (u32(DeviceRec::get_line_bit(rec)) << 17) | (u32(module) << 16) | (u32(rec[0]) << 8)
        | (module ? DeviceRec::get_param(rec) : 0u);
}
} // namespace

DeviceStatusProg::DeviceStatusProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
    : IF_DeviceStatusProg(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2602), kDataVersion2602)
{
}

// The status bytes are written straight into this layout's data, without change notices: the
// rebuild is itself the reaction to a change of the device programming, so a notice from here
// (or from the repairs it makes to the DeviceProg, NameProg and auxiliary blocks) must not start
// it again. The repaired blocks are marked modified instead, so that their CRCs follow when their
// locks are released.
int DeviceStatusProg::update_device_status(bool remove_zombies, ZpData::ProgressFn progress)
{
    u32 pauseStart = os_GetTick();
    memset(data(), kNone, size());
    if (m_conf) {
        m_conf->clear_device_lists();
        for (u32 index = 0; index < kBlockCount; ++index) {
            if (progress)
                progress("Process", int(index * 199 / kBlockCount));
            if (os_TickElapsed(pauseStart, kPausePeriodMs)) {
                os_Sleep(1);
                pauseStart = os_GetTick();
            }
            SlotSet freeSlots;
            if (!index_block(index, remove_zombies, freeSlots))
                continue;
            m_conf->queue_signal(kSignalDevicesRebuilt);
            if (freeSlots.any())
                clear_free_slots(index, freeSlots);
        }
    }
    // Normally this layout is new and its block recomputes the CRC when it installs it; when it
    // is rebuilt in place, the CRC has to follow here.
    if (m_block && m_block->get_iface() == this && m_block->lock_write() == 0) {
        m_block->mark_modified();
        m_block->unlock();
    }
    return ZP_OK;
}

bool DeviceStatusProg::index_block(u32 index, bool remove_zombies, SlotSet& freeSlots)
{
    // A rebuild that may empty duplicate records takes the write lock from the start: asking
    // for it while holding the read lock could meet another thread doing the same.
    BlockLock<ZpData::IF_DeviceProg> lock(*m_conf, index, kDeviceProgFirst, kDeviceProgLast,
                                          remove_zombies ? BlockAccess::write : BlockAccess::read);
    ZpData::IF_DeviceProg* prog = lock.layout();
    if (!prog)
        return false;
    if (!prog->is_assigned())
        return true;

    const u8 cpu = prog->get_cpu();
    const u8 board = prog->get_ll();
    data()[4 * cpu + board] = u8(index);
    // Later records naming the same device as an earlier one, chained from the first in slot
    // order. The used slots are sorted by key and then slot, packed in one word each, so that
    // the records of one device lie side by side: no pair of slots is compared and nothing is
    // allocated.
    constexpr u16 kEnd = 0xFFFF;
    static_assert(kSlotCount <= (1u << kSlotBits), "a slot fits beside its key");
    std::array<u16, kSlotCount> nextDuplicate;
    if (remove_zombies) {
        nextDuplicate.fill(kEnd);
        std::array<u32, kSlotCount> keyed;
        u32 used = 0;
        for (u32 slot = 0; slot < kSlotCount; ++slot) {
            const u8* rec = prog->get_record(slot);
            if (DeviceRec::is_used(rec))
                keyed[used++] = (device_key(rec) << kSlotBits) | slot;
        }
        std::sort(keyed.begin(), keyed.begin() + used);
        for (u32 i = 1; i < used; ++i)
            if (keyed[i] >> kSlotBits == keyed[i - 1] >> kSlotBits)
                nextDuplicate[keyed[i - 1] & kSlotMask] = u16(keyed[i] & kSlotMask);
    }
    for (u32 slot = 0; slot < kSlotCount; ++slot) {
        const u8* rec = prog->get_record(slot);
        if (!DeviceRec::is_used(rec)) {
            freeSlots.set(slot);
            continue;
        }
        const bool module = DeviceRec::is_module(rec);
        if (remove_zombies) {
            for (u16 later = nextDuplicate[slot]; later != kEnd; later = nextDuplicate[later]) {
                log_error(kUnit, "update_device_status", __LINE__,
                          "Trovato device zombie (C%dL%d%c%d.%d llId=%d ll_devId=%d)\n", cpu,
                          int(line_of_ll(board, DeviceRec::get_line_bit(rec))), module ? 'M' : 'S', rec[0],
                          module ? DeviceRec::get_param(rec) : 0, int(index), int(later));
                prog->clear_device_silent(later);
            }
        }
        u8* entry = data() + entry_offset(index, slot);
        entry[0] = rec[0];
        entry[1] = u8((module ? (DeviceRec::get_param(rec) & 0x0F) : kNoSub) | (DeviceRec::get_line_bit(rec) << 4)
                      | ((module ? 1 : 0) << 5) | (DeviceRec::get_class(rec) << 6));
        if (type_is_listed(DeviceRec::get_type(rec)))
            m_conf->list_device(prog->get_device_ref(slot));
    }
    return true;
}

void DeviceStatusProg::clear_free_slots(u32 index, const SlotSet& freeSlots)
{
    if (ZpConfBlock* block = m_conf->get_block(index, kNameProgFirst, kNameProgLast)) {
        if (block->lock_write() == 0) {
            if (auto* names = dynamic_cast<ZpData::IF_NameProg*>(block->get_iface()))
                for (u32 slot = 0; slot < kSlotCount; ++slot)
                    if (freeSlots.test(slot))
                        names->clear_name(slot);
            block->unlock();
        }
    }
    if (ZpConfBlock* block = m_conf->get_block(0, kAuxDataType, kAuxDataType)) {
        if (block->lock_write() == 0) {
            if (auto* aux = dynamic_cast<ZpData::IF_DeviceAuxProg*>(block->get_iface()))
                for (u32 slot = 0; slot < kSlotCount; ++slot)
                    if (freeSlots.test(slot))
                        aux->clear_test_silent(index, slot);
            block->unlock();
        }
    }
}

u8 DeviceStatusProg::get_block_index(u32 cpu, u32 board) const
{
    if (cpu >= kBlockCount || board >= 4)
        return kNone;
    return data()[4 * cpu + board];
}

DeviceLocation DeviceStatusProg::find_device(u32 cpu, u32 line, u32 kind, u32 address, u32 sub) const
{
    const DeviceLocation absent{kNone, DeviceLocation::kNoSlot};
    if (line >= 8 || address > DeviceRec::kMaxAddress || cpu >= kBlockCount)
        return absent;
    const u8 block = data()[4 * cpu + ll_of_line(line)];
    if (block >= kBlockCount)
        return absent;
    for (u32 slot = 0; slot < kSlotCount; ++slot) {
        const u8* entry = data() + entry_offset(block, slot);
        if (DeviceRec::matches(entry_is_free(entry), (entry[1] >> 4) & 1, (entry[1] >> 5) & 1, entry[1] >> 6, entry[0],
                               entry[1] & 0x0F, line, kind, address, sub))
            return DeviceLocation{block, u16(slot)};
    }
    return absent;
}

DeviceRef DeviceStatusProg::get_device_ref(u32 cpu, u32 line, u32 kind, u32 address, u32 sub) const
{
    DeviceRef ref = DeviceRef::none();
    const DeviceLocation where = find_device(cpu, line, kind, address, sub);
    if (!where.found())
        return ref;
    const u8* entry = data() + entry_offset(where.block, where.slot);
    const bool module = (entry[1] >> 5) & 1;
    ref.raw[0] = u8(cpu | ((line & 1) << 7));
    ref.raw[1] = u8(((line >> 1) & 3) | (module ? (entry[1] & 0x0F) << 2 : 0) | (module ? 0x40 : 0));
    ref.raw[5] = entry[0];
    ref.raw[6] = where.block;
    put_le16(ref.raw + 7, where.slot);
    return ref;
}

} // namespace ZpData_v2602

u8 get_dev_state(const u8* table, u32 slot)
{
    if (slot >= ZpData_v2602::DeviceStatusProg::kSlotCount)
        return 0;
    return (table[slot / 4] >> (2 * (slot % 4))) & 3;
}

void set_dev_state(u8* table, u32 slot, u8 value)
{
    if (slot >= ZpData_v2602::DeviceStatusProg::kSlotCount || value > 3)
        return;
    const u32 shift = 2 * (slot % 4);
    table[slot / 4] = u8((table[slot / 4] & ~(3u << shift)) | (u32(value) << shift));
}
