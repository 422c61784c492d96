#pragma once

// The player's choices for the window: kept between runs, overridden on the command line.
struct WindowSettings {
    static constexpr int MAX_SCALE = 8;

    int scale = 1;           // the window opens at this multiple of the play area's size
    bool fullscreen = false; // at the desktop's size
};
