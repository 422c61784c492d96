// travolk_soak [FRAMES] [--check-memory]: plays the shipped level through the real driver
// for FRAMES frames (200 000 is about 55 minutes of play) with random keys, pauses,
// power-ups and deaths, on a fake clock so that nothing waits. After every restart the
// level must hold exactly its objects again; with --check-memory, the resident memory may
// grow by less than 1 MB after warm-up. Memory is compared right after restarts, where every
// level is the same, as heap in use (what the process holds from malloc) and as resident
// memory (which also follows the allocator's caching and so moves by a few MB either way).
#include "actors/Enemy.h"
#include "actors/Player.h"
#include "app/Game.h"
#include "states/MainState.h"
#include "support/Events.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/ProcessStats.h"

#include <SDL.h>
#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <random>
#include <sstream>

static int restarts = 0;

static GameState* CountingMainState(const Keyboard* keyboard, Render* render, Window* window) {
    ++restarts;
    return new MainState(keyboard, render, window);
}

static MainState* Level() {
    return static_cast<MainState*>(Game::GetState());
}

static long HeapInUseKiB() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long>((info.uordblks + info.hblkhd) / 1024);
}

static GameObject* First(EntityType type) {
    for (GameObject* object : Level()->GetGameObjects()) {
        if (object->GetType() == type) {
            return object;
        }
    }
    return nullptr;
}

int main(int argc, char** argv) {
    const long frames = argc > 1 ? atol(argv[1]) : 200000;
    const bool checkMemory = argc > 2 && strcmp(argv[2], "--check-memory") == 0;
    auto* log = new LogCapture(); // the enemies' direction lines would fill the disk

    FakeClock clock;
    clock.TickOnEveryRead(1);
    Game::SetStateFactory(CountingMainState);
    Game::Initialize();
    if (!Game::IsRunning()) {
        const std::string lines = log->Text();
        delete log;
        std::cout << lines << "start-up failed" << std::endl;
        return 1;
    }
    const size_t levelObjects = Level()->GetGameObjects().size();
    std::mt19937 random(12345);
    const SDLKey steering[] = {SDLK_w, SDLK_a, SDLK_s, SDLK_d};
    SDLKey held = SDLK_d;
    PushKey(SDL_KEYDOWN, held);
    long pauses = 0, powerUps = 0, deaths = 0, failures = 0;
    long heapAtWarmUp = -1, heapAtEnd = -1, residentAtWarmUp = -1, residentAtEnd = -1;
    const long warmUp = frames / 10;

    for (long frame = 1; frame <= frames && Game::IsRunning(); ++frame) {
        const int before = restarts;
        if (random() % 40 == 0) {
            PushKey(SDL_KEYUP, held);
            held = steering[random() % 4];
            PushKey(SDL_KEYDOWN, held);
        }
        if (random() % 900 == 0 || (Level()->IsPaused() && random() % 30 == 0)) {
            PushKey(SDL_KEYDOWN, SDLK_p); // press and release in two frames: one toggle
            pauses += !Level()->IsPaused();
        } else {
            PushKey(SDL_KEYUP, SDLK_p);
        }
        Player* player = Level()->GetPlayer();
        if (random() % 300 == 0) {
            // an enemy meets the player: a death, or an eaten enemy while powered up
            Enemy* enemy = static_cast<Enemy*>(First(TYPE_ENEMY));
            if (enemy->IsReleased() && !enemy->IsDead()) {
                enemy->SetPos(player->GetPos());
                deaths += !player->IsBig();
            }
        }
        const bool wasBig = player->IsBig();
        if (random() % 700 == 0 && First(TYPE_BIGBIT)) {
            player->SetPos(First(TYPE_BIGBIT)->GetPos());
        }
        Game::RunDesktopStep();
        powerUps += restarts == before && !wasBig && Level()->GetPlayer()->IsBig();
        if (restarts != before) {
            if (Level()->GetGameObjects().size() != levelObjects) {
                ++failures;
                fprintf(stderr, "frame %ld: %zu objects after a restart, not %zu\n", frame,
                        Level()->GetGameObjects().size(), levelObjects);
            }
            heapAtEnd = HeapInUseKiB();
            residentAtEnd = ProcessStats::ResidentKiB();
            if (frame >= warmUp && heapAtWarmUp < 0) {
                heapAtWarmUp = heapAtEnd;
                residentAtWarmUp = residentAtEnd;
            }
        }
        if (frame % 1000 == 0) {
            log->Clear();
        }
    }
    Game::Close();
    delete log;

    printf("frames %ld, restarts %d, deaths caused %ld, pauses %ld, power-ups %ld, objects per level %zu\n",
           frames, restarts - 1, deaths, pauses, powerUps, levelObjects);
    printf("after the first restart past warm-up (frame %ld) and after the last: heap in use %ld and %ld KiB "
           "(growth %ld KiB), resident %ld and %ld KiB\n",
           warmUp, heapAtWarmUp, heapAtEnd, heapAtEnd - heapAtWarmUp, residentAtWarmUp, residentAtEnd);
    if (heapAtWarmUp < 0) {
        fprintf(stderr, "no restart after warm-up\n");
        ++failures;
    }
    if (checkMemory && heapAtEnd - heapAtWarmUp >= 1024) {
        fprintf(stderr, "memory grew by 1 MB or more\n");
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
