#include "OS/stacktrace.h"

#include <backward.hpp>

#include <mutex>

struct StackTrace::Impl
{
    // The printer resolves symbols into the trace it is given, hence mutable.
    mutable backward::StackTrace trace;
};

StackTrace::StackTrace() : m_impl(new Impl)
{
}

StackTrace::~StackTrace() = default;

__attribute__((noinline)) void StackTrace::capture(size_t maxFrames)
{
    // load_here's first entry is this function; skip it so the trace starts at our caller.
    m_impl->trace.load_here(maxFrames + 1);
    m_impl->trace.skip_n_firsts(1);
}

size_t StackTrace::size() const
{
    return m_impl->trace.size();
}

namespace {

// Building a printer loads the debug information of the whole process; one printer, kept
// for the life of the program, loads it once.
backward::Printer& shared_printer(std::unique_lock<std::mutex>& lock)
{
    static std::mutex mutex;
    static backward::Printer printer;
    lock = std::unique_lock<std::mutex>(mutex);
    return printer;
}

} // namespace

void StackTrace::print(FILE* out) const
{
    std::unique_lock<std::mutex> lock;
    shared_printer(lock).print(m_impl->trace, out);
}

void StackTrace::print(std::ostream& out) const
{
    std::unique_lock<std::mutex> lock;
    shared_printer(lock).print(m_impl->trace, out);
}
