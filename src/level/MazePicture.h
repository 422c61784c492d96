#pragma once

#include "video/Image.h"

#include <string>
#include <vector>

// Draws the maze picture from the maze file: every wall cell is a 16 x 16 square of the
// picture, so the picture and the walls agree pixel for pixel.
class MazePicture {
public:
    static Image Draw(const std::vector<std::string>& rows);

private:
    static bool IsWall(const std::vector<std::string>& rows, int column, int row);
    static bool IsOutline(const std::vector<std::string>& rows, int column, int row, int x, int y);
};
