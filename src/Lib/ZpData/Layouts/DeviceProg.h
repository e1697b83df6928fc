#pragma once
// Device programming blocks (dataTypes 70 to 133, block index = dataType - 70): the devices of
// the lines of one loop-line board of one CPU. A 2-byte header names the CPU and board (255 =
// unassigned), then 700 device records of 43 bytes (DeviceRec.h), slot s at 2 + 43 * s.
#include "ZpData/Layouts/interface.h"
#include "ZpData/Values/DeviceRec.h"
#include "ZpData/Values/DeviceRef.h"

namespace ZpData {

class IF_DeviceProg : public IFace {
public:
    using IFace::IFace;

    static constexpr u32 kSlotCount = 700;

    int set_default() override = 0;
    // Header CPU below 64 and board below 4.
    virtual bool is_assigned() const = 0;
    virtual u8 get_cpu() const = 0;
    virtual u8 get_ll() const = 0;
    // Binds the block to (cpu, board), clearing every device; an out-of-range pair leaves it
    // unassigned. -1 when the header already holds the pair (the devices are kept).
    virtual int set_cpu_ll(u32 cpu, u32 board) = 0;
    // Used slots on line-within-board 0 or 1, or on both for 2.
    virtual u32 get_device_num(u32 which) const = 0;
    virtual bool is_device_used(u32 slot) const = 0;
    // -1 above slot 699.
    virtual int get_device_class(u32 slot) const = 0;
    // Code class of the slot's device code; -1 above slot 699.
    virtual int get_code_class(u32 slot) const = 0;
    // The getters below give 0 above slot 699.
    virtual u16 get_device_code(u32 slot) const = 0;
    virtual u8 get_device_type(u32 slot) const = 0;
    virtual u16 get_device_zone(u32 slot) const = 0;
    // The first slot answering to (line, kind, address, sub) when the block serves cpu and the
    // board of line; slot DeviceLocation::kNoSlot when absent.
    virtual DeviceLocation find_device(u32 cpu, u32 line, u32 kind, u32 address, u32 sub) const = 0;
    // First empty slot; -1 when the block is full.
    virtual int get_free_device() const = 0;
    // Both lines.
    virtual int clear_all_devices() = 0;
    // Empties the used slots of line-within-board 0 or 1, or of both for 2; 1013 above 2, -1 when
    // nothing was used.
    virtual int clear_line_devices(u32 which) = 0;
    // 1013 above slot 699, -1 when already empty.
    virtual int clear_device(u32 slot) = 0;
    // The no-device reference above slot 699.
    virtual DeviceRef get_device_ref(u32 slot) const = 0;

    // The 43 bytes of a slot; null above slot 699.
    virtual const u8* get_record(u32 slot) const = 0;
    // Empties a slot without a change notice (so that the device status rebuild, which calls it,
    // is not started again by its own repair) and marks the block modified for the CRC upkeep.
    // 1013 above slot 699, -1 when already empty.
    virtual int clear_device_silent(u32 slot) = 0;

    // Copies the record of a slot into dst (DeviceRec::kSize bytes); above slot 699 dst gets the
    // empty record and the result is 1013.
    int get_device_record(u32 slot, u8* dst) const;
    // PackedAddress::none() and 1013 above slot 699.
    int get_packed_address(u32 slot, PackedAddress* out) const;
    u32 count_used_devices() const { return get_device_num(2); }
    // First empty slot from start on; -1 when none.
    int find_free_device(u32 start) const;
};

} // namespace ZpData

namespace ZpData_v2602 {

class DeviceProg : public ZpData::IF_DeviceProg {
public:
    static constexpr u8 kFirstDataType = 70;
    static constexpr u32 kHeaderSize = 2;
    static constexpr u8 kUnassigned = 255;

    DeviceProg(ZpConf* conf, ZpConfBlock* block, u8 dataType);

    // The block's index within its kind, 0 to 63.
    u8 get_index() const { return m_index; }
    static u32 record_offset(u32 slot) { return kHeaderSize + DeviceRec::kSize * slot; }
    // The slot whose record holds a byte position; -1 for the header and past the records.
    static int get_slot_of_offset(u32 position);

    // From a 0x2601 block: 42-byte records widened to 43 (16-bit code). Nothing is marked: the
    // upgrade installs the converted layout as a whole. -1 from this version, 1003 from any other
    // version or size.
    int convert(const DataBlock::IFace& previous) override;
    // Every slot empty; block 0 bound to CPU 0 board 0, the others unassigned.
    int set_default() override;
    bool is_assigned() const override;
    u8 get_cpu() const override;
    u8 get_ll() const override;
    int set_cpu_ll(u32 cpu, u32 board) override;
    u32 get_device_num(u32 which) const override;
    bool is_device_used(u32 slot) const override;
    int get_device_class(u32 slot) const override;
    int get_code_class(u32 slot) const override;
    u16 get_device_code(u32 slot) const override;
    u8 get_device_type(u32 slot) const override;
    u16 get_device_zone(u32 slot) const override;
    DeviceLocation find_device(u32 cpu, u32 line, u32 kind, u32 address, u32 sub) const override;
    int get_free_device() const override;
    int clear_all_devices() override;
    int clear_line_devices(u32 which) override;
    int clear_device(u32 slot) override;
    DeviceRef get_device_ref(u32 slot) const override;
    const u8* get_record(u32 slot) const override;
    int clear_device_silent(u32 slot) override;

private:
    // The default bytes, without a change notice.
    void reset();
    u8* record(u32 slot) { return data() + record_offset(slot); }

    u8 m_index;
};

} // namespace ZpData_v2602
