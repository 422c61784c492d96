#include "app/CommandLine.h"

#include "video/WindowSettings.h"

#include <iostream>
#include <string>

void CommandLine::PrintUsage(std::ostream& out) {
    out << "Usage: travolk [OPTION]...\n"
           "A maze game: steer with w a s d or the arrow keys, eat the pellets, dodge the\n"
           "unicorns; p pauses, F11 switches fullscreen, Escape quits. Progress and errors\n"
           "go to standard output.\n"
           "\n"
           "  --datadir DIR  run in DIR, the folder that holds res/\n"
           "  --scale N      open the window N times the maze's size (1 to 8)\n"
           "  --fullscreen   start in fullscreen (F11 or Alt+Enter switches)\n"
           "  --help         show this help and exit\n"
           "  --version      show the version and exit\n";
}

int CommandLine::Parse(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--help") {
            PrintUsage(std::cout);
            return 0;
        }
        if (option == "--version") {
            std::cout << "travolk " << TRAVOLK_VERSION << std::endl;
            return 0;
        }
        if (option == "--datadir" && i + 1 < argc) {
            options.dataDir = argv[++i];
            continue;
        }
        if (option == "--fullscreen") {
            options.fullscreen = true;
            continue;
        }
        if (option == "--scale") {
            options.scale = i + 1 < argc ? Options::ParseScale(argv[++i]) : 0;
            if (options.scale == 0) {
                std::cerr << "Error: --scale needs a whole number from 1 to " << WindowSettings::MAX_SCALE
                          << std::endl;
                return 2;
            }
            continue;
        }
        std::cerr << "travolk: "
                  << (option == "--datadir" ? "--datadir needs a folder" : "unknown option " + option)
                  << "\n";
        PrintUsage(std::cerr);
        return 2;
    }
    return START;
}
