#include "ZpData/interface.h"

#include "OS/TraceLog.h"

namespace ZpData {

// Placeholder until every layout class exists: plain layouts of the right size.
IFace* new_iface(ZpConf* conf, ZpConfBlock* block, u32 dataType, u32 expected_size, u16 version)
{
    const u32 size = dataType <= 199 ? layout_size(u8(dataType), version) : 0;
    if (!size)
        return nullptr;
    IFace* layout = new IFace(conf, block, u8(dataType), size, version);
    if (expected_size && expected_size != size) {
        delete layout;
        return nullptr;
    }
    return layout;
}

} // namespace ZpData
