// What the pages and models ask of the plant, the collections they hand back, and the check of
// the KORVA modules' inputs.
#include "plant/Plant.h"

#include "core/NetworkChecks.h"
#include "plant/LoopNumbering.h"
#include "plant/OvGenericSubPoint.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/DeviceCatalogue.h"
#include "ZpData/Values/PanelModel.h"

namespace {

constexpr u32 kCpuRecords = 64;
constexpr int kAllProtocols = 7;
constexpr int kAllSeries = 7;
constexpr int kKorvaInputSensor = 65;
// Module addresses a KORVA input may be shared with.
constexpr int kKorvaScanAddresses = 159;

bool isKorvaCode(u16 hwType)
{
    return hwType >= 180 && hwType <= 182;
}

const OvLoop* loopOf(const CPUDevice* cpu, uint loop)
{
    if (!cpu)
        return nullptr;
    const uint lines = uint(linesPerBoard());
    const uint board = loop / lines;
    const int line = int(loop % lines);
    if (board >= uint(cpu->libs().size()) || line >= cpu->libs().at(int(board)).loops().size())
        return nullptr;
    return cpu->libs().at(int(board)).loops().at(line);
}

bool usesInput(const OvGenericPoint& p, int input)
{
    return p.fastInputDev1() == input || p.fastInputDev2() == input;
}

} // namespace

QString Plant::getCPUDescription(int cpu) const
{
    const CPUDevice* device = m_cpus.cpuAt(cpu);
    return device ? device->description() : QString();
}

bool Plant::getCPUStat(uint cpu) const
{
    const CPUDevice* device = m_cpus.cpuAt(int(cpu));
    return device && device->isEnabled();
}

int Plant::getCPUType(uchar cpu) const
{
    BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
    return zpx.layout() ? int(zpx->get_cpu_type(cpu)) : int(CpuType::UNKNOWN);
}

int Plant::getNLIbMin(uchar cpu) const
{
    if (cpu >= kCpuRecords)
        return 0;
    BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
    return zpx.layout() ? int(zpx->get_cpu_min_ll_num(cpu)) : 0;
}

int Plant::getNLIbMax(uchar cpu) const
{
    if (cpu >= kCpuRecords)
        return 0;
    BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
    return zpx.layout() ? int(zpx->get_cpu_max_ll_num(cpu)) : 0;
}

int Plant::getCPULibCount(int cpu) const
{
    const CPUDevice* device = m_cpus.cpuAt(cpu);
    return device ? int(device->getLibCount()) : 0;
}

int Plant::getCPULoopCount(int cpu) const
{
    return getCPULibCount(cpu) * linesPerBoard();
}

int Plant::getCPULoopType(uint cpu, uint loop) const
{
    const CPUDevice* device = m_cpus.cpuAt(int(cpu));
    if (!device)
        return 0;
    const OvLoop* l = loopOf(device, loop);
    return l ? l->type() : int(OvLoop::LOOP_UNDEFINED);
}

bool Plant::isCPULoopOpen(uint cpu, uint loop) const
{
    const CPUDevice* device = m_cpus.cpuAt(int(cpu));
    return device && device->isLoopOpen(loop);
}

int Plant::getActiveLoopCount() const
{
    return int(panelBoards(-1, false, 0, 0)) * linesPerBoard();
}

int Plant::getActiveSensorCount(uint cpu, uint loop) const
{
    return getActivePointCount(cpu, loop, kAllProtocols, kAllSeries, 1, 1);
}

int Plant::getActiveModuleCount(uint cpu, uint loop) const
{
    return getActivePointCount(cpu, loop, kAllProtocols, kAllSeries, 2, 3);
}

int Plant::getActiveModuleCount(uint cpu, uint loop, PointType::PT_INPUT_TYPE inputs) const
{
    return getActivePointCount(cpu, loop, kAllProtocols, kAllSeries, 2, uint(inputs));
}

int Plant::getActivePointCount(uint cpu, uint loop, uint protocolMask, uint seriesMask, uint familyMask,
                               uint inputTypeMask) const
{
    const OvLoop* l = loopOf(m_cpus.cpuAt(int(cpu)), loop);
    return l ? l->getActivePointCount(int(protocolMask), int(seriesMask), int(familyMask), int(inputTypeMask)) : 0;
}

bool Plant::getCheckPower(int cpu) const
{
    const CPUDevice* device = m_cpus.cpuAt(cpu);
    return device && device->upsFlag();
}

bool Plant::isValidNetworkIP(int a, int b, int c, int d) const
{
    return isValidHostAddress(a, b, c, d);
}

bool Plant::isValidNetworkMask(int a, int b, int c, int d) const
{
    return isValidNetMask(a, b, c, d);
}

bool Plant::isValidNetworkGatway(uint address, uint mask, uint gateway) const
{
    return (address & mask) == (mask & gateway);
}

bool Plant::optionalNetworkGatway(uint address, uint mask, uint gateway) const
{
    return gateway == 0 || isValidNetworkGatway(address, mask, gateway);
}

int Plant::getAnnunciatorsCount() const
{
    int count = 0;
    int i = -1;
    for (const CPUDevice* cpu = m_cpus.getNextEnabledCPU(i); cpu; cpu = m_cpus.getNextEnabledCPU(i))
        count += cpu->annunciators().annunciators().size();
    return count;
}

int Plant::getViewersCount() const
{
    int count = 0;
    int i = -1;
    for (const CPUDevice* cpu = m_cpus.getNextEnabledCPU(i); cpu; cpu = m_cpus.getNextEnabledCPU(i))
        count += cpu->viewers().annunciators().size();
    return count;
}

int Plant::getGroupsCBEErrorCount() const
{
    int count = 0;
    for (const OvGroup& group : m_groups.groups())
        count += group.cbeErrorCode() != 0 && group.cbeErrorCode() != OvGroup::kUnchecked ? 1 : 0;
    return count;
}

void Plant::setCPU(const CPUDevice& cpu)
{
    // Only a CPU installed or removed, or boards added or taken away, brings points into the
    // zone counts or takes them out: a name typed in the CPU list recounts nothing.
    const CPUDevice* own = m_cpus.cpuAt(int(cpu.index()) - 1);
    const bool pointsMove = own && (own->isEnabled() != cpu.isEnabled() || own->getLibCount() != cpu.getLibCount());
    m_cpus.setCPU(cpu);
    if (pointsMove)
        recountAreas();
    setModificationBits(kCpus);
}

void Plant::addPoint(const OvGenericPoint* point)
{
    if (!point)
        return;
    CPUDevice* cpu = m_cpus.cpuAt(point->cpuIndex() - 1);
    if (!cpu || int(cpu->index()) != point->cpuIndex())
        return;
    const int board = boardOfLoop(point->loopIndex());
    while (board >= 0 && cpu->libs().size() <= board && cpu->libs().size() < CPUDevice::kMaxLibs) {
        const int before = cpu->libs().size();
        cpu->addLib();
        if (cpu->libs().size() == before)
            break;
    }
    m_cpus.setPoint(point);
    setModificationBits(kCpus);
}

void Plant::setAreas(const OvAreasSystem& areas)
{
    m_areas = areas;
    setModificationBits(kAreas);
}

void Plant::setGroups(const OvGroupsSystem& groups)
{
    bool cbeChanged = groups.directGroupsCount() != m_groups.directGroupsCount();
    for (int p = 0; !cbeChanged && p < m_groups.count(); ++p) {
        const QString after = p < groups.count() ? groups.groups().at(p).cbe() : QString();
        cbeChanged = m_groups.groups().at(p).cbe() != after;
    }
    m_groups = groups;
    setModificationBits(kGroups | (cbeChanged ? kCBESystem : 0u));
}

void Plant::setAnnunciators(const OvAnnunciatorsSystem& system)
{
    m_cpus.setAnnunciators(system);
    setModificationBits(kCpus);
}

void Plant::removeAnnunciators(const OvAnnunciatorsSystem& system)
{
    m_cpus.removeAnnunciators(system);
    setModificationBits(kCpus);
}

void Plant::setViewers(const OvAnnunciatorsSystem& system)
{
    m_cpus.setViewers(system);
    setModificationBits(kCpus);
}

void Plant::removeViewers(const OvAnnunciatorsSystem& system)
{
    m_cpus.removeViewers(system);
    setModificationBits(kCpus);
}

OvGenericPoint* Plant::getPoint(uint cpu, uint loop, uint address, int family) const
{
    return m_cpus.getPoint(int(cpu), loop, int(address), family);
}

OvGenericPoint* Plant::findNextPoint(const OvGenericPoint* from, bool skipWithSubPoints) const
{
    int position = from ? from->cpuIndex() - 1 : 0;
    uint loop = from ? uint(from->loopIndex() - 1) : 0;
    int address = from ? int(from->address()) - 1 : 0;
    int family = from ? (from->family() == 1 ? 1 : 2) : 1;
    const CPUDevice* cpu = m_cpus.cpuAt(position);
    if (cpu && !cpu->isEnabled())
        cpu = m_cpus.getNextEnabledCPU(position);
    while (cpu) {
        const OvLoop* l = loopOf(cpu, loop);
        if (!l || loop >= cpu->getLibCount() * uint(linesPerBoard())) {
            cpu = m_cpus.getNextEnabledCPU(position);
            loop = 0;
            address = 0;
            family = 1;
            continue;
        }
        const QList<OvGenericPoint*>& list = family == 1 ? l->sensors() : l->modules();
        for (; address < list.size(); ++address) {
            OvGenericPoint* p = list.at(address);
            if (p && p != from && p->isValid() && !(skipWithSubPoints && !p->subPoints().isEmpty()))
                return p;
        }
        address = 0;
        if (family == 1) {
            family = 2;
        } else {
            family = 1;
            ++loop;
        }
    }
    return nullptr;
}

// Any other KORVA module or channel of the loop naming the input. A channel is skipped only
// when it is p itself: channels of other modules with p's sub index share inputs as much as
// any other.
int Plant::korvaDuplicate(const OvGenericPoint& p, int input) const
{
    for (int address = 0; address < kKorvaScanAddresses; ++address) {
        const OvGenericPoint* m = getPoint(uint(p.cpuIndex() - 1), uint(p.loopIndex() - 1), uint(address), 2);
        if (!m || !isKorvaCode(m->hwType()))
            continue;
        const bool samePlace = int(m->address()) == int(p.address());
        if (m->subPoints().isEmpty()) {
            if (!(samePlace && p.getSubIndex() == 0) && usesInput(*m, input))
                return kKorvaDuplicatedInput;
            continue;
        }
        for (const OvGenericSubPoint& channel : m->subPoints()) {
            if (samePlace && channel.getSubIndex() == p.getSubIndex())
                continue;
            if (usesInput(channel, input))
                return kKorvaDuplicatedInput;
        }
    }
    return kKorvaOk;
}

int Plant::checkKorvaModule(const OvGenericPoint* p) const
{
    if (!p || p->family() != 2 || !isKorvaCode(p->hwType()))
        return kKorvaOk;
    if (!p->subPoints().isEmpty()) {
        if (p->subPoints().size() < int(get_sub_num(p->hwType())))
            return kKorvaInvalidSub;
        for (const OvGenericSubPoint& channel : p->subPoints()) {
            if (!channel.isValid())
                return kKorvaInvalidSub;
            if (const int result = checkKorvaModule(&channel))
                return result;
        }
        return kKorvaOk;
    }
    const int i1 = qMax(0, p->fastInputDev1());
    const int i2 = qMax(0, p->fastInputDev2());
    if (i1 == i2 && i1 >= 2)
        return kKorvaDuplicatedInput;
    const auto isInputSensor = [&](int address) {
        const OvGenericPoint* s = address > 0
            ? getPoint(uint(p->cpuIndex() - 1), uint(p->loopIndex() - 1), uint(address - 1), 1)
            : nullptr;
        return s && s->isValid() && s->hwType() == kKorvaInputSensor;
    };
    if (!isInputSensor(i1))
        return kKorvaInvalidInput1;
    if (const int result = korvaDuplicate(*p, i1))
        return result;
    if (p->hwType() != 182)
        return kKorvaOk;
    if (!isInputSensor(i2))
        return kKorvaInvalidInput2;
    return korvaDuplicate(*p, i2);
}
