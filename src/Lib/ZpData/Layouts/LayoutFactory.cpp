#include "ZpData/Layouts/interface.h"

#include "OS/TraceLog.h"
#include "ZpData/Layouts/AnnuncProg.h"
#include "ZpData/Layouts/DeviceAuxProg.h"
#include "ZpData/Layouts/DeviceProg.h"
#include "ZpData/Layouts/DeviceStatusProg.h"
#include "ZpData/Layouts/GroupProg.h"
#include "ZpData/Layouts/NameProg.h"
#include "ZpData/Layouts/OldLayouts.h"
#include "ZpData/Layouts/WordProg.h"
#include "ZpData/Layouts/ZoneName.h"
#include "ZpData/Layouts/ZoneProg.h"
#include "ZpData/Layouts/ZpxProg.h"

namespace {

const char* const kUnit = "src/Lib/ZpData/interface";

// The ten layout classes of one data version.
#define ZP_LAYOUT_FAMILY(Name, NS)                 \
    struct Name {                                  \
        typedef NS::Prog<unsigned int> Word;       \
        typedef NS::ZpxProg Zpx;                   \
        typedef NS::ZoneProg Zone;                 \
        typedef NS::ZoneName ZoneNames;            \
        typedef NS::GroupProg Group;               \
        typedef NS::AnnuncProg Annunc;             \
        typedef NS::DeviceProg Device;             \
        typedef NS::NameProg Names;                \
        typedef NS::DeviceAuxProg DeviceAux;       \
        typedef NS::DeviceStatusProg DeviceStatus; \
    };

ZP_LAYOUT_FAMILY(Family2600, ZpData_v2600)
ZP_LAYOUT_FAMILY(Family2601, ZpData_v2601)
ZP_LAYOUT_FAMILY(Family2602, ZpData_v2602)
#undef ZP_LAYOUT_FAMILY

template <class F>
ZpData::IFace* make_layout(ZpConf* conf, ZpConfBlock* block, u8 dt)
{
    if (dt <= 1)
        return new typename F::Word(conf, block, dt);
    if (dt == 2)
        return new typename F::Zpx(conf, block, dt);
    if (dt == 3)
        return new typename F::Zone(conf, block, dt);
    if (dt == 4)
        return new typename F::ZoneNames(conf, block, dt);
    if (dt == 5)
        return new typename F::Group(conf, block, dt);
    if (dt <= 69)
        return new typename F::Annunc(conf, block, dt);
    if (dt <= 133)
        return new typename F::Device(conf, block, dt);
    if (dt <= 197)
        return new typename F::Names(conf, block, dt);
    if (dt == 198)
        return new typename F::DeviceAux(conf, block, dt);
    return new typename F::DeviceStatus(conf, block, dt);
}

} // namespace

namespace ZpData {

IFace* new_iface(ZpConf* conf, ZpConfBlock* block, u32 dataType, u32 expected_size, u16 version)
{
    if (version != kDataVersion2600 && version != kDataVersion2601 && version != kDataVersion2602) {
        log_error(kUnit, "new_iface", __LINE__, "Invalid version (0x%04X)\n", version);
        return nullptr;
    }
    if (dataType > 199) {
        log_error(kUnit, "new_iface", __LINE__, "malloc failed!\n");
        return nullptr;
    }
    const u8 dt = u8(dataType);
    IFace* layout = version == kDataVersion2600 ? make_layout<Family2600>(conf, block, dt)
        : version == kDataVersion2601           ? make_layout<Family2601>(conf, block, dt)
                                                : make_layout<Family2602>(conf, block, dt);
    if (expected_size != 0 && expected_size != layout->size()) {
        log_error(kUnit, "new_iface", __LINE__, "can't open dataType = %d len = (%d, %d)\n", int(dataType),
                  int(layout->size()), int(expected_size));
        delete layout;
        return nullptr;
    }
    return layout;
}

} // namespace ZpData
