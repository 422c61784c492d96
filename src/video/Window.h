#pragma once

#include "video/WindowSettings.h"

#include <cstdint>

// The one application window with its double-buffered OpenGL context. Starts SDL, SDL_ttf
// and SDL_image, and shuts them down again when destroyed.
class Window {
public:
    explicit Window(const WindowSettings& settings = WindowSettings());
    ~Window();

    // lifecycle
    bool Init();
    // switches between the window and a desktop-sized fullscreen mode; textures survive
    void ToggleFullscreen();
    // follows a window that the player resized; textures survive
    void Resize(int width, int height);
    // after the GL context was made anew and empty (the browser took it away and gave it
    // back): what lived in it made again, as after a mode change that lost the textures
    void RenewContext();

    // size
    bool IsFullscreen() const { return _fullscreen; }
    int GetWidth() const { return _fullscreen ? _desktopWidth : _width; }
    int GetHeight() const { return _fullscreen ? _desktopHeight : _height; }
    // what to remember: the fullscreen state and the whole scale of the windowed size
    WindowSettings GetSettings() const;

private:
    void ReadVideoInfo();
    bool EnterFullscreen();
    bool LeaveFullscreen();
    void AfterModeChange(bool texturesKept);

    int _width; // of the current video surface
    int _height;
    int _desktopWidth; // the desktop mode, read before the window opened
    int _desktopHeight;
    int _windowedWidth; // what windowed mode always returns to
    int _windowedHeight;
    uint32_t _flags; // video-mode flags of the windowed mode
    bool _fullscreen;
};
