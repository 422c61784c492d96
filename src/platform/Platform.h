#pragma once

#include "core/Timer.h"

#include <cstdint>
#include <string>

// Everything that differs from one platform to the next, one line each. Each platform
// supplies these in a source file of its own (PlatformX11.cpp, PlatformWindows.cpp,
// PlatformWeb.cpp; the two desktop ones share PlatformDesktop.cpp), and
// the build compiles the one for its target. Kept apart from the rest because the window
// system headers declare names (Window, Font) that the game uses for its own types.
class Platform {
public:
    // process
    // before anything else runs: signals and standard streams as the game needs them
    static void PrepareProcess();
    // the full name of the file that remembers the window choices; empty when there is none
    static std::string SettingsPath();
    // what a page around the game may ask of it (the browser's; a desktop has none)
    struct PageRequests {
        std::string (*offerMaze)(const std::string& path); // a report, first line the verdict
        std::string (*currentMaze)();
    };
    static void AnswerPage(const PageRequests& requests);
    // after the game has closed, as the process ends
    static void EndProcess();

    // video
    // before SDL starts: what is asked of SDL's video driver; a user's own settings win
    static void PrepareVideoDriver();
    // before a change of video mode; false when the mode must not change (a failure's line
    // written)
    static bool BeginModeChange();
    // after it: true when the textures came through, false when they must be uploaded again
    static bool EndModeChange();

    // frame
    // whether the frame of this step reaches the screen, so is worth drawing
    static bool FrameWanted();
    // puts the frame just drawn on the screen
    static void ShowFrame();
    // returns once the step that the timer began has had its stepMs
    static void WaitForStepEnd(const Timer& step, uint32_t stepMs);

private:
    Platform() {}
};
