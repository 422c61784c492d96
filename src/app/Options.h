#pragma once

#include <string>

// What the player asked for on the command line, as plain values for the game.
struct Options {
    std::string dataDir;     // the folder holding res/ to run in; empty: the working directory
    int scale = 0;           // --scale N; 0 when not given
    bool fullscreen = false; // --fullscreen
};
