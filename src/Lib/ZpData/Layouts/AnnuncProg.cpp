#include "ZpData/Layouts/AnnuncProg.h"

#include "OS/TraceLog.h"
#include "ZpData/Values/NameField.h"

namespace {
const char* const kUnit = "src/Lib/ZpData/ZpData_2602";
}

namespace ZpData_v2602 {

AnnuncProg::AnnuncProg(ZpConf* conf, ZpConfBlock* block, u8 dataType)
    : IF_AnnuncProg(conf, block, dataType, ZpData::layout_size(kFirstDataType, kDataVersion2602), kDataVersion2602)
    , m_index(u8(dataType - kFirstDataType))
{
}

bool AnnuncProg::is_viewer_enabled(u32 viewer) const
{
    if (viewer >= kViewerCount)
        return false;
    return data()[kViewers + kViewerSize * viewer] & 1;
}

bool AnnuncProg::is_annunc_defined(u32 annunc) const
{
    if (annunc >= kAnnuncCount)
        return false;
    return data()[kAnnuncSize * annunc + kAnnuncDefined] != 0;
}

const u8* AnnuncProg::viewer_name(u32 viewer, const char* function, int line) const
{
    if (viewer >= kViewerCount) {
        log_error(kUnit, function, line, "viewerId = %d ( >= %d )\n", int(viewer), int(kViewerCount));
        return nullptr;
    }
    return data() + kViewers + kViewerSize * viewer + kViewerName;
}

const u8* AnnuncProg::annunc_name(u32 annunc, const char* function, int line) const
{
    if (annunc >= kAnnuncCount) {
        log_error(kUnit, function, line, "annuncId = %d ( >= %d )\n", int(annunc), int(kAnnuncCount));
        return nullptr;
    }
    return data() + kAnnuncSize * annunc + kAnnuncName;
}

int AnnuncProg::get_viewer_name(u32 viewer, char* dst) const
{
    if (!dst)
        return ZP_ERR_PARAM;
    const u8* field = viewer_name(viewer, "get_viewer_name", __LINE__);
    if (!field) {
        dst[0] = '\0';
        return ZP_ERR_RANGE;
    }
    ZpData::name_read(field, dst);
    return ZP_OK;
}

std::unique_ptr<char[]> AnnuncProg::get_viewer_name(u32 viewer) const
{
    return ZpData::name_new_array(viewer_name(viewer, "get_viewer_name", __LINE__));
}

int AnnuncProg::get_annunc_name(u32 annunc, char* dst) const
{
    if (!dst)
        return ZP_ERR_PARAM;
    const u8* field = annunc_name(annunc, "get_annunc_name", __LINE__);
    if (!field) {
        dst[0] = '\0';
        return ZP_ERR_RANGE;
    }
    ZpData::name_read(field, dst);
    return ZP_OK;
}

std::unique_ptr<char[]> AnnuncProg::get_annunc_name(u32 annunc) const
{
    return ZpData::name_new_array(annunc_name(annunc, "get_annunc_name", __LINE__));
}

} // namespace ZpData_v2602
