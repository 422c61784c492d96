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

// The maze file, read the one way the game reads it: 31 rows of up to 28 cells, 'X' a
// wall, 'D' a bit, 'B' a big bit, 'S' an empty cell; ' ' where no cell was read. The game's
// loader and the maze tool both read through here: the loader turns what was read into
// objects and log lines, the tool into findings for the player.
class Maze {
public:
    static const int ROWS = 31;
    static const int COLUMNS = 28;
    static const int CELL = 16;    // pixels
    static const int NO_STOP = -2; // RowRead::stopByte when no byte stopped the reading
    // the cells' bytes in the file
    static const char WALL = 'X';
    static const char BIT = 'D';
    static const char BIG_BIT = 'B';
    static const char EMPTY = 'S';

    // how the reading of one row went
    struct RowRead {
        int cells = 0;          // the cell bytes read
        bool lineEnd = false;   // a line end came before the 28th cell
        bool longer = false;    // the 28th cell was followed by neither a line end nor the end
        int stopByte = NO_STOP; // the byte outside the format that stopped the reading (EOF: the end)
        bool fileEnd = false;   // the file ended after the row and its line ends
    };

    struct Problem {
        Cell cell;
        std::string text;
    };

    // A row is up to 28 cell bytes; a line end ends it early, and any number of line ends
    // after a row count as one; any other byte stops the reading, and so does the end of the
    // file. Reading ends after the last row, a stop, or the end of the file.
    static Maze Read(std::istream& in);

    // reading
    const std::vector<RowRead>& RowsRead() const { return _read; }
    // where the file leaves the format: where reading stops, or finds too few or too many
    // cells; one line each for the player
    std::vector<Problem> Problems() const;

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

    static RowRead ReadRow(std::istream& in, std::string& row);

    std::vector<std::string> _rows;
    std::vector<RowRead> _read;
};
