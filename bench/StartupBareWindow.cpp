// The baseline: a program that only opens the game's window with its OpenGL context and
// shows one cleared frame. Prints "first frame MS resident KIB".
#include "support/ProcessStats.h"
#include "video/PlayArea.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <chrono>
#include <cstdio>

int main(int, char**) {
    const auto start = std::chrono::steady_clock::now();
    SDL_Init(SDL_INIT_EVERYTHING);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_SetVideoMode(PlayArea::WIDTH, PlayArea::HEIGHT, 32, SDL_OPENGL | SDL_RESIZABLE | SDL_HWSURFACE);
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapBuffers();
    glFinish();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    printf("first frame %.1f ms (%.1f ms since exec) resident %ld KiB\n", ms,
           ProcessStats::MillisecondsSinceStart(), ProcessStats::ResidentKiB());
    SDL_Quit();
    return 0;
}
