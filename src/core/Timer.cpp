#include "core/Timer.h"

#include <SDL.h>

static uint32_t SdlClock() {
    return SDL_GetTicks();
}

Timer::Clock Timer::_clock = SdlClock;

Timer::Timer() : _start(0), _pausedAt(0), _started(false), _paused(false) {}

void Timer::Start() {
    _start = _clock();
    _started = true;
    _paused = false;
}

void Timer::Stop() {
    _started = false;
    _paused = false;
}

void Timer::Pause() {
    if (!_started || _paused) {
        return;
    }
    _pausedAt = _clock();
    _paused = true;
}

void Timer::Resume() {
    _paused = false;
}

uint32_t Timer::GetTicks() const {
    if (_paused) {
        return _pausedAt - _start;
    }
    if (_started) {
        return _clock() - _start;
    }
    return 0;
}

void Timer::SetClock(Clock clock) {
    _clock = clock ? clock : SdlClock;
}
