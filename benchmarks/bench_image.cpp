// Cost of the panel image and the Modbus map on a full-size configuration (64 bound boards, every
// device slot used, names filled), beside the floor: the bytes of the 198 blocks written with plain
// stdio as the program writes a whole file (a new file beside the target, flushed to the disk,
// renamed onto it), then read back, no CRC. Goals: export at most 2 times the floor, import and
// the Modbus map at most 3 times; the ratios are printed last. The same bytes written in place
// without the flush, the floor of an earlier writer, and the CRC-16 alone are shown for reference.
#include "DataBlock/crc.h"
#include "FullConfig.h"
#include "OS/TraceLog.h"
#include "RatioReporter.h"
#include "ZpData/Container/ModbusMap.h"
#include "ZpData/Container/ZpConf.h"
#include "ZpData/Container/ZpConfBlock.h"
#include "ZpData/Container/ZpConfIO.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <stdlib.h> // mkdtemp
#include <unistd.h> // fsync

namespace {

struct Setup {
    std::filesystem::path dir;
    std::unique_ptr<ZpConf> conf;   // the full-size configuration, never changed by a benchmark
    std::unique_ptr<ZpConf> target; // the container the import fills
    std::string image;              // an export of conf
    std::vector<u8> bytes;          // the data of dataTypes 2 to 199, one after the other
};

Setup* g_setup = nullptr;

std::string path_in(const char* name)
{
    return (g_setup->dir / name).string();
}

void BM_export_bin_v3(benchmark::State& state)
{
    const std::string path = path_in("export.bin");
    for (auto _ : state) {
        if (g_setup->conf->get_io().export_bin_v3(path.c_str(), nullptr) != 0) {
            state.SkipWithError("export_bin_v3 failed");
            break;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(g_setup->bytes.size()));
}

// import_bin with its after-load chain, into an emptied container as when a file is opened.
void BM_import_bin(benchmark::State& state)
{
    ZpConf& conf = *g_setup->target;
    for (auto _ : state) {
        state.PauseTiming();
        conf.new_config(255);
        state.ResumeTiming();
        const int result = conf.get_io().import_bin(g_setup->image.c_str(), nullptr);
        if (result != 0 && result != -1) {
            state.SkipWithError("import_bin failed");
            break;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(g_setup->bytes.size()));
}

// The status rebuild alone; argument 1 is the after-load form, which also removes duplicates.
void BM_build_device_status(benchmark::State& state)
{
    const bool afterLoad = state.range(0) != 0;
    for (auto _ : state) {
        if (g_setup->conf->build_device_status(afterLoad, nullptr) != 0) {
            state.SkipWithError("build_device_status failed");
            break;
        }
    }
}

void BM_write_map(benchmark::State& state)
{
    const std::string path = path_in("ModbusMap.csv");
    for (auto _ : state) {
        if (write_map(*g_setup->conf, path.c_str()) != 0) {
            state.SkipWithError("write_map failed");
            break;
        }
    }
}

bool write_file(const std::string& path, const std::vector<u8>& data)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool written = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    return std::fclose(f) == 0 && written;
}

// A new file beside path, written, on the disk and renamed onto path.
bool write_whole(const std::string& path, const std::vector<u8>& data)
{
    const std::string temp = path + ".new";
    FILE* f = std::fopen(temp.c_str(), "wbx");
    if (!f)
        return false;
    bool written = std::fwrite(data.data(), 1, data.size(), f) == data.size();
    written = std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0 && written;
    written = std::fclose(f) == 0 && written && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!written)
        std::remove(temp.c_str());
    return written;
}

bool read_file(const std::string& path, std::vector<u8>& data)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    const bool read = std::fread(data.data(), 1, data.size(), f) == data.size();
    return std::fclose(f) == 0 && read;
}

void BM_crc16(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(crc16(g_setup->bytes.data(), u32(g_setup->bytes.size())));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(g_setup->bytes.size()));
}

// A floor: the bytes written by write, then read back.
void floor_loop(benchmark::State& state, bool (*write)(const std::string&, const std::vector<u8>&))
{
    const std::string path = path_in("floor.bin");
    std::vector<u8> back(g_setup->bytes.size());
    for (auto _ : state) {
        if (!write(path, g_setup->bytes) || !read_file(path, back)) {
            state.SkipWithError("stdio failed");
            break;
        }
        benchmark::DoNotOptimize(back.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(g_setup->bytes.size()));
}

// The floor: the whole write, then the read, of the same bytes.
void BM_floor(benchmark::State& state)
{
    floor_loop(state, write_whole);
}

// For reference: the same bytes written in place, with no flush to the disk, and read.
void BM_floor_in_place(benchmark::State& state)
{
    floor_loop(state, write_file);
}

BENCHMARK(BM_export_bin_v3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_import_bin)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_build_device_status)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_write_map)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_crc16)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_floor_in_place)->Unit(benchmark::kMillisecond);

bool make_setup(Setup& setup)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "bench_image.XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        return false;
    setup.dir = pattern;
    setup.conf = std::make_unique<ZpConf>(0, 255);
    setup.target = std::make_unique<ZpConf>(0, 255);
    if (!imagegen::build_full(*setup.conf))
        return false;
    setup.image = (setup.dir / "full.bin").string();
    if (setup.conf->get_io().export_bin_v3(setup.image.c_str(), nullptr) != 0)
        return false;
    for (u32 dt = ZpConfIO::kFirstDataType; dt <= ZpConfIO::kLastDataType; ++dt) {
        ZpConfBlock* block = setup.conf->find_block(dt);
        if (!block)
            return false;
        const u8* data = block->get_ptr();
        setup.bytes.insert(setup.bytes.end(), data, data + block->get_size());
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Every import and export traces a few hundred lines; they would bury the report.
    g_logger().set_console(false);
    // Five runs of each unless told otherwise; the ratios take the best.
    if (!initialize_benchmarks(argc, argv, 5))
        return 1;

    Setup setup;
    g_setup = &setup;
    const bool ready = make_setup(setup);
    int status = 1;
    if (ready) {
        const std::string map = path_in("ModbusMap.csv");
        std::printf("full-size configuration: %zu bytes in 198 blocks, image %ju bytes, Modbus map %jd bytes\n",
                    setup.bytes.size(), std::uintmax_t(std::filesystem::file_size(setup.image)),
                    write_map(*setup.conf, map.c_str()) == 0 ? std::intmax_t(std::filesystem::file_size(map)) : -1);
        RatioReporter reporter;
        benchmark::RunSpecifiedBenchmarks(&reporter);
        if (reporter.best_time("BM_floor") >= 0 && reporter.best_time("BM_floor_in_place") >= 0)
            std::printf("floor: whole write %.2f ms; in place, no flush %.2f ms\n", reporter.best_time("BM_floor"),
                        reporter.best_time("BM_floor_in_place"));
        reporter.print_ratio("BM_export_bin_v3", 2);
        reporter.print_ratio("BM_import_bin", 3);
        reporter.print_ratio("BM_write_map", 3);
        status = 0;
    } else {
        std::fprintf(stderr, "bench_image: could not build the full-size configuration in %s\n",
                     setup.dir.string().c_str());
    }
    benchmark::Shutdown();
    std::error_code ec;
    if (!setup.dir.empty())
        std::filesystem::remove_all(setup.dir, ec);
    return status;
}
