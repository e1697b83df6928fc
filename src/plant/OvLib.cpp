#include "plant/OvLib.h"

#include "plant/LogLine.h"
#include "plant/LoopNumbering.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/PanelBlockWrite.h"

#include "OS/os.h"
#include "ZpData/Container/BlockLock.h"
#include "ZpData/Layouts/DeviceProg.h"
#include "ZpData/Layouts/NameProg.h"
#include "ZpData/Layouts/ZpxProg.h"
#include "ZpData/Values/CpuRec.h"
#include "core/Configuration.h"

#include <QDebug>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

using ZpData_v2602::CpuRec;
using ZpData_v2602::DeviceProg;
using ZpData_v2602::LineRec;
using ZpData_v2602::NameProg;

constexpr u32 kNameSize = 32;
constexpr int kCpuCount = 64;
constexpr int kBoardCount = 4;
enum : u8 {
    kBoardInstalled = 0x01,
    kStyleLine0 = 0x02,
    kStyleLine1 = 0x04,
    kProtocolShift0 = 3,
    kProtocolShift1 = 5,
};

u32 boardByteOffset(int cpu, int board)
{
    return ZpData_v2602::zpx::kCpuRecords + CpuRec::kSize * u32(cpu) + LineRec::kSize * u32(board);
}

OvLib::RecordTail defaultTail()
{
    BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
    OvLib::RecordTail tail = {};
    // The board records are read and written in the current layout only.
    if (!zpx.layout())
        return tail;
    const std::array<u8, LineRec::kSize> record = LineRec::defaults(zpx.data());
    std::copy(record.begin() + 1, record.end(), tail.begin());
    return tail;
}

} // namespace

OvLib::OvLib() = default;

OvLib::OvLib(int cpuIndex, int idx)
    : m_installed(idx == 1)
    , m_idx(idx)
    , m_cpuIndex(cpuIndex)
    , m_recordTail(defaultTail())
{
    if (idx <= 0)
        os_FatalPrintf("idx > 0\n");
    if (cpuIndex <= 0)
        os_FatalPrintf("cpuIndex > 0\n");
    if (m_installed)
        createLoops();
}

OvLib::OvLib(int cpu, int board, int deviceProgIndex)
{
    loadFromPanel(cpu, board, deviceProgIndex);
}

OvLib::OvLib(const OvLib& other)
    : m_installed(other.m_installed)
    , m_idx(other.m_idx)
    , m_cpuIndex(other.m_cpuIndex)
    , m_recordTail(other.m_recordTail)
{
    for (const OvLoop* loop : other.m_loops)
        m_loops.append(new OvLoop(*loop));
}

OvLib& OvLib::operator=(const OvLib& other)
{
    if (this == &other)
        return *this;
    m_loops.deleteAll();
    m_installed = other.m_installed;
    m_idx = other.m_idx;
    m_cpuIndex = other.m_cpuIndex;
    m_recordTail = other.m_recordTail;
    for (const OvLoop* loop : other.m_loops)
        m_loops.append(new OvLoop(*loop));
    return *this;
}

OvLib& OvLib::operator=(OvLib&& other) noexcept
{
    if (this == &other)
        return *this;
    m_installed = other.m_installed;
    m_idx = other.m_idx;
    m_cpuIndex = other.m_cpuIndex;
    m_recordTail = other.m_recordTail;
    m_loops = std::move(other.m_loops);
    return *this;
}

OvLib::~OvLib() = default;

void OvLib::createLoops()
{
    const int lines = linesPerBoard();
    for (int p = 0; p < lines; ++p)
        m_loops.append(new OvLoop(m_cpuIndex, m_loops.size() + lines * (m_idx - 1) + 1));
}

void OvLib::clear()
{
    m_installed = false;
    m_idx = 0;
    m_cpuIndex = 0;
    m_loops.deleteAll();
}

void OvLib::setInstalled(bool on, bool reload)
{
    if (m_installed == on)
        return;
    m_installed = on;
    m_recordTail = defaultTail();
    if (on && m_loops.isEmpty()) {
        createLoops();
        return;
    }
    if (reload)
        reloadLoops();
}

void OvLib::uninstall()
{
    if (m_installed)
        m_recordTail = defaultTail();
    m_installed = false;
    reloadLoops();
}

void OvLib::reloadLoops()
{
    for (OvLoop* loop : m_loops)
        loop->reloadSettings();
}

namespace {

// ">>> b.addr =  " and the address, as the stream wrote it.
const QString& addressLine(u8 address)
{
    static const std::array<QString, 256> lines = [] {
        std::array<QString, 256> made;
        for (int a = 0; a < 256; ++a) {
            made[size_t(a)] = QStringLiteral(">>> b.addr =  ");
            logline::appendNumber(made[size_t(a)], a);
        }
        return made;
    }();
    return lines[address];
}

} // namespace

void OvLib::loadFromPanel(int cpu, int board, int deviceProgIndex)
{
    qInfo().noquote() << QStringLiteral("cpuIdx = %1\tidx = %2\tLIBIDX = %3").arg(cpu).arg(board).arg(deviceProgIndex);
    m_idx = board + 1;
    m_cpuIndex = cpu + 1;
    setInstalled(true, true);
    if (cpu < 0 || cpu >= kCpuCount || board < 0 || board >= kBoardCount || deviceProgIndex < 0
        || deviceProgIndex >= kCpuCount)
        return;

    {
        BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
        const LineRec line(zpx.data(), u32(cpu), u32(board));
        if (zpx.layout())
            std::copy(line.bytes() + 1, line.bytes() + LineRec::kSize, m_recordTail.begin());
        const bool apollo = zpx.layout() && zpx->get_sensor_brand() == ZpData_v2602::zpx::kBrandApollo;
        // The board records are read in the current layout only.
        for (int p = 0; zpx.layout() && p < m_loops.size() && p < 2; ++p) {
            m_loops[p]->setOpen(line.get_flag(u32(p)) == 0);
            const int varn = line.get_protocol(u32(p)) == 1 ? OvLoop::LOOP_VARN500 : OvLoop::LOOP_ZAV200;
            m_loops[p]->changeType(apollo ? OvLoop::LOOP_APOLLO : varn);
        }
    }

    BlockLock<ZpData::IF_DeviceProg> devices(*g_zpConf, u32(deviceProgIndex), 70, 133);
    BlockLock<ZpData::IF_NameProg> names(*g_zpConf, u32(deviceProgIndex), 134, 197);
    if (!devices.data() || !names.data())
        return;
    const u8* header = devices.data();
    qInfo().noquote() << QStringLiteral("CPU = %1\tLIB%2").arg(header[0]).arg(header[1]);
    const bool named = names.data()[0] == u8(cpu) && names.data()[1] == u8(board);
    // Two lines for each of the 700 slots of every board: the slot line has four texts per
    // board and the address line one per address, so each is made once, not per slot.
    const bool debugLines = logline::debugEnabled();
    QString slotLines[2][2];
    if (debugLines) {
        QString head = QStringLiteral("LOAD POINT LIB ");
        logline::appendNumber(head, board);
        head += QLatin1String(" CPU ");
        logline::appendNumber(head, cpu);
        for (int used = 0; used < 2; ++used)
            for (int module = 0; module < 2; ++module)
                slotLines[used][module] = head
                    + QLatin1String(used ? "installed true type: " : "installed false type: ")
                    + QLatin1Char(module ? '1' : '0');
    }
    const bool infoLines = logline::infoEnabled();
    // The panel type, and with it the lines per board, stays as it is while a board is read.
    const int lines = linesPerBoard();
    for (u32 i = 0; i < DeviceProg::kSlotCount; ++i) {
        const u8* rec = devices.data() + DeviceProg::record_offset(i);
        const bool used = DeviceRec::is_used(rec);
        if (debugLines)
            OV_LOG_LINE(QtDebugMsg, slotLines[used ? 1 : 0][DeviceRec::is_module(rec) ? 1 : 0]);
        if (!used)
            continue;
        if (infoLines)
            OV_LOG_LINE(QtInfoMsg, addressLine(rec[0]));
        const int line = (rec[1] & DeviceRec::kLineBit) != 0 ? 1 : 0;
        const int loopIndex = loopOfLine(board, line, lines);
        const int position = positionOf(m_cpuIndex, loopIndex, lines);
        const u32 loopType = position >= 0 ? u32(m_loops.at(position)->type()) : OvGenericPoint::kLoopTypeUndefined;
        OvGenericPoint point(m_cpuIndex, loopIndex, rec, loopType);
        if (position < 0)
            continue;
        if (named) {
            char name[kNameSize + 1] = {};
            std::memcpy(name, names.data() + NameProg::kHeaderSize + kNameSize * i, kNameSize);
            if (name[0] != '\0')
                point.setDescription(Configuration::charBufferToString(name, int(kNameSize)));
        }
        // A sensor is stored as read; a module record is one channel of its module.
        if (point.family() == 1) {
            m_loops[position]->loadPoint(&point);
            continue;
        }
        const OvGenericSubPoint channel(point, rec[8] + 1);
        m_loops[position]->loadPoint(&channel);
    }
    for (OvLoop* loop : m_loops)
        loop->completeLoadedModules();
}

int OvLib::storeToPanel() const
{
    if (m_cpuIndex < 1 || m_cpuIndex > kCpuCount || m_idx < 1 || m_idx > kBoardCount) {
        qCritical().noquote() << QStringLiteral("LIB %1 of CPU %2 not stored: no such board").arg(m_idx).arg(m_cpuIndex);
        int needed = 0;
        for (const OvLoop* loop : m_loops)
            needed += m_installed ? loop->recordCount() : 0;
        return needed;
    }
    {
        PanelBlockWrite zpx(0, 2, 2);
        u8* record = zpx.data() + boardByteOffset(m_cpuIndex - 1, m_idx - 1);
        std::copy(m_recordTail.begin(), m_recordTail.end(), record + 1);
        u8& b = record[0];
        b = m_installed ? u8(b | kBoardInstalled) : u8(b & ~kBoardInstalled);
        const OvLoop* first = m_loops.value(0);
        const OvLoop* second = m_loops.value(1);
        // The style flag of a line is set for a closed ring.
        b = first && !first->isOpen() ? u8(b | kStyleLine0) : u8(b & ~kStyleLine0);
        b = second && !second->isOpen() ? u8(b | kStyleLine1) : u8(b & ~kStyleLine1);
        if (first && first->type() == OvLoop::LOOP_APOLLO) {
            b = u8((b & 0x87) | 0x50);
        } else {
            const u8 p0 = first && first->type() != OvLoop::LOOP_ZAV200 ? 1 : 0;
            const u8 p1 = second && second->type() != OvLoop::LOOP_ZAV200 ? 1 : 0;
            b = u8((b & 0x87) | (p0 << kProtocolShift0) | (p1 << kProtocolShift1));
        }
    }
    if (!m_installed)
        return 0;

    const int block = g_zpConf->get_free_device_prog();
    if (block < 0) {
        int needed = 0;
        for (const OvLoop* loop : m_loops) {
            needed += loop->recordCount();
            qCritical().noquote() << QStringLiteral("No free device block: CPU %1 LIB %2 loop %3 not stored, %4 device "
                                                    "records left out")
                                         .arg(m_cpuIndex)
                                         .arg(m_idx)
                                         .arg(loop->loopIndex())
                                         .arg(loop->recordCount());
        }
        return needed;
    }
    for (u32 first : {u32(DeviceProg::kFirstDataType), u32(NameProg::kFirstDataType)}) {
        PanelBlockWrite header(u32(block), first, first + 63);
        header.data()[0] = u8(m_cpuIndex - 1);
        header.data()[1] = u8(m_idx - 1);
    }
    int skipped = 0;
    for (const OvLoop* loop : m_loops)
        skipped += loop->storeToPanel(block);
    return skipped;
}

int OvLib::positionOf(int cpuIndex, int loopIndex) const
{
    return positionOf(cpuIndex, loopIndex, linesPerBoard());
}

int OvLib::positionOf(int cpuIndex, int loopIndex, int lines) const
{
    if (cpuIndex != m_cpuIndex || boardOfLoop(loopIndex, lines) != m_idx - 1)
        return -1;
    const int position = lineOfLoop(loopIndex, lines);
    return position < m_loops.size() ? position : -1;
}

OvGenericPoint* OvLib::getPoint(int line, int index, int family) const
{
    const int position = line < 0 ? -1 : line % linesPerBoard();
    if (position < 0 || position >= m_loops.size())
        return nullptr;
    return m_loops.at(position)->getPoint(index, family);
}

int OvLib::getActiveCount(int protocolMask, int familyMask, int inputTypeMask) const
{
    int count = 0;
    for (const OvLoop* loop : m_loops)
        count += loop->getActiveCount(protocolMask, familyMask, inputTypeMask);
    return count;
}

int OvLib::getLoopActiveCount(unsigned position, int protocolMask, int familyMask, int inputTypeMask) const
{
    if (position >= unsigned(m_loops.size()))
        return 0;
    return m_loops.at(int(position))->getActiveCount(protocolMask, familyMask, inputTypeMask);
}

bool OvLib::isLoopEmpty(unsigned position) const
{
    return position < unsigned(m_loops.size()) && m_loops.at(int(position))->isEmpty();
}

bool OvLib::setLoopOpen(unsigned position, bool open)
{
    return position < unsigned(m_loops.size()) && m_loops.at(int(position))->setOpen(open);
}

bool OvLib::setLoopType(unsigned position, int type)
{
    if (position >= unsigned(m_loops.size()))
        return false;
    OvLoop* loop = m_loops.at(int(position));
    const bool changed = type >= OvLoop::LOOP_ZAV200 && type <= OvLoop::LOOP_APOLLO && loop->changeType(type);
    loop->dump();
    return changed;
}

bool OvLib::isAreaAssigned() const
{
    if (!m_installed)
        return true;
    for (const OvLoop* loop : m_loops) {
        if (!loop->isAreaAssigned())
            return false;
    }
    return true;
}

bool OvLib::hasCBEError() const
{
    if (!m_installed)
        return false;
    for (const OvLoop* loop : m_loops) {
        if (loop->hasCBEError())
            return true;
    }
    return false;
}

bool OvLib::hasInvalidFastInput() const
{
    if (!m_installed)
        return false;
    for (const OvLoop* loop : m_loops) {
        if (loop->hasInvalidFastInput())
            return true;
    }
    return false;
}

void OvLib::checkCBE()
{
    if (!m_installed)
        return;
    for (OvLoop* loop : m_loops)
        loop->checkCBE();
}

void OvLib::updateLoop(const OvLoop& loop)
{
    const int position = positionOf(loop.ownerCpu(), loop.loopIndex());
    if (position >= 0)
        *m_loops[position] = loop;
}

void OvLib::updateLoop(OvLoop&& loop)
{
    const int position = positionOf(loop.ownerCpu(), loop.loopIndex());
    if (position >= 0)
        *m_loops[position] = std::move(loop);
}

void OvLib::updatePoint(const OvGenericPoint* point)
{
    if (point == nullptr)
        return;
    const int position = positionOf(point->cpuIndex(), point->loopIndex());
    if (position < 0)
        return;
    if (point->family() == 1)
        m_loops[position]->updateSensor(*point);
    else
        m_loops[position]->updateModule(*point);
}

void OvLib::loadPoint(const OvGenericPoint* point)
{
    if (point == nullptr)
        return;
    const int position = positionOf(point->cpuIndex(), point->loopIndex());
    if (position >= 0)
        m_loops[position]->loadPoint(point);
}

bool OvLib::exportCSV(const QString& folder, QStringList* written) const
{
    if (!m_installed)
        return true;
    bool complete = true;
    for (const OvLoop* loop : m_loops) {
        complete = loop->exportCSV(folder) && complete;
        if (written)
            *written << OvLoop::csvFileName(folder, loop->ownerCpu(), loop->loopIndex());
    }
    return complete;
}

void OvLib::dump() const
{
    qDebug().noquote()
        << QStringLiteral("LIB [%1.%2]: ENABLED: %3").arg(m_cpuIndex).arg(m_idx).arg(m_installed ? "true" : "false");
}
