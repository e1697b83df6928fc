#include "ZpData/Layouts/ZoneName.h"

#include "OS/TraceLog.h"
#include "ZpData/Values/NameField.h"

namespace {
const char* const kUnit = "src/Lib/ZpData/ZpData_2602";
}

namespace ZpData_v2602 {

using ZpData::kNameLength;

ZoneName::ZoneName(ZpConf* conf, ZpConfBlock* block, u8 dataType)
    : IF_ZoneName(conf, block, dataType, ZpData::layout_size(kDataType, kDataVersion2602), kDataVersion2602)
{
}

int ZoneName::get_name(u32 zone, char* dst) const
{
    if (!dst)
        return ZP_ERR_PARAM;
    if (zone == 0 || zone > kZoneCount) {
        dst[0] = '\0';
        return ZP_ERR_RANGE;
    }
    ZpData::name_read(data() + kNameLength * (zone - 1), dst);
    return ZP_OK;
}

int ZoneName::set_name(u32 zone, const char* name)
{
    if (zone == 0 || zone > kZoneCount) {
        log_error(kUnit, "set_name", __LINE__, "zoneNbr = %d ( > %d || == 0)\n", int(zone), int(kZoneCount));
        return ZP_ERR_RANGE;
    }
    const u32 offset = kNameLength * (zone - 1);
    u8* field = data() + offset;
    if (ZpData::name_equals(field, name))
        return ZP_UNCHANGED;
    ZpData::name_write(field, name);
    notify_change(DataBlock::NOTICE_LAYOUT, offset, kNameLength);
    return ZP_OK;
}

int ZoneName::set_name(int zone, const char* name)
{
    // A negative zone becomes a number far above the last zone and is refused there.
    return set_name(u32(zone), name);
}

} // namespace ZpData_v2602
