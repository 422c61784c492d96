// frame_pacing [FRAMES] [OUT.csv] [--fullscreen]: the real frame loop of the shipped level,
// in the 448 x 496 window or fullscreen at the desktop's size (the frame enlarged), with the red
// unicorn roaming and the player steered, timed frame by frame. Prints the frame period's
// minimum, median, 99th percentile and maximum, the frames longer than 17 ms, the share of
// frames between 16.0 and 16.9 ms, and the share of each frame spent working rather than
// waiting. Writes each frame's period and work to OUT.csv when given.
//
// The work of a frame is the play state's update (logic, drawing and the swap); the event
// reading after it takes microseconds. A state that notes when its update ends tells it.
#include "app/Game.h"
#include "states/MainState.h"
#include "support/Events.h"
#include "support/LogCapture.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <vector>

using Clock = std::chrono::steady_clock;

static Clock::time_point updateEnd;

class PacedState : public MainState {
public:
    using MainState::MainState;
    void Update() override {
        MainState::Update();
        updateEnd = Clock::now();
    }
};

static GameState* MakePacedState(const Keyboard* keyboard, Render* render, Window* window) {
    return new PacedState(keyboard, render, window);
}

static double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

static double Percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(p * values.size()))];
}

int main(int argc, char** argv) {
    const int frames = argc > 1 ? atoi(argv[1]) : 1000;
    WindowSettings settings;
    settings.fullscreen = argc > 3 && strcmp(argv[3], "--fullscreen") == 0;
    auto* log = new LogCapture(); // the game's lines stay out of the figures
    Game::SetStateFactory(MakePacedState);
    Game::Initialize(settings);
    PushKey(SDL_KEYDOWN, SDLK_a);

    std::vector<double> periods, work;
    Clock::time_point frameStart = Clock::now();
    for (int frame = 0; frame <= frames && Game::IsRunning(); ++frame) {
        Game::RunDesktopStep();
        const Clock::time_point end = Clock::now();
        if (frame > 0) { // the first frame carries the start-up
            periods.push_back(Ms(end - frameStart));
            work.push_back(Ms(updateEnd - frameStart));
        }
        frameStart = end;
        log->Clear();
    }
    Game::Close();
    delete log;

    const long late = std::count_if(periods.begin(), periods.end(), [](double p) { return p > 17.0; });
    const long inBand =
        std::count_if(periods.begin(), periods.end(), [](double p) { return p >= 16.0 && p < 16.9; });
    const long nearBand =
        std::count_if(periods.begin(), periods.end(), [](double p) { return p >= 15.9 && p < 16.9; });
    double workSum = 0, periodSum = 0;
    for (size_t i = 0; i < periods.size(); ++i) {
        workSum += work[i];
        periodSum += periods[i];
    }
    printf("frames %zu\n", periods.size());
    printf("period min %.3f ms, median %.3f ms, p99 %.3f ms, max %.3f ms\n", Percentile(periods, 0),
           Percentile(periods, 0.5), Percentile(periods, 0.99), Percentile(periods, 1.0));
    printf("frames over 17 ms: %ld; within 16.0 to 16.9 ms: %.2f %%; within 15.9 to 16.9 ms: %.2f %%\n", late,
           100.0 * inBand / periods.size(), 100.0 * nearBand / periods.size());
    printf("work per frame median %.3f ms, p99 %.3f ms; share of the frame spent working %.1f %%\n",
           Percentile(work, 0.5), Percentile(work, 0.99), 100.0 * workSum / periodSum);
    if (argc > 2 && strcmp(argv[2], "-") != 0) {
        FILE* out = fopen(argv[2], "w");
        fprintf(out, "frame,period_ms,work_ms\n");
        for (size_t i = 0; i < periods.size(); ++i) {
            fprintf(out, "%zu,%.4f,%.4f\n", i + 1, periods[i], work[i]);
        }
        fclose(out);
    }
    return 0;
}
