#include "core/StepClock.h"

StepClock::StepClock(double stepMs, int maxStepsPerFrame, double maxBacklogMs)
    : _stepMs(stepMs), _maxSteps(maxStepsPerFrame), _maxBacklogMs(maxBacklogMs), _due(-1), _dropped(0) {}

int StepClock::StepsDue(double now) {
    if (_due < 0) {
        _due = now;
    }
    if (now - _due > _maxBacklogMs) {
        _dropped += now - _due;
        _due = now;
    }
    int steps = 0;
    while (_due <= now && steps < _maxSteps) {
        _due += _stepMs;
        ++steps;
    }
    return steps;
}
