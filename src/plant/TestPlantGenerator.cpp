#include "plant/TestPlantGenerator.h"

#include "plant/LoopNumbering.h"
#include "plant/OvArea.h"
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

constexpr int kBoards = 4;
// Lines of one CPU the fill walks.
constexpr int kLines = 8;
constexpr int kAttempts = 100;
// Each board takes one device block of the panel configuration.
constexpr int kDeviceBlocks = 64;
constexpr int kSecondSeries = 2;
constexpr int kKorvaInputCode = 65;

bool isKorvaModule(const PointTypeHw& type)
{
    return type.family() == 2 && type.series() == 1 && type.hwType() >= 180 && type.hwType() <= 182;
}

bool isProgrammable(const PointTypeHw& type)
{
    return !type.channels().isEmpty() && !type.channels().first().swTypes().isEmpty();
}

// Positions a point of type takes on its loop.
int widthOf(const PointTypeHw& type)
{
    return type.family() == 2 ? qMax(1, type.channels().size()) : 1;
}

} // namespace

TestPlantGenerator::TestPlantGenerator(Plant* plant, unsigned seed)
    : m_plant(plant)
{
    std::srand(seed ? seed : unsigned(std::time(nullptr)));
}

int TestPlantGenerator::random(int size) const
{
    return size > 0 ? std::rand() % size : 0;
}

// Boards the CPU's type carries: the panel configuration refuses more.
int TestPlantGenerator::maxBoards(int cpu) const
{
    BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
    const int max = zpx.layout() ? int(zpx->get_cpu_type_max_ll_num(u8(m_plant->getCPUType(uchar(cpu))))) : 0;
    return qMin(max, kBoards);
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
    const int lines = linesPerBoard();
    for (int cpu = 0; cpu < maxCpus; ++cpu) {
        if (!m_plant->getCPUStat(uint(cpu)))
            continue;
        const int loops = qMin(kLines, m_plant->getCPULibCount(cpu) * lines);
        for (int loop = 0; loop < loops; ++loop)
            fillLoop(cpu, loop);
    }
}

void TestPlantGenerator::place(QList<PointTypeHw>& list, int cpu, int loopType)
{
    if (list.isEmpty())
        return;
    if (!m_plant->getCPUStat(uint(cpu)))
        m_plant->setCPUStat(cpu, true);
    const int boards = maxBoards(cpu);
    const int lines = linesPerBoard();
    for (int board = 0; board < boards && !list.isEmpty(); ++board) {
        if (m_plant->getCPULibCount(cpu) < board + 1) {
            if (boardCount() >= kDeviceBlocks)
                return;
            m_plant->setCPULibCount(cpu, board + 1);
        }
        for (int line = 0; line < lines && !list.isEmpty(); ++line) {
            const uint loop = uint(board * lines + line);
            if (m_plant->getCPULoopType(uint(cpu), loop) != loopType
                && m_plant->getActiveSensorCount(uint(cpu), loop) + m_plant->getActiveModuleCount(uint(cpu), loop) == 0)
                m_plant->setCPULoopType(uint(cpu), loop, uint(loopType));
            if (m_plant->getCPULoopType(uint(cpu), loop) != loopType)
                continue;
            for (int i = 0; i < list.size();) {
                // A type without a software type can never be placed: kept, it would enable every
                // further CPU of the plant in search of a place.
                if (add(cpu, int(loop), list.at(i)) || !isProgrammable(list.at(i)))
                    list.removeAt(i);
                else
                    ++i;
            }
        }
    }
}

void TestPlantGenerator::fillLoop(int cpu, int loop)
{
    fillFamily(cpu, loop, 1);
    fillFamily(cpu, loop, 2);
}

void TestPlantGenerator::fillFamily(int cpu, int loop, int family)
{
    const int type = m_plant->getCPULoopType(uint(cpu), uint(loop));
    const int protocol = family == 1 ? OvLoop::sensorProtocol(type) : OvLoop::moduleProtocol(type);
    const PointTypeList list(protocol, family);
    const QList<PointTypeHw>& types = list.entries();
    if (types.isEmpty())
        return;
    const int positions = loopSlots(cpu, loop, family);
    const auto held = [&] {
        return family == 1 ? m_plant->getActiveSensorCount(uint(cpu), uint(loop))
                           : m_plant->getActiveModuleCount(uint(cpu), uint(loop));
    };
    for (int attempts = kAttempts; attempts > 0 && held() < positions;) {
        if (add(cpu, loop, types.at(random(types.size()))))
            attempts = kAttempts;
        else
            --attempts;
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
    const int lines = linesPerBoard();
    const int first = loop - loop % lines;
    int all = 0;
    int inputs = 0;
    for (int line = first; line < first + lines; ++line) {
        const int sensors = m_plant->getActiveSensorCount(uint(cpu), uint(line));
        all += sensors + m_plant->getActiveModuleCount(uint(cpu), uint(line));
        inputs += sensors + m_plant->getActiveModuleCount(uint(cpu), uint(line), PointType::PT_INPUT);
    }
    return all + records <= kBoardRecordLimit + 1 && inputs + records <= kBoardInputLimit + 1;
}

// The panel takes only so many second-series devices on a loop of type 0, counted by channel.
bool TestPlantGenerator::secondSeriesFits(int cpu, int loop, const PointTypeHw& type) const
{
    if (type.series() != kSecondSeries || m_plant->getCPULoopType(uint(cpu), uint(loop)) != OvLoop::LOOP_ZAV200)
        return true;
    int channels = widthOf(type);
    const CPUSystem& cpus = m_plant->cpus();
    for (int family = 1; family <= 2; ++family) {
        const int positions = loopSlots(cpu, loop, family);
        for (int address = 0; address < positions; ++address) {
            const OvGenericPoint* p = cpus.getPoint(cpu, u32(loop), address, family);
            if (p && p->isValid() && p->series() == kSecondSeries)
                channels += qMax(1, p->subPoints().size());
        }
    }
    return channels <= kSecondSeriesChannelLimit;
}

int TestPlantGenerator::zoneWithRoom(int devices)
{
    if (m_zoneUse.isEmpty()) {
        BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
        m_zoneRoom = zpx.layout() ? int(zpx->get_max_dev_per_zone()) : 0;
        OvAreasSystem& areas = m_plant->areas();
        m_zoneUse.resize(areas.count());
        for (int k = 0; k < areas.count(); ++k) {
            const OvArea* area = areas.areaAt(k);
            m_zoneUse[k] = area ? int(area->sensorCount() + area->moduleCount()) : m_zoneRoom;
        }
    }
    while (m_firstOpenZone < m_zoneUse.size() && m_zoneUse.at(m_firstOpenZone) >= m_zoneRoom)
        ++m_firstOpenZone;
    for (int k = m_firstOpenZone; k < m_zoneUse.size(); ++k) {
        if (m_zoneUse.at(k) <= m_zoneRoom - devices)
            return k + 1;
    }
    return -1;
}

int TestPlantGenerator::korvaInput(int cpu, int loop) const
{
    const int positions = loopSlots(cpu, loop, 1);
    for (int address = 0; address < positions; ++address) {
        const OvGenericPoint* p = m_plant->cpus().getPoint(cpu, u32(loop), address, 1);
        if (p && p->isValid() && p->hwType() == kKorvaInputCode)
            return address + 1;
    }
    return 0;
}

bool TestPlantGenerator::add(int cpu, int loop, const PointTypeHw& type)
{
    if (!m_plant)
        return false;
    if (!isProgrammable(type)) {
        qCritical() << "sub.getSwType(0) <= 0";
        return false;
    }
    const int family = type.family();
    const int channels = family == 2 && type.channels().size() > 1 ? type.channels().size() : 0;
    const int width = widthOf(type);
    if (!boardHasRoom(cpu, loop, width) || !secondSeriesFits(cpu, loop, type))
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
    const int zone = zoneWithRoom(width);
    const int input = isKorvaModule(type) ? korvaInput(cpu, loop) : 0;
    if (zone > 0)
        point.setAreaIndex(zone);
    if (input > 0)
        point.setFastInput(input, input, false);
    for (int i = 0; i < point.subPoints().size(); ++i) {
        OvGenericSubPoint sub = point.subPoints().at(i);
        const QList<int>& allowed = type.channels().at(i).swTypes();
        if (!allowed.isEmpty())
            sub.setSWType(uchar(allowed.at(random(allowed.size()))), true);
        if (zone > 0)
            sub.setAreaIndex(zone);
        if (input > 0)
            sub.setFastInput(input, input, false);
        point.updateSubPoint(sub);
    }
    m_plant->setPoint(point);
    const OvGenericPoint* stored = cpus.getPoint(cpu, u32(loop), address, family);
    if (!stored || !stored->isValid())
        return false;
    if (zone > 0)
        m_zoneUse[zone - 1] += width;
    return true;
}
