#pragma once

#include "level/MazeCheck.h"
#include "video/Image.h"

#include <string>
#include <vector>

// A maze file that the player hands the running game (the browser page does): checked by
// the maze tool's rules, and when playable made the game's maze, picture and all, and
// played at once. An unplayable one changes nothing.
class MazeOffer {
public:
    // what came of a maze: a file that cannot be read is neither playable nor taken, and
    // has no findings
    struct Report {
        bool playable = false; // it passes the check
        bool taken = false;    // the game plays it now (false: its files could not be written)
        std::vector<MazeCheck::Finding> findings;
    };

    static Report Take(const std::string& path);
    // the same report for a maze the player is still making, which the game does not take
    static Report Check(const std::string& bytes);
    // the maze file as the game reads it: 31 rows of 28 cells, one a line, ' ' where no
    // cell was read
    static std::string Read(const std::string& path);
    // the maze being played, read so
    static std::string Current();
    // the maze picture that the game would draw for these bytes
    static Image Picture(const std::string& bytes);

private:
    MazeOffer() {}

    static bool Install(const std::string& bytes, const Maze& maze);
};
