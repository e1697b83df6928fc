#pragma once
// Auxiliary device block (dataType 198): one 90-byte record per DeviceProg block. Record i:
// byte 0 CPU, byte 1 board, bytes 2 to 89 one in-test bit per device slot of DeviceProg block i
// (slot s at byte 2 + s / 8, bit s % 8).
#include "ZpData/Layouts/interface.h"

namespace ZpData {

class IF_DeviceAuxProg : public IFace {
public:
    using IFace::IFace;

    static constexpr u32 kRecordCount = 64;
    static constexpr u32 kSlotCount = 700;

    int set_default() override = 0;
    // Binds record index to (cpu, board) and clears its in-test bits; 1013 above index 63, -1
    // when the record already holds the pair.
    virtual int set_cpu_llId(u32 index, u8 cpu, u8 board) = 0;
    // 0 above index 63 or slot 699.
    virtual u8 get_test(u32 index, u32 slot) const = 0;
    // Any non-zero value sets the bit. 1013 above index 63 or slot 699, -1 when unchanged.
    virtual int set_test(u32 index, u32 slot, u8 value) = 0;
    // Clears one in-test bit without a change notice (so that the device status rebuild, which
    // calls it, is not started again by its own clean-up) and marks the block modified for the
    // CRC upkeep. 1013 above index 63 or slot 699, -1 when already clear.
    virtual int clear_test_silent(u32 index, u32 slot) = 0;
};

} // namespace ZpData

namespace ZpData_v2602 {

class DeviceAuxProg : public ZpData::IF_DeviceAuxProg {
public:
    static constexpr u8 kDataType = 198;
    static constexpr u32 kRecordSize = 90;
    static constexpr u32 kBitsOffset = 2;
    static constexpr u8 kUnassigned = 255;

    DeviceAuxProg(ZpConf* conf, ZpConfBlock* block, u8 dataType);

    // No slot in test; record 0 bound to CPU 0 board 0, the others unassigned.
    int set_default() override;
    int set_cpu_llId(u32 index, u8 cpu, u8 board) override;
    u8 get_test(u32 index, u32 slot) const override;
    int set_test(u32 index, u32 slot, u8 value) override;
    int clear_test_silent(u32 index, u32 slot) override;

private:
    // Writes the bit; -1 when unchanged, 1013 out of range.
    int write_test(u32 index, u32 slot, bool value);
};

} // namespace ZpData_v2602
