#pragma once

// The platform's side of the window: what SDL's video driver is asked for, and a change of
// video mode, which may replace the OpenGL context and with it every texture. Kept apart
// because the window-manager headers of X11 declare names (Window, Font) that the game
// uses for its own types.
class VideoPlatform {
public:
    // before SDL starts: what the platform asks of SDL's video driver; a user's own
    // settings of the same variables win
    static void PrepareDriver();
    // before the mode is set; false, with its line written, when the change must not go on
    static bool BeginModeChange();
    // after it: true when the textures came through, false when they must be uploaded again
    static bool EndModeChange();
};
