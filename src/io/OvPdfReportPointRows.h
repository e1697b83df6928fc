#pragma once
// What the loop, sensor and module pages print, apart from how they paint it: the walk over the
// loops, the cells of each row and the grids of the three tables. X0 and X1 are a table's left
// and right edges.
#include "io/OvPdfReportRows.h"

#include <functional>

class CPUSystem;
class OvGenericPoint;
class OvGenericSubPoint;
class OvLoop;

// One row of the module table.
struct PdfModuleRow {
    enum Kind {
        // A module without channels.
        Module,
        // The line above the channels that share their module's address: index and model.
        Parent,
        // A channel under its parent, indexed ".n".
        Channel,
        // A channel of any other module, indexed by the address it takes.
        AddressChannel,
    };
    Kind kind = Module;
    QStringList cells;
};

namespace pdfreport {

// Every loop of the enabled CPUs, with its CPU and loop numbers: for each installed board
// position i the loops 2i + 1 and 2i + 2 when the boards hold them.
void forEachLoop(const CPUSystem& cpus, const std::function<void(int cpu, int loop, const OvLoop& l)>& visit);

// Index, open or closed, protocol, sensors, modules.
QStringList loopCells(int cpu, int loop, const OvLoop& l);
// The twelve cells of a sensor at an address; enabled and disabled are the state words.
QStringList sensorCells(int cpu, int loop, int address, const OvGenericPoint& sensor, const QString& enabled,
                        const QString& disabled);
// The rows of a module at an address, with its channels in position (null ones print nothing
// but keep their position); none for a module that is not fully typed.
QList<PdfModuleRow> moduleRows(int cpu, int loop, int address, const OvGenericPoint& module,
                               const QList<const OvGenericSubPoint*>& channels, const QString& enabled,
                               const QString& disabled);

PdfGrid loopHeader(int x0, int x1);
PdfGrid loopRow(int x0, int x1, const QStringList& cells);
PdfGrid sensorHeader(int x0, int x1);
PdfGrid sensorRow(int x0, int x1, const QStringList& cells);
PdfGrid moduleHeader(int x0, int x1);
PdfGrid moduleRow(int x0, int x1, const PdfModuleRow& row);

} // namespace pdfreport
