#include "level/Maze.h"

#include <cstdio>
#include <queue>

static bool IsLineEnd(int byte) {
    return byte == '\n' || byte == '\r';
}

static bool IsCellByte(int byte) {
    return byte == 'X' || byte == 'D' || byte == 'B' || byte == 'S';
}

static std::string Describe(int byte) {
    char text[32];
    if (byte == EOF) {
        return "the end of the file";
    }
    if (byte >= 0x21 && byte < 0x7F) {
        snprintf(text, sizeof text, "'%c'", byte);
    } else {
        snprintf(text, sizeof text, "byte 0x%02X", byte);
    }
    return text;
}

Maze::Maze() : _rows(ROWS, std::string(COLUMNS, ' ')) {}

// The loader's rules: a row is up to 28 cell bytes; a line end ends it early, and any
// number of line ends after a row count as one; any other byte stops the loader, and so
// does the end of the file before the last row.
Maze Maze::Read(std::istream& in, std::vector<Problem>& problems) {
    Maze maze;
    for (int row = 0; row < ROWS; ++row) {
        int column = 0;
        for (; column < COLUMNS; ++column) {
            const int byte = in.get();
            if (IsLineEnd(byte)) {
                break;
            }
            if (!IsCellByte(byte)) {
                problems.push_back({{row, column}, Describe(byte) + " stops the loader"});
                return maze;
            }
            maze._rows[row][column] = static_cast<char>(byte);
        }
        if (column < COLUMNS) {
            problems.push_back({{row, column}, "the row has " + std::to_string(column) + " of 28 cells"});
        } else if (!IsLineEnd(in.peek()) && in.peek() != EOF) {
            problems.push_back(
                {{row, COLUMNS}, "the row is longer than 28 cells: the rest is read as the next row"});
        }
        while (IsLineEnd(in.peek())) {
            in.get();
        }
        if (in.peek() == EOF && row < ROWS - 1) {
            problems.push_back({{row + 1, 0}, "rows " + std::to_string(row + 1) + " to 30 are missing"});
            return maze;
        }
    }
    return maze;
}

char Maze::At(const Cell& cell) const {
    return _rows[cell.row][cell.column];
}

bool Maze::Open(const Cell& cell) const {
    return cell.row >= 0 && cell.row < ROWS && cell.column >= 0 && cell.column < COLUMNS && At(cell) != 'X';
}

std::vector<Cell> Maze::Neighbours(const Cell& cell) {
    return {{cell.row - 1, cell.column},
            {cell.row + 1, cell.column},
            {cell.row, cell.column - 1},
            {cell.row, cell.column + 1}};
}

int Maze::OpenNeighbours(const Cell& cell) const {
    int open = 0;
    for (const Cell& next : Neighbours(cell)) {
        open += Open(next);
    }
    return open;
}

std::vector<std::vector<int>> Maze::Distances(const Cell& from) const {
    std::vector<std::vector<int>> distance(ROWS, std::vector<int>(COLUMNS, -1));
    if (!Open(from)) {
        return distance;
    }
    distance[from.row][from.column] = 0;
    std::queue<Cell> todo;
    todo.push(from);
    while (!todo.empty()) {
        const Cell cell = todo.front();
        todo.pop();
        for (const Cell& next : Neighbours(cell)) {
            if (Open(next) && distance[next.row][next.column] < 0) {
                distance[next.row][next.column] = distance[cell.row][cell.column] + 1;
                todo.push(next);
            }
        }
    }
    return distance;
}

Cell Maze::CellAt(float x, float y) {
    return {static_cast<int>(y) / CELL, static_cast<int>(x) / CELL};
}
