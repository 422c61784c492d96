// The maze a new one starts from is playable as it is and the same mirrored left to right.
#include "level/BlankMaze.h"

#include "level/MazeCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

TEST(BlankMaze, PlayableWithoutFindingAndMirrored) {
    const std::string text = BlankMaze::Text();
    std::istringstream in(text);
    const Maze maze = Maze::Read(in);
    for (const MazeCheck::Finding& finding : MazeCheck::Check(maze)) {
        ADD_FAILURE() << MazeCheck::Line(finding);
    }
    EXPECT_EQ(text.size(), static_cast<size_t>(Maze::ROWS * (Maze::COLUMNS + 1)));
    for (const std::string& row : maze.Rows()) {
        EXPECT_TRUE(std::equal(row.begin(), row.end(), row.rbegin())) << row;
    }
    // walls inside the border (the pen's) and empty cells (in it): the pen is there
    EXPECT_GT(std::count(text.begin(), text.end(), 'X'), 2 * (Maze::ROWS + Maze::COLUMNS) - 4);
    EXPECT_GT(std::count(text.begin(), text.end(), 'S'), 0);
}
