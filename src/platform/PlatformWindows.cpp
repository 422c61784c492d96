// Windows, where SDL 1.2 draws through WGL and its start-up layer owns the process entry.
#include "platform/Platform.h"

#include "core/Log.h"

#include "platform/WindowManager.h"

#include <cstdlib>

// SDL makes a new WGL context at every change of video mode. A temporary context shares
// the old one's textures before the change and hands them to the new one after it.
static HGLRC contextBefore = nullptr;
static HGLRC temporary = nullptr;

// SDL's start-up layer has already sent standard output and standard error into files, and
// Windows sends no signal for a reader that goes away.
void Platform::PrepareProcess() {}

// %APPDATA%\travolk\settings
std::string Platform::SettingsPath() {
    const char* appData = getenv("APPDATA");
    if (appData && appData[0] != '\0') {
        return std::string(appData) + "\\travolk\\settings";
    }
    return "";
}

void Platform::PrepareVideoDriver() {}

// SDL 1.2 itself: each pad numbered as it numbers itself
bool Platform::UsesControllerLayout() {
    return false;
}

bool Platform::BeginModeChange() {
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

bool Platform::EndModeChange() {
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
