#include "level/MazePicture.h"

#include "level/Maze.h"

static const uint32_t BACKGROUND = 0x000000FF;
static const uint32_t WALL_FILL = 0x101850FF;
static const uint32_t WALL_OUTLINE = 0x5070FFFF;
static const int OUTLINE = 2; // pixels

// Outside the grid counts as wall, so the border is outlined only towards the corridors.
bool MazePicture::IsWall(const std::vector<std::string>& rows, int column, int row) {
    if (column < 0 || column >= Maze::COLUMNS || row < 0 || row >= Maze::ROWS) {
        return true;
    }
    return rows[row][column] == Maze::WALL;
}

// A pixel of a wall cell is outline where it lies near a side or a corner that faces an
// open cell, so that neighbouring wall cells join into one outlined shape.
bool MazePicture::IsOutline(const std::vector<std::string>& rows, int column, int row, int x, int y) {
    const int dx = x < OUTLINE ? -1 : (x >= Maze::CELL - OUTLINE ? 1 : 0);
    const int dy = y < OUTLINE ? -1 : (y >= Maze::CELL - OUTLINE ? 1 : 0);
    if (dx != 0 && !IsWall(rows, column + dx, row)) {
        return true;
    }
    if (dy != 0 && !IsWall(rows, column, row + dy)) {
        return true;
    }
    return dx != 0 && dy != 0 && !IsWall(rows, column + dx, row + dy);
}

Image MazePicture::Draw(const std::vector<std::string>& rows) {
    Image image;
    image.width = Maze::COLUMNS * Maze::CELL;
    image.height = Maze::ROWS * Maze::CELL;
    image.rgba.assign(static_cast<size_t>(image.width) * image.height * 4, 0);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const int column = x / Maze::CELL;
            const int row = y / Maze::CELL;
            uint32_t colour = BACKGROUND;
            if (IsWall(rows, column, row)) {
                colour =
                    IsOutline(rows, column, row, x % Maze::CELL, y % Maze::CELL) ? WALL_OUTLINE : WALL_FILL;
            }
            image.Set(x, y, colour);
        }
    }
    return image;
}
