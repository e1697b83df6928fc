#include "io/OvPdfReportPointRows.h"

#include "ZpData/Values/DeviceCatalogue.h"
#include "plant/CPUSystem.h"
#include "plant/LoopNumbering.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/OvLib.h"
#include "plant/OvLoop.h"
#include "plant/PointType.h"

namespace {

constexpr int kLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int kCentre = Qt::AlignCenter;
constexpr int kWrapped = Qt::TextWordWrap | Qt::AlignJustify | Qt::AlignVCenter;
constexpr int kWrappedCentre = Qt::TextWordWrap | Qt::AlignCenter;
// A cell box that ends one dot before the table's right edge.
constexpr int kToEdge = -1;

// Offsets from the table's left edge.
struct Column {
    int line;
    const char* caption;
    int captionFlags;
    int cellLeft;
    int cellRight;
    int cellFlags;
};

const Column kLoopColumns[] = {
    {0, QT_TRID_NOOP("CSV_INDEX"), kWrapped, 20, 619, kLeft},
    {600, QT_TRID_NOOP("CSV_LOOP_TYPE"), kWrapped, 620, 2619, kLeft},
    {2600, QT_TRID_NOOP("CSV_LOOP_PROTOCOL"), kWrapped, 2620, 4619, kLeft},
    {4600, QT_TRID_NOOP("SENSORCOUNT"), kWrapped, 4600, 6599, kCentre},
    {6600, QT_TRID_NOOP("MODULECOUNT"), kWrapped, 6600, kToEdge, kCentre},
};

const Column kSensorColumns[] = {
    {0, QT_TRID_NOOP("CSV_INDEX"), kWrapped, 0, 599, kLeft},
    {600, QT_TRID_NOOP("CSV_DESCRIPTION"), kWrapped, 620, 2599, kWrapped},
    {2600, QT_TRID_NOOP("Type"), kWrapped, 2620, 4399, kWrapped},
    {4400, QT_TRID_NOOP("Tracking"), kWrappedCentre, 4420, 5499, kWrapped},
    {5500, QT_TRID_NOOP("checkFlashing"), kWrappedCentre, 5520, 6499, kWrapped},
    {6500, QT_TRID_NOOP("AlertLevel"), kWrappedCentre, 6520, 7499, kWrappedCentre},
    {7500, QT_TRID_NOOP("lowSensibility"), kWrappedCentre, 7520, 8499, kWrappedCentre},
    {8500, QT_TRID_NOOP("normalSensibility"), kWrappedCentre, 8520, 9499, kWrappedCentre},
    {9500, QT_TRID_NOOP("highSensibility"), kWrappedCentre, 9520, 10499, kWrappedCentre},
    {10500, QT_TRID_NOOP("FormulaCBE"), kWrappedCentre, 10520, 11999, kWrapped},
    {12000, QT_TRID_NOOP("areaIndex"), kWrappedCentre, 12020, 12799, kWrappedCentre},
    {12800, QT_TRID_NOOP("checkRaviSCtrlDisa"), kWrappedCentre, 12820, kToEdge, kWrapped},
};

const Column kModuleColumns[] = {
    {0, QT_TRID_NOOP("CSV_INDEX"), kWrapped, 20, 519, kLeft},
    {500, QT_TRID_NOOP("CSV_DESCRIPTION"), kWrapped, 520, 2699, kWrapped},
    {2700, QT_TRID_NOOP("Type"), kWrapped, 2720, 3899, kWrapped},
    {3900, QT_TRID_NOOP("Tracking"), kWrappedCentre, 3920, 4799, kWrapped},
    {4800, QT_TRID_NOOP("checkFlashing"), kWrappedCentre, 4820, 5699, kWrapped},
    {5700, QT_TRID_NOOP("Tacitazione"), kWrappedCentre, 5720, 6999, kWrapped},
    {7000, QT_TRID_NOOP("Auto-Tacitazione"), kWrappedCentre, 7020, 8299, kWrapped},
    {8300, QT_TRID_NOOP("FormulaCBE"), kWrappedCentre, 8320, 9799, kWrapped},
    {9800, QT_TRID_NOOP("areaIndex"), kWrappedCentre, 9820, 10499, kWrappedCentre},
    {10500, QT_TRID_NOOP("CSV_KORVA_INPUT_DEV1"), kWrappedCentre, 10520, 11699, kWrappedCentre},
    {11700, QT_TRID_NOOP("CSV_KORVA_INPUT_DEV2"), kWrappedCentre, 11720, 12899, kWrappedCentre},
    {12900, QT_TRID_NOOP("CSV_KORVA_INPUT_LGC"), kWrappedCentre, 12920, kToEdge, kWrappedCentre},
};

template <size_t N>
PdfGrid header(const Column (&columns)[N], int x0, int x1)
{
    PdfGrid grid{x0, x1, {}, {}};
    for (size_t k = 0; k < N; ++k) {
        grid.lines << x0 + columns[k].line;
        const int right = k + 1 < N ? x0 + columns[k + 1].line : x1;
        grid.texts << PdfText{x0 + columns[k].line + 20, right - 1, columns[k].captionFlags,
                              qtTrId(columns[k].caption)};
    }
    grid.lines << x1;
    return grid;
}

template <size_t N>
PdfGrid row(const Column (&columns)[N], int x0, int x1, const QStringList& cells)
{
    PdfGrid grid{x0, x1, {}, {}};
    for (size_t k = 0; k < N; ++k) {
        grid.lines << x0 + columns[k].line;
        const int right = columns[k].cellRight == kToEdge ? x1 - 1 : x0 + columns[k].cellRight;
        grid.texts << PdfText{x0 + columns[k].cellLeft, right, columns[k].cellFlags, cells.value(int(k))};
    }
    grid.lines << x1;
    return grid;
}

QString address(int cpu, int loop, int address)
{
    return QStringLiteral("%1.%2.%3").arg(cpu).arg(loop).arg(address);
}

QString notNegative(int value)
{
    return value < 0 ? QString() : QString::number(value);
}

QString zone(int value)
{
    return value > 0 ? QString::number(value) : QString();
}

QString typeName(const OvGenericPoint& p)
{
    return PointType::getTypeName(p.family(), p.protocol(), p.series(), p.hwType(), p.swType());
}

QString modelName(const OvGenericPoint& p)
{
    const char* name = get_device_model_name(p.hwType());
    return name ? QString::fromLatin1(name) : QString();
}

// Every cell but the index and the type, from the module or one of its channels.
QStringList moduleCells(const QString& index, const QString& type, int cpu, int loop, const OvGenericPoint& p,
                        const QString& enabled, const QString& disabled)
{
    const auto state = [&](bool on) { return on ? enabled : disabled; };
    const auto input = [&](int device) { return device > 0 ? address(cpu, loop, device) : QString(); };
    const bool both = p.fastInputDev1() > 0 && p.fastInputDev2() > 0;
    return {index,
            p.description(),
            type,
            state(p.checkTracking()),
            state(p.checkFlashing()),
            state(p.checkSilenceMod()),
            state(p.checkAutoSilenceMod()),
            p.cbe(),
            zone(p.areaIndex()),
            input(p.fastInputDev1()),
            input(p.fastInputDev2()),
            both ? (p.fastInputLogic() ? qtTrId("FastAnd") : qtTrId("FastOr")) : QString()};
}

} // namespace

namespace pdfreport {

void forEachLoop(const CPUSystem& cpus, const std::function<void(int, int, const OvLoop&)>& visit)
{
    int i = -1;
    for (const CPUDevice* cpu = cpus.getNextEnabledCPU(i); cpu; cpu = cpus.getNextEnabledCPU(i)) {
        const QList<OvLib>& libs = cpu->libs();
        const int n = libs.size();
        for (int position = 0; position < n; ++position) {
            if (!libs.at(position).isInstalled())
                continue;
            for (int g = 2 * position; g <= 2 * position + 1; ++g) {
                const int perBoard = linesPerBoard();
                if (g / perBoard >= n)
                    continue;
                const QList<OvLoop*>& loops = libs.at(g / perBoard).loops();
                const int line = g % perBoard;
                if (line < loops.size() && loops.at(line))
                    visit(int(cpu->index()), g + 1, *loops.at(line));
            }
        }
    }
}

QStringList loopCells(int cpu, int loop, const OvLoop& l)
{
    // Every protocol: a loop's points share its protocol, APOLLO ones included.
    constexpr int kAllProtocols = 7;
    return {QStringLiteral("%1.%2").arg(cpu).arg(loop),
            l.isOpen() ? qtTrId("CSV_LOOP_TYPE_OPEN") : qtTrId("CSV_LOOP_TYPE_CLOSE"),
            l.type() == 1       ? qtTrId("CSV_LOOP_PROTOCOL_VARN")
                : l.type() == 2 ? qtTrId("CSV_LOOP_PROTOCOL_APOLLO")
                                : qtTrId("CSV_LOOP_PROTOCOL_ADV"),
            QString::number(l.getActiveCount(kAllProtocols, 1, 1)),
            QString::number(l.getActiveCount(kAllProtocols, 2, 3))};
}

QStringList sensorCells(int cpu, int loop, int position, const OvGenericPoint& p, const QString& enabled,
                        const QString& disabled)
{
    const auto state = [&](bool on) { return on ? enabled : disabled; };
    // A detector with an alarm level has no sensitivities: its page shows none, nor does this.
    const bool levels = p.hasSetting(1, true, OvGenericPoint::FEATURE_THREE_LEVELS);
    const auto sensitivity = [&](int value) { return levels ? notNegative(value) : QString(); };
    return {address(cpu, loop, position),
            p.description(),
            p.subPoints().isEmpty() ? typeName(p) : modelName(p),
            state(p.checkTracking()),
            state(p.checkFlashing()),
            p.alertLevel() > 0 ? QString::number(p.alertLevel()) : QString(),
            sensitivity(p.sensLow()),
            sensitivity(p.sensNormal()),
            sensitivity(p.sensHigh()),
            p.cbe(),
            zone(p.areaIndex()),
            state(p.checkRaviSCtrlDisa())};
}

QList<PdfModuleRow> moduleRows(int cpu, int loop, int position, const OvGenericPoint& m,
                               const QList<const OvGenericSubPoint*>& channels, const QString& enabled,
                               const QString& disabled)
{
    QList<PdfModuleRow> rows;
    if (!m.isValid())
        return rows;
    if (channels.isEmpty()) {
        rows << PdfModuleRow{PdfModuleRow::Module,
                             moduleCells(address(cpu, loop, position), typeName(m), cpu, loop, m, enabled, disabled)};
        return rows;
    }
    // Channels named by sub-address go under their module; the others at the addresses they take,
    // each as a program names it.
    const bool parent = !m.channelsAtOwnAddresses();
    if (parent) {
        QStringList cells{address(cpu, loop, position), QString(), modelName(m)};
        while (cells.size() < 12)
            cells << QString();
        rows << PdfModuleRow{PdfModuleRow::Parent, cells};
    }
    for (int k = 0; k < channels.size(); ++k) {
        const OvGenericSubPoint* c = channels.at(k);
        if (!c)
            continue;
        const QString type = PointType::getChannelTypeName(m.family(), m.protocol(), m.series(), c->hwType(),
                                                           c->swType());
        if (parent)
            rows << PdfModuleRow{
                PdfModuleRow::Channel,
                moduleCells(QStringLiteral(".%1").arg(c->getSubIndex()), type, cpu, loop, *c, enabled, disabled)};
        else
            rows << PdfModuleRow{PdfModuleRow::AddressChannel,
                                 moduleCells(address(cpu, loop, position + c->getSubIndex() - 1), type, cpu, loop, *c,
                                             enabled, disabled)};
    }
    return rows;
}

PdfGrid loopHeader(int x0, int x1)
{
    return header(kLoopColumns, x0, x1);
}

PdfGrid loopRow(int x0, int x1, const QStringList& cells)
{
    return row(kLoopColumns, x0, x1, cells);
}

PdfGrid sensorHeader(int x0, int x1)
{
    return header(kSensorColumns, x0, x1);
}

PdfGrid sensorRow(int x0, int x1, const QStringList& cells)
{
    return row(kSensorColumns, x0, x1, cells);
}

PdfGrid moduleHeader(int x0, int x1)
{
    return header(kModuleColumns, x0, x1);
}

PdfGrid moduleRow(int x0, int x1, const PdfModuleRow& r)
{
    PdfGrid grid = row(kModuleColumns, x0, x1, r.cells);
    if (r.kind == PdfModuleRow::Channel) {
        grid.texts[0].left = x0 + 200;
        grid.texts[0].right = x0 + 699;
    }
    return grid;
}

} // namespace pdfreport
