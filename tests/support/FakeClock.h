#pragma once

#include "core/Timer.h"

#include <cstdint>

// A clock the test moves by hand. Optionally it ticks on every reading, so that the
// driver's spin-wait ends without real waiting.
class FakeClock {
public:
    FakeClock() {
        _now = 100000;
        _tickPerRead = 0;
        Timer::SetClock(Read);
    }
    ~FakeClock() { Timer::SetClock(nullptr); }

    void Advance(uint32_t ms) { _now += ms; }
    void Set(uint32_t ms) { _now = ms; }
    void TickOnEveryRead(uint32_t ms) { _tickPerRead = ms; }
    uint32_t Now() const { return _now; }

private:
    static uint32_t Read() {
        _now += _tickPerRead;
        return _now;
    }
    static inline uint32_t _now = 0;
    static inline uint32_t _tickPerRead = 0;
};
