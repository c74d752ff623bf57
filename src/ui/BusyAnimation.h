#pragma once

#include <cstdint>
#include <functional>

// The progress window's busy icon: four frames, advanced at most every 30
// milliseconds however often the long operation steps the window.
class BusyAnimation {
public:
    static constexpr int kFrameCount = 4;
    static constexpr std::int64_t kFrameInterval = 30; // milliseconds

    // Milliseconds of a monotonic clock; the system's unless given.
    using Clock = std::function<std::int64_t()>;
    BusyAnimation();
    explicit BusyAnimation(Clock clock);

    // Advances to the next frame when 30 ms have passed since the last
    // frame, or when none was drawn yet; true when the frame changed.
    bool Step();
    int GetFrame() const { return m_frame; }

private:
    Clock m_clock;
    int m_frame { 0 };
    bool m_started { false };
    std::int64_t m_lastFrameTime { 0 };
};
