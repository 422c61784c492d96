#pragma once

#include "video/WindowSettings.h"

#include <string>

// The remembered window choices: a small text file of key=value lines, where the platform
// keeps such files. A missing file means the defaults; a file that cannot be read or
// written costs one error line on standard output and never the game.
class SettingsFile {
public:
    // the defaults, or what the file says; the defaults and an error line when it is damaged
    static WindowSettings Load(const std::string& path);
    // writes a temporary file beside it and renames it into place, so a failed write never
    // leaves half a file; false, with an error line, when it cannot
    static bool Save(const std::string& path, const WindowSettings& settings);

private:
    SettingsFile() {}

    static bool Parse(const std::string& text, WindowSettings& settings);
};
