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
        size_t findings; // a cause is told once, not with all that follows from it
    };
    const Case cases[] = {
        {"stop byte", WithCell(5, 7, "?"), true, 5, 7, "'?' stops the loader", 1},
        {"short row", WithCell(3, 20, "", 8), true, 3, 20, "the row has 20 of 28 cells", 1},
        {"long row", WithCell(3, 28, "X"), true, 3, 28, "the row is longer than 28 cells", 3},
        {"rows missing", ShippedMaze().substr(0, 29 * 20), true, 20, 0, "rows 20 to 30 are missing", 1},
        {"open border", WithCell(0, 5, "S"), true, 0, 5, "the border is open", 2},
        {"start blocked", WithCell(23, 15, "X"), true, 23, 15, "the player's start is not free", 1},
        {"release blocked", WithCell(11, 14, "X"), true, 11, 14,
         "the release point above the pen is not free", 2},
        {"pen blocked", WithCell(14, 12, "X"), true, 14, 12, "an enemy's place in the pen is not free", 1},
        {"release cut off", WithCell(11, 12, "X", 1, WithCell(11, 15, "X")), true, 11, 14,
         "the release point above the pen cannot be reached", 6},
        {"sealed pellet", WithCell(1, 2, "X", 1, WithCell(2, 1, "X")), true, 1, 1,
         "a pellet the player cannot reach from the start", 3},
        // the top left corridor, cut off from row 4 below it: one finding for its twelve
        // pellets, and the three stubs left below it are dead ends
        {"corridor cut off", WithCell(2, 1, "X", 1, WithCell(2, 6, "X", 1, WithCell(2, 12, "X"))), true, 1, 1,
         "a pellet the player cannot reach from the start, and 11 more walled in with it", 4},
        {"dead end", WithCell(8, 12, "X"), false, 7, 12, "a dead end", 2},
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
        EXPECT_EQ(findings.size(), c.findings) << c.name << ": " << MazeCheck::Line(findings.back());
    }
}

TEST(MazeCheck, LinesCountFromOne) {
    EXPECT_EQ(MazeCheck::Line({true, {23, 15}, "the player's start is not free"}),
              "24:16: error: the player's start is not free");
    EXPECT_EQ(MazeCheck::Line({false, {0, 0}, "a dead end"}), "1:1: warning: a dead end");
}
