#pragma once
// Call-stack capture and printing. backward-cpp stays behind this class: only stacktrace.cpp
// includes it, so the rest of the library does not pull in its large header.
#include <cstddef>
#include <cstdio>
#include <iosfwd>
#include <memory>

class StackTrace {
public:
    StackTrace();
    ~StackTrace();
    StackTrace(const StackTrace&) = delete;
    StackTrace& operator=(const StackTrace&) = delete;

    // Records at most maxFrames frames of the caller's stack, the caller's own frame first.
    void capture(size_t maxFrames);
    size_t size() const;
    // A "Stack trace" header and one entry per frame, outermost first.
    void print(FILE* out) const;
    void print(std::ostream& out) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
