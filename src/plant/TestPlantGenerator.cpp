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
#include <QPair>
#include <QVector>

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

bool isLinkedModule(const PointTypeHw& type)
{
    return type.family() == 2 && OvGenericPoint::isLinkedModule(type.series(), type.hwType());
}

// Records a point of type writes, one per channel; a linked module two.
int recordsOf(const PointTypeHw& type)
{
    return type.family() == 2 ? qMax(1, OvGenericPoint::channelsOfCode(type.series(), type.hwType())) : 1;
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
    // The sensor and module lists of each loop type the panel and its detector brand keep.
    QVector<QPair<int, QList<PointTypeHw>>> lists;
    for (int type : {OvLoop::LOOP_ZAV200, OvLoop::LOOP_VARN500, OvLoop::LOOP_APOLLO}) {
        if (!m_plant->keepsLoopType(type))
            continue;
        lists.append({type, PointTypeList(OvLoop::sensorProtocol(type), 1).entries()});
        lists.append({type, PointTypeList(OvLoop::moduleProtocol(type), 2).entries()});
    }
    const int maxCpus = m_plant->getCpuMaxCount();
    const auto anyLeft = [&lists] {
        for (const auto& list : lists) {
            if (!list.second.isEmpty())
                return true;
        }
        return false;
    };
    for (int cpu = 0; cpu < maxCpus && anyLeft(); ++cpu) {
        for (auto& list : lists)
            place(list.second, cpu, list.first);
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
    // The panel must keep every CPU and board added, or the plant would not open as it was made.
    const CPUDevice* device = m_plant->cpus().cpuAt(cpu);
    if (!device)
        return;
    const int type = int(device->cpuType());
    if (!m_plant->getCPUStat(uint(cpu))) {
        if (!m_plant->fitsLoopBudget(cpu, true, type, 1))
            return;
        m_plant->setCPUStat(cpu, true);
    }
    const int boards = maxBoards(cpu);
    const int lines = linesPerBoard();
    for (int board = 0; board < boards && !list.isEmpty(); ++board) {
        if (m_plant->getCPULibCount(cpu) < board + 1) {
            if (boardCount() >= kDeviceBlocks || !m_plant->fitsLoopBudget(cpu, true, type, board + 1))
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
    int channels = recordsOf(type);
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
    const bool linked = isLinkedModule(type);
    const int records = recordsOf(type);
    const int channels = linked || (family == 2 && type.channels().size() > 1) ? records : 0;
    if (!boardHasRoom(cpu, loop, records) || !secondSeriesFits(cpu, loop, type))
        return false;
    const int positions = loopSlots(cpu, loop, family);
    const CPUSystem& cpus = m_plant->cpus();
    const OvLoop* line = cpus.loopAt(cpu, u32(loop));
    if (!line)
        return false;
    const QList<int>& rows = type.channels().first().swTypes();
    // The addresses the point takes and those the loop's points take, by the plant's one rule.
    OvGenericPoint probe(family, cpu + 1, loop + 1, 1);
    probe.setPointType(PointType(type.protocol(), family, type.series(), type.hwType(), uchar(rows.first()), channels));
    const int span = line->spanOf(probe);
    const auto taken = [&](int address) {
        if (family == 2)
            return line->moduleAtAddress(address).point != nullptr;
        const OvGenericPoint* there = line->getPoint(address - 1, family);
        return there && there->isValid();
    };
    int address = 0;
    for (int start = 1; start + span - 1 <= positions && address == 0; ++start) {
        bool free = true;
        for (int k = start; k < start + span && free; ++k)
            free = !taken(k);
        // The point tables' rule for the linked module: its address and the one after it.
        if (free && linked)
            free = OvGenericPoint::linkedModuleFits(unsigned(start), line->getPoint(start, family));
        if (free)
            address = start;
    }
    if (address == 0)
        return false;
    OvGenericPoint point(family, cpu + 1, loop + 1, unsigned(address));
    point.setPointType(PointType(type.protocol(), family, type.series(), type.hwType(),
                                 uchar(rows.at(random(rows.size()))), channels));
    const int zone = zoneWithRoom(records);
    const int input = isKorvaModule(type) ? korvaInput(cpu, loop) : 0;
    // A module with channels has its zone in each channel only, as the point table gives it.
    if (zone > 0 && point.subPoints().isEmpty())
        point.setAreaIndex(zone);
    if (input > 0)
        point.setFastInput(input, input, false);
    if (linked)
        point.typeLinkedChannels();
    for (int i = 0; i < point.subPoints().size(); ++i) {
        OvGenericSubPoint sub = point.subPoints().at(i);
        const QList<int> allowed = linked ? QList<int>() : type.channels().at(i).swTypes();
        if (!allowed.isEmpty())
            sub.setSWType(uchar(allowed.at(random(allowed.size()))), true);
        if (zone > 0)
            sub.setAreaIndex(zone);
        if (input > 0)
            sub.setFastInput(input, input, false);
        point.updateSubPoint(sub);
    }
    m_plant->setPoint(point);
    const OvGenericPoint* stored = cpus.getPoint(cpu, u32(loop), address - 1, family);
    if (!stored || !stored->isValid())
        return false;
    if (zone > 0)
        m_zoneUse[zone - 1] += records;
    return true;
}
