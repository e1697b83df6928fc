#pragma once
// Typed points and the board bytes of the general programming block for the loop, board and
// CPU tests.
#include "plant/CPUDevice.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/PanelBlockWrite.h"
#include "plant/Plant.h"
#include "plant/PointType.h"

#include "ZpData/Values/CpuRec.h"

namespace looptest {

// A point of the given type (protocol, family, series, device code, type row, channels).
inline OvGenericPoint typed(int cpu, int loop, int address, int protocol, int family, int series, u16 hw, u8 sw,
                            int channels = 0)
{
    OvGenericPoint p(family, cpu, loop, unsigned(address));
    p.setPointType(PointType(protocol, family, series, hw, sw, channels));
    return p;
}

// Gives loop (0-based) of CPU position cpu a type straight on the CPU: a fixture's loop type
// that the panel and its detector brand do not keep, which the plant's own operation refuses.
inline bool forceLoopType(Plant& plant, int cpu, u32 loop, int type)
{
    CPUDevice* device = plant.cpus().cpuAt(cpu);
    return device && (device->getLoop(loop).type() == type || device->setLoopType(loop, type));
}

// The first byte of board record b (0-based) of CPU c (0-based).
inline u32 boardOffset(int c, int b)
{
    return 4 + 61 * u32(c) + 5 * u32(b);
}

// The sensor and module counts of every zone that has any, as zone:sensors/modules.
inline QString zoneCounts(const Plant& plant)
{
    QStringList counts;
    for (const OvArea& a : plant.areas().areas()) {
        if (a.sensorCount() + a.moduleCount() > 0)
            counts << QString("%1:%2/%3").arg(a.index()).arg(a.sensorCount()).arg(a.moduleCount());
    }
    return counts.join(' ');
}

inline void setZpxByte(u32 offset, u8 value)
{
    PanelBlockWrite(0, 2, 2).data()[offset] = value;
}

inline void setBoardByte(int c, int b, u8 value)
{
    setZpxByte(boardOffset(c, b), value);
}

// edit(channel, position) on every channel of m.
template <class Edit>
void editChannels(OvGenericPoint& m, Edit edit)
{
    for (int i = 0; i < m.subPoints().size(); ++i) {
        OvGenericSubPoint c = m.subPoints().at(i);
        edit(c, i);
        m.updateSubPoint(c);
    }
}

// Every device block and its name block unbound, as the conversion leaves them before the CPUs
// write their boards.
inline void freeDeviceBlocks()
{
    for (u32 n = 0; n < 64; ++n) {
        PanelBlockWrite devices(n, 70, 133);
        devices.data()[0] = devices.data()[1] = 255;
        PanelBlockWrite names(n, 134, 197);
        names.data()[0] = names.data()[1] = 255;
    }
}

} // namespace looptest
