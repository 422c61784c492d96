// Benchmarks of the shipped level, with the player and four roaming enemies, in a real
// window (Xvfb's software OpenGL in the scripts).
#include "app/Game.h"
#include "core/Keyboard.h"
#include "level/Map.h"
#include "states/MainState.h"
#include "support/Events.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/ScratchState.h"
#include "video/Graphics.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <iostream>

// the play state with its frame steps at hand
class BenchState : public MainState {
public:
    using MainState::MainState;
    // one frame's logic: every object's update, the collision pass, the removal pass
    void Logic() {
        UpdateGameObjects();
        CheckCollisions();
        RemoveDeleted();
    }
};

static GameState* MakeBenchState(const Keyboard* keyboard, Render* render, Window* window) {
    return new BenchState(keyboard, render, window);
}

static BenchState* Level() {
    return static_cast<BenchState*>(Game::GetState());
}

static void BM_CollisionPass(benchmark::State& state) {
    for (auto _ : state) {
        Level()->CheckCollisions();
    }
}
BENCHMARK(BM_CollisionPass)->Unit(benchmark::kMicrosecond);

static void BM_FrameLogic(benchmark::State& state) {
    for (auto _ : state) {
        Level()->Logic();
    }
}
BENCHMARK(BM_FrameLogic)->Unit(benchmark::kMicrosecond);

static void BM_WholeFrame(benchmark::State& state) {
    for (auto _ : state) {
        Level()->Update();
    }
}
BENCHMARK(BM_WholeFrame)->Unit(benchmark::kMillisecond);

static void BM_LoadMap(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto* scratch = new ScratchState();
        state.ResumeTiming();
        Map map(Vector{0, 0, 0});
        map.LoadMap();
        state.PauseTiming();
        delete scratch;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadMap)->Unit(benchmark::kMicrosecond);

static void BM_LoadGraphics(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Graphics::UnloadGraphics();
        state.ResumeTiming();
        Graphics::LoadGraphics();
    }
    Game::DoRestart(); // the level held the old textures
}
BENCHMARK(BM_LoadGraphics)->Unit(benchmark::kMillisecond);

static void BM_Initialize(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Game::Close();
        state.ResumeTiming();
        Game::Initialize();
    }
}
BENCHMARK(BM_Initialize)->Unit(benchmark::kMillisecond)->Iterations(10);

static void BM_Close(benchmark::State& state) {
    for (auto _ : state) {
        Game::Close();
        state.PauseTiming();
        Game::Initialize();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Close)->Unit(benchmark::kMillisecond)->Iterations(10);

int main(int argc, char** argv) {
    std::ostream console(std::cout.rdbuf());
    LogCapture log; // the game's lines stay out of the report
    FakeClock clock;
    Game::SetStateFactory(MakeBenchState);
    Game::Initialize();
    if (!Game::IsRunning()) {
        console << "start-up failed" << std::endl;
        return 1;
    }
    // every enemy released and roaming, the player on its way
    clock.Advance(16000);
    PushKey(SDL_KEYDOWN, SDLK_a);
    clock.TickOnEveryRead(1);
    for (int frame = 0; frame < 60; ++frame) {
        Game::RunDesktopStep();
    }
    clock.TickOnEveryRead(0);

    benchmark::Initialize(&argc, argv);
    benchmark::ConsoleReporter reporter;
    reporter.SetOutputStream(&console);
    reporter.SetErrorStream(&console);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    Game::Close();
    return 0;
}
