#include "level/MazeCheck.h"

#include "level/Places.h"

#include <algorithm>

namespace {

// the cells that an actor's box at this centre covers
std::vector<Cell> CellsOf(const Vector& centre) {
    const float half = Places::ACTOR_SIZE / 2.0f;
    const Cell first = Maze::CellAt(centre.x - half, centre.y - half);
    const Cell last = Maze::CellAt(centre.x + half - 1, centre.y + half - 1);
    std::vector<Cell> cells;
    for (int row = first.row; row <= last.row; ++row) {
        for (int column = first.column; column <= last.column; ++column) {
            cells.push_back({row, column});
        }
    }
    return cells;
}

Cell StartCell() {
    return Maze::CellAt(Places::PLAYER_START.x, Places::PLAYER_START.y);
}

} // namespace

std::vector<MazeCheck::Finding> MazeCheck::Check(std::istream& in) {
    return Check(Maze::Read(in));
}

std::vector<MazeCheck::Finding> MazeCheck::Check(const Maze& maze) {
    std::vector<Finding> findings;
    const std::vector<Maze::Problem> problems = maze.Problems();
    for (const Maze::Problem& problem : problems) {
        findings.push_back({true, problem.cell, problem.text});
    }
    if (!problems.empty()) {
        return findings;
    }
    CheckBorder(maze, findings);
    CheckPlaces(maze, findings);
    CheckPellets(maze, findings);
    CheckDeadEnds(maze, findings);
    return findings;
}

bool MazeCheck::Playable(const std::vector<Finding>& findings) {
    return std::none_of(findings.begin(), findings.end(), [](const Finding& f) { return f.error; });
}

// The player and the enemies are kept in by walls alone: an open border cell lets them out.
void MazeCheck::CheckBorder(const Maze& maze, std::vector<Finding>& findings) {
    for (int row = 0; row < Maze::ROWS; ++row) {
        for (int column = 0; column < Maze::COLUMNS; ++column) {
            const bool border =
                row == 0 || row == Maze::ROWS - 1 || column == 0 || column == Maze::COLUMNS - 1;
            if (border && maze.Open({row, column})) {
                findings.push_back(
                    {true, {row, column}, "the border is open: the player or an enemy could leave the grid"});
            }
        }
    }
}

void MazeCheck::CheckPlaces(const Maze& maze, std::vector<Finding>& findings) {
    struct Place {
        Vector centre;
        const char* name;
    };
    const Place places[] = {{Places::PLAYER_START, "the player's start"},
                            {Places::RELEASE_POINT, "the release point above the pen"},
                            {Places::PEN[0], "an enemy's place in the pen"},
                            {Places::PEN[1], "an enemy's place in the pen"},
                            {Places::PEN[2], "an enemy's place in the pen"}};
    for (const Place& place : places) {
        for (const Cell& cell : CellsOf(place.centre)) {
            if (!maze.Open(cell)) {
                findings.push_back({true, cell, std::string(place.name) + " is not free"});
            }
        }
    }
    const Cell release = Maze::CellAt(Places::RELEASE_POINT.x, Places::RELEASE_POINT.y);
    if (maze.Open(release) && maze.Distances(StartCell())[release.row][release.column] < 0) {
        findings.push_back(
            {true, release, "the release point above the pen cannot be reached from the player's start"});
    }
}

void MazeCheck::CheckPellets(const Maze& maze, std::vector<Finding>& findings) {
    const std::vector<std::vector<int>> distance = maze.Distances(StartCell());
    for (int row = 0; row < Maze::ROWS; ++row) {
        for (int column = 0; column < Maze::COLUMNS; ++column) {
            const char cell = maze.At({row, column});
            if ((cell == 'D' || cell == 'B') && distance[row][column] < 0) {
                findings.push_back({true, {row, column}, "a pellet the player cannot reach from the start"});
            }
        }
    }
}

// A corridor cell with one way out, reachable from the start: the enemies turn only at
// walls, so a dead end traps whoever follows the player in.
void MazeCheck::CheckDeadEnds(const Maze& maze, std::vector<Finding>& findings) {
    const std::vector<std::vector<int>> distance = maze.Distances(StartCell());
    for (int row = 0; row < Maze::ROWS; ++row) {
        for (int column = 0; column < Maze::COLUMNS; ++column) {
            if (distance[row][column] >= 0 && maze.OpenNeighbours({row, column}) < 2) {
                findings.push_back({false, {row, column}, "a dead end"});
            }
        }
    }
}
