// The game's start-up up to its first frame: Initialize, then the state's first update,
// which draws and presents the frame (the loop's wait comes after it).
// Prints "first frame MS resident KIB", like the bare-window baseline.
#include "app/Game.h"
#include "states/GameState.h"
#include "support/LogCapture.h"
#include "support/ProcessStats.h"

#include <chrono>
#include <cstdio>

int main(int, char**) {
    auto* log = new LogCapture();
    const auto start = std::chrono::steady_clock::now();
    Game::Initialize();
    Game::GetState()->Update();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const long resident = ProcessStats::ResidentKiB();
    const double sinceExec = ProcessStats::MillisecondsSinceStart();
    Game::Close();
    delete log;
    printf("first frame %.1f ms (%.1f ms since exec) resident %ld KiB\n", ms, sinceExec, resident);
    return 0;
}
