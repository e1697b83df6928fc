#pragma once
// The single-word blocks of the panel configuration (dataTypes 0 and 1) in the current data
// version.
#include "ZpData/Layouts/interface.h"

namespace ZpData_v2602 {

// One value of type T, default 0.
template <class T>
class Prog : public ZpData::IFace {
public:
    Prog(ZpConf* conf, ZpConfBlock* block, u8 dataType)
        : ZpData::IFace(conf, block, dataType, u32(sizeof(T)), kDataVersion2602)
    {
    }
};

} // namespace ZpData_v2602
