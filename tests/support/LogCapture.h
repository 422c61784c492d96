#pragma once

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

// Captures what the game writes to standard output while it lives.
class LogCapture {
public:
    LogCapture() : _old(std::cout.rdbuf(_buffer.rdbuf())) {}
    ~LogCapture() { std::cout.rdbuf(_old); }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::istringstream in(_buffer.str());
        std::string line;
        while (std::getline(in, line)) {
            lines.push_back(line);
        }
        return lines;
    }
    std::string Text() const { return _buffer.str(); }
    void Clear() { _buffer.str(""); }

private:
    std::ostringstream _buffer;
    std::streambuf* _old;
};
