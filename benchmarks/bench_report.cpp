// Cost of the PDF report on the full-size plant of bench_plant (built through the plant's own
// API by the plant tests' builder), close to a thousand pages written into a temporary folder,
// beside the floor: the same writer and painter writing as many pages into a QSaveFile in the
// same fonts, each page the grid of a full landscape table (42 rows, each with its 13 column
// lines, its rule and 12 fixed cell texts). Goals: at most 2 times the floor; the peak memory
// during the report at most 32 MiB above that before it. Pages, pages per second and the ratio
// are printed.
#include "PlantBuilder.h"

#include "OS/TraceLog.h"
#include "RatioReporter.h"
#include "core/Configuration.h"
#include "io/OvPdfReport.h"
#include "io/OvPdfReportPointRows.h"

#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

namespace {

struct Setup {
    QTemporaryDir dir;
    std::unique_ptr<Plant> plant;
    int pages = 0;
    long peakKiB = 0;
};

Setup* g_setup = nullptr;

// A value of /proc/self/status in KiB ("VmRSS:", "VmHWM:").
long statusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        long value = 0;
        if (key == field && status >> value)
            return value;
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

// The pages of the report; 0 when it could not be written.
int writeReport(const QString& path)
{
    OvPdfReport report(path);
    return report.printAll(g_setup->plant.get()) ? report.pageNumber() + 1 : 0;
}

bool writeFloor(const QString& path, int pages)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QPdfWriter writer(&file);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Point, QMarginsF(0, 0, 0, 0)));
    QPainter painter(&writer);
    QFont text(QStringLiteral("Arial"), 10);
    text.setFamily(QStringLiteral("FernholdtSansWebMedium"));
    painter.setFont(text);
    painter.drawText(QRect(0, 0, 4000, 400), Qt::AlignLeft, QStringLiteral("Floor"));
    painter.setFont(QFont(QStringLiteral("Arial"), 6));
    const QStringList cells{"16.8.126", "P16.8.1.126", "ASD", "Enabled",   "Disabled", "0",
                            "1",        "2",           "3",   "OR(G1 G2)", "101",      "Disabled"};
    const PdfGrid row = pdfreport::sensorRow(50, writer.width() - 1, cells);
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            writer.newPage();
        for (int r = 0, top = 600; r < 42; ++r, top += 200) {
            for (int x : row.lines)
                painter.drawLine(x, top, x, top + 200);
            for (const PdfText& t : row.texts)
                painter.drawText(QRect(QPoint(t.left, top), QPoint(t.right, top + 199)), t.flags, t.text);
            painter.drawLine(row.left, top + 200, row.right, top + 200);
        }
    }
    painter.end();
    return file.commit();
}

void BM_report(benchmark::State& state)
{
    const QString path = g_setup->dir.filePath("report.pdf");
    for (auto _ : state) {
        if (writeReport(path) == 0) {
            state.SkipWithError("report not written");
            break;
        }
    }
    state.counters["pages"] = g_setup->pages;
    state.counters["pages/s"] = benchmark::Counter(g_setup->pages, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_floor(benchmark::State& state)
{
    const QString path = g_setup->dir.filePath("floor.pdf");
    for (auto _ : state) {
        if (!writeFloor(path, g_setup->pages)) {
            state.SkipWithError("floor not written");
            break;
        }
    }
    state.counters["pages"] = g_setup->pages;
    state.counters["pages/s"] = benchmark::Counter(g_setup->pages, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_report)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_floor)->Unit(benchmark::kMillisecond)->Iterations(1);

// Builds the plant, then writes the report once to count its pages and measure its peak memory.
bool makeSetup(Setup& setup)
{
    if (!setup.dir.isValid() || !Configuration::instance()->applyConfigNumber(8, true))
        return false;
    g_zpConf->set_networked(1);
    Configuration::instance()->set_current_brand(4);
    setup.plant = std::make_unique<Plant>();
    plantbuild::buildFullPlant(*setup.plant);
    const long before = statusKiB("VmRSS:");
    // Resets the peak resident size to the current one.
    std::ofstream("/proc/self/clear_refs") << "5";
    setup.pages = writeReport(setup.dir.filePath("report.pdf"));
    setup.peakKiB = statusKiB("VmHWM:") - before;
    return setup.pages > 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The report needs fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QLoggingCategory::setFilterRules("default.debug=false\ndefault.info=false");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    g_logger().set_console(false);
    if (!initialize_benchmarks(argc, argv, 3))
        return 1;

    Setup setup;
    g_setup = &setup;
    if (!makeSetup(setup)) {
        std::fprintf(stderr, "bench_report: could not build the full-size plant or write its report\n");
        return 1;
    }
    std::printf("full-size plant: report of %d pages, %lld bytes\n", setup.pages,
                static_cast<long long>(QFile(setup.dir.filePath("report.pdf")).size()));
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio("BM_report", 2);
    std::printf("%-20s %6.1f MiB (goal: at most 32)%s\n", "report memory", setup.peakKiB / 1024.0,
                setup.peakKiB > 32 * 1024 ? "  OVER" : "");
    benchmark::Shutdown();
    return 0;
}
