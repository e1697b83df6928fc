#include "OS/stacktrace.h"

#include <backward.hpp>

#include <mutex>
#include <ostream>
#include <sstream>
#include <unordered_map>

struct StackTrace::Impl {
    backward::StackTrace trace;
};

StackTrace::StackTrace()
    : m_impl(new Impl)
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

// Resolving a frame searches the debug information of its object, which costs far more than
// the rest of a trace line; error lines come from a handful of call sites, so each address is
// resolved once per process.
class FrameResolver {
public:
    std::string describe(const backward::Trace& frame)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_lines.find(frame.addr);
        if (it != m_lines.end())
            return it->second;
        const backward::ResolvedTrace r = m_resolver.resolve(backward::ResolvedTrace(frame));
        std::ostringstream line;
        for (auto inl = r.inliners.rbegin(); inl != r.inliners.rend(); ++inl)
            line << "      | Source \"" << inl->filename << "\", line " << inl->line << ", in " << inl->function
                 << "\n";
        if (!r.source.filename.empty())
            line << "Source \"" << r.source.filename << "\", line " << r.source.line << ", in " << r.source.function
                 << "\n";
        else
            line << "Object \"" << r.object_filename << "\", at " << frame.addr << ", in " << r.object_function << "\n";
        return m_lines.emplace(frame.addr, line.str()).first->second;
    }

private:
    std::mutex m_mutex;
    backward::TraceResolver m_resolver;
    std::unordered_map<void*, std::string> m_lines;
};

FrameResolver& frame_resolver()
{
    static FrameResolver resolver;
    return resolver;
}

// backward-cpp's layout: a header, then the frames outermost first.
std::string format_trace(const backward::StackTrace& trace)
{
    std::string text = "Stack trace (most recent call last):\n";
    for (size_t i = trace.size(); i-- > 0;) {
        char index[16];
        snprintf(index, sizeof index, "#%-2u   ", unsigned(i));
        text += index;
        text += frame_resolver().describe(trace[i]);
    }
    return text;
}

} // namespace

void StackTrace::print(FILE* out) const
{
    const std::string text = format_trace(m_impl->trace);
    fputs(text.c_str(), out);
}

void StackTrace::print(std::ostream& out) const
{
    out << format_trace(m_impl->trace);
}
