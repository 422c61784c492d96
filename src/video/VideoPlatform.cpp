#include "video/VideoPlatform.h"

#include "core/Log.h"

#include <SDL.h>
#include <SDL_syswm.h>

static bool QueryWindowManager(SDL_SysWMinfo& info) {
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) == -1) {
        Log::Line("Could not retrieve window manager information " + Log::SdlReason());
        return false;
    }
    return true;
}

#ifdef _WIN32

// SDL makes a new WGL context at every change of video mode. A temporary context shares
// the old one's textures before the change and hands them to the new one after it.
static HGLRC contextBefore = nullptr;
static HGLRC temporary = nullptr;

void VideoPlatform::PrepareDriver() {}

bool VideoPlatform::BeginModeChange() {
    SDL_SysWMinfo info;
    if (!QueryWindowManager(info)) {
        return false;
    }
    HDC device = GetDC(info.window);
    temporary = wglCreateContext(device);
    ReleaseDC(info.window, device);
    if (!temporary) {
        Log::Line("Could not create temporary rendering context");
        return false;
    }
    if (!wglShareLists(info.hglrc, temporary)) {
        Log::Line("Could not copy rendering context data");
        wglDeleteContext(temporary);
        return false;
    }
    contextBefore = info.hglrc;
    return true;
}

bool VideoPlatform::EndModeChange() {
    SDL_SysWMinfo info;
    info.hglrc = contextBefore; // when the query fails, the handle of the first one
    QueryWindowManager(info);
    bool shared = true;
    if (!wglShareLists(temporary, info.hglrc)) {
        Log::Line("Could not restore rendering context data");
        shared = false;
    }
    if (!wglDeleteContext(temporary)) {
        Log::Line("Could not delete temporary rendering context");
    }
    temporary = nullptr;
    return shared || wglGetCurrentContext() == contextBefore;
}

#else
#include <GL/glx.h>

#include <cstdlib>

void VideoPlatform::PrepareDriver() {
    // Without a reachable X display, SDL would fall back to its text-mode drivers, which
    // write terminal codes into the log and can never open an OpenGL window.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    // The window's class (WM_CLASS) is how a desktop matches the window to the game's
    // desktop entry and icon; without it SDL names the class after the executable file.
    setenv("SDL_VIDEO_X11_WMCLASS", "travolk", 0);
    // The game brings its frame to any window size itself. sdl12-compat would otherwise
    // draw OpenGL into a picture of its own and scale that to the window, which changes the
    // colours of blended pixels that the game copies; classic SDL 1.2 ignores the variable.
    setenv("SDL12COMPAT_OPENGL_SCALING", "0", 0);
}

// X11 keeps the GLX context across a change of video mode, and GLX cannot make an existing
// context share another's textures; the context is compared to tell whether they survived.
static GLXContext contextBefore = nullptr;

bool VideoPlatform::BeginModeChange() {
    SDL_SysWMinfo info;
    if (!QueryWindowManager(info)) {
        return false;
    }
    contextBefore = glXGetCurrentContext();
    return true;
}

bool VideoPlatform::EndModeChange() {
    SDL_SysWMinfo info;
    QueryWindowManager(info);
    return glXGetCurrentContext() == contextBefore;
}

#endif
