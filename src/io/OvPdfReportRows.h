#pragma once
// What the report prints, apart from how it paints it: the rows of the label/value pages, the
// cells of the tables and the tables' columns. Texts are translated; an empty row value is
// printed as the undefined word by the painter, an empty cell stays empty.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class CPUDevice;
class CPUSystem;
class OvAreasSystem;
class OvGroupsSystem;
class Plant;
class ZpEventFilter;

struct PdfRow {
    QString label;
    QString value;
    // Part of an indented group of rows.
    bool indented = false;
    // The page may break after this row.
    bool pageBreak = false;
};

// One column of a ruled table; x positions are absolute device dots.
struct PdfColumn {
    int line = 0;
    QString caption;
    int captionLeft = 0;
    int captionRight = 0;
    int captionFlags = 0;
    int cellLeft = 0;
    int cellRight = 0;
    int cellFlags = 0;
};

// A text in a box from left to right (device dots), drawn with the Qt text flags.
struct PdfText {
    int left = 0;
    int right = 0;
    int flags = 0;
    QString text;
};

// The grid of a table header or row: its vertical lines and its texts; its rules run from left
// to right.
struct PdfGrid {
    int left = 0;
    int right = 0;
    QVector<int> lines;
    QVector<PdfText> texts;
};

struct PdfTableLayout {
    static constexpr int kHeaderHeight = 600;
    static constexpr int kRowHeight = 200;

    int left = 0;
    int right = 0;
    // The header starts this far below the table's top.
    int headerOffset = 0;
    QVector<PdfColumn> columns;
};

// A row of the annunciator table: an annunciator (address, description) or one of its filters
// (target name, position in the filter list, type label, description).
struct PdfAnnunciatorRow {
    bool filter = false;
    QStringList cells;
};

namespace pdfreport {

// "STR_ENABLED"/"STR_DISABLED", or "STR_PRESENT"/"STR_ABSENT" without the enabled wording.
QString stateWord(bool state, bool enabledWording);
// The footer's page text: the number right-aligned in three places, longer numbers in full.
QString pageText(int page);
// The CPU type whose pictures the cover shows: the brand's first, 255 when it offers none.
int coverCpuType();
// Loops of a CPU: installed boards times loops per board.
int loopCount(const CPUDevice& cpu);

QList<PdfRow> generalParameterRows(const Plant& plant);
// Printed zones only: number, description, both checks, correlation, counts.
QList<QStringList> areaRows(const OvAreasSystem& areas);
QList<PdfRow> groupHeadRows(const OvGroupsSystem& groups);
// Groups with a program or double consent: number, kind, double consent, program.
QList<QStringList> groupRows(const OvGroupsSystem& groups);
// Every repeater, or none when none is enabled.
QList<PdfRow> repeaterRows(const Plant& plant);
// The first CPU of the list in rows; an empty list gives its empty values.
QList<PdfRow> cpuHeadRows(const CPUSystem& cpus);
// The enabled CPUs after the first list position: number, description, loops, viewers,
// annunciators.
QList<QStringList> cpuRows(const CPUSystem& cpus);

// The viewers of the enabled CPUs: "cpu.address", description.
QList<QStringList> viewerRows(const Plant& plant);
// The annunciators of the enabled CPUs, each followed by its filters that filter something.
QList<PdfAnnunciatorRow> annunciatorRows(const Plant& plant);
// The name of what a filter watches: point or channel, zone, or CPU; empty when it names none.
QString filterTargetName(const Plant& plant, const ZpEventFilter& filter);
PdfTableLayout viewerLayout(int left, int right);
PdfGrid annunciatorHeader(int left, int right);
// The header repeated on a new page: its lines follow the kind of the row before the break.
PdfGrid annunciatorContinuation(int left, int right, bool afterFilter);
PdfGrid annunciatorRow(int left, int right, const PdfAnnunciatorRow& row);

// The header of a layout, and a row of it with cells in column order.
PdfGrid headerGrid(const PdfTableLayout& layout);
PdfGrid rowGrid(const PdfTableLayout& layout, const QStringList& cells);

// first: the section's first page, with centred captions.
PdfTableLayout areaLayout(int left, int right, bool first);
// first: the section's first page, whose program column starts further right.
PdfTableLayout groupLayout(int left, int right, bool first);
// indent: the rows' left edge above the table, which starts 300 dots left of it.
PdfTableLayout cpuLayout(int indent, int right);

} // namespace pdfreport
