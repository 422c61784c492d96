#pragma once

#include "actors/Vector.h"
#include "level/Maze.h"

#include <istream>
#include <string>
#include <vector>

// What makes a maze playable: the file as the loader reads it, a closed border, the fixed
// places of the level free, every pellet reachable from the player's start; dead ends are
// allowed but worth a warning. The game's tests, the player's maze tool and the page's
// editor all ask here. A finding that only follows from another is left out, so that each
// marks a cell worth looking at.
class MazeCheck {
public:
    struct Finding {
        bool error; // false: a warning
        Cell cell;
        std::string text;
    };

    enum PlaceKind { PLACE_PLAYER_START, PLACE_RELEASE_POINT, PLACE_PEN };

    // a cell that an actor's fixed place covers, the place's kind and its name
    struct Place {
        Cell cell;
        PlaceKind kind;
        std::string name;
    };

    static std::vector<Finding> Check(std::istream& in);
    // for a maze already read
    static std::vector<Finding> Check(const Maze& maze);
    static bool Playable(const std::vector<Finding>& findings);
    // LINE:COLUMN: error|warning: text, counted from 1 as an editor counts
    static std::string Line(const Finding& finding);
    // LINE:COLUMN, as Line writes a cell
    static std::string Position(const Cell& cell);

    // the player's start, the release point and the pen's places, in that order
    static std::vector<Place> FixedPlaces();
    // the cells that an actor's box at this centre (pixels of the play area) covers
    static std::vector<Cell> CellsOf(const Vector& centre);

private:
    MazeCheck() {}

    static void CheckBorder(const Maze& maze, std::vector<Finding>& findings);
    static void CheckPlaces(const Maze& maze, std::vector<Finding>& findings);
    static void CheckRelease(const Maze& maze, const std::vector<std::vector<int>>& distance,
                             std::vector<Finding>& findings);
    static void CheckPellets(const Maze& maze, const std::vector<std::vector<int>>& distance,
                             std::vector<Finding>& findings);
    static void CheckDeadEnds(const Maze& maze, const std::vector<std::vector<int>>& distance,
                              std::vector<Finding>& findings);
};
