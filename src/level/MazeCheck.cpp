#include "level/MazeCheck.h"

#include "level/Places.h"

#include <algorithm>

namespace {

bool IsPellet(char cell) {
    return cell == Maze::BIT || cell == Maze::BIG_BIT;
}

Cell StartCell() {
    return Maze::CellAt(Places::PLAYER_START.x, Places::PLAYER_START.y);
}

} // namespace

std::vector<Cell> MazeCheck::CellsOf(const Vector& centre) {
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
    // from a walled start nothing is reachable: that one cell is the finding
    if (!maze.Open(StartCell())) {
        return findings;
    }
    const std::vector<std::vector<int>> distance = maze.Distances(StartCell());
    CheckRelease(maze, distance, findings);
    CheckPellets(maze, distance, findings);
    CheckDeadEnds(maze, distance, findings);
    return findings;
}

bool MazeCheck::Playable(const std::vector<Finding>& findings) {
    return std::none_of(findings.begin(), findings.end(), [](const Finding& f) { return f.error; });
}

std::string MazeCheck::Line(const Finding& finding) {
    return Position(finding.cell) + ": " + (finding.error ? "error: " : "warning: ") + finding.text;
}

std::string MazeCheck::Position(const Cell& cell) {
    return std::to_string(cell.row + 1) + ":" + std::to_string(cell.column + 1);
}

std::vector<MazeCheck::Place> MazeCheck::FixedPlaces() {
    struct Named {
        Vector centre;
        PlaceKind kind;
        const char* name;
    };
    const Named places[] = {{Places::PLAYER_START, PLACE_PLAYER_START, "the player's start"},
                            {Places::RELEASE_POINT, PLACE_RELEASE_POINT, "the release point above the pen"},
                            {Places::PEN[0], PLACE_PEN, "an enemy's place in the pen"},
                            {Places::PEN[1], PLACE_PEN, "an enemy's place in the pen"},
                            {Places::PEN[2], PLACE_PEN, "an enemy's place in the pen"}};
    std::vector<Place> cells;
    for (const Named& place : places) {
        for (const Cell& cell : CellsOf(place.centre)) {
            cells.push_back({cell, place.kind, place.name});
        }
    }
    return cells;
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
    for (const Place& place : FixedPlaces()) {
        if (!maze.Open(place.cell)) {
            findings.push_back({true, place.cell, place.name + " is not free"});
        }
    }
}

void MazeCheck::CheckRelease(const Maze& maze, const std::vector<std::vector<int>>& distance,
                             std::vector<Finding>& findings) {
    const Cell release = Maze::CellAt(Places::RELEASE_POINT.x, Places::RELEASE_POINT.y);
    if (maze.Open(release) && distance[release.row][release.column] < 0) {
        findings.push_back(
            {true, release, "the release point above the pen cannot be reached from the player's start"});
    }
}

// One finding for each part of the maze that walls cut off from the start, at its first
// pellet: one misplaced wall can cut off a hundred.
void MazeCheck::CheckPellets(const Maze& maze, const std::vector<std::vector<int>>& distance,
                             std::vector<Finding>& findings) {
    std::vector<std::vector<bool>> told(Maze::ROWS, std::vector<bool>(Maze::COLUMNS, false));
    for (int row = 0; row < Maze::ROWS; ++row) {
        for (int column = 0; column < Maze::COLUMNS; ++column) {
            if (!IsPellet(maze.At({row, column})) || distance[row][column] >= 0 || told[row][column]) {
                continue;
            }
            const std::vector<std::vector<int>> part = maze.Distances({row, column});
            int others = -1;
            for (int r = 0; r < Maze::ROWS; ++r) {
                for (int c = 0; c < Maze::COLUMNS; ++c) {
                    if (part[r][c] >= 0 && IsPellet(maze.At({r, c}))) {
                        told[r][c] = true;
                        ++others;
                    }
                }
            }
            std::string text = "a pellet the player cannot reach from the start";
            if (others > 0) {
                text += ", and " + std::to_string(others) + " more walled in with it";
            }
            findings.push_back({true, {row, column}, text});
        }
    }
}

// A corridor cell with one way out, reachable from the start: the enemies turn only at
// walls, so a dead end traps whoever follows the player in.
void MazeCheck::CheckDeadEnds(const Maze& maze, const std::vector<std::vector<int>>& distance,
                              std::vector<Finding>& findings) {
    for (int row = 0; row < Maze::ROWS; ++row) {
        for (int column = 0; column < Maze::COLUMNS; ++column) {
            if (distance[row][column] >= 0 && maze.OpenNeighbours({row, column}) < 2) {
                findings.push_back({false, {row, column}, "a dead end"});
            }
        }
    }
}
