// Each broken maze is the shipped one with one change; the check names the cell it finds.
#include "level/MazeCheck.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

static std::string ShippedMaze() {
    std::ifstream file(std::string(TRAVOLK_SOURCE_DIR) + "/res/txt/map", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// the maze with the cell at (row, column) of the file's text replaced
static std::string WithCell(int row, int column, const std::string& bytes, size_t replaced = 1,
                            std::string text = ShippedMaze()) {
    text.replace(static_cast<size_t>(row) * 29 + column, replaced, bytes);
    return text;
}

static std::vector<MazeCheck::Finding> CheckText(const std::string& text) {
    std::istringstream in(text);
    return MazeCheck::Check(in);
}

TEST(MazeCheck, TheShippedMazeHasNoFinding) {
    const auto findings = CheckText(ShippedMaze());
    for (const auto& finding : findings) {
        ADD_FAILURE() << finding.cell.row << "," << finding.cell.column << ": " << finding.text;
    }
}

TEST(MazeCheck, EachKindOfFindingNamesItsCell) {
    struct Case {
        const char* name;
        std::string text;
        bool error;
        int row, column;
        std::string says;
    };
    const Case cases[] = {
        {"stop byte", WithCell(5, 7, "?"), true, 5, 7, "'?' stops the loader"},
        {"short row", WithCell(3, 20, "", 8), true, 3, 20, "the row has 20 of 28 cells"},
        {"long row", WithCell(3, 28, "X"), true, 3, 28, "the row is longer than 28 cells"},
        {"rows missing", ShippedMaze().substr(0, 29 * 20), true, 20, 0, "rows 20 to 30 are missing"},
        {"open border", WithCell(0, 5, "S"), true, 0, 5, "the border is open"},
        {"start blocked", WithCell(23, 15, "X"), true, 23, 15, "the player's start is not free"},
        {"release blocked", WithCell(11, 14, "X"), true, 11, 14,
         "the release point above the pen is not free"},
        {"pen blocked", WithCell(14, 12, "X"), true, 14, 12, "an enemy's place in the pen is not free"},
        {"release cut off", WithCell(11, 12, "X", 1, WithCell(11, 15, "X")), true, 11, 14,
         "the release point above the pen cannot be reached"},
        {"sealed pellet", WithCell(1, 2, "X", 1, WithCell(2, 1, "X")), true, 1, 1,
         "a pellet the player cannot reach"},
        {"dead end", WithCell(8, 12, "X"), false, 7, 12, "a dead end"},
    };
    for (const Case& c : cases) {
        const auto findings = CheckText(c.text);
        ASSERT_FALSE(findings.empty()) << c.name;
        const auto& first = findings.front();
        EXPECT_EQ(first.error, c.error) << c.name;
        EXPECT_EQ(first.cell.row, c.row) << c.name;
        EXPECT_EQ(first.cell.column, c.column) << c.name;
        EXPECT_EQ(first.text.rfind(c.says, 0), 0u) << c.name << ": " << first.text;
        EXPECT_EQ(MazeCheck::Playable(findings), !c.error) << c.name;
    }
}
