#pragma once

#include <cstdint>

// The one application window with its double-buffered OpenGL context. Starts SDL, SDL_ttf
// and SDL_image, and shuts them down again when destroyed.
class Window {
public:
    Window();
    ~Window();

    // lifecycle
    bool Init();
    // switches between the window and a desktop-sized fullscreen mode; textures survive
    void ToggleFullscreen();

    // size
    bool IsFullscreen() const { return _fullscreen; }
    int GetWidth() const { return _fullscreen ? _desktopWidth : _width; }
    int GetHeight() const { return _fullscreen ? _desktopHeight : _height; }

private:
    bool EnterFullscreen();
    bool LeaveFullscreen();

    int _width; // of the current video surface
    int _height;
    int _desktopWidth; // the desktop mode, read before the window opened
    int _desktopHeight;
    int _windowedWidth; // what windowed mode always returns to
    int _windowedHeight;
    uint32_t _flags; // video-mode flags of the windowed mode
    bool _fullscreen;
};
