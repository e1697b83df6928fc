#include "plant/CPUDevice.h"
#include "plant/FieldChange.h"

#include "plant/LoopNumbering.h"
#include "plant/OvGenericPoint.h"
#include "plant/PanelBlockWrite.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/CpuRec.h"
#include "ZpData/Values/PanelModel.h"
#include "core/Configuration.h"

#include <QDebug>

#include <cstring>

using plantfields::boolText;

namespace {

using ZpData_v2602::CpuRec;

// A new CPU gets the first type its panel model allows, so that its record never carries
// undefined type bits.
u32 defaultCpuType()
{
    const std::vector<u8> types = get_cpu_type_list(PanelType::get_cpu_model(g_zpConf->get_panel_type()));
    return types.empty() ? 0u : types.front();
}

} // namespace

CPUDevice::CPUDevice()
    : m_cpuType(defaultCpuType())
{
}

CPUDevice::CPUDevice(u32 index)
    : m_enabled(index == 1)
    , m_index(index)
    , m_annunciators(index)
    , m_viewers(index)
    , m_cpuType(defaultCpuType())
{
    if (m_enabled && hasRecord())
        m_libs.append(OvLib(int(m_index), 1));
}

CPUDevice::CPUDevice(const CPUDevice& other)
    : m_cpuType(other.m_cpuType)
{
    copyFrom(other);
}

CPUDevice& CPUDevice::operator=(const CPUDevice& other)
{
    if (this != &other)
        copyFrom(other);
    return *this;
}

CPUDevice& CPUDevice::operator=(CPUDevice&& other) noexcept
{
    if (this == &other)
        return *this;
    m_description = std::move(other.m_description);
    m_enabled = other.m_enabled;
    m_upsFlag = other.m_upsFlag;
    m_sib = other.m_sib;
    m_index = other.m_index;
    m_annunciators = std::move(other.m_annunciators);
    m_viewers = std::move(other.m_viewers);
    // In place, as a copy does.
    for (int i = 0; i < other.m_libs.size(); ++i) {
        if (i >= m_libs.size())
            m_libs.append(OvLib());
        m_libs[i] = std::move(other.m_libs[i]);
    }
    while (m_libs.size() > other.m_libs.size())
        m_libs.removeLast();
    return *this;
}

CPUDevice::~CPUDevice() = default;

void CPUDevice::copyFrom(const CPUDevice& other)
{
    m_description = other.m_description;
    m_enabled = other.m_enabled;
    m_upsFlag = other.m_upsFlag;
    m_sib = other.m_sib;
    m_index = other.m_index;
    m_annunciators = other.m_annunciators;
    m_viewers = other.m_viewers;
    // Boards are assigned in place, surplus ones appended, missing ones dropped from the end.
    for (int i = 0; i < other.m_libs.size(); ++i) {
        if (i < m_libs.size())
            m_libs[i] = other.m_libs.at(i);
        else
            m_libs.append(other.m_libs.at(i));
    }
    while (m_libs.size() > other.m_libs.size())
        m_libs.removeLast();
}

bool CPUDevice::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return true;
    m_enabled = enabled;
    if (enabled && getInstalledLibCount() == 0)
        addBoard();
    return true;
}

bool CPUDevice::setDescription(const QString& description)
{
    m_description = description;
    return true;
}

bool CPUDevice::setUPSFlag(bool ups)
{
    qDebug() << "CPUDevice::setUPSFlag" << boolText(ups);
    m_upsFlag = ups;
    return true;
}

bool CPUDevice::setLibCount(u32 count)
{
    qDebug().noquote() << QStringLiteral("CPUDevice::setLibCount(): CPU[%1]LIB COUNT = %2").arg(m_index).arg(count);
    // A disabled CPU keeps its boards: adding one would install a board of a CPU that has none.
    if (!m_enabled) {
        writeLibCount(count);
        return true;
    }
    u32 installed = getLibCount();
    while (installed != count) {
        if (installed > count)
            removeBoard();
        else
            addBoard();
        const u32 now = getLibCount();
        if (now == installed)
            break;
        installed = now;
    }
    // The record must name the boards the CPU really has, not the ones asked for.
    writeLibCount(installed);
    return installed == count;
}

void CPUDevice::writeLibCount(u32 count) const
{
    BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2, BlockAccess::write);
    if (zpx.layout() && hasRecord())
        zpx->set_cpu_ll_num(m_index - 1, u8(count & 255));
}

void CPUDevice::enableRSSIB(u8 address)
{
    m_sib.enableRSSIB(address);
}

void CPUDevice::enableNetworkSIB(u32 ip, u32 netmask, u32 gateway)
{
    m_sib.enableNetworkSIB(ip, netmask, gateway);
}

void CPUDevice::enableNetworkGW(u32 ip, u32 netmask, u32 gateway)
{
    m_sib.enableNetworkGW(ip, netmask, gateway);
}

const u8* CPUDevice::setSupervisorBlock(const u8* block)
{
    m_sib.setSupervisorBlock(block);
    return m_sib.supervisorBlock();
}

bool CPUDevice::setSupervisorNotInstalled()
{
    return m_sib.setSupervisorNotInstalled();
}

bool CPUDevice::setSupervisorModbusRTU(u8 address, u8 baudCode)
{
    return m_sib.setSupervisorModbusRTU(address, baudCode);
}

bool CPUDevice::setSupervisorModbusTCP(u32 ip, u32 netmask, u32 gateway)
{
    return m_sib.setSupervisorModbusTCP(ip, netmask, gateway);
}

bool CPUDevice::setSupervisorBacnet(u32 ip, u32 netmask, u32 gateway)
{
    return m_sib.setSupervisorBacnet(ip, netmask, gateway);
}

void CPUDevice::disableSIB()
{
    m_sib.disableSIB();
}

void CPUDevice::enableSIB()
{
    m_sib.enableSIB();
}

QString CPUDevice::getCPUTypeName() const
{
    u8 type = 255;
    {
        BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
        if (zpx.layout() && hasRecord())
            type = zpx->get_cpu_type(m_index - 1);
    }
    return Configuration::getCpuTypeName(type);
}

u32 CPUDevice::getLibCount() const
{
    return m_enabled ? getInstalledLibCount() : 0;
}

u32 CPUDevice::getInstalledLibCount() const
{
    u32 count = 0;
    for (const OvLib& lib : m_libs)
        count += lib.isInstalled() ? 1 : 0;
    return count;
}

void CPUDevice::addLib()
{
    // A board is numbered after its CPU: a CPU without a number gets none.
    if (!hasRecord())
        return;
    for (int i = 0; i < m_libs.size(); ++i) {
        if (!m_libs.at(i).isInstalled()) {
            installLib(i);
            return;
        }
    }
    if (m_libs.size() >= kMaxLibs)
        return;
    m_libs.append(OvLib(int(m_index), m_libs.size() + 1));
    m_libs.last().setInstalled(true, false);
}

void CPUDevice::installLib(int i)
{
    if (i >= 0 && i < m_libs.size())
        m_libs[i].setInstalled(true, false);
}

void CPUDevice::uninstallLib(int i)
{
    if (i >= 0 && i < m_libs.size())
        m_libs[i].setInstalled(false, true);
}

int CPUDevice::nextLibToInstall() const
{
    if (!hasRecord())
        return -1;
    for (int i = 0; i < m_libs.size(); ++i) {
        if (!m_libs.at(i).isInstalled())
            return i;
    }
    return m_libs.size() < kMaxLibs ? m_libs.size() : -1;
}

int CPUDevice::lastInstalledLib() const
{
    for (int i = m_libs.size() - 1; i >= 0; --i) {
        if (m_libs.at(i).isInstalled())
            return i;
    }
    return -1;
}

void CPUDevice::addBoard()
{
    writeBoardInstalled(nextLibToInstall(), true);
    addLib();
}

void CPUDevice::removeBoard()
{
    writeBoardInstalled(lastInstalledLib(), false);
    removeLastInstalledLib();
}

void CPUDevice::writeBoardInstalled(int board, bool installed) const
{
    if (!hasRecord() || board < 0 || board >= kMaxLibs)
        return;
    PanelBlockWrite zpx(0, 2, 2);
    CpuRec(zpx.data(), m_index - 1).line(u32(board)).set_installed(installed);
}

void CPUDevice::removeLastInstalledLib()
{
    uninstallLib(lastInstalledLib());
}

void CPUDevice::setLib(const OvLib& lib)
{
    const int at = lib.idx() - 1;
    if (at >= 0 && at < m_libs.size())
        m_libs[at] = lib;
}

void CPUDevice::setLib(OvLib&& lib)
{
    const int at = lib.idx() - 1;
    if (at >= 0 && at < m_libs.size())
        m_libs[at] = std::move(lib);
}

const OvLib* CPUDevice::libOf(u32 g, int* position) const
{
    const u32 lines = u32(linesPerBoard());
    *position = int(g % lines);
    const u32 board = g / lines;
    return board < u32(m_libs.size()) ? &m_libs.at(int(board)) : nullptr;
}

OvLib* CPUDevice::libOf(u32 g, int* position)
{
    return const_cast<OvLib*>(static_cast<const CPUDevice*>(this)->libOf(g, position));
}

bool CPUDevice::setLoopOpenFlag(u32 g, bool open)
{
    int position = 0;
    OvLib* lib = libOf(g, &position);
    return lib && lib->setLoopOpen(unsigned(position), open);
}

bool CPUDevice::setLoopType(u32 g, int type)
{
    int position = 0;
    OvLib* lib = libOf(g, &position);
    return lib && lib->setLoopType(unsigned(position), type);
}

bool CPUDevice::isLoopOpen(u32 g) const
{
    int position = 0;
    const OvLib* lib = libOf(g, &position);
    return lib && position < lib->loops().size() && lib->loops().at(position)->isOpen();
}

OvLoop CPUDevice::getLoop(u32 g) const
{
    int position = 0;
    const OvLib* lib = libOf(g, &position);
    if (!lib || position >= lib->loops().size())
        return OvLoop();
    return *lib->loops().at(position);
}

const OvLoop* CPUDevice::loopAt(u32 g) const
{
    int position = 0;
    const OvLib* lib = libOf(g, &position);
    return lib && position < lib->loops().size() ? lib->loops().at(position) : nullptr;
}

bool CPUDevice::isLoopEmpty(u32 g) const
{
    int position = 0;
    const OvLib* lib = libOf(g, &position);
    return lib && lib->isLoopEmpty(unsigned(position));
}

OvGenericPoint* CPUDevice::getPoint(u32 g, int index, int family) const
{
    int position = 0;
    const OvLib* lib = libOf(g, &position);
    return lib ? lib->getPoint(position, index, family) : nullptr;
}

int CPUDevice::getLoopActiveCount(u32 g, int protocolMask, int familyMask, int inputTypeMask) const
{
    int position = 0;
    const OvLib* lib = libOf(g, &position);
    return lib ? lib->getLoopActiveCount(unsigned(position), protocolMask, familyMask, inputTypeMask) : 0;
}

int CPUDevice::getActiveCount(int protocolMask, int familyMask, int inputTypeMask) const
{
    int count = 0;
    for (const OvLib& lib : m_libs)
        count += lib.getActiveCount(protocolMask, familyMask, inputTypeMask);
    return count;
}

int CPUDevice::deviceCount() const
{
    if (!m_enabled)
        return 0;
    int count = 0;
    for (const OvLib& lib : m_libs) {
        if (!lib.isInstalled())
            continue;
        for (const OvLoop* loop : lib.loops())
            count += loop->recordCount();
    }
    return count;
}

void CPUDevice::setPoint(const OvGenericPoint* point)
{
    if (!point || point->cpuIndex() != int(m_index))
        return;
    const int board = boardOfLoop(point->loopIndex());
    if (board >= 0 && board < m_libs.size())
        m_libs[board].loadPoint(point);
}

void CPUDevice::updatePoint(const OvGenericPoint* point)
{
    if (!point || point->cpuIndex() != int(m_index))
        return;
    const int board = boardOfLoop(point->loopIndex());
    if (board >= 0 && board < m_libs.size())
        m_libs[board].updatePoint(point);
}

OvLib* CPUDevice::libForLoop(const OvLoop& loop)
{
    if (loop.ownerCpu() != int(m_index) || !hasRecord())
        return nullptr;
    const int board = boardOfLoop(loop.loopIndex());
    if (board < 0 || board >= kMaxLibs)
        return nullptr;
    while (m_libs.size() <= board) {
        m_libs.append(OvLib(int(m_index), m_libs.size() + 1));
        m_libs.last().setInstalled(true, false);
    }
    return &m_libs[board];
}

void CPUDevice::setLoop(const OvLoop& loop)
{
    if (OvLib* lib = libForLoop(loop))
        lib->updateLoop(loop);
}

void CPUDevice::setLoop(OvLoop&& loop)
{
    if (OvLib* lib = libForLoop(loop))
        lib->updateLoop(std::move(loop));
}

bool CPUDevice::isAreaAssigned() const
{
    if (!m_enabled)
        return true;
    for (const OvLib& lib : m_libs) {
        if (!lib.isAreaAssigned())
            return false;
    }
    return true;
}

bool CPUDevice::hasInvalidFastInput() const
{
    if (!m_enabled)
        return false;
    for (const OvLib& lib : m_libs) {
        if (lib.hasInvalidFastInput())
            return true;
    }
    return false;
}

bool CPUDevice::hasCBEError() const
{
    if (!m_enabled)
        return false;
    for (const OvLib& lib : m_libs) {
        if (lib.hasCBEError())
            return true;
    }
    return false;
}

void CPUDevice::checkCBE()
{
    if (!m_enabled)
        return;
    for (OvLib& lib : m_libs)
        lib.checkCBE();
}

void CPUDevice::resetContents()
{
    for (OvLib& lib : m_libs)
        lib.reloadLoops();
    m_description.clear();
    m_annunciators = OvAnnunciatorsSystem(m_index);
    m_viewers = OvAnnunciatorsSystem(m_index);
}

void CPUDevice::reset()
{
    m_enabled = m_index == 0 || m_index == 1;
    m_upsFlag = false;
    m_description.clear();
    m_sib.clear();
    // A plant started afresh keeps nothing of the boards before it: a board installed later is
    // built from the panel configuration as a new one.
    m_libs.clear();
    if (m_enabled && hasRecord())
        m_libs.append(OvLib(int(m_index), 1));
    m_annunciators = OvAnnunciatorsSystem(m_index);
    m_viewers = OvAnnunciatorsSystem(m_index);
}

void CPUDevice::loadAnnunciators(const u8* records, int count)
{
    m_annunciators = OvAnnunciatorsSystem(m_index);
    for (int k = 1; k <= count; ++k) {
        const u8* record = records + OvAnnunciatorsSystem::kAnnunciatorRecordSize * (k - 1);
        if (record[OvAnnunciatorsSystem::kAnnunciatorRecordSize - 1] != 0)
            m_annunciators.addFromRecord(k, record);
    }
}

void CPUDevice::loadViewers(const u8* records, int count)
{
    m_viewers = OvAnnunciatorsSystem(m_index);
    for (int k = 1; k <= count; ++k) {
        const u8* record = records + OvAnnunciator::kViewerRecordSize * (k - 1);
        if (record[0] & 1)
            m_viewers.addViewerFromRecord(k, record);
    }
}

QString CPUDevice::filePrefix(const char* id) const
{
    return qtTrId(id) + QStringLiteral("_%1").arg(m_index, 2);
}

bool CPUDevice::exportViewersCsv(const QString& folder) const
{
    return m_viewers.exportCsv(filePrefix(QT_TRID_NOOP("CSV_VIWER_FILE_PREFIX")), folder);
}

bool CPUDevice::exportAnnunciatorsCsv(const QString& folder) const
{
    return m_annunciators.exportCsv(filePrefix(QT_TRID_NOOP("CSV_ANNUNCIATOR_FILE_PREFIX")), folder);
}

bool CPUDevice::exportLoopsCsv(const QString& folder, QStringList* written) const
{
    if (!m_enabled)
        return true;
    bool complete = true;
    for (const OvLib& lib : m_libs)
        complete = lib.exportCSV(folder, written) && complete;
    return complete;
}

void CPUDevice::writeRecordState() const
{
    if (!hasRecord())
        return;
    PanelBlockWrite zpx(0, 2, 2);
    CpuRec record(zpx.data(), m_index - 1);
    u8& status = record.bytes()[CpuRec::kStatus];
    status = u8((status & ~CpuRec::kInstalled) | (m_enabled ? CpuRec::kInstalled : 0));
    for (int b = 0; b < kMaxLibs; ++b)
        record.line(u32(b)).set_installed(m_enabled && b < m_libs.size() && m_libs.at(b).isInstalled());
    // Last: the type brings the record's boards into its range, as the panel does.
    record.set_type(u8(m_cpuType));
}

int CPUDevice::writeToPanelData() const
{
    if (!hasRecord())
        return 0;
    {
        PanelBlockWrite zpx(0, 2, 2);
        CpuRec record(zpx.data(), m_index - 1);
        u8* name = record.bytes() + CpuRec::kName;
        const QByteArray latin1 = m_description.toLatin1().left(32);
        std::memset(name, 0, 32);
        std::memcpy(name, latin1.constData(), size_t(latin1.size()));
        u8& status = record.bytes()[CpuRec::kStatus];
        status = u8(status & ~(CpuRec::kInstalled | CpuRec::kSibEnabled | CpuRec::kUps));
        status |= m_enabled ? CpuRec::kInstalled : 0;
        status |= m_sib.isSIBEnabled() ? CpuRec::kSibEnabled : 0;
        status |= m_upsFlag ? CpuRec::kUps : 0;
        record.set_type(u8(m_cpuType));
    }
    m_viewers.writeToPanelData(int(m_index) - 1, false);
    m_annunciators.writeToPanelData(int(m_index) - 1, true);
    if (!m_enabled)
        return 0;
    {
        // A board slot without a LIB compiles as one added and removed again.
        PanelBlockWrite zpx(0, 2, 2);
        const CpuRec record(zpx.data(), m_index - 1);
        for (int i = m_libs.size(); i < kMaxLibs; ++i) {
            if (!record.line(u32(i)).is_installed())
                record.line(u32(i)).set_default();
        }
    }
    int skipped = 0;
    for (int i = 0; i < m_libs.size() && i < kMaxLibs; ++i)
        skipped += m_libs.at(i).storeToPanel();
    return skipped;
}

void CPUDevice::dump() const
{
    qDebug().noquote() << QStringLiteral("Centrale [%1]: ENABLED: %2 DESCRIPTION: %3")
                              .arg(m_index)
                              .arg(boolText(m_enabled), m_description);
    qDebug().noquote() << (m_sib.isSIBEnabled() ? "\tSIB ATTIVA" : "\tSIB DISATTIVA");
    qDebug().noquote() << QStringLiteral("\tLIB = %1").arg(getLibCount());
    qDebug().noquote() << QStringLiteral("\tUPS: %1").arg(m_upsFlag ? "ON" : "OFF");
}
