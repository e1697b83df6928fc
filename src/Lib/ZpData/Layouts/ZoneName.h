#pragma once
// Zone name block (dataType 4): a 32-character name for each of zones 1 to 2000.
#include "ZpData/Layouts/interface.h"

namespace ZpData {

class IF_ZoneName : public IFace {
public:
    using IFace::IFace;

    // dst holds 33 bytes and gets the name of zone 1 to 2000 with a terminator; any other zone
    // gives an empty text and 1013.
    virtual int get_name(u32 zone, char* dst) const = 0;
    // Stores at most 32 characters; -1 when the field already holds them, 1013 for a zone
    // outside 1 to 2000.
    virtual int set_name(u32 zone, const char* name) = 0;
    virtual int set_name(int zone, const char* name) = 0;
};

} // namespace ZpData

namespace ZpData_v2602 {

class ZoneName : public ZpData::IF_ZoneName {
public:
    static constexpr u8 kDataType = 4;
    static constexpr u32 kZoneCount = 2000;

    ZoneName(ZpConf* conf, ZpConfBlock* block, u8 dataType);

    int get_name(u32 zone, char* dst) const override;
    int set_name(u32 zone, const char* name) override;
    int set_name(int zone, const char* name) override;
};

} // namespace ZpData_v2602
