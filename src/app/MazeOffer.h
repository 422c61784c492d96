#pragma once

#include <string>

class Maze;

// A maze file that the player hands the running game (the browser page does): checked by
// the maze tool's rules, and when playable made the game's maze, picture and all, and
// played at once. An unplayable one changes nothing.
class MazeOffer {
public:
    // "playable", "unplayable" or "failed" (playable, but its files could not be written),
    // then a line for each finding, LINE:COLUMN: error|warning: text
    static std::string Take(const std::string& path);
    // the maze being played, as rows of cells, one a line
    static std::string Current();

private:
    MazeOffer() {}

    static bool Install(const std::string& bytes, const Maze& maze);
};
