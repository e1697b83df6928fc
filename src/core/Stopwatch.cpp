#include "core/Stopwatch.h"

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
    if (m_frequency <= 0)
        return 0;
    const int64_t counts = counter() - m_start;
    // At the steady clock's own rate the divisor is a constant: every log line reads this.
    constexpr int64_t kClockRate = int64_t(Clock::period::den / Clock::period::num);
    if (m_frequency == kClockRate && kClockRate % 1000 == 0)
        return counts / (kClockRate / 1000);
    // Split the product so that counts * 1000 cannot overflow on a fine-grained clock.
    return counts / m_frequency * 1000 + counts % m_frequency * 1000 / m_frequency;
}
