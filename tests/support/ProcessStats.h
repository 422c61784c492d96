#pragma once

#include <chrono>
#include <fstream>
#include <string>

// Figures of this process, for the soak and the start-up measurements.
class ProcessStats {
public:
    // resident memory in KiB
    static long ResidentKiB() {
        std::ifstream statm("/proc/self/statm");
        long pages = 0, resident = 0;
        statm >> pages >> resident;
        return resident * 4;
    }
    // milliseconds since the process started
    static double MillisecondsSinceStart() {
        std::ifstream stat("/proc/self/stat");
        std::string field;
        for (int i = 0; i < 22 && stat >> field; ++i) {
        }
        const double startSeconds = std::stod(field) / 100.0; // clock ticks since boot
        std::ifstream uptime("/proc/uptime");
        double now = 0;
        uptime >> now;
        return (now - startSeconds) * 1000.0;
    }
};
