#include "io/OvPdfReportRows.h"

#include "core/Configuration.h"
#include "plant/CPUSystem.h"
#include "plant/EventFilterLabel.h"
#include "plant/LoopNumbering.h"
#include "plant/OvAreasSystem.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/OvGroupsSystem.h"
#include "plant/Plant.h"
#include "plant/ZpEventFilter.h"

#include <QCoreApplication>

namespace {

constexpr int kLeftCaption = Qt::AlignJustify | Qt::AlignVCenter | Qt::TextWordWrap;
constexpr int kCentredCaption = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
constexpr int kCell = Qt::AlignLeft | Qt::AlignVCenter;
constexpr int kWrappedCell = Qt::AlignJustify | Qt::AlignVCenter | Qt::TextWordWrap;

PdfRow row(const char* labelId, const QString& value, bool pageBreak, bool indented = false)
{
    PdfRow r;
    r.label = qtTrId(labelId);
    r.value = value;
    r.pageBreak = pageBreak;
    r.indented = indented;
    return r;
}

QString number(qint64 value)
{
    return QString::number(value);
}

// Columns whose captions run from 20 dots after their line to 1 dot before the next line.
void addColumns(PdfTableLayout& layout, const QVector<int>& lines, const QStringList& captions,
                const QVector<int>& cellRights, int captionFlags)
{
    for (int i = 0; i < lines.size(); ++i) {
        PdfColumn c;
        c.line = lines.at(i);
        c.caption = captions.at(i);
        c.captionLeft = c.line + 20;
        c.captionRight = (i + 1 < lines.size() ? lines.at(i + 1) : layout.right) - 1;
        c.captionFlags = captionFlags;
        c.cellLeft = c.line;
        c.cellRight = cellRights.at(i);
        c.cellFlags = kCell;
        layout.columns << c;
    }
}

} // namespace

namespace pdfreport {

QString stateWord(bool state, bool enabledWording)
{
    if (enabledWording)
        return state ? qtTrId("STR_ENABLED") : qtTrId("STR_DISABLED");
    return state ? qtTrId("STR_PRESENT") : qtTrId("STR_ABSENT");
}

QString pageText(int page)
{
    return QStringLiteral("Page %1").arg(page, 3);
}

int coverCpuType()
{
    const QVariantList types = Configuration::instance()->cpuTypeList();
    return types.isEmpty() ? 255 : types.first().toInt();
}

int loopCount(const CPUDevice& cpu)
{
    return int(cpu.getLibCount()) * linesPerBoard();
}

QList<PdfRow> generalParameterRows(const Plant& plant)
{
    QList<PdfRow> rows;
    rows << row(QT_TRID_NOOP("CSV_DESCRIPTION"), plant.getDescription(), false);
    rows << row(QT_TRID_NOOP("CSV_PRINTERSTAT"), stateWord(plant.getPrinterStat(), true), true);
    if (plant.getPrinterStat()) {
        rows << row(QT_TRID_NOOP("CSV_PRINTER_PARITY"), plant.getPrinterParityStr(), true, true);
        rows << row(QT_TRID_NOOP("CSV_PRINTER_BAUD_RATE"), number(int(plant.getPrinterBaudRate())), true, true);
    }
    const uint walkTest = plant.getWalkTest();
    rows << row(QT_TRID_NOOP("WalkTest"),
                walkTest == 0       ? qtTrId("Nessuna")
                    : walkTest == 1 ? qtTrId("Sirena")
                                    : qtTrId("Modulo"),
                false);
    if (walkTest == 2) {
        rows << row(QT_TRID_NOOP("CSV_WALKTESTCPUID"), number(int(plant.getWalkTestCPUID())), false, true);
        rows << row(QT_TRID_NOOP("CSV_WALKTESTLOOPID"), number(int(plant.getWalkTestLoopID())), false, true);
        rows << row(QT_TRID_NOOP("CSV_WALKTESTMODULEID"), number(int(plant.getWalkTestModuleID())), false, true);
        rows << row(QT_TRID_NOOP("CSV_WALKTESTSUBID"), number(int(plant.getWalkTestSubID())), false, true);
    }
    rows << row(QT_TRID_NOOP("CSV_FLASHINGSTAT"),
                plant.getFlashingStat() ? qtTrId("LampeggioAbilitato") : qtTrId("LampeggioDisabilitato"), false);
    rows << row(QT_TRID_NOOP("CSV_SIRENINSTANTACTIVATION"), stateWord(plant.getSirenInstantActivation(), true), false);
    if (!plant.getSirenInstantActivation())
        rows << row(QT_TRID_NOOP("CSV_SIRENDELAYTIME"), number(int(plant.getSirenDelayTime())), false, true);
    rows << row(QT_TRID_NOOP("CSV_DETECTORSCHECKSTAT"),
                plant.getDetectorsCheckStat() ? qtTrId("Verifica rilevatori abilitata")
                                              : qtTrId("Verifica rilevatori disabilitata"),
                false);
    rows << row(QT_TRID_NOOP("CSV_DETECTORSCHECKTIME"), number(int(plant.getDetectorsCheckTime())), true);
    rows << row(QT_TRID_NOOP("CSV_ACKNOWLEDGEMENTINHIBITIONTIME"),
                number(int(plant.getAcknowledgementInhibitionTime())), false);
    rows << row(QT_TRID_NOOP("CSV_AUTOACKNOWLEDGEMENTSTAT"),
                plant.getAutoAcknowledgementStat() ? qtTrId("Autotacitazione abilitata")
                                                   : qtTrId("Autotacitazione disabilitata"),
                false);
    rows << row(QT_TRID_NOOP("CSV_AUTOACKNOWLEDGEMENTTIME"), number(int(plant.getAutoAcknowledgementTime())), false);
    rows << row(QT_TRID_NOOP("CSV_FAILURESYSTEMTIME"), number(int(plant.getFailureSystemTime())), false);
    rows << row(QT_TRID_NOOP("Deriva"),
                plant.getDriftAllert() ? qtTrId("AvvisoDerivaAbilitato") : qtTrId("AvvisoDerivaDisabilitato"), false);
    rows << row(QT_TRID_NOOP("CSV_SERIALNUMBERSCHECKSTAT"), stateWord(plant.getSerialNumbersCheckStat(), true), true);
    rows << row(QT_TRID_NOOP("PRE_ALARM_LVL_PAR_LBL"), number(int(plant.getPreAlarmLvl())), false);
    rows << row(QT_TRID_NOOP("ModalitaNona"),
                plant.getStoragePrint() ? qtTrId("Stampa-ArchiviazioneAbilitata")
                                        : qtTrId("Stampa-ArchiviazioneDisabilitata"),
                false);
    rows << row(QT_TRID_NOOP("CSV_FALSEFAILURETIMETYPEID"), number(int(plant.getFalseFailureTimeTypeID())), true);
    rows << row(QT_TRID_NOOP("CSV_OPENCIRCUITSFAILURETIME"), number(int(plant.getOpenCircuitsFailureTime())), true);
    rows << row(QT_TRID_NOOP("CSV_CAMERALOWVALUETIMEFAILURE"), number(int(plant.getCameraLowValueTimeFailure())), true);
    rows << row(QT_TRID_NOOP("CSV_FAILUREIVALIDRESPONSETIME"), number(int(plant.getFailureInvalidResponseTime())),
                true);
    rows << row(QT_TRID_NOOP("CSV_FAULTMAINTENANCETIME"), number(int(plant.getFaultMaintenanceTime())), true);
    rows << row(QT_TRID_NOOP("SIRENE_CORRELATION_ENABLED"), stateWord(plant.getSirenCorrelation(), true), false);
    rows << row(QT_TRID_NOOP("CSV_SIRENSOUNDTYPE"), number(int(plant.getSirenSoundType())), true);
    rows << row(QT_TRID_NOOP("CSV_SIRENVOLUME"), number(int(plant.getSirenVolume())), true);
    rows << row(QT_TRID_NOOP("CSV_SIRENPHASESTAT"), stateWord(plant.getSirenPhaseStat(), true), true);
    rows << row(QT_TRID_NOOP("CSV_EVACSOUNDTYPE"), number(int(plant.getEvacSoundType())), true);
    rows << row(QT_TRID_NOOP("CSV_EVACSOUNDVOLUME"), number(int(plant.getEvacSoundVolume())), true);
    rows << row(QT_TRID_NOOP("RLALLEnabled"), plant.getReleValue(0), true);
    rows << row(QT_TRID_NOOP("RLU1Enabled"), plant.getReleValue(1), true);
    rows << row(QT_TRID_NOOP("RLU2Enabled"), plant.getReleValue(2), true);
    rows << row(QT_TRID_NOOP("RLFU1Enabled"), plant.getReleValue(3), true);
    rows << row(QT_TRID_NOOP("RLFU2Enabled"), plant.getReleValue(4), false);
    return rows;
}

QList<QStringList> areaRows(const OvAreasSystem& areas)
{
    QList<QStringList> rows;
    int position = 0;
    for (const OvArea& area : areas.areas()) {
        ++position;
        if (area.description().isEmpty() && area.sensorCount() == 0 && area.moduleCount() == 0 && !area.nightAndDay()
            && !area.preAllarm())
            continue;
        rows << QStringList{number(position),
                            area.description(),
                            stateWord(area.nightAndDay(), true),
                            stateWord(area.preAllarm(), true),
                            number(int(area.correlation()) + 1),
                            number(area.sensorCount()),
                            number(area.moduleCount())};
    }
    return rows;
}

QList<PdfRow> groupHeadRows(const OvGroupsSystem& groups)
{
    const int direct = groups.directGroupsCount();
    const auto reverse = [direct](int group) { return group > direct ? number(group) : qtTrId("STR_UNDEFINED"); };
    return {row(QT_TRID_NOOP("NumeroGruppiDiretti"), number(direct), false),
            row(QT_TRID_NOOP("CSV_LOWSENSIBILITYGROUPINDEX"), reverse(groups.lowSensibilityGroupIndex()), false),
            row(QT_TRID_NOOP("CSV_HIGHTSENSIBILITYGROUPINDEX"), reverse(groups.highSensibilityGroupIndex()), false)};
}

QList<QStringList> groupRows(const OvGroupsSystem& groups)
{
    QList<QStringList> rows;
    int position = 0;
    for (const OvGroup& group : groups.groups()) {
        ++position;
        if (group.cbe().isEmpty() && !group.doubleConsent())
            continue;
        rows << QStringList{number(position), group.isDirect() ? qtTrId("CSV_DIRECT") : qtTrId("CSV_REVERSE"),
                            stateWord(group.doubleConsent(), true), group.cbe()};
    }
    return rows;
}

QList<PdfRow> repeaterRows(const Plant& plant)
{
    QList<PdfRow> rows;
    if (plant.getRepeatersEnabledCount() == 0)
        return rows;
    int position = 0;
    for (const ZpRepeater& repeater : plant.repeaters().repeaters()) {
        PdfRow r;
        r.label = number(++position);
        r.value = stateWord(repeater.enabled, true);
        r.pageBreak = true;
        rows << r;
    }
    return rows;
}

QList<PdfRow> cpuHeadRows(const CPUSystem& cpus)
{
    const CPUDevice* first = cpus.cpuAt(0);
    const bool tavrel = Configuration::instance()->central_brand() == 2;
    QList<PdfRow> rows;
    rows << row(QT_TRID_NOOP("CSV_CPUDESCRIPTION"), first ? first->description() : QString(), false);
    rows << row(QT_TRID_NOOP("CSV_CPULINECOUNT"), number(first ? loopCount(*first) : 0), false);
    rows << row(tavrel ? QT_TRID_NOOP("VIEWERKV") : QT_TRID_NOOP("VIEWER"),
                number(first ? first->viewers().annunciators().size() : -1), false);
    rows << row(tavrel ? QT_TRID_NOOP("ANNUNCIATORKV") : QT_TRID_NOOP("ANNUNCIATOR"),
                number(first ? first->annunciators().annunciators().size() : -1), false);
    rows << row(QT_TRID_NOOP("CSV_SIBTYPE"), stateWord(cpus.isSIBEnabled(0), false), false);
    if (cpus.isSIBEnabled(0)) {
        rows << row(QT_TRID_NOOP("CSV_SIBRSADDRESS"), number(int(cpus.getSIBRSPort(0))), false);
        rows << row(QT_TRID_NOOP("CSV_SIBADDRESS"), cpus.getSIBIPAddr(0), false);
        rows << row(QT_TRID_NOOP("CSV_SIBNETMASK"), cpus.getSIBNetMask(0), false);
        rows << row(QT_TRID_NOOP("CSV_SIBNETGATEWAY"), cpus.getSIBGateway(0), false);
    }
    return rows;
}

QList<QStringList> cpuRows(const CPUSystem& cpus)
{
    QList<QStringList> rows;
    int i = 0;
    for (const CPUDevice* cpu = cpus.getNextEnabledCPU(i); cpu; cpu = cpus.getNextEnabledCPU(i)) {
        rows << QStringList{number(cpu->index()), cpu->description(), number(loopCount(*cpu)),
                            number(cpu->viewers().annunciators().size()),
                            number(cpu->annunciators().annunciators().size())};
    }
    return rows;
}

QList<QStringList> viewerRows(const Plant& plant)
{
    QList<QStringList> rows;
    int i = -1;
    for (const CPUDevice* cpu = plant.cpus().getNextEnabledCPU(i); cpu; cpu = plant.cpus().getNextEnabledCPU(i)) {
        const QMap<int, OvAnnunciator>& viewers = cpu->viewers().annunciators();
        for (auto it = viewers.cbegin(); it != viewers.cend(); ++it)
            rows << QStringList{QStringLiteral("%1.%2").arg(cpu->index()).arg(it.key()), it->description()};
    }
    return rows;
}

QList<PdfAnnunciatorRow> annunciatorRows(const Plant& plant)
{
    QList<PdfAnnunciatorRow> rows;
    int i = -1;
    for (const CPUDevice* cpu = plant.cpus().getNextEnabledCPU(i); cpu; cpu = plant.cpus().getNextEnabledCPU(i)) {
        const QMap<int, OvAnnunciator>& annunciators = cpu->annunciators().annunciators();
        for (auto it = annunciators.cbegin(); it != annunciators.cend(); ++it) {
            rows << PdfAnnunciatorRow{false,
                                      {QStringLiteral("%1.%2").arg(cpu->index()).arg(it.key()), it->description()}};
            const QList<ZpEventFilter*>& filters = it->filters();
            for (int f = 0; f < filters.size(); ++f) {
                const ZpEventFilter* filter = filters.at(f);
                if (!filter || filter->getType() == ZpEventFilter::None)
                    continue;
                rows << PdfAnnunciatorRow{true,
                                          {filterTargetName(plant, *filter), number(f),
                                           eventFilterTypeLabel(filter->getType()), filter->getDescription()}};
            }
        }
    }
    return rows;
}

QString filterTargetName(const Plant& plant, const ZpEventFilter& filter)
{
    const u32 type = filter.getType();
    if (type >= 8 && type <= 15) {
        const auto* f = dynamic_cast<const ZpPointEventFilter*>(&filter);
        if (!f || f->cpu() < 1 || f->loop() < 1 || f->address() < 1 || (f->kind() != 1 && f->kind() != 2))
            return QString();
        const OvGenericPoint* p = plant.getPoint(uint(f->cpu() - 1), uint(f->loop() - 1), uint(f->address() - 1),
                                                 f->kind());
        if (!p)
            return QString();
        if (f->sub() < 2)
            return p->description();
        return f->sub() - 1 < p->subPoints().size() ? p->subPoints().at(f->sub() - 1).description() : QString();
    }
    if (type >= 3 && type <= 7) {
        const auto* f = dynamic_cast<const ZpAreaEventFilter*>(&filter);
        const int z = f ? f->zone() : 0;
        return z >= 1 && z <= plant.areas().count() ? plant.areas().areas().at(z - 1).description() : QString();
    }
    if (type == 1 || type == 2) {
        const auto* f = dynamic_cast<const ZpCPUEventFilter*>(&filter);
        const int c = f ? f->cpu() : 0;
        return c >= 1 && c <= plant.cpus().count() ? plant.cpus().cpuAt(c - 1)->description() : QString();
    }
    return QString();
}

PdfTableLayout viewerLayout(int left, int right)
{
    PdfTableLayout layout;
    layout.left = left;
    layout.right = right;
    layout.columns << PdfColumn{left,      qtTrId("CSV_ADDRESS"), left + 20, left + 999, kLeftCaption,
                                left + 20, left + 1019,           kCell}
                   << PdfColumn{left + 1000,  qtTrId("CSV_DESCRIPTION"),
                                left + 1020,  right - 1,
                                kLeftCaption, left + 1020,
                                right + 19,   kCell};
    return layout;
}

PdfGrid annunciatorHeader(int left, int right)
{
    const int l = left;
    PdfGrid grid{l, right, {l, l + 900, l + 3900, l + 7400, right}, {}};
    grid.texts << PdfText{l + 20, l + 899, kLeftCaption, qtTrId("CSV_ADDRESS")}
               << PdfText{l + 920, l + 3899, kLeftCaption, qtTrId("CSV_DESCRIPTION")}
               << PdfText{l + 3920, l + 4399, kLeftCaption, QString()}
               << PdfText{l + 4420, l + 7399, kLeftCaption, qtTrId("CSV_FILTER_TYPE")}
               << PdfText{l + 7420, right - 1, kLeftCaption, qtTrId("CSV_FILTER_TARGET")};
    return grid;
}

PdfGrid annunciatorContinuation(int left, int right, bool afterFilter)
{
    PdfGrid grid = annunciatorHeader(left, right);
    if (afterFilter)
        grid.lines = {left, left + 4400, left + 7400, right};
    return grid;
}

PdfGrid annunciatorRow(int left, int right, const PdfAnnunciatorRow& row)
{
    const int l = left;
    if (!row.filter)
        return {l,
                right,
                {l, l + 900, l + 3900, right},
                {{l + 20, l + 919, kCell, row.cells.value(0)}, {l + 920, l + 3919, kCell, row.cells.value(1)}}};
    return {l,
            right,
            {l, l + 3900, l + 4400, l + 7400, right},
            {{l + 920, l + 3919, kCell, row.cells.value(0)},
             {l + 3920, l + 4419, kCell, row.cells.value(1)},
             {l + 4420, l + 7419, kCell, row.cells.value(2)},
             {l + 7420, right + 19, kCell, row.cells.value(3)}}};
}

PdfGrid headerGrid(const PdfTableLayout& layout)
{
    PdfGrid grid{layout.left, layout.right, {}, {}};
    for (const PdfColumn& c : layout.columns) {
        grid.lines << c.line;
        grid.texts << PdfText{c.captionLeft, c.captionRight, c.captionFlags, c.caption};
    }
    grid.lines << layout.right;
    return grid;
}

PdfGrid rowGrid(const PdfTableLayout& layout, const QStringList& cells)
{
    PdfGrid grid{layout.left, layout.right, {}, {}};
    for (int i = 0; i < layout.columns.size(); ++i) {
        const PdfColumn& c = layout.columns.at(i);
        grid.lines << c.line;
        grid.texts << PdfText{c.cellLeft, c.cellRight, c.cellFlags, cells.value(i)};
    }
    grid.lines << layout.right;
    return grid;
}

PdfTableLayout areaLayout(int left, int right, bool first)
{
    PdfTableLayout layout;
    layout.left = left;
    layout.right = right;
    const int l = left;
    addColumns(layout, {l, l + 600, l + 3400, l + 4900, l + 6400, l + 7600, l + 8600},
               {qtTrId("CSV_INDEX"), qtTrId("CSV_DESCRIPTION"), qtTrId("NIGHTANDDAYCHECK"), qtTrId("PREALLARMENABLED"),
                qtTrId("AREA_CORRELATION"), qtTrId("SENSORCOUNT"), qtTrId("MODULECOUNT")},
               {l + 599, l + 3399, l + 4899, l + 6399, l + 7599, l + 8599, right - 1},
               first ? kCentredCaption : kLeftCaption);
    return layout;
}

PdfTableLayout groupLayout(int left, int right, bool first)
{
    PdfTableLayout layout;
    layout.left = left;
    layout.right = right;
    const int d = left + (first ? 5600 : 4600);
    addColumns(layout, {left, left + 600, left + 2600, d},
               {qtTrId("CSV_INDEX"), qtTrId("CSV_GROUPTYPE"), qtTrId("CSV_DOUBLECONSENT"), qtTrId("CSV_CBE")},
               {left + 599, left + 2599, d - 1, right - 1}, kLeftCaption);
    return layout;
}

PdfTableLayout cpuLayout(int indent, int right)
{
    const int a = indent;
    const int r = right;
    PdfTableLayout layout;
    layout.left = a - 300;
    layout.right = r;
    layout.headerOffset = 200;
    const struct {
        int line;
        const char* caption;
        int captionLeft, captionRight, captionFlags, cellLeft, cellRight, cellFlags;
    } columns[] = {
        {a - 300, QT_TRID_NOOP("CSV_ADDRESS"), a - 280, a + 599, kLeftCaption, a - 280, a + 619, kCell},
        {a + 600, QT_TRID_NOOP("CSV_DESCRIPTION"), a + 620, r - 4201, kLeftCaption, a + 620, r - 4181, kCell},
        {r - 4200, QT_TRID_NOOP("CSV_CPULINECOUNT"), r - 4180, r - 3001, kCentredCaption, r - 4180, r - 2981, kCell},
        {r - 3000, QT_TRID_NOOP("VIEWER"), r - 2980, r - 1501, kCentredCaption, r - 2980, r - 1481, kWrappedCell},
        {r - 1500, QT_TRID_NOOP("ANNUNCIATOR"), r - 1480, r - 1, kCentredCaption, r - 1480, r + 19, kWrappedCell},
    };
    for (const auto& c : columns)
        layout.columns << PdfColumn{c.line,         qtTrId(c.caption), c.captionLeft, c.captionRight,
                                    c.captionFlags, c.cellLeft,        c.cellRight,   c.cellFlags};
    return layout;
}

} // namespace pdfreport
