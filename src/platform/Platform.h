#pragma once

#include <cstdint>
#include <string>

// Everything that differs from one platform to the next, one line each. Each platform
// supplies these in a source file of its own (PlatformX11.cpp, PlatformWindows.cpp,
// PlatformWeb.cpp; the two desktop ones share PlatformDesktop.cpp), and
// the build compiles the one for its target. Kept apart from the rest because the window
// system headers declare names (Window, Font) that the game uses for its own types.
class Platform {
public:
    // The game as a platform's loop runs it: step after step until a step answers false,
    // then the ending, once.
    struct GameLoop {
        uint32_t stepMs; // how long a step of the game lasts
        // one step, if the game still runs: its logic, its frame drawn and shown when draw
        // is set, and a spin until waitMs have passed since it began; false when it did not
        // run (the game has ended)
        bool (*step)(bool draw, uint32_t waitMs);
        void (*end)();
    };

    // process
    // before anything else runs: signals and standard streams as the game needs them
    static void PrepareProcess();
    // the full name of the file that remembers the window choices; empty when there is none
    static std::string SettingsPath();
    // before the game starts: a page around it learns that it answers, and may hand it a
    // maze for its first game (the browser's; a desktop has no page)
    static void GreetPage();
    // play paused or went on (a new game goes on): a page around the game learns it, to keep
    // the screen on only during play (the browser's; a desktop has no page)
    static void TellPaused(bool paused);

    // loop
    // runs the game's steps at its pace until it ends, then its ending; on a desktop it
    // returns after the ending, in the browser at once (the browser calls the steps)
    static void RunGame(const GameLoop& loop);

    // keys
    // the SDL 1.2 symbol of a key event's symbol, the numbering of the game's key table
    static int Sdl12Symbol(int symbol);
    // whether the game reads the joysticks itself (a desktop); in the browser the page
    // reads the gamepads and presses the game's keys
    static bool ReadsJoysticks();
    // whether the joysticks come in SDL 2's game controller layout (the d-pad as buttons,
    // Start one number), as the platform asks of SDL, rather than as each pad numbers itself
    static bool UsesControllerLayout();

    // video
    // before SDL starts: what is asked of SDL's video driver and its joysticks; a user's own
    // settings win
    static void PrepareVideoDriver();
    // before a change of video mode; false when the mode must not change (a failure's line
    // written)
    static bool BeginModeChange();
    // after it: true when the textures came through, false when they must be uploaded again
    static bool EndModeChange();
    // whether swapping the buffers shows the frame at once (a window), so the back buffer
    // may be cleared right after; false where the frame is shown only once the step has
    // returned (the browser), so the clear waits for the next frame drawn
    static bool SwapShowsFrame();

private:
    Platform() {}
};
