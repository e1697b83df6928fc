// Cost of the plant document on a full-size plant built through the plant's own API (panel type
// 8, networked, 16 CPUs of 4 boards with two full APOLLO loops each, named points, programs on
// every group and on one point in ten), beside the floor: CRC-16 over the panel image, writing
// and reading it with plain stdio, and qCompress/qUncompress of the same bytes. Goals: copyTo and
// copyFrom at most 3 times the floor, saveToFile and loadFromFile at most 4 times; the memory the
// plant adds at most 64 MiB. The ratios are printed last.
#include "PlantBuilder.h"

#include "DataBlock/crc.h"
#include "OS/TraceLog.h"
#include "RatioReporter.h"
#include "ZpData/Container/ZpConfIO.h"
#include "core/Configuration.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <string>

namespace {

struct Setup {
    QTemporaryDir dir;
    std::unique_ptr<Plant> plant;
    std::unique_ptr<Plant> target; // the plant copyFrom fills
    QByteArray image;              // the panel image of the full plant
    QString plantFile;
    long plantKiB = 0;
};

Setup* g_setup = nullptr;

// Resident set size in KiB.
long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        long value = 0;
        if (key == "VmRSS:" && status >> value)
            return value;
        status.ignore(1 << 16, '\n');
    }
    return 0;
}

void BM_copyTo(benchmark::State& state)
{
    for (auto _ : state) {
        if (g_setup->plant->copyTo() != 0) {
            state.SkipWithError("devices left out");
            break;
        }
    }
}

void BM_copyFrom(benchmark::State& state)
{
    g_setup->plant->copyTo();
    for (auto _ : state) {
        state.PauseTiming();
        g_setup->target->setDefaultParameters();
        state.ResumeTiming();
        benchmark::DoNotOptimize(g_setup->target->copyFrom());
    }
}

void BM_saveToFile(benchmark::State& state)
{
    for (auto _ : state) {
        if (g_setup->plant->saveToFile(g_setup->plantFile) != 0) {
            state.SkipWithError("saveToFile failed");
            break;
        }
    }
}

void BM_loadFromFile(benchmark::State& state)
{
    for (auto _ : state) {
        if (g_setup->target->loadFromFile(g_setup->plantFile, true) != 0) {
            state.SkipWithError("loadFromFile failed");
            break;
        }
    }
}

// CRC-16 over the image, stdio write and read of it, qCompress and qUncompress of it.
void BM_floor(benchmark::State& state)
{
    const QByteArray& image = g_setup->image;
    const std::string path = QFile::encodeName(g_setup->dir.filePath("floor.bin")).toStdString();
    QByteArray back(image.size(), '\0');
    for (auto _ : state) {
        benchmark::DoNotOptimize(crc16(image.constData(), u32(image.size())));
        FILE* out = std::fopen(path.c_str(), "wb");
        const bool written = out
            && std::fwrite(image.constData(), 1, size_t(image.size()), out) == size_t(image.size());
        if (out)
            std::fclose(out);
        FILE* in = std::fopen(path.c_str(), "rb");
        const bool read = in && std::fread(back.data(), 1, size_t(back.size()), in) == size_t(back.size());
        if (in)
            std::fclose(in);
        const QByteArray packed = qCompress(image, -1);
        if (!written || !read || qUncompress(packed).size() != image.size()) {
            state.SkipWithError("floor I/O failed");
            break;
        }
    }
}

BENCHMARK(BM_copyTo)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_copyFrom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_saveToFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_loadFromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_floor)->Unit(benchmark::kMillisecond);

bool makeSetup(Setup& setup)
{
    if (!setup.dir.isValid() || g_zpConf->new_config(8) != 0)
        return false;
    Configuration::instance()->set_current_brand(4);
    const long before = residentKiB();
    setup.plant = std::make_unique<Plant>();
    plantbuild::buildFullPlant(*setup.plant);
    if (setup.plant->copyTo() != 0)
        return false;
    setup.plantKiB = residentKiB() - before;
    setup.target = std::make_unique<Plant>();
    const QString imagePath = setup.dir.filePath("CFG_IN.BIN");
    if (g_zpConf->get_io().export_bin_v3(QFile::encodeName(imagePath).constData(), nullptr) != 0)
        return false;
    QFile image(imagePath);
    if (!image.open(QIODevice::ReadOnly))
        return false;
    setup.image = image.readAll();
    setup.plantFile = setup.dir.filePath("full.ov");
    return setup.plant->saveToFile(setup.plantFile) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The plant and the library log every point and block they convert; that would bury the
    // report and time the console. Debug and info lines are off, as in a log kept at warnings.
    QLoggingCategory::setFilterRules("default.debug=false\ndefault.info=false");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    g_logger().set_console(false);
    if (!initialize_benchmarks(argc, argv, 5))
        return 1;

    Setup setup;
    g_setup = &setup;
    if (!makeSetup(setup)) {
        std::fprintf(stderr, "bench_plant: could not build and save the full-size plant\n");
        return 1;
    }
    std::printf("full-size plant: image %d bytes, plant file %lld bytes, plant and image add %.1f MiB\n",
                setup.image.size(), static_cast<long long>(QFile(setup.plantFile).size()), setup.plantKiB / 1024.0);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio("BM_copyTo", 3);
    reporter.print_ratio("BM_copyFrom", 3);
    reporter.print_ratio("BM_saveToFile", 4);
    reporter.print_ratio("BM_loadFromFile", 4);
    std::printf("%-20s %6.1f MiB (goal: at most 64)%s\n", "plant memory", setup.plantKiB / 1024.0,
                setup.plantKiB > 64 * 1024 ? "  OVER" : "");
    benchmark::Shutdown();
    return 0;
}
