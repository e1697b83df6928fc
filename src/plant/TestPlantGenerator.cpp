#include "plant/TestPlantGenerator.h"

#include "plant/OvGenericSubPoint.h"
#include "plant/OvLoop.h"
#include "plant/Plant.h"
#include "plant/PointType.h"
#include "plant/PointTypeList.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/ZpxProg.h"

#include <QDebug>

#include <cstdlib>
#include <ctime>

namespace {

constexpr int kLinesPerBoard = 2;
constexpr int kBoards = 4;
constexpr int kAttempts = 100;
// Devices given to one zone before the next.
constexpr int kDevicesPerZone = 32;
// Each board takes one device block of the panel configuration.
constexpr int kDeviceBlocks = 64;

} // namespace

// Boards the CPU's type carries: the panel configuration refuses more.
int TestPlantGenerator::maxBoards(int cpu) const
{
    BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
    const int max = zpx.layout() ? int(zpx->get_cpu_type_max_ll_num(u8(m_plant->getCPUType(uchar(cpu))))) : 0;
    return qMin(max, kBoards);
}

TestPlantGenerator::TestPlantGenerator(Plant* plant, unsigned seed)
    : m_plant(plant)
{
    std::srand(seed ? seed : unsigned(std::time(nullptr)));
}

int TestPlantGenerator::random(int size) const
{
    return size > 0 ? std::rand() % size : 0;
}

void TestPlantGenerator::makeAll()
{
    if (!m_plant)
        return;
    using L = OvLoop;
    QList<PointTypeHw> lists[4] = {PointTypeList(L::sensorProtocol(L::LOOP_ZAV200), 1).entries(),
                                   PointTypeList(L::moduleProtocol(L::LOOP_ZAV200), 2).entries(),
                                   PointTypeList(L::sensorProtocol(L::LOOP_VARN500), 1).entries(),
                                   PointTypeList(L::moduleProtocol(L::LOOP_VARN500), 2).entries()};
    const int maxCpus = m_plant->getCpuMaxCount();
    const auto anyLeft = [&lists] {
        for (const QList<PointTypeHw>& list : lists) {
            if (!list.isEmpty())
                return true;
        }
        return false;
    };
    for (int cpu = 0; cpu < maxCpus && anyLeft(); ++cpu) {
        place(lists[0], cpu, OvLoop::LOOP_ZAV200);
        place(lists[1], cpu, OvLoop::LOOP_ZAV200);
        place(lists[2], cpu, OvLoop::LOOP_VARN500);
        place(lists[3], cpu, OvLoop::LOOP_VARN500);
    }
    // Every further CPU the panel takes, with all its boards while device blocks remain, so the
    // plant is as large as the panel allows.
    for (int cpu = 0; cpu < maxCpus; ++cpu) {
        if (m_plant->getCPUStat(uint(cpu)))
            continue;
        const int room = kDeviceBlocks - boardCount();
        if (room <= 0)
            break;
        m_plant->setCPUStat(cpu, true);
        // The first panel's type: it decides the lines of the boards the panel data describes.
        m_plant->setCPUType(cpu, m_plant->getCPUType(0));
        m_plant->setCPULibCount(cpu, qMin(maxBoards(cpu), room));
    }
    for (int cpu = 0; cpu < maxCpus; ++cpu) {
        if (!m_plant->getCPUStat(uint(cpu)))
            continue;
        const int lines = m_plant->getCPULibCount(cpu) * kLinesPerBoard;
        for (int loop = 0; loop < lines; ++loop)
            fillLoop(cpu, loop);
    }
}

void TestPlantGenerator::place(QList<PointTypeHw>& list, int cpu, int loopType)
{
    if (list.isEmpty())
        return;
    if (!m_plant->getCPUStat(uint(cpu))) {
        m_plant->setCPUStat(cpu, true);
        m_plant->setCPUType(cpu, m_plant->getCPUType(0));
    }
    const int boards = maxBoards(cpu);
    for (int board = 0; board < boards && !list.isEmpty(); ++board) {
        if (m_plant->getCPULibCount(cpu) < board + 1) {
            if (boardCount() >= kDeviceBlocks)
                return;
            m_plant->setCPULibCount(cpu, board + 1);
        }
        for (int line = 0; line < kLinesPerBoard && !list.isEmpty(); ++line) {
            const uint loop = uint(board * kLinesPerBoard + line);
            if (m_plant->getCPULoopType(uint(cpu), loop) != loopType
                && m_plant->getActiveSensorCount(uint(cpu), loop) + m_plant->getActiveModuleCount(uint(cpu), loop) == 0)
                m_plant->setCPULoopType(uint(cpu), loop, uint(loopType));
            if (m_plant->getCPULoopType(uint(cpu), loop) != loopType)
                continue;
            for (int i = 0; i < list.size();) {
                const bool empty = m_plant->getActiveSensorCount(uint(cpu), loop)
                        + m_plant->getActiveModuleCount(uint(cpu), loop)
                    == 0;
                // A type that does not fit an empty loop fits none.
                if (add(cpu, int(loop), list.at(i)) || empty)
                    list.removeAt(i);
                else
                    ++i;
            }
        }
    }
}

void TestPlantGenerator::fillLoop(int cpu, int loop)
{
    // An empty loop of a type this panel has no devices for becomes a VARN loop.
    const int current = m_plant->getCPULoopType(uint(cpu), uint(loop));
    if (m_plant->getActiveSensorCount(uint(cpu), uint(loop)) + m_plant->getActiveModuleCount(uint(cpu), uint(loop)) == 0
        && PointTypeList(OvLoop::sensorProtocol(current), 1).entries().isEmpty())
        m_plant->setCPULoopType(uint(cpu), uint(loop), OvLoop::LOOP_VARN500);
    const int type = m_plant->getCPULoopType(uint(cpu), uint(loop));
    for (int family = 1; family <= 2; ++family) {
        const int protocol = family == 1 ? OvLoop::sensorProtocol(type) : OvLoop::moduleProtocol(type);
        const QList<PointTypeHw> types = PointTypeList(protocol, family).entries();
        if (types.isEmpty())
            continue;
        for (int attempts = kAttempts; attempts > 0;) {
            if (add(cpu, loop, types.at(random(types.size()))))
                attempts = kAttempts;
            else
                --attempts;
        }
    }
}

int TestPlantGenerator::boardCount() const
{
    int boards = 0;
    for (int cpu = 0; cpu < m_plant->getCpuMaxCount(); ++cpu) {
        if (m_plant->getCPUStat(uint(cpu)))
            boards += m_plant->getCPULibCount(cpu);
    }
    return boards;
}

int TestPlantGenerator::loopSlots(int cpu, int loop, int family) const
{
    const int type = m_plant->getCPULoopType(uint(cpu), uint(loop));
    return family == 1 ? OvLoop::sensorSlots(type) : OvLoop::moduleSlots(type);
}

bool TestPlantGenerator::boardHasRoom(int cpu, int loop, int records) const
{
    const int first = loop - loop % kLinesPerBoard;
    int all = 0;
    int inputs = 0;
    for (int line = first; line < first + kLinesPerBoard; ++line) {
        const int sensors = m_plant->getActiveSensorCount(uint(cpu), uint(line));
        all += sensors + m_plant->getActiveModuleCount(uint(cpu), uint(line));
        inputs += sensors + m_plant->getActiveModuleCount(uint(cpu), uint(line), PointType::PT_INPUT);
    }
    return all + records <= kBoardRecordLimit + 1 && inputs + records <= kBoardInputLimit + 1;
}

int TestPlantGenerator::nextZone(int channels)
{
    const int zones = m_plant->areas().count();
    if (m_zoneFill + channels > kDevicesPerZone && m_zone < zones) {
        ++m_zone;
        m_zoneFill = 0;
    }
    m_zoneFill += channels;
    return m_zone;
}

bool TestPlantGenerator::add(int cpu, int loop, const PointTypeHw& type)
{
    if (type.channels().isEmpty() || type.channels().first().swTypes().isEmpty()) {
        qCritical() << "sub.getSwType(0) <= 0";
        return false;
    }
    const int family = type.family();
    const int channels = family == 2 && type.channels().size() > 1 ? type.channels().size() : 0;
    const int width = qMax(1, channels);
    if (!boardHasRoom(cpu, loop, width))
        return false;
    const int positions = loopSlots(cpu, loop, family);
    const CPUSystem& cpus = m_plant->cpus();
    int address = -1;
    for (int start = 0; start + width <= positions && address < 0; ++start) {
        bool free = true;
        for (int k = start; k < start + width && free; ++k) {
            const OvGenericPoint* there = cpus.getPoint(cpu, u32(loop), k, family);
            free = !there || !there->isValid();
        }
        if (free)
            address = start;
    }
    if (address < 0)
        return false;
    const QList<int>& rows = type.channels().first().swTypes();
    OvGenericPoint point(family, cpu + 1, loop + 1, unsigned(address + 1));
    point.setPointType(PointType(type.protocol(), family, type.series(), type.hwType(),
                                 uchar(rows.at(random(rows.size()))), channels));
    const int zone = nextZone(width);
    point.setAreaIndex(zone);
    for (int i = 0; i < point.subPoints().size(); ++i) {
        OvGenericSubPoint sub = point.subPoints().at(i);
        const QList<int>& allowed = type.channels().at(i).swTypes();
        if (!allowed.isEmpty())
            sub.setSWType(uchar(allowed.at(random(allowed.size()))), true);
        sub.setAreaIndex(zone);
        point.updateSubPoint(sub);
    }
    m_plant->setPoint(point);
    const OvGenericPoint* stored = cpus.getPoint(cpu, u32(loop), address, family);
    return stored && stored->isValid();
}
