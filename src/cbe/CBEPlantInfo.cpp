#include "cbe/CBEPlantInfo.h"

namespace Ov4800 {

namespace {
const CBEPlantInfo* g_plant = nullptr;
}

CBEOwner CBEOwner::ofPoint(u32 packedAddress)
{
    CBEOwner owner;
    owner.address = PackedAddress{{u8(packedAddress), u8(packedAddress >> 8), u8(packedAddress >> 16)}};
    owner.kind = owner.address.is_module() ? CBE_OWNER_MODULE : CBE_OWNER_SENSOR;
    return owner;
}

bool CBEOwner::mayNameModule(int cpu, int loop, const CBEPointInfo& p, bool direct, bool flt) const
{
    if (!isKnown())
        return true;
    if (kind == CBE_OWNER_MODULE
        && PackedAddress::make(u32(cpu), u32(loop), true, u32(p.recordSub), u32(p.recordAddress)) == address)
        return false;
    return cbeMayNameModule(kind, direct, flt, u32(p.typeClass));
}

void setCBEPlant(const CBEPlantInfo* plant)
{
    g_plant = plant;
}

const CBEPlantInfo* cbePlant()
{
    return g_plant;
}

} // namespace Ov4800
