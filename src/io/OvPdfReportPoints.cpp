// The report's loop, sensor and module sections: one ruled table each over the loops of the
// enabled CPUs, the sensor and module tables on landscape pages in a 6-point font.
#include "io/OvPdfReport.h"

#include "core/Configuration.h"
#include "io/OvPdfReportPointRows.h"
#include "plant/OvGenericSubPoint.h"
#include "plant/OvLoop.h"
#include "plant/Plant.h"

#include <QPageLayout>
#include <QPageSize>

namespace {

QPageLayout landscape()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Point,
                       QMarginsF(0, 0, 0, 0));
}

} // namespace

void OvPdfReport::printLoops(Plant* plant)
{
    QRect area = openSection(Configuration::instance()->getBrandedIcon(QStringLiteral("loop%1.png"), 255),
                             QT_TRID_NOOP("PDF_LOOP_SYS"));
    if (!plant)
        return;
    area.setLeft(area.left() + 50);
    const PainterStyle style(m_painter, Qt::black, m_textFont);
    const int x0 = area.left();
    const int x1 = area.right();
    drawHeader(pdfreport::loopHeader(x0, x1), area.top());
    int top = area.top() + PdfTableLayout::kHeaderHeight;
    pdfreport::forEachLoop(plant->cpus(), [&](int cpu, int loop, const OvLoop& l) {
        if (drawRow(area, top, pdfreport::loopRow(x0, x1, pdfreport::loopCells(cpu, loop, l)))) {
            drawHeader(pdfreport::loopHeader(x0, x1), area.top());
            top = area.top() + PdfTableLayout::kHeaderHeight;
        }
    });
}

void OvPdfReport::printSensors(Plant* plant)
{
    const QPageLayout previous = m_writer.pageLayout();
    m_writer.setPageLayout(landscape());
    QRect area = newPage();
    drawSectionTitle(area, qtTrId("PDF_SENSOR_SYS"));
    if (plant) {
        area.setLeft(area.left() + 50);
        const QFont small(QStringLiteral("Arial"), 6);
        const PainterStyle style(m_painter, Qt::black, m_textFont);
        const int x0 = area.left();
        const int x1 = area.right();
        drawHeader(pdfreport::sensorHeader(x0, x1), area.top());
        int top = area.top() + PdfTableLayout::kHeaderHeight;
        const QString enabled = qtTrId("STR_ENABLED");
        const QString disabled = qtTrId("STR_DISABLED");
        m_painter.setFont(small);
        pdfreport::forEachLoop(plant->cpus(), [&](int cpu, int loop, const OvLoop& l) {
            for (int p = 0; p < l.sensors().size(); ++p) {
                const OvGenericPoint* sensor = l.sensors().at(p);
                if (!sensor || !sensor->isValid())
                    continue;
                const QStringList cells = pdfreport::sensorCells(cpu, loop, p + 1, *sensor, enabled, disabled);
                if (drawRow(area, top, pdfreport::sensorRow(x0, x1, cells))) {
                    drawHeader(pdfreport::sensorHeader(x0, x1), area.top());
                    top = area.top() + PdfTableLayout::kHeaderHeight;
                }
            }
        });
    }
    m_writer.setPageLayout(previous);
}

void OvPdfReport::printModules(Plant* plant)
{
    const QPageLayout previous = m_writer.pageLayout();
    m_writer.setPageLayout(landscape());
    QRect area = newPage();
    drawSectionTitle(area, qtTrId("PDF_MODULE_SYS"));
    if (plant) {
        area.setLeft(area.left() + 50);
        const PainterStyle style(m_painter, Qt::black, QFont(QStringLiteral("Arial"), 6));
        const int x0 = area.left();
        const int x1 = area.right();
        drawHeader(pdfreport::moduleHeader(x0, x1), area.top());
        int top = area.top() + PdfTableLayout::kHeaderHeight;
        const QString enabled = qtTrId("STR_ENABLED");
        const QString disabled = qtTrId("STR_DISABLED");
        QList<const OvGenericSubPoint*> channels;
        pdfreport::forEachLoop(plant->cpus(), [&](int cpu, int loop, const OvLoop& l) {
            for (int j = 0; j < l.modules().size(); ++j) {
                const OvGenericPoint* module = l.modules().at(j);
                if (!module)
                    continue;
                channels.clear();
                for (const OvGenericSubPoint& channel : module->subPoints())
                    channels << &channel;
                const auto rows = pdfreport::moduleRows(cpu, loop, j + 1, *module, channels, enabled, disabled);
                for (const PdfModuleRow& row : rows) {
                    if (drawRow(area, top, pdfreport::moduleRow(x0, x1, row))) {
                        drawHeader(pdfreport::moduleHeader(x0, x1), area.top());
                        top = area.top() + PdfTableLayout::kHeaderHeight;
                    }
                }
            }
        });
    }
    m_writer.setPageLayout(previous);
}
