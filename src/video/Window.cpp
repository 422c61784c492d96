#include "video/Window.h"

#include "core/Log.h"
#include "platform/Platform.h"
#include "video/Graphics.h"
#include "video/Layout.h"
#include "video/PlayArea.h"
#include "video/Render.h"

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <algorithm>

static const uint32_t WINDOWED_FLAGS =
    SDL_HWPALETTE | SDL_RESIZABLE | SDL_ASYNCBLIT | SDL_OPENGL | SDL_HWSURFACE;

Window::Window(const WindowSettings& settings)
    : _width(PlayArea::WIDTH * settings.scale), _height(PlayArea::HEIGHT * settings.scale), _desktopWidth(0),
      _desktopHeight(0), _windowedWidth(_width), _windowedHeight(_height), _flags(0), _fullscreen(false) {}

Window::~Window() {
    Log::Line("Closing SDL_image");
    IMG_Quit();
    Log::Line("Closing SDL_ttf");
    TTF_Quit();
    Log::Line("Closing SDL");
    SDL_Quit();
}

bool Window::Init() {
    Platform::PrepareVideoDriver();
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
    ReadVideoInfo();
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    if (!SDL_SetVideoMode(_width, _height, 32, _flags)) {
        Log::SdlError("Could not set video mode");
        return false;
    }
    return true;
}

// SDL may have no video information to give (sdl12-compat, started again in one process
// with its dummy driver); the window is then asked for without it, and setting the mode
// says what fails.
void Window::ReadVideoInfo() {
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    _flags = info && info->blit_hw ? (WINDOWED_FLAGS | SDL_HWACCEL) : WINDOWED_FLAGS;
    if (!info) {
        return;
    }
    _desktopWidth = info->current_w;
    _desktopHeight = info->current_h;
    if (info->wm_available) {
        SDL_WM_SetCaption("Travolk", nullptr);
    }
}

void Window::ToggleFullscreen() {
    if (!Platform::BeginModeChange()) {
        return;
    }
    bool switched = _fullscreen ? LeaveFullscreen() : EnterFullscreen();
    if (switched) {
        Log::Line("Changing window size: " + std::to_string(_width) + ", " + std::to_string(_height));
    }
    AfterModeChange(Platform::EndModeChange());
}

void Window::Resize(int width, int height) {
    if (_fullscreen || (width == _width && height == _height)) {
        return;
    }
    if (!Platform::BeginModeChange()) {
        return;
    }
    SDL_Surface* screen = SDL_SetVideoMode(width, height, 0, _flags);
    if (screen) {
        _width = _windowedWidth = screen->w;
        _height = _windowedHeight = screen->h;
        Log::Line("Changing window size: " + std::to_string(_width) + ", " + std::to_string(_height));
    } else {
        Log::SdlError("Could not set video mode");
    }
    AfterModeChange(Platform::EndModeChange());
}

// A new context starts with default render state, and without our textures when the
// platform could not carry them over.
void Window::AfterModeChange(bool texturesKept) {
    if (!texturesKept) {
        Graphics::ReloadTextures();
    }
    Render::SetViewport(_width, _height);
}

void Window::RenewContext() {
    AfterModeChange(false);
}

WindowSettings Window::GetSettings() const {
    WindowSettings settings;
    settings.scale =
        std::clamp(Layout::Fit(_windowedWidth, _windowedHeight).scale, 1, WindowSettings::MAX_SCALE);
    settings.fullscreen = _fullscreen;
    return settings;
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
