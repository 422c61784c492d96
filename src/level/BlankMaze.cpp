#include "level/BlankMaze.h"

#include "level/Maze.h"
#include "level/MazeCheck.h"
#include "level/Places.h"

#include <algorithm>
#include <vector>

std::string BlankMaze::Text() {
    std::vector<std::string> rows(Maze::ROWS, std::string(Maze::COLUMNS, Maze::BIT));
    for (int row = 0; row < Maze::ROWS; ++row) {
        for (int column = 0; column < Maze::COLUMNS; ++column) {
            if (row == 0 || row == Maze::ROWS - 1 || column == 0 || column == Maze::COLUMNS - 1) {
                rows[row][column] = Maze::WALL;
            }
        }
    }
    for (const Cell& corner : {Cell{1, 1}, Cell{1, Maze::COLUMNS - 2}, Cell{Maze::ROWS - 2, 1},
                               Cell{Maze::ROWS - 2, Maze::COLUMNS - 2}}) {
        rows[corner.row][corner.column] = Maze::BIG_BIT;
    }
    // the cells the enemies' boxes cover in the pen, empty inside a ring of wall
    Cell first{Maze::ROWS, Maze::COLUMNS};
    Cell last{-1, -1};
    for (const Vector& place : Places::PEN) {
        for (const Cell& cell : MazeCheck::CellsOf(place)) {
            first = {std::min(first.row, cell.row), std::min(first.column, cell.column)};
            last = {std::max(last.row, cell.row), std::max(last.column, cell.column)};
        }
    }
    for (int row = first.row - 1; row <= last.row + 1; ++row) {
        for (int column = first.column - 1; column <= last.column + 1; ++column) {
            const bool inside =
                row >= first.row && row <= last.row && column >= first.column && column <= last.column;
            rows[row][column] = inside ? Maze::EMPTY : Maze::WALL;
        }
    }
    std::string text;
    for (const std::string& row : rows) {
        text += row + "\n";
    }
    return text;
}
