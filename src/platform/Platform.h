#pragma once

#include <string>

// Everything that differs from one platform to the next, one line each. Each platform
// supplies these in a source file of its own (PlatformX11.cpp, PlatformWindows.cpp), and
// the build compiles the one for its target. Kept apart from the rest because the window
// system headers declare names (Window, Font) that the game uses for its own types.
class Platform {
public:
    // process
    // before anything else runs: signals and standard streams as the game needs them
    static void PrepareProcess();
    // the full name of the file that remembers the window choices; empty when there is none
    static std::string SettingsPath();

    // video
    // before SDL starts: what is asked of SDL's video driver; a user's own settings win
    static void PrepareVideoDriver();
    // before a change of video mode; false, with its line written, when it must not go on
    static bool BeginModeChange();
    // after it: true when the textures came through, false when they must be uploaded again
    static bool EndModeChange();

private:
    Platform() {}
};
