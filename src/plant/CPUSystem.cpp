#include "plant/CPUSystem.h"

#include "plant/LoopNumbering.h"
#include "plant/OvGenericPoint.h"
#include "plant/PlantCsv.h"

#include <QDebug>

CPUSystem::CPUSystem() = default;

CPUSystem::CPUSystem(const CPUSystem& other)
{
    *this = other;
}

CPUSystem::CPUSystem(const CPUSystem& other, bool enabledOnly)
{
    for (const CPUDevice* cpu : other.m_cpus) {
        if (!enabledOnly || cpu->isEnabled())
            m_cpus.append(new CPUDevice(*cpu));
    }
}

CPUSystem& CPUSystem::operator=(CPUSystem&& other) noexcept
{
    m_cpus = std::move(other.m_cpus);
    return *this;
}

CPUSystem& CPUSystem::operator=(const CPUSystem& other)
{
    if (this == &other)
        return *this;
    clear();
    for (const CPUDevice* cpu : other.m_cpus)
        m_cpus.append(new CPUDevice(*cpu));
    return *this;
}

CPUSystem::~CPUSystem()
{
    m_cpus.deleteAll();
}

void CPUSystem::clear()
{
    m_cpus.deleteAll();
}

void CPUSystem::resetTo(int n)
{
    clear();
    for (int i = 1; i <= n; ++i)
        m_cpus.append(new CPUDevice(u32(i)));
}

void CPUSystem::resize(int n)
{
    while (m_cpus.size() < n)
        m_cpus.append(new CPUDevice(u32(m_cpus.size() + 1)));
    while (m_cpus.size() > n && !m_cpus.isEmpty())
        delete m_cpus.takeLast();
}

CPUDevice* CPUSystem::getNextEnabledCPU(int& i) const
{
    i = i < 0 ? 0 : i + 1;
    for (; i < m_cpus.size(); ++i) {
        if (m_cpus.at(i)->isEnabled())
            return m_cpus.at(i);
    }
    i = m_cpus.size();
    return nullptr;
}

void CPUSystem::disableSIB(int p)
{
    if (CPUDevice* cpu = cpuAt(p))
        cpu->disableSIB();
}

void CPUSystem::enableRSSIB(int p, u8 address)
{
    if (CPUDevice* cpu = cpuAt(p))
        cpu->enableRSSIB(address);
}

void CPUSystem::enableNetworkSIB(int p, u32 ip, u32 netmask, u32 gateway)
{
    if (CPUDevice* cpu = cpuAt(p))
        cpu->enableNetworkSIB(ip, netmask, gateway);
}

void CPUSystem::enableNetworkGW(int p, u32 ip, u32 netmask, u32 gateway)
{
    if (CPUDevice* cpu = cpuAt(p))
        cpu->enableNetworkGW(ip, netmask, gateway);
}

void CPUSystem::setSupervisorNotInstalled(int p)
{
    if (CPUDevice* cpu = cpuAt(p))
        cpu->setSupervisorNotInstalled();
}

void CPUSystem::setSupervisorBlock(int p, const u8* block)
{
    if (CPUDevice* cpu = cpuAt(p))
        cpu->setSupervisorBlock(block);
}

void CPUSystem::setSupervisorModbusRTU(int p, u8 address, u8 baudCode)
{
    if (CPUDevice* cpu = cpuAt(p))
        cpu->setSupervisorModbusRTU(address, baudCode);
}

void CPUSystem::setSupervisorModbusTCP(int p, u32 ip, u32 netmask, u32 gateway)
{
    if (CPUDevice* cpu = cpuAt(p))
        cpu->setSupervisorModbusTCP(ip, netmask, gateway);
}

void CPUSystem::setSupervisorBacnet(int p, u32 ip, u32 netmask, u32 gateway)
{
    if (CPUDevice* cpu = cpuAt(p))
        cpu->setSupervisorBacnet(ip, netmask, gateway);
}

bool CPUSystem::isSIBEnabled(int p) const
{
    const CPUDevice* cpu = cpuAt(p);
    const bool enabled = cpu && cpu->sib().isSIBEnabled();
    qDebug().noquote() << QStringLiteral("CPUSystem::isSIBEnabled (%1 - %2): %3")
                              .arg(p)
                              .arg(m_cpus.size())
                              .arg(enabled ? "true" : "false");
    return enabled;
}

u32 CPUSystem::getSIBRSPort(int p) const
{
    const CPUDevice* cpu = cpuAt(p);
    return cpu ? cpu->sib().rsAddress() : kOutOfRange;
}

u32 CPUSystem::getSUPType(int p) const
{
    const CPUDevice* cpu = cpuAt(p);
    return cpu ? cpu->sib().supType() : kOutOfRange;
}

u32 CPUSystem::getSUPmbAddr(int p) const
{
    const CPUDevice* cpu = cpuAt(p);
    return cpu ? cpu->sib().supMbAddr() : kOutOfRange;
}

u32 CPUSystem::getSUPmbBaud(int p) const
{
    const CPUDevice* cpu = cpuAt(p);
    return cpu ? cpu->sib().supMbBaud() : kOutOfRange;
}

u32 CPUSystem::getAddress(int p, Address which) const
{
    const CPUDevice* cpu = cpuAt(p);
    if (!cpu)
        return 0;
    const SIBConfiguration& sib = cpu->sib();
    u32 value = 0;
    switch (which) {
    case SIB_IP: value = sib.sibIp(); break;
    case SIB_NETMASK: value = sib.sibNetmask(); break;
    case SIB_GATEWAY: return sib.sibGateway();
    case GW_IP: value = sib.gwIp(); break;
    case GW_NETMASK: value = sib.gwNetmask(); break;
    case GW_GATEWAY: return sib.gwGateway();
    case SUP_IP: value = sib.supIp(); break;
    case SUP_NETMASK: value = sib.supNetmask(); break;
    case SUP_GATEWAY: return sib.supGateway();
    }
    qDebug() << ">>>";
    qDebug() << "\toutput = " << value;
    qDebug() << "<<<";
    return value;
}

QString CPUSystem::dotted(int p, Address which) const
{
    const CPUDevice* cpu = cpuAt(p);
    if (!cpu)
        return QString();
    cpu->sib().dump();
    return SIBConfiguration::toDottedText(getAddress(p, which));
}

void CPUSystem::setCPU(const CPUDevice& cpu)
{
    if (CPUDevice* own = cpuOfIndex(int(cpu.index())))
        *own = cpu;
}

void CPUSystem::setCPU(CPUDevice&& cpu)
{
    if (CPUDevice* own = cpuOfIndex(int(cpu.index())))
        *own = std::move(cpu);
}

void CPUSystem::setLib(const OvLib& lib)
{
    if (CPUDevice* cpu = cpuOfIndex(lib.cpuIndex()))
        cpu->setLib(lib);
}

void CPUSystem::setLib(OvLib&& lib)
{
    if (CPUDevice* cpu = cpuOfIndex(lib.cpuIndex()))
        cpu->setLib(std::move(lib));
}

void CPUSystem::setPoint(const OvGenericPoint* point)
{
    if (!point)
        return;
    if (CPUDevice* cpu = cpuOfIndex(point->cpuIndex()))
        cpu->setPoint(point);
}

void CPUSystem::updatePoint(const OvGenericPoint* point)
{
    if (!point)
        return;
    if (CPUDevice* cpu = cpuOfIndex(point->cpuIndex()))
        cpu->updatePoint(point);
}

void CPUSystem::setLoop(const OvLoop& loop)
{
    if (CPUDevice* cpu = cpuOfIndex(loop.ownerCpu()))
        cpu->setLoop(loop);
}

OvGenericPoint* CPUSystem::getPoint(int p, u32 g, int index, int family) const
{
    const CPUDevice* cpu = cpuAt(p);
    return cpu ? cpu->getPoint(g, index, family) : nullptr;
}

const OvLoop* CPUSystem::loopAt(int p, u32 g) const
{
    const CPUDevice* cpu = cpuAt(p);
    return cpu ? cpu->loopAt(g) : nullptr;
}

void CPUSystem::loadAnnunciators(int p, const u8* records, int count)
{
    if (CPUDevice* cpu = cpuAt(p))
        cpu->loadAnnunciators(records, count);
}

void CPUSystem::loadViewers(int p, const u8* records, int count)
{
    if (CPUDevice* cpu = cpuAt(p))
        cpu->loadViewers(records, count);
}

void CPUSystem::setAnnunciators(const OvAnnunciatorsSystem& system)
{
    if (CPUDevice* cpu = cpuOfIndex(int(system.cpuIndex())))
        cpu->annunciators().merge(system);
}

void CPUSystem::removeAnnunciators(const OvAnnunciatorsSystem& system)
{
    if (CPUDevice* cpu = cpuOfIndex(int(system.cpuIndex())))
        cpu->annunciators().remove(system);
}

void CPUSystem::setViewers(const OvAnnunciatorsSystem& system)
{
    if (CPUDevice* cpu = cpuOfIndex(int(system.cpuIndex())))
        cpu->viewers().merge(system);
}

void CPUSystem::removeViewers(const OvAnnunciatorsSystem& system)
{
    if (CPUDevice* cpu = cpuOfIndex(int(system.cpuIndex())))
        cpu->viewers().remove(system);
}

bool CPUSystem::isLibInstalled(int p, int lib) const
{
    const CPUDevice* cpu = cpuAt(p);
    if (!cpu || !cpu->isEnabled() || lib < 0 || lib >= cpu->libs().size())
        return false;
    return cpu->libs().at(lib).isInstalled();
}

void CPUSystem::ensureFirstCPUEnabled()
{
    if (!m_cpus.isEmpty() && !m_cpus.first()->isEnabled())
        m_cpus.first()->setEnabled(true);
}

void CPUSystem::checkCBE()
{
    for (CPUDevice* cpu : m_cpus) {
        if (cpu->isEnabled())
            cpu->checkCBE();
    }
}

void CPUSystem::resetContents()
{
    for (CPUDevice* cpu : m_cpus)
        cpu->resetContents();
}

void CPUSystem::reset()
{
    for (CPUDevice* cpu : m_cpus)
        cpu->reset();
}

bool CPUSystem::isAreaAssigned() const
{
    for (const CPUDevice* cpu : m_cpus) {
        if (cpu->isEnabled() && !cpu->isAreaAssigned())
            return false;
    }
    return true;
}

int CPUSystem::writeToPanelData() const
{
    int skipped = 0;
    for (int p = 0; p < m_cpus.size() && p < kMaxCpus; ++p)
        skipped += m_cpus.at(p)->writeToPanelData();
    return skipped;
}

bool CPUSystem::exportCsv(const QString& filePath) const
{
    PlantCsv csv(filePath);
    if (!csv.isOpen())
        return false;
    csv.writeHeader(filePath);
    csv.writeLine({qtTrId("CSV_CPUINDEX"), qtTrId("CSV_CPUSTAT"), qtTrId("CSV_CPUDESCRIPTION"),
                   qtTrId("CSV_CPULINECOUNT"), qtTrId("CSV_SIBTYPE"), qtTrId("CSV_SIBRSADDRESS"),
                   qtTrId("CSV_SIBADDRESS"), qtTrId("CSV_SIBNETMASK"), qtTrId("CSV_SIBNETGATEWAY")},
                  true);
    for (int p = 0; p < m_cpus.size(); ++p) {
        const CPUDevice* cpu = m_cpus.at(p);
        const bool sib = cpu->sib().isSIBEnabled();
        QStringList cells{QString::number(cpu->index()), cpu->isEnabled() ? QStringLiteral("1") : QStringLiteral("0"),
                          cpu->description(), QString::number(cpu->getLibCount() * u32(linesPerBoard())),
                          qtTrId(sib ? QT_TRID_NOOP("STR_ENABLED") : QT_TRID_NOOP("STR_DISABLED"))};
        if (sib)
            cells << QString::number(cpu->sib().rsAddress()) << getSIBIPAddr(p) << getSIBNetMask(p) << getSIBGateway(p);
        else
            cells << QString() << QString() << QString() << QString();
        csv.writeLine(cells, true);
    }
    return csv.close();
}
