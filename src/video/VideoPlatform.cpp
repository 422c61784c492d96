#include "video/VideoPlatform.h"

#include "core/Log.h"

#include <SDL.h>
#include <SDL_syswm.h>

#ifdef _WIN32
#include <windows.h>
const void* VideoPlatform::CurrentContext() {
    return wglGetCurrentContext();
}
#else
#include <GL/glx.h>
const void* VideoPlatform::CurrentContext() {
    return glXGetCurrentContext();
}
#endif

bool VideoPlatform::QueryWindowManager() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) == -1) {
        Log::Line("Could not retrieve window manager information " + Log::SdlReason());
        return false;
    }
    return true;
}
