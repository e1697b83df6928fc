#include "plant/Plant.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/DeviceRec.h"
#include "ZpData/Values/PanelModel.h"
#include "core/OvParametersReference.h"
#include "plant/OvGenericPoint.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/OvLoop.h"
#include "plant/PanelBlockWrite.h"

#include <QDebug>

#include <algorithm>

namespace {

// Byte of the general programming block that holds the networked flag.
constexpr int kNetworkedFlag = 5245;

// CPUs a plant of the panel's model keeps.
int cpuLimit(bool networked)
{
    const u32 model = PanelType::get_cpu_model(g_zpConf->get_panel_type());
    return int(u8(CpuModel::get_max_cpu_num(model, networked)));
}

} // namespace

Plant::Plant()
    : m_parameters(new OvParametersReference)
    , m_plantType(OvPlantType::create(g_zpConf->get_networked() ? OvPlantType::kNetworked : OvPlantType::kStandAlone))
{
    setDefaultParameters();
    m_cpus.resetTo(m_plantType->getCpuMaxCount());
    m_groups.init(m_plantType->getGroupsMaxCount());
    m_areas.resize(0);
    m_areas.init(m_plantType->getMaxAreasCount());
    m_repeaters.addRepeaters(m_plantType->getRepeatersMaxCount());
}

Plant::~Plant()
{
    if (Ov4800::cbePlant() == this)
        Ov4800::setCBEPlant(nullptr);
    delete m_parameters;
}

Ov4800::CBEPointInfo Plant::point(int cpu, int loop, int address, int family, int sub) const
{
    Ov4800::CBEPointInfo info;
    if (loop < 0 || address < 0)
        return info;
    if (family == 2)
        return modulePoint(cpu, u32(loop), address, sub);
    const OvGenericPoint* p = m_cpus.getPoint(cpu, u32(loop), address, family);
    if (!p || !p->isValid())
        return info;
    info.valid = true;
    info.protocol = p->protocol();
    info.series = p->series();
    info.hasSubPoints = !p->subPoints().isEmpty();
    info.subValid = info.hasSubPoints && p->isValid(sub);
    info.recordClass = int(p->recordClass());
    return info;
}

// The compiler looks a module reference up in the records the loop will store: answering as the
// loop's address rule does lets the keypad accept what the compiler accepts.
Ov4800::CBEPointInfo Plant::modulePoint(int cpu, u32 loop, int address, int sub) const
{
    Ov4800::CBEPointInfo info;
    const OvLoop* l = m_cpus.loopAt(cpu, loop);
    if (!l)
        return info;
    const OvGenericPoint* p = nullptr;
    // Of the record that answers: its channel (0-based), 0 for a module without channels.
    int position = sub;
    if (sub >= Ov4800::kAnySub) {
        const OvLoop::ModuleAtAddress at = l->moduleAtAddress(address + 1);
        p = at.byAddress ? at.point : nullptr;
        position = at.subIndex - 1;
        // Where channels share the module's address, the first valid one answers.
        for (int k = 0; p && at.subIndex == 0 && k < std::max(1, p->subPoints().size()); ++k)
            position = position < 0 && p->isValid(k) ? k : position;
    } else {
        p = l->getPoint(address, 2);
    }
    if (!p || !p->isValid() || !p->isValid(position))
        return info;
    const OvGenericPoint& record = p->subPoints().isEmpty() ? *p : p->subPoints().at(position);
    info.valid = true;
    info.protocol = p->protocol();
    info.series = p->series();
    info.hasSubPoints = !p->subPoints().isEmpty();
    info.subValid = info.hasSubPoints;
    info.recordClass = int(record.recordClass());
    info.typeClass = int(get_type_class(record.swType()));
    info.recordAddress = int(p->address()) - 1;
    info.recordSub = p->subPoints().isEmpty() ? 0 : position;
    return info;
}

void Plant::markModified(uint bits)
{
    if (!m_dataModified) {
        m_dataModified = true;
        emit plantDataModified();
    }
    emit plantDataChanged(bits);
}

void Plant::setModificationBits(uint bits)
{
    const bool fresh = (m_modificationStat & bits) != bits;
    m_modificationStat |= bits;
    if (fresh)
        markModified(bits);
}

void Plant::clearModificationBits(uint bits)
{
    if ((m_modificationStat & bits) == 0)
        return;
    m_modificationStat &= ~bits;
    emit plantDataModified();
}

void Plant::modifyPlantData(bool modified)
{
    if (m_dataModified == modified)
        return;
    m_dataModified = modified;
    emit plantDataModified();
}

bool Plant::setPlantType(uint type, bool notify)
{
    qDebug() << "PLANT TYPE" << type;
    std::unique_ptr<OvPlantType> created(type <= uint(OvPlantType::kNetworked) ? OvPlantType::create(int(type))
                                                                               : nullptr);
    if (!created)
        return false;
    const u8 networked = type != 0 ? 1 : 0;
    g_zpConf->set_networked(networked);
    PanelBlockWrite(0, 2, 2).data()[kNetworkedFlag] = networked;
    m_plantType = std::move(created);
    qDebug() << "PLANT TYPE" << m_plantType->getType() << "CPU" << m_plantType->getCpuMaxCount() << "LOOP"
             << m_plantType->getLoopMaxCount() << "GROUPS" << m_plantType->getGroupsMaxCount() << "AREAS"
             << m_plantType->getMaxAreasCount();
    resizeToModel();
    if (m_plantType->getType() == OvPlantType::kStandAlone)
        m_repeaters.clear();
    // The CPUs and zones past the new limits are gone with their devices.
    recountAreas();
    setModificationBits(kCpus | kAreas | kGroups);
    if (notify)
        emit plantTypeChanged();
    return true;
}

Plant::CpuRemoval Plant::cpusRemovedBy(uint type) const
{
    CpuRemoval removed;
    if (type > uint(OvPlantType::kNetworked))
        return removed;
    for (int p = cpuLimit(type != uint(OvPlantType::kStandAlone)); p < m_cpus.count(); ++p) {
        const CPUDevice* cpu = m_cpus.cpuAt(p);
        if (!cpu->isEnabled())
            continue;
        ++removed.cpus;
        removed.boards += int(cpu->getLibCount());
        removed.devices += cpu->deviceCount();
    }
    return removed;
}

void Plant::resizeToModel()
{
    const u32 model = PanelType::get_cpu_model(g_zpConf->get_panel_type());
    const bool networked = g_zpConf->get_networked() != 0;
    m_cpus.resize(cpuLimit(networked));
    m_groups.setGroupsCount(int(u16(CpuModel::get_max_group_num(model, networked))));
    m_areas.resize(int(u16(CpuModel::get_max_zone_num(model, networked))));
}

bool Plant::getRepeaterStat(int idx) const
{
    const ZpRepeater* r = m_repeaters.at(idx);
    return r && r->enabled;
}

QString Plant::getRepeaterDescription(int idx) const
{
    const ZpRepeater* r = m_repeaters.at(idx);
    return r ? r->description : QString();
}

void Plant::enableRepeater(int idx, bool enable)
{
    m_repeaters.enableRepeater(idx, enable, false);
    setModificationBits(kRepeaters);
}

void Plant::setRepeaterDescription(int idx, const QString& text)
{
    if (ZpRepeater* r = m_repeaters.at(idx))
        r->description = text;
    setModificationBits(kRepeaters);
}
