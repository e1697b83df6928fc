#include "app/Stopwatch.h"

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

int64_t counter()
{
    return int64_t(Clock::now().time_since_epoch().count());
}

} // namespace

// Constant-initialised, so code running during static start-up may already read it.
Stopwatch g_stopwatch;

namespace {
[[maybe_unused]] const bool s_stopwatchStarted = (g_stopwatch.start(), true);
}

void Stopwatch::start()
{
    m_frequency = int64_t(Clock::period::den / Clock::period::num);
    m_start = counter();
}

void Stopwatch::restart()
{
    m_start = counter();
}

int64_t Stopwatch::elapsed()
{
    m_now = counter();
    if (m_frequency <= 0)
        return 0;
    // Split the product so that counts * 1000 cannot overflow on a fine-grained clock.
    const int64_t counts = m_now - m_start;
    return counts / m_frequency * 1000 + counts % m_frequency * 1000 / m_frequency;
}
