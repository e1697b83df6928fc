#include "OS/stacktrace.h"

#include <backward.hpp>

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

void StackTrace::print(FILE* out) const
{
    backward::Printer printer;
    printer.print(m_impl->trace, out);
}

void StackTrace::print(std::ostream& out) const
{
    backward::Printer printer;
    printer.print(m_impl->trace, out);
}
