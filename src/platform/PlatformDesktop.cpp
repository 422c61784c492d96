// What the desktop platforms (X11, Windows) share: a window of their own, swapped when a
// frame is drawn, and no page around the game.
#include "platform/Platform.h"

#include "core/Log.h"
#include "platform/WindowManager.h"

bool Platform::FrameWanted() {
    return true;
}

void Platform::ShowFrame() {
    SDL_GL_SwapBuffers();
}

void Platform::WaitForStepEnd(const Timer& step, uint32_t stepMs) {
    // spins rather than sleeps: a sleep on a desktop scheduler overshoots the step
    while (step.GetTicks() < stepMs) {
    }
}

// no page around a desktop game
void Platform::AnswerPage(const PageRequests&) {}

void Platform::EndProcess() {}

bool QueryWindowManager(SDL_SysWMinfo& info) {
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) == -1) {
        Log::Line("Could not retrieve window manager information " + Log::SdlReason());
        return false;
    }
    return true;
}
