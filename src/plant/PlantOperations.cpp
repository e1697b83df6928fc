// The CPU, loop and point operations of the plant: the CPU slots of the pages, the questions
// they ask, and the area counts that follow the points.
#include "plant/Plant.h"

#include "plant/LoopNumbering.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/OvLoop.h"
#include "plant/PanelBlockWrite.h"
#include "plant/PlantDialogs.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/CpuRec.h"
#include "ZpData/Values/PanelModel.h"

#include <QCoreApplication>
#include <QDebug>
#include <QMap>

namespace {

using ZpData_v2602::CpuRec;

constexpr uint kUndefinedLoopType = 0xFFFF;

void registerCpuDevice()
{
    qRegisterMetaType<CPUDevice>("CPUDevice");
}

bool hasRecord(int cpuIndex)
{
    return cpuIndex >= 0 && cpuIndex < int(ZpData_v2602::zpx::kCpuCount);
}

// Fewest boards a programmed CPU type needs.
u32 minBoardsOfType(u8 type)
{
    const u32 lines = CpuModel::get_lines_per_ll(CpuType::get_cpu_model(type));
    return u8(ZpData_v2602::zpx::lines_to_ll(CpuType::get_min_line_num(type), lines));
}

// The first sentence of a translated text, its full stop kept.
QString firstSentence(const QString& text)
{
    const int stop = text.indexOf(QLatin1Char('.'));
    return stop < 0 ? text + QLatin1Char('.') : text.left(stop + 1);
}

bool confirmFewerBoards()
{
    PlantMessage message;
    message.icon = PlantMessage::Warning;
    message.text = firstSentence(qtTrId("USR_MSG_CONFIRM_PLANT_CHANGE_TYPE"));
    message.buttons = PlantMessage::Ok | PlantMessage::Cancel;
    message.defaultButton = PlantMessage::Cancel;
    return PlantDialogs::show(message) == PlantMessage::Ok;
}

bool confirmLoopTypeChange()
{
    PlantMessage message;
    message.icon = PlantMessage::Question;
    message.text = qtTrId("USR_MSG_CHANGE_LOOP_TYPE_RQST");
    message.informativeText = qtTrId("USR_MSG_CHANGE_LOOP_TYPE_RQST_INFO");
    message.buttons = PlantMessage::Yes | PlantMessage::No;
    message.defaultButton = PlantMessage::No;
    return PlantDialogs::show(message) == PlantMessage::Yes;
}

void showTooManyLoops(int maxLoops)
{
    PlantMessage message;
    message.icon = PlantMessage::Critical;
    message.text = qtTrId("USR_ERR_TOO_MANY_LOOPS");
    message.detailedText = qtTrId("USR_ERR_TOO_MANY_LOOPS_DTL") + QStringLiteral(": ") + QString::number(maxLoops);
    message.buttons = PlantMessage::Ok;
    message.defaultButton = PlantMessage::Ok;
    PlantDialogs::show(message);
}

// Calls use with each area p occupies: its own, or each channel's.
template <typename Use>
void forEachArea(const OvGenericPoint& p, Use use)
{
    if (p.subPoints().isEmpty()) {
        use(p.areaIndex());
        return;
    }
    for (const OvGenericSubPoint& channel : p.subPoints())
        use(channel.areaIndex());
}

// The areas p occupies.
QVector<int> areasOf(const OvGenericPoint& p)
{
    QVector<int> areas;
    forEachArea(p, [&areas](int area) { areas << area; });
    return areas;
}

const OvGenericSubPoint* channelOf(const OvGenericPoint& p, int subIndex)
{
    for (const OvGenericSubPoint& channel : p.subPoints()) {
        if (channel.getSubIndex() == subIndex)
            return &channel;
    }
    return nullptr;
}

bool cbeRelevantChange(const OvGenericPoint& before, const OvGenericPoint& after)
{
    return before.cbe() != after.cbe() || before.isValid() != after.isValid() || before.hwType() != after.hwType()
        || before.fastInputDev1() != after.fastInputDev1() || before.fastInputDev2() != after.fastInputDev2();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerCpuDevice)

CPUDevice Plant::cpuCopy(int cpuIndex) const
{
    const CPUDevice* cpu = m_cpus.cpuAt(cpuIndex);
    return cpu ? *cpu : CPUDevice(0);
}

bool Plant::setCPUDescription(int cpuIndex, const QString& description)
{
    CPUDevice* cpu = m_cpus.cpuAt(cpuIndex);
    if ((cpu ? cpu->description() : QString()) == description)
        return false;
    if (cpu)
        cpu->setDescription(description);
    setModificationBits(kCpus);
    emit cpuDescriptionChanged(cpuCopy(cpuIndex));
    emit cpuDataChanged(uint(cpuIndex));
    return true;
}

void Plant::sibChanged(int cpuIndex)
{
    setModificationBits(kCpus);
    emit cpuSibDataChanged(cpuCopy(cpuIndex));
    emit cpuDataChanged(uint(cpuIndex));
}

bool Plant::enableSIB(int cpuIndex)
{
    CPUDevice* cpu = m_cpus.cpuAt(cpuIndex);
    if (m_cpus.isSIBEnabled(cpuIndex))
        return false;
    if (cpu)
        cpu->enableSIB();
    sibChanged(cpuIndex);
    return true;
}

bool Plant::enableRSSIB(int cpuIndex, uchar port)
{
    if (m_cpus.isSIBEnabled(cpuIndex) && m_cpus.getSIBRSPort(cpuIndex) == port)
        return false;
    m_cpus.enableRSSIB(cpuIndex, port);
    sibChanged(cpuIndex);
    return true;
}

bool Plant::enableNetworkSIB(int cpuIndex, uint ip, uint netmask, uint gateway)
{
    if (m_cpus.isSIBEnabled(cpuIndex) && m_cpus.getAddress(cpuIndex, CPUSystem::SIB_IP) == ip
        && m_cpus.getAddress(cpuIndex, CPUSystem::SIB_NETMASK) == netmask
        && m_cpus.getAddress(cpuIndex, CPUSystem::SIB_GATEWAY) == gateway)
        return false;
    m_cpus.enableNetworkSIB(cpuIndex, ip, netmask, gateway);
    sibChanged(cpuIndex);
    return true;
}

bool Plant::enableNetworkGW(int cpuIndex, uint ip, uint netmask, uint gateway)
{
    if (m_cpus.isSIBEnabled(cpuIndex) && m_cpus.getAddress(cpuIndex, CPUSystem::GW_IP) == ip
        && m_cpus.getAddress(cpuIndex, CPUSystem::GW_NETMASK) == netmask
        && m_cpus.getAddress(cpuIndex, CPUSystem::GW_GATEWAY) == gateway)
        return false;
    m_cpus.enableNetworkGW(cpuIndex, ip, netmask, gateway);
    sibChanged(cpuIndex);
    return true;
}

bool Plant::setSupervisorNotInstalled(int cpuIndex)
{
    CPUDevice* cpu = m_cpus.cpuAt(cpuIndex);
    if (!cpu || !cpu->setSupervisorNotInstalled())
        return false;
    sibChanged(cpuIndex);
    return true;
}

bool Plant::setSupervisorModbusRTU(int cpuIndex, int addr, int baud)
{
    CPUDevice* cpu = m_cpus.cpuAt(cpuIndex);
    if (!cpu || !cpu->setSupervisorModbusRTU(u8(addr), u8(baud)))
        return false;
    sibChanged(cpuIndex);
    return true;
}

bool Plant::setSupervisorModbusTCP(int cpuIndex, uint ip, uint netmask, uint gateway)
{
    CPUDevice* cpu = m_cpus.cpuAt(cpuIndex);
    if (!cpu || !cpu->setSupervisorModbusTCP(ip, netmask, gateway))
        return false;
    sibChanged(cpuIndex);
    return true;
}

bool Plant::setSupervisorBacnet(int cpuIndex, uint ip, uint netmask, uint gateway)
{
    CPUDevice* cpu = m_cpus.cpuAt(cpuIndex);
    if (!cpu || !cpu->setSupervisorBacnet(ip, netmask, gateway))
        return false;
    sibChanged(cpuIndex);
    return true;
}

bool Plant::disableSIB(int cpuIndex)
{
    if (!m_cpus.isSIBEnabled(cpuIndex))
        return false;
    m_cpus.disableSIB(cpuIndex);
    sibChanged(cpuIndex);
    return true;
}

bool Plant::setUPSFlag(int cpuIndex, bool val)
{
    CPUDevice* cpu = m_cpus.cpuAt(cpuIndex);
    if ((cpu ? cpu->upsFlag() : false) == val)
        return true;
    if (cpu)
        cpu->setUPSFlag(val);
    emit cpuExtensionFlagChanged(cpuIndex);
    emit cpuExtensionFlagChanged(cpuCopy(cpuIndex));
    setModificationBits(kCpus);
    return true;
}

u32 Plant::panelBoards(int cpuIndex, bool enabled, u32 type, u32 libCount) const
{
    const u32 lines = u32(linesPerBoard());
    const int cpus = qMin(m_cpus.count(), getCpuMaxCount());
    u32 boards = 0;
    for (int p = 0; p < cpus; ++p) {
        const CPUDevice* cpu = m_cpus.cpuAt(p);
        if (p == cpuIndex) {
            boards += enabled ? ZpData_v2602::zpx::ll_num_in_type_range(type, libCount, lines) : 0;
        } else if (cpu->isEnabled()) {
            boards += ZpData_v2602::zpx::ll_num_in_type_range(cpu->cpuType(), cpu->getInstalledLibCount(), lines);
        }
    }
    return boards;
}

bool Plant::fitsLoopBudget(int cpuIndex, bool enabled, int type, int libCount, bool showBox) const
{
    const u32 model = PanelType::get_cpu_model(g_zpConf->get_panel_type());
    const u32 limit = ZpData_v2602::zpx::plant_ll_limit(model, g_zpConf->get_networked() != 0);
    if (panelBoards(cpuIndex, enabled, u32(type), u32(qMax(libCount, 0))) <= limit)
        return true;
    if (showBox)
        showTooManyLoops(getLoopMaxCount());
    return false;
}

bool Plant::keepsLoopType(int type) const
{
    u32 brand = 0;
    {
        BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
        if (!zpx.layout())
            return false;
        brand = zpx->get_sensor_brand();
    }
    return type >= 0 && is_line_protocol_kept(PanelType::get_cpu_model(g_zpConf->get_panel_type()), brand, u32(type));
}

void Plant::setCPUStat(int cpuIndex, bool enable)
{
    qDebug().noquote() << "Call cpu update " << cpuIndex - 1 << (enable ? "true" : "false");
    const CPUDevice* device = m_cpus.cpuAt(cpuIndex);
    if (enable && device && !device->isEnabled()
        && !fitsLoopBudget(cpuIndex, true, int(device->cpuType()), int(device->getInstalledLibCount()), true)) {
        emit cpuDataChanged(uint(cpuIndex));
        return;
    }
    if (hasRecord(cpuIndex)) {
        PanelBlockWrite zpx(0, 2, 2);
        CpuRec record(zpx.data(), u32(cpuIndex));
        qDebug().noquote() << "Is Installed Before " << record.is_installed();
        // Installing rebuilds the record; one already so keeps its type, boards and name.
        record.set_installed_within_limit(enable);
        qDebug().noquote() << "Is Installed After " << record.is_installed();
    }
    if (CPUDevice* cpu = m_cpus.cpuAt(cpuIndex); cpu && cpu->isEnabled() != enable) {
        cpu->setEnabled(enable);
        recountAreas();
    }
    setModificationBits(kCpus);
    emit cpuDataChanged(cpuCopy(cpuIndex));
    emit cpuDataChanged(uint(cpuIndex));
}

void Plant::setCPULoopOpenFlag(uint cpuIndex, uint loopIndex, bool open)
{
    if (CPUDevice* cpu = m_cpus.cpuAt(int(cpuIndex))) {
        if (cpu->isLoopOpen(loopIndex) == open)
            return;
        cpu->setLoopOpenFlag(loopIndex, open);
    } else if (!open) {
        return;
    }
    setModificationBits(kCpus);
    emit loopOpenFlagChanged(cpuIndex, loopIndex, open);
}

bool Plant::setCPULoopType(uint cpuIndex, uint loopIndex, uint type)
{
    const uint current = uint(getCPULoopType(cpuIndex, loopIndex));
    if (current == type)
        return true;
    if (type > uint(OvLoop::LOOP_APOLLO) || !keepsLoopType(int(type)))
        return false;
    if (CPUDevice* cpu = m_cpus.cpuAt(int(cpuIndex))) {
        const bool withPoints = current != kUndefinedLoopType && !cpu->isLoopEmpty(loopIndex);
        if (withPoints && !confirmLoopTypeChange())
            return false;
        cpu->setLoopType(loopIndex, int(type));
        if (withPoints)
            recountAreas();
    }
    setModificationBits(kCpus);
    emit loopTypeChanged(cpuIndex, loopIndex, int(type));
    return true;
}

void Plant::setCPUType(int cpuIndex, int type)
{
    const CPUDevice* device = m_cpus.cpuAt(cpuIndex);
    if (device && device->isEnabled()
        && !fitsLoopBudget(cpuIndex, true, type, int(device->getInstalledLibCount()), true)) {
        emit cpuDataChanged(uint(cpuIndex));
        return;
    }
    bool apply = true;
    if (hasRecord(cpuIndex)) {
        u32 required = 0;
        {
            BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
            if (zpx.layout())
                required = minBoardsOfType(zpx->get_cpu_type(u32(cpuIndex)));
        }
        if (minBoardsOfType(u8(type)) < required)
            apply = confirmFewerBoards();
    }
    if (apply) {
        u32 boards = 0;
        if (hasRecord(cpuIndex)) {
            PanelBlockWrite zpx(0, 2, 2);
            CpuRec record(zpx.data(), u32(cpuIndex));
            // The record may lag behind the plant until the next conversion: it must hold the
            // CPU as the plant does before the type brings the boards into its range.
            if (const CPUDevice* cpu = m_cpus.cpuAt(cpuIndex)) {
                u8& status = record.bytes()[CpuRec::kStatus];
                status = u8((status & ~CpuRec::kInstalled) | (cpu->isEnabled() ? CpuRec::kInstalled : 0));
                for (u32 b = 0; b < ZpData_v2602::LineRec::kCount; ++b)
                    record.line(b).set_installed(b < cpu->getLibCount());
            }
            record.set_type(u8(type));
            boards = record.get_ll_installed_num();
        }
        if (CPUDevice* cpu = m_cpus.cpuAt(cpuIndex)) {
            const u32 before = cpu->getLibCount();
            cpu->setCpuType(u32(type));
            cpu->setLibCount(boards);
            if (boards < before)
                recountAreas();
        }
    }
    setModificationBits(kCpus);
    emit cpuLibCountChanged(cpuCopy(cpuIndex));
    emit cpuDataChanged(uint(cpuIndex));
}

void Plant::setCPULibCount(int cpuIndex, int libCount, bool checkUsrError)
{
    CPUDevice* cpu = m_cpus.cpuAt(cpuIndex);
    const int current = cpu ? int(cpu->getLibCount()) : 0;
    if (libCount < 1 || cpuIndex < 0 || libCount == current)
        return;
    // The panel brings the boards into the range of the CPU's type when the plant is opened.
    const u32 type = cpu ? cpu->cpuType() : 0;
    const bool outsideType = cpu
        && u32(libCount) != ZpData_v2602::zpx::ll_num_in_type_range(type, u32(libCount), u32(linesPerBoard()));
    if (outsideType
        || (cpu && cpu->isEnabled() && !fitsLoopBudget(cpuIndex, true, int(type), libCount, checkUsrError))) {
        emit cpuDataChanged(uint(cpuIndex));
        return;
    }
    const bool apply = libCount > current || confirmFewerBoards();
    if (apply && cpu) {
        cpu->setLibCount(u32(libCount));
        if (libCount < current)
            recountAreas();
    }
    setModificationBits(kCpus);
    emit cpuLibCountChanged(cpuCopy(cpuIndex));
    emit cpuDataChanged(uint(cpuIndex));
}

uint Plant::getActiveOutputModuleCount() const
{
    uint count = 0;
    for (int p = 0; p < m_cpus.count(); ++p)
        count += uint(m_cpus.cpuAt(p)->getActiveCount(7, 2, 2));
    return count;
}

void Plant::moveAreaCounts(int family, const QVector<int>& oldAreas, const QVector<int>& newAreas,
                           QVector<int>& touched)
{
    QMap<int, int> delta;
    for (int area : oldAreas) {
        if (area >= 1 && area <= m_areas.count())
            --delta[area];
    }
    for (int area : newAreas) {
        if (area >= 1 && area <= m_areas.count())
            ++delta[area];
    }
    // New areas first, as the pages refresh them in that order.
    for (const QVector<int>* list : {&newAreas, &oldAreas}) {
        for (int area : *list) {
            const int change = delta.value(area);
            if (change == 0)
                continue;
            delta[area] = 0;
            OvArea* a = m_areas.areaAt(area - 1);
            const u32 count = family == 1 ? a->sensorCount() : a->moduleCount();
            const u32 next = change < 0 && u32(-change) > count ? 0u : u32(int(count) + change);
            if (family == 1)
                a->setSensorCount(next);
            else
                a->setModuleCount(next);
            if (!touched.contains(area - 1))
                touched << area - 1;
        }
    }
}

bool Plant::storePoint(const OvGenericPoint& point, QVector<int>& touched)
{
    const OvGenericPoint* stored = m_cpus.getPoint(point.cpuIndex() - 1, u32(point.loopIndex() - 1),
                                                   int(point.address()) - 1, point.family());
    if (stored && point.getSubIndex() > 0)
        stored = channelOf(*stored, point.getSubIndex());
    bool cbeRelevant = false;
    if (stored) {
        cbeRelevant = cbeRelevantChange(*stored, point);
        moveAreaCounts(point.family(), areasOf(*stored), areasOf(point), touched);
    }
    // A channel goes into its module, a point replaces the stored one.
    m_cpus.setPoint(&point);
    return cbeRelevant;
}

void Plant::setPoint(const OvGenericPoint& point)
{
    QVector<int> touched;
    storePoint(point, touched);
    if (!touched.isEmpty())
        emit updateAreasModelRqst(touched);
    setModificationBits(kCpus);
}

void Plant::setPoints(QList<const OvGenericPoint*> points)
{
    QVector<int> touched;
    bool cbeRelevant = false;
    for (const OvGenericPoint* point : points) {
        if (point)
            cbeRelevant = storePoint(*point, touched) || cbeRelevant;
    }
    if (!touched.isEmpty())
        emit updateAreasModelRqst(touched);
    setModificationBits(kCpus | (cbeRelevant ? kCBESystem : 0u));
}

void Plant::recountAreas()
{
    QVector<QPair<u32, u32>> before;
    before.reserve(m_areas.count());
    for (int p = 0; p < m_areas.count(); ++p) {
        OvArea* a = m_areas.areaAt(p);
        before << qMakePair(a->sensorCount(), a->moduleCount());
        a->setSensorCount(0);
        a->setModuleCount(0);
    }
    countAreaDevices();
    QVector<int> touched;
    for (int p = 0; p < m_areas.count(); ++p) {
        const OvArea* a = m_areas.areaAt(p);
        if (before.at(p) != qMakePair(a->sensorCount(), a->moduleCount()))
            touched << p;
    }
    if (!touched.isEmpty())
        emit updateAreasModelRqst(touched);
}

void Plant::countAreaDevices()
{
    const int lines = linesPerBoard();
    const int areas = m_areas.count();
    // One more for each area a point, or each of its channels, names: a full plant counts tens of
    // thousands of points here, each once, so without the lists moveAreaCounts takes.
    const auto add = [&](int area, bool sensor) {
        if (area < 1 || area > areas)
            return;
        OvArea* a = m_areas.areaAt(area - 1);
        if (sensor)
            a->setSensorCount(a->sensorCount() + 1);
        else
            a->setModuleCount(a->moduleCount() + 1);
    };
    int i = -1;
    for (const CPUDevice* cpu = m_cpus.getNextEnabledCPU(i); cpu; cpu = m_cpus.getNextEnabledCPU(i)) {
        for (int lib = 0; lib < cpu->libs().size(); ++lib) {
            if (!cpu->libs().at(lib).isInstalled())
                continue;
            for (int line = 0; line < lines && line < cpu->libs().at(lib).loops().size(); ++line) {
                const OvLoop* loop = cpu->libs().at(lib).loops().at(line);
                for (const OvGenericPoint* p : loop->sensors())
                    forEachArea(*p, [&](int area) { add(area, true); });
                for (const OvGenericPoint* p : loop->modules())
                    forEachArea(*p, [&](int area) { add(area, false); });
            }
        }
    }
}
