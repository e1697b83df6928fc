#include "ZpData/Layouts/GroupProg.h"

#include <cstring>

namespace ZpData_v2602 {

GroupProg::GroupProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
    : IF_GroupProg(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2602), kDataVersion2602)
{
}

int GroupProg::set_default()
{
    memset(data(), 0, size());
    for (u32 g = 0; g < kGroupCount; ++g) {
        u8* record = data() + kRecordSize * g;
        record[0] = kEmptyProgram;
        record[kFlagsOffset] = 1;
    }
    notify_change(DataBlock::NOTICE_LAYOUT, 0, 0);
    return ZP_OK;
}

} // namespace ZpData_v2602
