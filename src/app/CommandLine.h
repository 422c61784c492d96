#pragma once

#include "app/Options.h"

#include <iosfwd>

// Reads the command line before anything else starts; works without a display.
class CommandLine {
public:
    // Parse's answer when the game is to start
    static const int START = -1;

    // START with the options filled in, or the exit status of a run that ends here:
    // 0 after --help or --version, 2 after a mistake (the usage on standard error)
    static int Parse(int argc, char** argv, Options& options);

private:
    CommandLine() {}

    static void PrintUsage(std::ostream& out);
};
