#pragma once
// Group block (dataType 5): the compiled control-by-event program of each of groups 1 to 1600.
#include "ZpData/Layouts/interface.h"

namespace ZpData {

class IF_GroupProg : public IFace {
public:
    using IFace::IFace;

    int set_default() override = 0;
};

} // namespace ZpData

namespace ZpData_v2602 {

class GroupProg : public ZpData::IF_GroupProg {
public:
    static constexpr u8 kDataType = 5;
    static constexpr u32 kGroupCount = 1600;
    // Group g at kRecordSize * (g - 1): bytes 0 to 31 its program, byte 32 its flags.
    static constexpr u32 kRecordSize = 33;
    static constexpr u8 kEmptyProgram = 0xF0;
    static constexpr u32 kFlagsOffset = 32;

    GroupProg(ZpConf* conf, ZpConfBlock* block, u8 dataType);

    // Every record: the empty program and flag bit 0 set.
    int set_default() override;

protected:
    // Nothing in this system sets it; kept null.
    void* m_aux = nullptr;
};

} // namespace ZpData_v2602
