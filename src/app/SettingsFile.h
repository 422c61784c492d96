#pragma once

#include "app/Settings.h"

#include <string>

// The remembered window choices and the gamepad's settings: a small text file of key=value
// lines, where the platform keeps such files. The pad's keys are written only where they
// differ from the defaults (a player sets them by hand). A missing file means the
// defaults; a file that cannot be read or written costs one error line on standard output
// and never the game.
class SettingsFile {
public:
    // the defaults, or what the file says; the defaults and an error line when it is damaged
    static Settings Load(const std::string& path);
    // writes a temporary file beside it and renames it into place, so a failed write never
    // leaves half a file; false, with an error line, when it cannot
    static bool Save(const std::string& path, const Settings& settings);

private:
    SettingsFile() {}

    static bool Parse(const std::string& text, Settings& settings);
};
