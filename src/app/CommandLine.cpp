#include "app/CommandLine.h"

#include <iostream>
#include <string>

void CommandLine::PrintUsage(std::ostream& out) {
    out << "Usage: travolk [OPTION]...\n"
           "A maze game: steer with w a s d, eat the pellets, dodge the unicorns;\n"
           "p pauses, Escape quits. Progress and errors go to standard output.\n"
           "\n"
           "  --datadir DIR  run in DIR, the folder that holds res/\n"
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
        std::cerr << "travolk: " << (option == "--datadir" ? "--datadir needs a folder" : "unknown option " + option)
                  << "\n";
        PrintUsage(std::cerr);
        return 2;
    }
    return START;
}
