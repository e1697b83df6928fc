#pragma once
// The plant printed as an A4 PDF report: a cover, then one section per kind of plant data, each
// from a new page, every page with its footer. Lengths are device dots of the writer (1200 per
// inch); the report places every line and text itself and breaks its pages itself.
#include "core/WholeFile.h"
#include "io/OvPdfReportRows.h"

#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QRect>
#include <QString>

#include <functional>

class Plant;
class QImage;

class OvPdfReport {
public:
    // Opens the file and begins the painter on it; the painter stays inactive when the file
    // cannot be created. Nothing reaches the path before printAll commits the whole report.
    explicit OvPdfReport(const QString& fileName);
    ~OvPdfReport();
    OvPdfReport(const OvPdfReport&) = delete;
    OvPdfReport& operator=(const OvPdfReport&) = delete;

    // Paints every section and completes the file. False at once when the painter is not
    // active, and false when the file could not be written completely: a file already at the
    // path then stays as it was.
    bool printAll(Plant* plant);
    // After a false printAll: "Cannot write the file <name>: <reason>".
    QString failureText() const { return m_file.failureText(); }

    void printCover(Plant* plant);
    void printGeneralParameters(Plant* plant);
    void printAreas(Plant* plant);
    void printGroups(Plant* plant);
    void printRepeaters(Plant* plant);
    void printCPUs(Plant* plant);
    void printViewers(Plant* plant);
    void printAnnunciators(Plant* plant);
    void printLoops(Plant* plant);
    void printSensors(Plant* plant);
    void printModules(Plant* plant);

    // Begins a page with its footer; the fresh drawing area above the footer.
    QRect newPage();
    // Footer of the current page; page 0 (the cover) shows the date only.
    void drawFooter(int pageNumber);
    // One label/value row at the area's top, which moves down by the row's step; the step.
    int drawField(QRect& area, const QString& label, QString value);
    int drawNumberField(QRect& area, const QString& label, int value);
    int drawStateField(QRect& area, const QString& label, bool state, bool enabledWording);
    void drawSectionTitle(QRect& area, const QString& title);
    // The picture a quarter of the area wide at the page's top-left corner, the title beside it.
    void drawPageTitle(const QImage& logo, QRect& area, const QString& title);

    int pageNumber() const { return m_pageNumber; }

private:
    // A pen colour and font for the rest of a scope; the painter's previous state comes back at
    // its end.
    class PainterStyle {
    public:
        PainterStyle(QPainter& painter, const QColor& pen, const QFont& font)
            : m_painter(painter)
        {
            m_painter.save();
            m_painter.setPen(pen);
            m_painter.setFont(font);
        }
        ~PainterStyle() { m_painter.restore(); }
        PainterStyle(const PainterStyle&) = delete;
        PainterStyle& operator=(const PainterStyle&) = delete;

    private:
        QPainter& m_painter;
    };

    // A page with the section's picture and title; null plant or not, the caller goes on.
    QRect openSection(const QString& picture, const char* titleId);
    // Rows of the label/value pages; breaks the page after the rows that allow it.
    void drawRows(QRect& area, const QList<PdfRow>& rows);
    // After a row: a new page when the next step no longer fits.
    void breakIfFull(QRect& area, int step);
    // A ruled table from the area's top; layout gives the columns of the first page (true) and
    // of continuation pages (false) for the area it is given.
    void drawTable(QRect& area, const std::function<PdfTableLayout(bool first, const QRect& area)>& layout,
                   const QList<QStringList>& rows);
    // A header 600 dots high at top.
    void drawHeader(const PdfGrid& header, int top, bool topRule = true);
    // A row 200 dots high at top, which moves below it. When the next row would not fit, a
    // new page begins and true is returned: the caller draws the header again.
    bool drawRow(QRect& area, int& top, const PdfGrid& row);
    int width() const;
    int height() const;

    WholeFile m_file;
    QPdfWriter m_writer;
    QPainter m_painter;
    QString m_reportDate;
    QFont m_titleFont;
    QFont m_noteFont;
    QFont m_textFont;
    QFont m_headingFont;
    int m_pageNumber = 0;
};
