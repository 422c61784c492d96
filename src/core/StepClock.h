#pragma once

// The clock of a game's fixed steps where the screen, not the game, sets the pace (the
// browser's animation frames): told the time at each frame, it answers how many steps are
// due, so the game keeps its steps a second whatever the screen's refresh. A frame runs at
// most a few steps; a backlog longer than a limit (a hidden tab, a stall) is dropped, so
// the game resumes rather than races to catch up.
class StepClock {
public:
    StepClock(double stepMs, int maxStepsPerFrame, double maxBacklogMs);

    // the steps due at now (ms, any clock that only goes forward); the first frame runs one
    int StepsDue(double now);
    // the time dropped so far, ms
    double Dropped() const { return _dropped; }

private:
    double _stepMs;
    int _maxSteps;
    double _maxBacklogMs;
    double _due; // when the next step is due; below 0 before the first frame
    double _dropped;
};
