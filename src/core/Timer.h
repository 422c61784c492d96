#pragma once

#include <cstdint>

// A millisecond stopwatch. Readings are unsigned and wrap with the clock.
// Time comes from one replaceable clock (SDL's tick counter by default) so that tests
// can cross the long spans of the game, such as the ten-second power-up, without waiting.
class Timer {
public:
    using Clock = uint32_t (*)();

    Timer();

    // control
    void Start();
    void Stop();
    void Pause();
    void Resume();

    // reading
    bool IsStarted() const { return _started; }
    bool IsPaused() const { return _paused; }
    uint32_t GetTicks() const;

    // the clock seam: null puts SDL's clock back
    static void SetClock(Clock clock);

private:
    static Clock _clock;

    uint32_t _start;
    uint32_t _pausedAt;
    bool _started;
    bool _paused;
};
