#pragma once

#include <cstdint>
#include <optional>
#include <string>

// What the player asked for on the command line, as plain values for the game, and the
// rules that the command line and the settings file share.
struct Options {
    std::string dataDir;     // the folder holding res/ to run in; empty: the working directory
    int scale = 0;           // --scale N; 0 when not given
    bool fullscreen = false; // --fullscreen
    std::optional<uint32_t> seed; // --seed N; none: the clock seeds the game

    // a window scale written in digits, from 1 to WindowSettings::MAX_SCALE; 0 for anything
    // else
    static int ParseScale(const std::string& text);
    // a seed written in digits, from 0 to 4294967295; none for anything else
    static std::optional<uint32_t> ParseSeed(const std::string& text);
};
