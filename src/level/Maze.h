#pragma once

#include <istream>
#include <string>
#include <vector>

// A cell of the maze grid: row 0 to 30 from the top, column 0 to 27 from the left.
struct Cell {
    int row = 0;
    int column = 0;

    bool operator==(const Cell& other) const { return row == other.row && column == other.column; }
    bool operator<(const Cell& other) const {
        return row != other.row ? row < other.row : column < other.column;
    }
};

// The maze as the map loader reads it: 31 rows of 28 cells, 'X' a wall, 'D' a bit, 'B' a
// big bit, 'S' an empty cell; ' ' where the loader found no cell. Reading notes the places
// where the file leaves the format, each as one line for the player.
class Maze {
public:
    static const int ROWS = 31;
    static const int COLUMNS = 28;
    static const int CELL = 16; // pixels

    struct Problem {
        Cell cell;
        std::string text;
    };

    // reads by the loader's rules; the problems say where the loader stops or finds too few
    // or too many cells
    static Maze Read(std::istream& in, std::vector<Problem>& problems);

    char At(const Cell& cell) const;
    // inside the grid and not a wall: where the player and the enemies can be
    bool Open(const Cell& cell) const;
    int OpenNeighbours(const Cell& cell) const;
    // the number of steps from `from` to every cell, breadth first; -1 where no way leads
    std::vector<std::vector<int>> Distances(const Cell& from) const;
    // the cell that holds a pixel of the play area
    static Cell CellAt(float x, float y);

    const std::vector<std::string>& Rows() const { return _rows; }

private:
    Maze();

    static std::vector<Cell> Neighbours(const Cell& cell);

    std::vector<std::string> _rows;
};
