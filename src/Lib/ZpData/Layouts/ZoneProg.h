#pragma once
// Zone programming block (dataType 3): the night-and-day and pre-alarm bits and the correlation
// number of zones 1 to 2000.
#include "ZpData/Layouts/interface.h"

namespace ZpData {

class IF_ZoneProg : public IFace {
public:
    using IFace::IFace;

    int set_default() override = 0;
    // Zone 1 to 2000; any other zone reads as 0.
    virtual u8 get_zone_bit_a(u32 zone) const = 0;
    virtual u8 get_zone_bit_b(u32 zone) const = 0;
    virtual u8 get_zone_nibble(u32 zone) const = 0;
};

} // namespace ZpData

namespace ZpData_v2602 {

class ZoneProg : public ZpData::IF_ZoneProg {
public:
    static constexpr u8 kDataType = 3;
    static constexpr u32 kZoneCount = 2000;
    // Zone z is bit (z - 1) % 8 of byte (z - 1) / 8 in each bit table.
    static constexpr u32 kBitTableA = 0;   // night and day
    static constexpr u32 kBitTableB = 250; // pre-alarm
    // Zone z is a nibble of byte 500 + (z - 1) / 2: the low one for odd z.
    static constexpr u32 kNibbleTable = 500;

    ZoneProg(ZpConf* conf, ZpConfBlock* block, u8 dataType);

    int set_default() override;
    u8 get_zone_bit_a(u32 zone) const override;
    u8 get_zone_bit_b(u32 zone) const override;
    u8 get_zone_nibble(u32 zone) const override;

private:
    u8 get_bit(u32 table, u32 zone) const;
};

} // namespace ZpData_v2602
