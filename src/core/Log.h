#pragma once

#include <string>

// The game's only output: lines on standard output, each flushed as it is written.
class Log {
public:
    static void Line(const std::string& text);
    // "Error: " + what + " (" + SDL's reason + ")"
    static void SdlError(const std::string& what);
    // "(" + SDL's reason + ")", for the lines that SDL can explain
    static std::string SdlReason();
};
