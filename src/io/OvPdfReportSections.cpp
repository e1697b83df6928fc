// The report's cover and its plant-wide sections: general parameters, zones, groups, repeaters
// and panels.
#include "io/OvPdfReport.h"

#include "core/Configuration.h"
#include "plant/OvPlantType.h"
#include "plant/Plant.h"

#include <QDebug>
#include <QImage>

namespace {

QString branded(const char* pattern, int cpuType = 255)
{
    return Configuration::instance()->getBrandedIcon(QString::fromLatin1(pattern), cpuType);
}

} // namespace

void OvPdfReport::printCover(Plant* plant)
{
    if (!plant)
        return;
    const int w = width();
    const int h = height();
    const OvPlantType* type = plant->plantType();
    const char* pattern = nullptr;
    if (type && type->getType() == 1)
        pattern = "centraleSuper%1.png";
    else if (!type || type->getType() == 0)
        pattern = "centraleStandAlone%1.png";
    if (pattern) {
        const QString name = branded(pattern, pdfreport::coverCpuType());
        const QImage picture(QStringLiteral(":/Resources/") + name);
        if (!name.isEmpty() && !picture.isNull()) {
            const int pw = int(w * 0.75);
            const int ph = qRound(double(picture.height()) * pw / picture.width());
            m_painter.drawImage(QRect((w - pw) / 2, (h - ph) / 2, pw, ph), picture);
        }
    }
    // The blue pen and the title font stay set: later sections restore what they find.
    m_painter.setPen(Qt::blue);
    m_painter.setFont(m_titleFont);
    QRect drawn;
    m_painter.drawText(QRect(QPoint(0, h / 2 + h / 4), QPoint(w - 1, h / 2 + h / 4 + h / 4 - 1)),
                       Qt::AlignHCenter | Qt::AlignTop, plant->getDescription(), &drawn);
    qInfo() << "boundingRect = " << drawn;
    drawFooter(0);
}

void OvPdfReport::printGeneralParameters(Plant* plant)
{
    QRect area = openSection(branded("GenParameters%1.png"), QT_TRID_NOOP("CSV_PLANTGENPARAMETER"));
    if (!plant)
        return;
    area.setLeft(area.left() + 50);
    const PainterStyle style(m_painter, Qt::black, m_textFont);
    drawRows(area, pdfreport::generalParameterRows(*plant));
}

void OvPdfReport::printAreas(Plant* plant)
{
    QRect area = openSection(branded("PlantAreas%1.png"), QT_TRID_NOOP("CSV_AREASSYSTEM"));
    if (!plant)
        return;
    area.setLeft(area.left() + 50);
    const PainterStyle style(m_painter, Qt::black, m_textFont);
    const int left = area.left();
    const int right = area.right();
    drawTable(
        area, [left, right](bool first, const QRect&) { return pdfreport::areaLayout(left, right, first); },
        pdfreport::areaRows(plant->areas()));
}

void OvPdfReport::printGroups(Plant* plant)
{
    QRect area = openSection(QStringLiteral("PlantGroups.png"), QT_TRID_NOOP("CSV_GROUPSSYSTEM"));
    if (!plant)
        return;
    area.setLeft(area.left() + 50);
    const PainterStyle style(m_painter, Qt::black, m_textFont);
    const OvGroupsSystem groups = plant->groups();
    drawRows(area, pdfreport::groupHeadRows(groups));
    drawTable(
        area, [](bool first, const QRect& a) { return pdfreport::groupLayout(a.left(), a.right(), first); },
        pdfreport::groupRows(groups));
}

void OvPdfReport::printRepeaters(Plant* plant)
{
    if (!plant)
        return;
    const QList<PdfRow> rows = pdfreport::repeaterRows(*plant);
    if (rows.isEmpty())
        return;
    QRect area = openSection(QStringLiteral("Ripetitore.png"), QT_TRID_NOOP("CSV_REPEATER"));
    area.setLeft(area.left() + 50);
    const PainterStyle style(m_painter, Qt::black, m_textFont);
    drawRows(area, rows);
}

void OvPdfReport::printCPUs(Plant* plant)
{
    QRect area = openSection(branded("Centrali%1.png"), QT_TRID_NOOP("CSV_CPUSSYSTEM"));
    if (!plant)
        return;
    area.setLeft(area.left() + 350);
    const PainterStyle style(m_painter, Qt::black, m_textFont);
    drawRows(area, pdfreport::cpuHeadRows(plant->cpus()));
    const int indent = area.left();
    drawTable(
        area, [indent](bool, const QRect& a) { return pdfreport::cpuLayout(indent, a.right()); },
        pdfreport::cpuRows(plant->cpus()));
}

void OvPdfReport::printViewers(Plant* plant)
{
    if (!plant || plant->getViewersCount() <= 0)
        return;
    const bool tavrel = Configuration::instance()->central_brand() == 2;
    QRect area = openSection(branded("annunciator%1.png"), tavrel ? QT_TRID_NOOP("VIEWERKV") : QT_TRID_NOOP("VIEWER"));
    area.setLeft(area.left() + 50);
    const PainterStyle style(m_painter, Qt::black, m_textFont);
    const PdfTableLayout layout = pdfreport::viewerLayout(area.left(), area.right());
    drawTable(
        area, [&layout](bool, const QRect&) { return layout; }, pdfreport::viewerRows(*plant));
}

void OvPdfReport::printAnnunciators(Plant* plant)
{
    if (!plant || plant->getAnnunciatorsCount() <= 0)
        return;
    const bool tavrel = Configuration::instance()->central_brand() == 2;
    QRect area = openSection(branded("annunciator%1.png"),
                             tavrel ? QT_TRID_NOOP("ANNUNCIATORKV") : QT_TRID_NOOP("ANNUNCIATOR"));
    area.setLeft(area.left() + 50);
    const PainterStyle style(m_painter, Qt::black, m_textFont);
    const int left = area.left();
    const int right = area.right();
    drawHeader(pdfreport::annunciatorHeader(left, right), area.top());
    int top = area.top() + PdfTableLayout::kHeaderHeight;
    for (const PdfAnnunciatorRow& row : pdfreport::annunciatorRows(*plant)) {
        if (drawRow(area, top, pdfreport::annunciatorRow(left, right, row))) {
            // Continuation headers draw no top rule.
            drawHeader(pdfreport::annunciatorContinuation(left, right, row.filter), area.top(), false);
            top = area.top() + PdfTableLayout::kHeaderHeight;
        }
    }
}
