#pragma once
// The console report of a benchmark run that also keeps the best real time of each benchmark
// over its repetitions, so a run can end with each operation as a multiple of its floor.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const std::string name = run.run_name.function_name;
            const double time = run.GetAdjustedRealTime();
            const auto it = m_times.find(name);
            if (it == m_times.end() || time < it->second)
                m_times[name] = time;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Prints "name  r x floor (goal: at most goal)", with "OVER" past the goal; nothing when
    // either benchmark did not run.
    void print_ratio(const char* name, double goal, const char* floor = "BM_floor") const
    {
        const auto it = m_times.find(name);
        const auto base = m_times.find(floor);
        if (it == m_times.end() || base == m_times.end() || base->second <= 0)
            return;
        const double ratio = it->second / base->second;
        std::printf("%-20s %6.2f x floor (goal: at most %g)%s\n", name, ratio, goal, ratio > goal ? "  OVER" : "");
    }

    // The best real time of name in its own unit; negative when it did not run.
    double best_time(const char* name) const
    {
        const auto it = m_times.find(name);
        return it == m_times.end() ? -1 : it->second;
    }

private:
    std::map<std::string, double> m_times;
};

// benchmark::Initialize, with `repetitions` runs of each benchmark unless the command line says
// how many; false on an argument it does not know.
inline bool initialize_benchmarks(int argc, char** argv, int repetitions)
{
    static std::vector<char*> args;
    static std::string repetitionFlag;
    args.assign(argv, argv + argc);
    bool told = false;
    for (int i = 1; i < argc; ++i)
        told = told || std::string(argv[i]).rfind("--benchmark_repetitions", 0) == 0;
    if (!told) {
        repetitionFlag = "--benchmark_repetitions=" + std::to_string(repetitions);
        args.insert(args.begin() + 1, repetitionFlag.data());
    }
    int count = int(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    return !benchmark::ReportUnrecognizedArguments(count, args.data());
}
