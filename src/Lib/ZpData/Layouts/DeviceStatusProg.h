#pragma once
// Device status block (dataType 199): an index rebuilt from the DeviceProg blocks, so that a
// device is found by its address without walking the whole installation.
//
//   0                       block index table: byte 4 * cpu + board = the DeviceProg block of
//                           that CPU and board; 255 = none
//   256 + 1400 * i + 2 * s  status entry of slot s of DeviceProg block i: byte 0 loop address
//                           (above 158 = slot free); byte 1 bits 0-3 sub-address (modules;
//                           15 = not set), bit 4 line within the board, bit 5 module, bits 6-7
//                           device class
#include "ZpData/Layouts/interface.h"
#include "ZpData/Values/DeviceRec.h"
#include "ZpData/Values/DeviceRef.h"

#include <bitset>

namespace ZpData {

// Progress report of the library's long operations: a stage text and a step value. The device
// status rebuild reports stage "Process" with steps 0 to 196 (block index * 199 / 64).
typedef void (*ProgressFn)(const char* stage, int value);

class IF_DeviceStatusProg : public IFace {
public:
    using IFace::IFace;

    // Rebuilds the whole block from the DeviceProg blocks of the container (a layout without a
    // container gets an index of free entries only). With remove_zombies set, a later used slot
    // that repeats the line, address and kind of an earlier one is emptied. progress may be null.
    virtual int update_device_status(bool remove_zombies, ProgressFn progress) = 0;
    // The DeviceProg block of (cpu, board); 255 when none or out of range.
    virtual u8 get_block_index(u32 cpu, u32 board) const = 0;
    // {255, DeviceLocation::kNoSlot} when no entry answers.
    virtual DeviceLocation find_device(u32 cpu, u32 line, u32 kind, u32 address, u32 sub) const = 0;
    // The reference of the entry found, with the fields the index holds (type, code and zone stay
    // 255); the no-device reference when none answers.
    virtual DeviceRef get_device_ref(u32 cpu, u32 line, u32 kind, u32 address, u32 sub) const = 0;
};

} // namespace ZpData

namespace ZpData_v2602 {

class DeviceStatusProg : public ZpData::IF_DeviceStatusProg {
public:
    static constexpr u8 kDataType = 199;
    static constexpr u32 kBlockCount = 64;
    static constexpr u32 kSlotCount = 700;
    static constexpr u32 kEntriesOffset = 256;
    static constexpr u32 kEntrySize = 2;
    static constexpr u8 kNone = 255;
    // Status entry byte 1 of a sensor: no sub-address.
    static constexpr u8 kNoSub = 15;
    static constexpr u16 kSignalDevicesRebuilt = 207;

    DeviceStatusProg(ZpConf* conf, ZpConfBlock* block, u8 dataType);

    static u32 entry_offset(u32 block, u32 slot) { return kEntriesOffset + (block * kSlotCount + slot) * kEntrySize; }

    int update_device_status(bool remove_zombies, ZpData::ProgressFn progress) override;
    u8 get_block_index(u32 cpu, u32 board) const override;
    DeviceLocation find_device(u32 cpu, u32 line, u32 kind, u32 address, u32 sub) const override;
    DeviceRef get_device_ref(u32 cpu, u32 line, u32 kind, u32 address, u32 sub) const override;

private:
    typedef std::bitset<kSlotCount> SlotSet;

    // Index and entries of one DeviceProg block; its free slots are set in freeSlots. False when
    // the block holds no device programming layout.
    bool index_block(u32 index, bool remove_zombies, SlotSet& freeSlots);
    // Names and in-test bits of the free slots of one block.
    void clear_free_slots(u32 index, const SlotSet& freeSlots);
};

} // namespace ZpData_v2602

// Slot state table of the control-by-event engine: 2-bit states of the 700 slots of one
// DeviceProg block, four slots per byte (slot s in byte s / 4, bits 2 * (s % 4)).
constexpr u32 kDevStateTableSize = 175;
// 0 above slot 699.
u8 get_dev_state(const u8* table, u32 slot);
// Ignores a slot above 699 or a value above 3.
void set_dev_state(u8* table, u32 slot, u8 value);
