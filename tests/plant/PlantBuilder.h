#pragma once
// Plants built through the plant's own API, for the plant tests and bench_plant.
#include "plant/LoopNumbering.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/Plant.h"
#include "plant/PointType.h"
#include "plant/ZpEventFilter.h"

#include "ZpData/Container/ZpConf.h"

namespace plantbuild {

inline OvGenericPoint point(int cpu, int loop, int address, int protocol, int family, int series, u16 hw, u8 sw,
                            int channels = 0)
{
    OvGenericPoint p(family, cpu, loop, unsigned(address));
    p.setPointType(PointType(protocol, family, series, hw, sw, channels));
    return p;
}

// Direct group g names the next direct group; reverse groups name the first two.
inline void programGroups(Plant& plant)
{
    OvGroupsSystem& groups = plant.groups();
    const int direct = groups.directGroupsCount();
    for (int p = 0; p < groups.count(); ++p) {
        OvGroup* group = groups.groupAt(p);
        group->setDescription(QString("Group %1").arg(p + 1));
        if (p + 1 < direct)
            group->setCBE(QString("(G%1)").arg(p + 2));
        else if (p >= direct)
            group->setCBE("OR(G1 G2)");
    }
}

// Panel type 8, networked: CPU 1 with two loops of loopType (1 VARN, 2 APOLLO: the panel keeps
// APOLLO as the detector brand, so a board's loops share it), each with a named sensor carrying a
// program, a module and a module with channels; programmed groups, named areas, an annunciator
// and a viewer with filters, two repeaters, passwords, printer, walk test, relays.
inline void buildSmallPlant(Plant& plant, int loopType = 1)
{
    plant.setPlantType(1, false);
    CPUSystem& cpus = plant.cpus();
    CPUDevice* cpu = cpus.cpuAt(0);
    cpu->setDescription("Main panel");
    cpu->setLoopType(0, loopType);
    cpu->setLoopType(1, loopType);
    const struct {
        int loop, protocol, series;
        u16 sensor;
        u8 sensorRow;
        u16 module;
        u8 moduleRow;
        u16 channels;
        int count;
    } apollo{0, 4, 4, 62464, 2, 41984, 22, 43009, 6}, varn{0, 2, 1, 30, 4, 130, 46, 133, 2};
    for (int loop = 1; loop <= 2; ++loop) {
        auto l = loopType == 2 ? apollo : varn;
        l.loop = loop;
        OvGenericPoint s = point(1, l.loop, 2, l.protocol, 1, l.series, l.sensor, l.sensorRow);
        s.setDescription(QString("Sensor %1").arg(l.loop));
        s.setAreaIndex(l.loop);
        s.setCBE("OR(G1 G2)");
        OvGenericPoint m = point(1, l.loop, 7, l.protocol, 2, l.series, l.module, l.moduleRow);
        m.setDescription(QString("Module %1").arg(l.loop));
        m.setAreaIndex(3);
        OvGenericPoint ch = point(1, l.loop, 9, l.protocol, 2, l.series, l.channels, 53, l.count);
        for (int i = 0; i < ch.subPoints().size(); ++i) {
            OvGenericSubPoint sub = ch.subPoints().at(i);
            sub.setDescription(QString("Channel %1.%2").arg(l.loop).arg(i + 1));
            sub.setAreaIndex(4);
            sub.setCBE(i == 1 ? QString("OR(G%1)").arg(l.loop) : QString());
            ch.updateSubPoint(sub);
        }
        for (const OvGenericPoint* p : {&s, &m, &ch})
            cpus.setPoint(p);
    }
    programGroups(plant);
    for (int p = 0; p < 4; ++p) {
        OvArea* area = plant.areas().areaAt(p);
        area->setDescription(QString("Area %1").arg(p + 1));
        area->setNightAndDay(p % 2);
        area->setCorrelation(u8(p));
    }
    OvAnnunciatorsSystem annunciators(1), viewers(1);
    OvAnnunciator a;
    a.setCpuIndex(1);
    a.setAddress(2);
    a.setDescription("Lobby");
    a.setFilter(-1, ZpAreaAlarmFilter(12));
    a.setFilter(-1, ZpCPUExclEvent(1));
    annunciators.setAnnunciator(a);
    a.setAddress(5);
    a.setDescription("Guard room");
    viewers.setAnnunciator(a);
    cpus.setAnnunciators(annunciators);
    cpus.setViewers(viewers);
    plant.enableRepeater(0, true);
    plant.setRepeaterDescription(0, "Reception");
    plant.enableRepeater(3, true);
    plant.setDescription("Test plant");
    plant.setPassword(0, 1234);
    plant.setPassword(2, 99999);
    plant.setPrinterStat(true);
    plant.setPrinterBaudRate(19200);
    plant.setPrinterParity(2);
    plant.setWalkTest(2);
    plant.setWalkTestPoint(1, 2, 9, 2);
    plant.setSirenDelayTime(120);
    plant.setPreAlarmLvl(45);
    plant.set_plantReleU1(1);
    plant.set_plantReleFU2(5);
}

// Panel type 8, networked: 16 CPUs of type KV-1600 (8 lines) with 4 boards with two APOLLO loops each, every loop with
// 126 named sensors and 159 named modules, one point in ten with a program; every group programmed.
inline void buildFullPlant(Plant& plant)
{
    plant.setPlantType(1, false);
    CPUSystem& cpus = plant.cpus();
    for (int c = 1; c <= 16; ++c) {
        CPUDevice* cpu = cpus.cpuAt(c - 1);
        cpu->setEnabled(true);
        cpu->setCpuType(8);
        cpu->setDescription(QString("Panel %1").arg(c));
        cpu->setLibCount(4);
        for (int loop = 1; loop <= 8; ++loop) {
            cpu->setLoopType(u32(loop - 1), 2);
            for (int family = 1; family <= 2; ++family) {
                const int last = family == 1 ? 126 : 159;
                for (int address = 1; address <= last; ++address) {
                    OvGenericPoint p = family == 1 ? point(c, loop, address, 4, 1, 4, 62464, 2)
                                                   : point(c, loop, address, 4, 2, 4, 41984, 22);
                    p.setDescription(QString("P%1.%2.%3.%4").arg(c).arg(loop).arg(family).arg(address));
                    p.setAreaIndex(1 + (address % 100));
                    if (address % 10 == 0)
                        p.setCBE("OR(G1 G2)");
                    cpus.setPoint(&p);
                }
            }
        }
    }
    programGroups(plant);
}

// Enables the first count CPUs as the first one is, each with as many boards as its type takes
// while the panel has device blocks for them (64 boards), their loops of the first loop's type.
inline void enableCpus(Plant& plant, int count)
{
    const int loopType = plant.getCPULoopType(0, 0);
    int boards = 0;
    for (int cpu = 0; cpu < count && cpu < plant.getCpuMaxCount() && boards < 64; ++cpu) {
        plant.setCPUStat(cpu, true);
        plant.setCPUType(cpu, plant.getCPUType(0));
        plant.setCPULibCount(cpu, qMin(plant.getNLIbMax(uchar(cpu)), 64 - boards));
        boards += plant.getCPULibCount(cpu);
        for (int loop = 0; loop < plant.getCPULibCount(cpu) * linesPerBoard(); ++loop)
            plant.setCPULoopType(uint(cpu), uint(loop), uint(loopType));
    }
}

} // namespace plantbuild
