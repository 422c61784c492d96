#include "level/Maze.h"

#include <cstdio>
#include <queue>

static bool IsLineEnd(int byte) {
    return byte == '\n' || byte == '\r';
}

static bool IsCellByte(int byte) {
    return byte == Maze::WALL || byte == Maze::BIT || byte == Maze::BIG_BIT || byte == Maze::EMPTY;
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

Maze Maze::Read(std::istream& in) {
    Maze maze;
    for (int row = 0; row < ROWS; ++row) {
        const RowRead read = ReadRow(in, maze._rows[row]);
        maze._read.push_back(read);
        if (read.fileEnd || read.stopByte != NO_STOP) {
            break;
        }
    }
    return maze;
}

Maze::RowRead Maze::ReadRow(std::istream& in, std::string& row) {
    RowRead read;
    for (; read.cells < COLUMNS; ++read.cells) {
        const int byte = in.get();
        if (IsLineEnd(byte)) {
            read.lineEnd = true;
            break;
        }
        if (!IsCellByte(byte)) {
            read.stopByte = byte;
            break;
        }
        row[read.cells] = static_cast<char>(byte);
    }
    read.longer = read.cells == COLUMNS && !IsLineEnd(in.peek()) && in.peek() != EOF;
    while (IsLineEnd(in.peek())) {
        in.get();
    }
    read.fileEnd = in.eof();
    return read;
}

std::vector<Maze::Problem> Maze::Problems() const {
    std::vector<Problem> problems;
    for (int row = 0; row < static_cast<int>(_read.size()); ++row) {
        const RowRead& read = _read[row];
        if (read.stopByte != NO_STOP) {
            problems.push_back({{row, read.cells}, Describe(read.stopByte) + " stops the loader"});
            return problems;
        }
        if (read.lineEnd) {
            problems.push_back(
                {{row, read.cells}, "the row has " + std::to_string(read.cells) + " of 28 cells"});
        } else if (read.longer) {
            problems.push_back(
                {{row, COLUMNS}, "the row is longer than 28 cells: the rest is read as the next row"});
        }
        if (read.fileEnd && row < ROWS - 1) {
            problems.push_back({{row + 1, 0}, "rows " + std::to_string(row + 1) + " to 30 are missing"});
        }
    }
    return problems;
}

char Maze::At(const Cell& cell) const {
    return _rows[cell.row][cell.column];
}

bool Maze::Open(const Cell& cell) const {
    return cell.row >= 0 && cell.row < ROWS && cell.column >= 0 && cell.column < COLUMNS && At(cell) != WALL;
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
