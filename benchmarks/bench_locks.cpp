// Cost of the panel-data library's locks when no other thread wants them, which is nearly every
// take of a block's lock: a read lock taken and given back, a write lock taken and given back,
// and a read taken again by its holder, each beside the floor of a bare std::mutex locked and
// unlocked. The library takes a lock for every field it reads or writes, so this cost is paid
// by the million in a compile and in every input of the block fuzz target. The goal is each
// pair within twice the bare mutex pair; the ratios are printed last.
#include "OS/os.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <mutex>

namespace {

void BM_floor(benchmark::State& state)
{
    std::mutex mutex;
    for (auto _ : state) {
        mutex.lock();
        benchmark::ClobberMemory();
        mutex.unlock();
    }
}

void BM_read_pair(benchmark::State& state)
{
    const os_Lock lock = os_RWLockCreate();
    for (auto _ : state) {
        benchmark::DoNotOptimize(os_RWLockRead(lock, OS_WAIT_FOREVER));
        benchmark::ClobberMemory();
        os_RWLockUnlock(lock);
    }
    os_RWLockDelete(lock);
}

void BM_write_pair(benchmark::State& state)
{
    const os_Lock lock = os_RWLockCreate();
    for (auto _ : state) {
        benchmark::DoNotOptimize(os_RWLockWrite(lock, OS_WAIT_FOREVER));
        benchmark::ClobberMemory();
        os_RWLockUnlock(lock);
    }
    os_RWLockDelete(lock);
}

// A block guard inside an operation that already holds the block: the second read of one thread.
void BM_nested_read_pair(benchmark::State& state)
{
    const os_Lock lock = os_RWLockCreate();
    os_RWLockRead(lock, OS_WAIT_FOREVER);
    for (auto _ : state) {
        benchmark::DoNotOptimize(os_RWLockRead(lock, OS_WAIT_FOREVER));
        benchmark::ClobberMemory();
        os_RWLockUnlock(lock);
    }
    os_RWLockUnlock(lock);
    os_RWLockDelete(lock);
}

BENCHMARK(BM_floor);
BENCHMARK(BM_read_pair);
BENCHMARK(BM_write_pair);
BENCHMARK(BM_nested_read_pair);

} // namespace

int main(int argc, char** argv)
{
    if (!initialize_benchmarks(argc, argv, 5))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratio("BM_read_pair", 2);
    reporter.print_ratio("BM_write_pair", 2);
    reporter.print_ratio("BM_nested_read_pair", 2);
    benchmark::Shutdown();
    return 0;
}
