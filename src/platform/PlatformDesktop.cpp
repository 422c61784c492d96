// What the desktop platforms (X11, Windows) share: a window of their own, swapped when a
// frame is drawn, and no page around the game.
#include "platform/Platform.h"

#include <SDL.h>

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
