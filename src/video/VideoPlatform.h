#pragma once

// The platform's side of a change of video mode. Kept apart because the window-manager
// headers of X11 declare names (Window, Font) that the game uses for its own types.
class VideoPlatform {
public:
    // SDL's window-manager information can be read; logs the reason when it cannot
    static bool QueryWindowManager();
    // the current OpenGL context, or null: a mode change that replaces it loses the textures
    static const void* CurrentContext();
};
