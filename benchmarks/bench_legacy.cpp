// Cost of reading a full-size plant file of an earlier release (networked, 64 CPUs with 4 loops
// of 159 named sensors and 159 named modules, a program on one point in ten, 2000 named areas,
// 1600 groups with programs, 8 repeaters, 16 annunciators with 4 filters on every CPU): readFile
// plus loadSections under brand configuration 8 with the application log installed, beside the
// floor of reading the file with stdio and inflating its block with qUncompress. Goal: at most
// 10 times the floor. The ratio is printed last.
#include "LegacyFileGenerator.h"

#include "RatioReporter.h"
#include "ZpData/Container/ZpConf.h"
#include "core/ApplicationLog.h"
#include "core/Configuration.h"
#include "io/OvFileMng.h"
#include "plant/Plant.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

using namespace legacygen;

struct Setup {
    QTemporaryDir dir;
    QString path;
    qint64 fileSize = 0;
    int contentSize = 0;
    std::unique_ptr<Plant> plant;
};

Setup* g_setup = nullptr;

QByteArray fullContent()
{
    QByteArray areas;
    for (int a = 0; a < 2000; ++a)
        areas += area(a, QString("Area %1").arg(a + 1), a % 2 == 0, a % 3 == 0, a % 10);
    QByteArray groups = fInt(79, 300) + fInt(80, -1) + fInt(81, -1);
    for (int g = 0; g < 1600; ++g)
        groups += group(g, QString("Group %1").arg(g + 1), g < 300,
                        QString("SUB1(C%1L1M%2.1)").arg(g % 64 + 1).arg(g % 159 + 1), false);
    QByteArray repeaters;
    for (int r = 1; r <= 8; ++r)
        repeaters += repeater(r, QString("Repeater %1").arg(r));
    QByteArray cpus;
    for (int c = 1; c <= 64; ++c) {
        QByteArray nested;
        int n = 0;
        for (int l = 1; l <= 4; ++l) {
            QByteArray points;
            for (int family = 1; family <= 2; ++family) {
                for (int a = 1; a <= 159; ++a, ++n) {
                    const QString program = n % 10 == 0 ? QString("SUB1(C%1L%2M%3.1)").arg(c).arg(l).arg(a) : QString();
                    points += record(
                        9,
                        pointFields(c, l, a, family == 1 ? 0x0002 : 0x0101, family == 1 ? 3 : 40, family, family, 1, 1,
                                    QString("C%1 L%2 %3 %4").arg(c).arg(l).arg(family == 1 ? "S" : "M").arg(a),
                                    a % 2000, program));
                }
            }
            nested += loop(c, l, 0, false, points);
        }
        QByteArray annunciators;
        for (int a = 1; a <= 16; ++a) {
            QByteArray filters;
            for (int f = 0; f < 4; ++f)
                filters += eventFilter(3 + f, c, -1, -1, -1, a * 4 + f, -1);
            annunciators += annunciator(a, QString("Annunciator %1").arg(a), filters);
        }
        nested += record(19, annunciators);
        cpus += cpu(c, c % 2 == 0, QString("CPU %1").arg(c), nested);
    }
    return header(2012, 6, 1, 10, 0, 0, "bench", 2, 6, 3) + record(2, fInt(1, 1) + fText(4, "Full legacy plant"))
        + record(3, QByteArray()) + record(12, areas) + record(10, groups) + record(15, repeaters) + record(5, cpus);
}

void BM_readLegacy(benchmark::State& state)
{
    for (auto _ : state) {
        OvFileMng reader(g_setup->path, false);
        if (reader.readFile() != 0 || reader.loadSections(*g_setup->plant) != 0) {
            state.SkipWithError("legacy read failed");
            break;
        }
    }
}

// stdio read of the whole file, then qUncompress of its block.
void BM_floor(benchmark::State& state)
{
    const std::string path = QFile::encodeName(g_setup->path).toStdString();
    QByteArray bytes(int(g_setup->fileSize), '\0');
    for (auto _ : state) {
        FILE* in = std::fopen(path.c_str(), "rb");
        const bool read = in && std::fread(bytes.data(), 1, size_t(bytes.size()), in) == size_t(bytes.size());
        if (in)
            std::fclose(in);
        if (!read || qUncompress(bytes.mid(10)).size() != g_setup->contentSize) {
            state.SkipWithError("floor failed");
            break;
        }
    }
}

BENCHMARK(BM_readLegacy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_floor)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (!initialize_benchmarks(argc, argv, 5))
        return 1;

    Setup setup;
    g_setup = &setup;
    if (!setup.dir.isValid() || g_zpConf->new_config(8) != 0) {
        std::fprintf(stderr, "bench_legacy: no panel configuration\n");
        return 1;
    }
    Configuration::instance()->set_configNumber(8);
    const QByteArray content = fullContent();
    const QByteArray bytes = file(content);
    setup.path = setup.dir.filePath("legacy.ov");
    QFile out(setup.path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "bench_legacy: could not write the file\n");
        return 1;
    }
    out.close();
    setup.fileSize = bytes.size();
    setup.contentSize = content.size();
    setup.plant = std::make_unique<Plant>();
    ApplicationLog::open(setup.dir.filePath("log"));
    std::printf("full-size legacy file: %lld bytes, content %d bytes, log %s\n", static_cast<long long>(setup.fileSize),
                setup.contentSize, qPrintable(ApplicationLog::filePath()));
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio("BM_readLegacy", 10);
    ApplicationLog::close();
    benchmark::Shutdown();
    return 0;
}
