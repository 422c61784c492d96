// What the desktop platforms (X11, Windows) share: a window of their own that shows a
// frame when the buffers are swapped, a loop of their own, and no page around the game.
#include "platform/Platform.h"

#include "core/Log.h"
#include "platform/WindowManager.h"

// The game's own frame loop: each step drawn, and spun out to its full length.
void Platform::RunGame(const GameLoop& loop) {
    while (loop.step(true, loop.stepMs)) {
    }
    loop.end();
}

void Platform::GreetPage() {}

void Platform::TellPaused(bool) {}

// SDL 1.2's own numbering
int Platform::Sdl12Symbol(int symbol) {
    return symbol;
}

bool Platform::ReadsJoysticks() {
    return true;
}

bool Platform::SwapShowsFrame() {
    return true;
}

bool QueryWindowManager(SDL_SysWMinfo& info) {
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) == -1) {
        Log::Line("Could not retrieve window manager information " + Log::SdlReason());
        return false;
    }
    return true;
}
