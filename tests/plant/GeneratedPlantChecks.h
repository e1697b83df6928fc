#pragma once
// The rules a generated test plant keeps, each check giving what is wrong or an empty text: every
// programmable type of the catalogue placed, no zone beyond its room, the second-series channel
// limit of ADV loops, the inputs of the KORVA modules, the board and loop limits; and the checks
// of a version 3 image walked by the layouts' sizes.
#include "plant/LoopNumbering.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/OvLoop.h"
#include "plant/Plant.h"
#include "plant/PointTypeList.h"

#include "ImageGenerator.h"

#include "ZpData/Container/BlockLock.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Layouts/ZpxProg.h"

#include <QMap>
#include <QSet>
#include <QStringList>

namespace plantcheck {

// Every valid point of the enabled CPUs.
inline QList<const OvGenericPoint*> pointsOf(const Plant& plant)
{
    QList<const OvGenericPoint*> points;
    for (int cpu = 0; cpu < plant.getCpuMaxCount(); ++cpu) {
        if (!plant.getCPUStat(uint(cpu)))
            continue;
        const int loops = plant.getCPULibCount(cpu) * linesPerBoard();
        for (int loop = 0; loop < loops; ++loop) {
            for (int family = 1; family <= 2; ++family) {
                for (int address = 0; address < 159; ++address) {
                    const OvGenericPoint* p = plant.cpus().getPoint(cpu, u32(loop), address, family);
                    if (p && p->isValid())
                        points.append(p);
                }
            }
        }
    }
    return points;
}

// The catalogue's programmable types of the sensor and module lists of loopTypes that no point
// of the plant has, as protocol/family/code.
inline QString missingTypes(const Plant& plant, const QList<int>& loopTypes)
{
    QSet<QString> types;
    for (int loopType : loopTypes) {
        for (int family = 1; family <= 2; ++family) {
            const int protocol = family == 1 ? OvLoop::sensorProtocol(loopType) : OvLoop::moduleProtocol(loopType);
            const PointTypeList list(protocol, family);
            for (const PointTypeHw& type : list.entries()) {
                if (!type.channels().isEmpty() && !type.channels().first().swTypes().isEmpty())
                    types.insert(QString("%1/%2/%3").arg(type.protocol()).arg(family).arg(type.hwType()));
            }
        }
    }
    if (types.isEmpty())
        return "empty catalogue";
    for (const OvGenericPoint* p : pointsOf(plant))
        types.remove(QString("%1/%2/%3").arg(p->protocol()).arg(p->family()).arg(p->hwType()));
    QStringList missing = types.values();
    missing.sort();
    return missing.join(' ');
}

// A zone holding more devices than the panel's room, each channel of a module a device, or a
// point without zone.
inline QString zoneFault(const Plant& plant)
{
    int room = 0;
    {
        BlockLock<ZpData::IF_ZpxProg> zpx(*g_zpConf, 0, 2, 2);
        room = int(zpx->get_max_dev_per_zone());
    }
    QMap<int, int> inZone;
    for (const OvGenericPoint* p : pointsOf(plant)) {
        if (p->subPoints().isEmpty())
            ++inZone[p->areaIndex()];
        for (const OvGenericSubPoint& channel : p->subPoints())
            ++inZone[channel.areaIndex()];
    }
    for (auto it = inZone.cbegin(); it != inZone.cend(); ++it) {
        if (it.key() < 1 || it.key() > plant.areas().count() || it.value() > room)
            return QString("zone %1: %2 of %3").arg(it.key()).arg(it.value()).arg(room);
    }
    return QString();
}

// Devices in zone, each channel of a module one.
inline int devicesInZone(const Plant& plant, int zone)
{
    int devices = 0;
    for (const OvGenericPoint* p : pointsOf(plant)) {
        devices += p->subPoints().isEmpty() && p->areaIndex() == zone ? 1 : 0;
        for (const OvGenericSubPoint& channel : p->subPoints())
            devices += channel.areaIndex() == zone ? 1 : 0;
    }
    return devices;
}

// Boards past the CPU's type or the 64 device blocks, fewer than minBoards, a board past 700
// records or 500 inputs, a point past its loop's positions, an ADV loop past 30 channels of
// second-series devices, a KORVA module without an input sensor of code 65 on its loop, a linked
// module off the tens or without its second channel.
inline QString limitFault(const Plant& plant, int minBoards)
{
    int boards = 0;
    const int lines = linesPerBoard();
    for (int cpu = 0; cpu < plant.getCpuMaxCount(); ++cpu) {
        if (!plant.getCPUStat(uint(cpu)))
            continue;
        if (plant.getCPULibCount(cpu) > plant.getNLIbMax(uchar(cpu)))
            return QString("CPU %1: %2 boards").arg(cpu).arg(plant.getCPULibCount(cpu));
        for (int board = 0; board < plant.getCPULibCount(cpu); ++board, ++boards) {
            int records = 0;
            int inputs = 0;
            for (uint line = uint(board * lines); line < uint((board + 1) * lines); ++line) {
                const int sensors = plant.getActiveSensorCount(uint(cpu), line);
                records += sensors + plant.getActiveModuleCount(uint(cpu), line);
                inputs += sensors + plant.getActiveModuleCount(uint(cpu), line, PointType::PT_INPUT);
            }
            if (records > 700 || inputs > 500)
                return QString("CPU %1 board %2: %3 records, %4 inputs").arg(cpu).arg(board).arg(records).arg(inputs);
        }
    }
    if (boards < minBoards || boards > 64)
        return QString("%1 boards").arg(boards);
    QMap<QPair<int, int>, int> secondSeries;
    for (const OvGenericPoint* p : pointsOf(plant)) {
        const QString at = QString("C%1L%2 %3").arg(p->cpuIndex()).arg(p->loopIndex()).arg(p->address());
        const int type = plant.getCPULoopType(uint(p->cpuIndex() - 1), uint(p->loopIndex() - 1));
        const int positions = p->family() == 1 ? OvLoop::sensorSlots(type) : OvLoop::moduleSlots(type);
        const int width = qMax(1, p->subPoints().size());
        if (p->address() < 1 || int(p->address()) + width - 1 > positions)
            return at + " past the loop";
        if (type == OvLoop::LOOP_ZAV200 && p->series() == 2)
            secondSeries[{p->cpuIndex(), p->loopIndex()}] += width;
        // The linked module: at a multiple of ten, its two channels typed, the module address
        // after it left free for the second one.
        if (p->family() == 2 && p->hwType() == 16397) {
            const OvGenericPoint* next = plant.cpus().getPoint(p->cpuIndex() - 1, u32(p->loopIndex() - 1),
                                                               int(p->address()), 2);
            if (p->address() % 10 != 0 || p->subPoints().size() != 2 || !p->subPoints().at(1).isValid()
                || (next && next->isValid()))
                return at + " linked module";
        }
        if (p->family() == 2 && p->series() == 1 && p->hwType() >= 180 && p->hwType() <= 182) {
            const OvGenericPoint* input = plant.cpus().getPoint(p->cpuIndex() - 1, u32(p->loopIndex() - 1),
                                                                p->fastInputDev1() - 1, 1);
            if (!input || !input->isValid() || input->hwType() != 65)
                return at + " KORVA input";
        }
    }
    for (auto it = secondSeries.cbegin(); it != secondSeries.cend(); ++it) {
        if (it.value() > 30)
            return QString("C%1L%2: %3 second-series channels").arg(it.key().first).arg(it.key().second).arg(it.value());
    }
    return QString();
}

// A version 3 image: the header, then dataTypes 2 to 199 in order, each of its layout's size
// with the CRC-16/MODBUS of its data, ending exactly at the end of the file.
inline QString imageFault(const QByteArray& image, u8 panelType)
{
    if (image.size() < 8 || image.left(4) != "O*K(" || image.mid(4, 2) != QByteArray::fromHex("0226")
        || u8(image.at(6)) != 198 || u8(image.at(7)) != panelType)
        return "header " + image.left(8).toHex();
    int at = 8;
    for (int dataType = 2; dataType <= 199; ++dataType) {
        const u32 size = imagegen::block_size(dataType, imagegen::kV2602);
        if (at + 7 > image.size() || u8(image.at(at)) != dataType || image.mid(at + 1, 4) != imagegen::le(size, 4))
            return QString("element %1 at %2").arg(dataType).arg(at);
        const QByteArray data = image.mid(at + 7, int(size));
        if (u32(data.size()) != size)
            return QString("element %1 cut short").arg(dataType);
        if (image.mid(at + 5, 2) != imagegen::le(imagegen::crc16_modbus(data), 2))
            return QString("element %1 CRC").arg(dataType);
        at += 7 + int(size);
    }
    return at == image.size() ? QString() : QString("%1 bytes after the last element").arg(image.size() - at);
}

// The device records of the plant's points (a module's typed channels one each) against those of the
// panel configuration's device blocks of the enabled CPUs' boards.
inline QString recordFault(const Plant& plant)
{
    int records = 0;
    for (const OvGenericPoint* p : pointsOf(plant))
        records += p->getValidCount();
    int stored = 0;
    for (int cpu = 0; cpu < plant.getCpuMaxCount(); ++cpu) {
        for (int board = 0; plant.getCPUStat(uint(cpu)) && board < plant.getCPULibCount(cpu); ++board)
            stored += int(g_zpConf->get_block_device_num(g_zpConf->get_device_prog_index(u32(cpu), u32(board))));
    }
    return stored == records ? QString() : QString("%1 records stored, the points have %2").arg(stored).arg(records);
}

// One line per enabled CPU (type, LIBs) and per loop (type, open flag).
inline QStringList layout(const Plant& plant)
{
    QStringList lines;
    for (int cpu = 0; cpu < plant.getCpuMaxCount(); ++cpu) {
        if (!plant.getCPUStat(uint(cpu)))
            continue;
        lines
            << QString("C%1 type %2 LIBs %3").arg(cpu).arg(plant.getCPUType(uchar(cpu))).arg(plant.getCPULibCount(cpu));
        for (uint loop = 0; loop < uint(plant.getCPULoopCount(cpu)); ++loop)
            lines << QString("C%1L%2 type %3 open %4")
                         .arg(cpu)
                         .arg(loop)
                         .arg(plant.getCPULoopType(uint(cpu), loop))
                         .arg(plant.isCPULoopOpen(uint(cpu), loop));
    }
    return lines;
}

// One line per loop of the enabled CPUs (active sensors and modules) and per valid point (place,
// codes, zone, and each channel's code, zone and validity).
inline QStringList contents(const Plant& plant)
{
    QStringList lines;
    for (int cpu = 0; cpu < plant.getCpuMaxCount(); ++cpu) {
        for (uint loop = 0; plant.getCPUStat(uint(cpu)) && loop < uint(plant.getCPULoopCount(cpu)); ++loop)
            lines << QString("C%1L%2 sensors %3 modules %4")
                         .arg(cpu)
                         .arg(loop)
                         .arg(plant.getActiveSensorCount(uint(cpu), loop))
                         .arg(plant.getActiveModuleCount(uint(cpu), loop));
    }
    for (const OvGenericPoint* p : pointsOf(plant)) {
        QString line = QString("C%1L%2 %3/%4 code %5/%6 zone %7")
                           .arg(p->cpuIndex())
                           .arg(p->loopIndex())
                           .arg(p->family())
                           .arg(p->address())
                           .arg(p->hwType())
                           // A module with channels keeps its codes in its channels only.
                           .arg(p->subPoints().isEmpty() ? p->swType() : 0)
                           .arg(p->areaIndex());
        for (const OvGenericSubPoint& channel : p->subPoints())
            line += QString(" %1:%2/%3%4")
                        .arg(channel.getSubIndex())
                        .arg(channel.swType())
                        .arg(channel.areaIndex())
                        .arg(channel.isValid() ? "" : "-");
        lines << line;
    }
    return lines;
}

// The first line where two descriptions differ, with both versions; empty when they are equal.
inline QString difference(const QStringList& saved, const QStringList& reopened)
{
    for (int i = 0; i < qMax(saved.size(), reopened.size()); ++i) {
        if (saved.value(i) != reopened.value(i))
            return QString("line %1: saved \"%2\", reopened \"%3\"").arg(i).arg(saved.value(i), reopened.value(i));
    }
    return QString();
}

} // namespace plantcheck
