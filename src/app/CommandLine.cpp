#include "app/CommandLine.h"

#include "app/Usage.h"
#include "video/WindowSettings.h"

#include <cstdint>
#include <iostream>
#include <string>

void CommandLine::PrintUsage(std::ostream& out) {
    out << USAGE;
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
        if (option == "--seed") {
            options.seed = i + 1 < argc ? Options::ParseSeed(argv[++i]) : std::nullopt;
            if (!options.seed) {
                std::cerr << "Error: --seed needs a whole number from 0 to " << UINT32_MAX << std::endl;
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
