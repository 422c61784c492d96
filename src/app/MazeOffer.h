#pragma once

#include "level/MazeCheck.h"

#include <string>
#include <vector>

// A maze file that the player hands the running game (the browser page does): checked by
// the maze tool's rules, and when playable made the game's maze, picture and all, and
// played at once. An unplayable one changes nothing.
class MazeOffer {
public:
    // "playable", "unplayable" or "failed" (playable, but its files could not be written),
    // then a line for each finding, LINE:COLUMN: error|warning: text
    static std::string Take(const std::string& path);
    // the same report for a maze the player is still making, which the game does not take
    static std::string Check(const std::string& bytes);
    // the maze file as the game reads it: 31 rows of 28 cells, one a line, ' ' where no
    // cell was read
    static std::string Read(const std::string& path);
    // the maze being played, read so
    static std::string Current();

private:
    MazeOffer() {}

    static std::string Report(const std::string& verdict, const std::vector<MazeCheck::Finding>& findings);
    static bool Install(const std::string& bytes, const Maze& maze);
};
