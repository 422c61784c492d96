// frame_record OUT [--fullscreen]: a scripted run of the shipped level, the same at every
// run: random numbers from a fixed seed, a fake clock moved 16 ms a step, keys pressed at
// fixed steps (steering, a pause, Escape). Writes the screen after every 100th step to
// OUT/frame-NNNN.png and leaves the game's log on standard output, so that two builds' runs
// can be compared pixel for pixel and byte for byte.
#include "app/Game.h"
#include "support/Events.h"
#include "support/FakeClock.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

struct KeyAt {
    int step;
    Uint8 type;
    SDLKey key;
};
static const KeyAt SCRIPT[] = {
    {0, SDL_KEYDOWN, SDLK_a}, {150, SDL_KEYUP, SDLK_a},   {150, SDL_KEYDOWN, SDLK_w},
    {300, SDL_KEYUP, SDLK_w}, {300, SDL_KEYDOWN, SDLK_d}, {450, SDL_KEYDOWN, SDLK_p},
    {452, SDL_KEYUP, SDLK_p}, {520, SDL_KEYDOWN, SDLK_p}, {522, SDL_KEYUP, SDLK_p},
    {700, SDL_KEYUP, SDLK_d}, {700, SDL_KEYDOWN, SDLK_s}, {1000, SDL_KEYDOWN, SDLK_ESCAPE},
};
static const int SHOT_EVERY = 100;

// the random numbers of every run
static const uint32_t SEED = 1;

// the frame last shown, as the X display shows it (needs ImageMagick's import)
static bool WriteShownFrame(const std::string& path) {
    return system(("import -window root '" + path + "'").c_str()) == 0;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: frame_record OUT [--fullscreen]\n");
        return 2;
    }
    const std::string out = argv[1];
    WindowSettings settings;
    settings.fullscreen = argc > 2 && strcmp(argv[2], "--fullscreen") == 0;
    FakeClock clock;
    Game::Initialize(settings, PadSettings(), SEED);
    for (int step = 0; Game::IsRunning(); ++step) {
        for (const KeyAt& key : SCRIPT) {
            if (key.step == step) {
                PushKey(key.type, key.key);
            }
        }
        Game::Step(true, 0);
        clock.Advance(Game::STEP_MS);
        char name[32];
        snprintf(name, sizeof name, "/frame-%04d.png", step);
        if (step % SHOT_EVERY == 0 && !WriteShownFrame(out + name)) {
            fprintf(stderr, "cannot write %s%s\n", out.c_str(), name);
            return 1;
        }
    }
    Game::Close();
    return 0;
}
