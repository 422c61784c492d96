#pragma once

#include "level/Maze.h"

#include <istream>
#include <string>
#include <vector>

// What makes a maze playable: the file as the loader reads it, a closed border, the fixed
// places of the level free, every pellet reachable from the player's start; dead ends are
// allowed but worth a warning. The game's tests and the player's maze tool both ask here.
class MazeCheck {
public:
    struct Finding {
        bool error; // false: a warning
        Cell cell;
        std::string text;
    };

    static std::vector<Finding> Check(std::istream& in);
    // for a maze already read
    static std::vector<Finding> Check(const Maze& maze);
    static bool Playable(const std::vector<Finding>& findings);

private:
    MazeCheck() {}

    static void CheckBorder(const Maze& maze, std::vector<Finding>& findings);
    static void CheckPlaces(const Maze& maze, std::vector<Finding>& findings);
    static void CheckPellets(const Maze& maze, std::vector<Finding>& findings);
    static void CheckDeadEnds(const Maze& maze, std::vector<Finding>& findings);
};
