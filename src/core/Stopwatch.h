#pragma once
// Millisecond stopwatch on the monotonic clock; it stamps the application log.
#include <cstdint>

class Stopwatch {
public:
    constexpr Stopwatch() = default;

    // Reads the clock's rate and takes the start reading.
    void start();
    // Takes a new start reading only.
    void restart();
    // Whole milliseconds since the start reading; 0 before start().
    int64_t elapsed();

private:
    int64_t m_frequency = 0; // clock counts per second
    int64_t m_start = 0;
};

// The program's stopwatch, started while the static objects are built.
extern Stopwatch g_stopwatch;
