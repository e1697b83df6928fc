// The report's frame: file, writer, fonts, pages with their footer, and the rows, titles and
// ruled tables every section paints with.
#include "io/OvPdfReport.h"

#include "core/ApplicationInfo.h"
#include "plant/Plant.h"

#include <QDate>
#include <QDebug>
#include <QImage>
#include <QPageSize>

OvPdfReport::OvPdfReport(const QString& fileName)
    : m_file(fileName)
    , m_writer(&m_file)
{
    m_writer.setPageSize(QPageSize(QPageSize::A4));
    // The painter only begins on a file that is open: an inactive painter is the report's
    // sign that nothing can be written.
    if (m_file.open(QIODevice::WriteOnly))
        m_painter.begin(&m_writer);
    else
        qWarning().noquote() << "PDF report: cannot write" << fileName << m_file.errorString();
    m_titleFont = QFont(QStringLiteral("Arial"), 32);
    m_noteFont = QFont(QStringLiteral("Arial"), 8);
    m_noteFont.setItalic(true);
    m_textFont = QFont(QStringLiteral("Arial"), 10);
    m_headingFont = QFont(QStringLiteral("Arial"), 18);
    for (QFont* font : {&m_titleFont, &m_noteFont, &m_textFont, &m_headingFont})
        font->setFamily(QStringLiteral("FernholdtSansWebMedium"));
    qInfo() << "XR = " << m_writer.logicalDpiX();
    qInfo() << "YR = " << m_writer.logicalDpiY();
    qInfo() << "PAGE WITH = " << width();
    qInfo() << "PAGE HEIGHT = " << height();
    qInfo() << "PAGE WITH[mm] = " << m_writer.widthMM();
    qInfo() << "PAGE HEIGHT[mm] = " << m_writer.heightMM();
    m_reportDate = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
}

OvPdfReport::~OvPdfReport()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool OvPdfReport::printAll(Plant* plant)
{
    if (!m_painter.isActive())
        return false;
    printCover(plant);
    printGeneralParameters(plant);
    printAreas(plant);
    printGroups(plant);
    printRepeaters(plant);
    printCPUs(plant);
    printViewers(plant);
    printAnnunciators(plant);
    printLoops(plant);
    printSensors(plant);
    printModules(plant);
    // The painter ends well also after failed writes: only the commit tells.
    m_painter.end();
    if (!m_file.commit()) {
        qWarning().noquote() << "PDF report not written:" << m_file.fileName() << m_file.errorString();
        return false;
    }
    return true;
}

int OvPdfReport::width() const
{
    return m_writer.width();
}

int OvPdfReport::height() const
{
    return m_writer.height();
}

QRect OvPdfReport::newPage()
{
    m_writer.newPage();
    const QRect area(QPoint(0, 0), QPoint(width() - 1, height() - 401));
    drawFooter(++m_pageNumber);
    return area;
}

void OvPdfReport::drawFooter(int pageNumber)
{
    const int w = width();
    const int h = height();
    m_painter.drawLine(0, h - 400, w, h - 400);
    const QFont font = m_painter.font();
    m_painter.setFont(m_noteFont);
    m_painter.drawText(QRect(QPoint(0, h - 400), QPoint(w / 2 - 1, h - 1)), Qt::AlignLeft | Qt::AlignTop,
                       applicationFileName());
    const QString second = pageNumber != 0 ? pdfreport::pageText(pageNumber) : QString();
    m_painter.drawText(QRect(QPoint(w / 2, h - 400), QPoint(2 * (w / 2) - 1, h - 1)), Qt::AlignRight | Qt::AlignTop,
                       m_reportDate + QLatin1Char('\n') + second);
    m_painter.setFont(font);
}

int OvPdfReport::drawField(QRect& area, const QString& label, QString value)
{
    QRect l;
    m_painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, QLatin1Char('\t') + label, &l);
    if (value.isEmpty())
        value = qtTrId("STR_UNDEFINED");
    QRect v;
    m_painter.drawText(area, Qt::AlignRight | Qt::AlignTop, value, &v);
    if (!v.isNull())
        m_painter.drawLine(l.left(), l.bottom(), v.right(), v.bottom());
    else
        qInfo() << "x0 = " << l << "\tx1 = " << v;
    const double step = l.height() * 1.8;
    area.setTop(int(area.top() + step));
    return int(step);
}

int OvPdfReport::drawNumberField(QRect& area, const QString& label, int value)
{
    return drawField(area, label, QString::number(value));
}

int OvPdfReport::drawStateField(QRect& area, const QString& label, bool state, bool enabledWording)
{
    return drawField(area, label, pdfreport::stateWord(state, enabledWording));
}

void OvPdfReport::drawSectionTitle(QRect& area, const QString& title)
{
    const PainterStyle style(m_painter, Qt::darkBlue, m_headingFont);
    QRect drawn;
    m_painter.drawText(area, Qt::AlignHCenter | Qt::AlignTop, title, &drawn);
    area.setTop(area.top() + 2 * drawn.height());
}

void OvPdfReport::drawPageTitle(const QImage& logo, QRect& area, const QString& title)
{
    const PainterStyle style(m_painter, Qt::darkBlue, m_headingFont);
    // Drawn scaled into its place rather than resampled: the file keeps the picture at its own
    // resolution.
    const int w = area.width() / 4;
    const int h = qRound(double(logo.height()) * w / logo.width());
    m_painter.drawImage(QRect(0, 0, w, h), logo);
    m_painter.drawText(QRect(QPoint(area.left() + w + 100, area.top()), QPoint(area.right(), h - 1)),
                       Qt::AlignJustify | Qt::AlignVCenter, title);
    area.setTop(h - 1 + 100);
}

QRect OvPdfReport::openSection(const QString& picture, const char* titleId)
{
    QRect area = newPage();
    QImage logo(QStringLiteral(":/Resources/") + picture);
    if (!picture.isEmpty() && !logo.isNull())
        drawPageTitle(logo, area, qtTrId(titleId));
    else
        drawSectionTitle(area, qtTrId(titleId));
    return area;
}

void OvPdfReport::breakIfFull(QRect& area, int step)
{
    if (step > area.bottom() - area.top() + 1)
        area = newPage();
}

void OvPdfReport::drawRows(QRect& area, const QList<PdfRow>& rows)
{
    bool indented = false;
    for (const PdfRow& row : rows) {
        if (row.indented != indented) {
            area.setLeft(row.indented ? area.left() + 200 : qMax(0, area.left() - 200));
            indented = row.indented;
        }
        const int step = drawField(area, row.label, row.value);
        if (row.pageBreak)
            breakIfFull(area, step);
    }
}

void OvPdfReport::drawHeader(const PdfGrid& header, int top, bool topRule)
{
    const int bottom = top + PdfTableLayout::kHeaderHeight;
    for (int x : header.lines)
        m_painter.drawLine(x, top, x, bottom);
    if (topRule)
        m_painter.drawLine(header.left, top, header.right, top);
    for (const PdfText& t : header.texts)
        m_painter.drawText(QRect(QPoint(t.left, top), QPoint(t.right, bottom - 1)), t.flags, t.text);
    m_painter.drawLine(header.left, bottom, header.right, bottom);
}

bool OvPdfReport::drawRow(QRect& area, int& top, const PdfGrid& row)
{
    const int bottom = top + PdfTableLayout::kRowHeight;
    for (int x : row.lines)
        m_painter.drawLine(x, top, x, bottom);
    for (const PdfText& t : row.texts) {
        if (!t.text.isEmpty())
            m_painter.drawText(QRect(QPoint(t.left, top), QPoint(t.right, bottom - 1)), t.flags, t.text);
    }
    m_painter.drawLine(row.left, bottom, row.right, bottom);
    top = bottom;
    // The test follows every row, the last one too: a table that ends at the foot leaves a
    // page holding its header only.
    if (top + PdfTableLayout::kRowHeight <= area.bottom())
        return false;
    area = newPage();
    return true;
}

void OvPdfReport::drawTable(QRect& area, const std::function<PdfTableLayout(bool, const QRect&)>& layout,
                            const QList<QStringList>& rows)
{
    PdfTableLayout columns = layout(true, area);
    drawHeader(pdfreport::headerGrid(columns), area.top() + columns.headerOffset);
    int top = area.top() + columns.headerOffset + PdfTableLayout::kHeaderHeight;
    for (const QStringList& cells : rows) {
        if (drawRow(area, top, pdfreport::rowGrid(columns, cells))) {
            columns = layout(false, area);
            drawHeader(pdfreport::headerGrid(columns), area.top() + columns.headerOffset);
            top = area.top() + columns.headerOffset + PdfTableLayout::kHeaderHeight;
        }
    }
    area.setTop(top);
}
