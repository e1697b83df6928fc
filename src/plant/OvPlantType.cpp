#include "plant/OvPlantType.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Values/PanelModel.h"

namespace {

u32 model()
{
    return PanelType::get_cpu_model(g_zpConf->get_panel_type());
}

bool networked()
{
    return g_zpConf->get_networked() != 0;
}

} // namespace

OvPlantType* OvPlantType::create(int typeId)
{
    switch (typeId) {
    case kStandAlone: return new OvPlantStandAloneType;
    case kNetworked: return new OvPlantSuperType;
    default: return nullptr;
    }
}

int OvPlantType::getCpuMaxCount() const
{
    return int(u8(CpuModel::get_max_cpu_num(model(), networked())));
}

int OvPlantType::getLoopMaxCount() const
{
    return int(u8(CpuModel::get_max_line_num(model(), networked())));
}

int OvPlantType::getGroupsMaxCount() const
{
    return int(u16(CpuModel::get_max_group_num(model(), networked())));
}

int OvPlantType::getMaxAreasCount() const
{
    return int(u16(CpuModel::get_max_zone_num(model(), networked()) - 1));
}
