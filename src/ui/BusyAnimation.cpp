#include "ui/BusyAnimation.h"

#include <chrono>

static std::int64_t SteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

BusyAnimation::BusyAnimation()
    : BusyAnimation(SteadyMilliseconds)
{
}

BusyAnimation::BusyAnimation(Clock clock)
    : m_clock(std::move(clock))
{
}

bool BusyAnimation::Step()
{
    std::int64_t now = m_clock();
    if (m_started && now - m_lastFrameTime < kFrameInterval)
        return false;
    if (m_started)
        m_frame = (m_frame + 1) % kFrameCount;
    m_started = true;
    m_lastFrameTime = now;
    return true;
}
