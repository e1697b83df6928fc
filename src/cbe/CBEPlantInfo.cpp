#include "cbe/CBEPlantInfo.h"

namespace Ov4800 {

namespace {
const CBEPlantInfo* g_plant = nullptr;
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
