#include "video/Window.h"

#include "core/Log.h"
#include "video/Graphics.h"
#include "video/Render.h"
#include "video/VideoPlatform.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cstdlib>

static const uint32_t WINDOWED_FLAGS =
    SDL_HWPALETTE | SDL_RESIZABLE | SDL_ASYNCBLIT | SDL_OPENGL | SDL_HWSURFACE;

// Without a reachable X display, SDL would fall back to its text-mode drivers, which write
// terminal codes into the log and can never open an OpenGL window. A user's own choice wins.
static void PreferX11Driver() {
#if defined(__unix__) && !defined(__APPLE__)
    if (!getenv("SDL_VIDEODRIVER")) {
        setenv("SDL_VIDEODRIVER", "x11", 1);
    }
#endif
}

// The window's class (X11 WM_CLASS) is how a desktop matches the window to the game's
// desktop entry and icon; without it SDL names the class after the executable file.
static void NameWindowClass() {
#if defined(__unix__) && !defined(__APPLE__)
    setenv("SDL_VIDEO_X11_WMCLASS", "travolk", 0);
#endif
}

Window::Window()
    : _width(448), _height(496), _desktopWidth(0), _desktopHeight(0), _windowedWidth(448),
      _windowedHeight(496), _flags(0), _fullscreen(false) {}

Window::~Window() {
    Log::Line("Closing SDL_image");
    IMG_Quit();
    Log::Line("Closing SDL_ttf");
    TTF_Quit();
    Log::Line("Closing SDL");
    SDL_Quit();
}

bool Window::Init() {
    PreferX11Driver();
    NameWindowClass();
    if (SDL_Init(SDL_INIT_EVERYTHING) == -1) {
        Log::SdlError("Failed to initialize SDL");
        return false;
    }
    if (TTF_Init() == -1) {
        Log::SdlError("Failed to initialize TTF support");
        return false;
    }
    if (IMG_Init(IMG_INIT_PNG) != IMG_INIT_PNG) {
        Log::SdlError("Failed to load SDL_image");
        return false;
    }
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    _desktopWidth = info->current_w;
    _desktopHeight = info->current_h;
    _flags = info->blit_hw ? (WINDOWED_FLAGS | SDL_HWACCEL) : WINDOWED_FLAGS;
    if (info->wm_available) {
        SDL_WM_SetCaption("Travolk", nullptr);
    }
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(_width, _height, 32, _flags)) {
        Log::SdlError("Could not set video mode");
        return false;
    }
    return true;
}

void Window::ToggleFullscreen() {
    if (!VideoPlatform::QueryWindowManager()) {
        return;
    }
    const void* before = VideoPlatform::CurrentContext();
    bool switched = _fullscreen ? LeaveFullscreen() : EnterFullscreen();
    if (switched) {
        Log::Line("Changing window size: " + std::to_string(_width) + ", " + std::to_string(_height));
    }
    VideoPlatform::QueryWindowManager();
    // X11 keeps the context across a mode change; another platform may hand out a new one,
    // which starts without our textures and with default render state.
    if (VideoPlatform::CurrentContext() != before) {
        Graphics::ReloadTextures();
    }
    Render::SetViewport(_width, _height);
}

bool Window::EnterFullscreen() {
    SDL_Surface* screen = SDL_SetVideoMode(_desktopWidth, _desktopHeight, 0, _flags + SDL_FULLSCREEN);
    if (!screen) {
        // refused: take a window of SDL's choosing back and stay windowed
        SDL_SetVideoMode(0, 0, 0, _flags);
        return false;
    }
    SDL_ShowCursor(SDL_DISABLE);
    _fullscreen = true;
    _width = screen->w;
    _height = screen->h;
    return true;
}

bool Window::LeaveFullscreen() {
    SDL_Surface* screen = SDL_SetVideoMode(_windowedWidth, _windowedHeight, 0, _flags);
    SDL_ShowCursor(SDL_ENABLE);
    _fullscreen = false;
    if (!screen) {
        // the size of a surface that was not made cannot be read
        Log::SdlError("Could not set video mode");
        return false;
    }
    _width = screen->w;
    _height = screen->h;
    return true;
}
