#pragma once

#include <string>

// What the browser's platform does for the page around the game, beside what every
// platform supplies (Platform.h). The page's requests (app/PageRequests.cpp) hand on to
// these; only the browser build has them. Static members only.
class WebPage {
public:
    // the steps taken since the page loaded, for the page's figures
    static unsigned StepsTaken();
    // The page's other ways to press the game's keys (a finger, a gamepad) arrive as a
    // keyboard's events, named as the page's keyboard events name them ("ArrowUp", "p");
    // other names press nothing. A key held down or let go, as a pad's button is.
    static void PressKey(const std::string& name, bool down);
    // a key pressed once and held for one step, as a swipe presses it
    static void TapKey(const std::string& name);
    // every key the page can press let go, as when the player looks away
    static void ReleaseKeys();
    // the WebGL context came back empty: what the GL emulation kept in it made again, before
    // the game makes its own (Game::RenewGraphics)
    static void RenewContext();
    // the game held still while the page has the player elsewhere, or let go on; nothing
    // when no game runs
    static void HoldGame(bool held);

private:
    WebPage() {}
};
