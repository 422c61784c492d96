#pragma once

#include <string>

// The game reads res/... relative to its working directory; a data folder given on the
// command line, or the installed game's own, becomes that directory.
class DataFolder {
public:
    // enters the folder (nothing to do for an empty name); false, with one error line on
    // standard error, when it cannot be entered
    static bool Enter(const std::string& folder);

private:
    DataFolder() {}
};
