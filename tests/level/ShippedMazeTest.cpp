// The shipped maze must fit the fixed places of the actors and make a level worth playing.
#include "level/Map.h"

#include "core/Game.h"
#include "core/Keyboard.h"
#include "support/LogCapture.h"
#include "support/TestState.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <utility>

using Cell = std::pair<int, int>; // row, column

class ShippedMaze : public ::testing::Test {
protected:
    void SetUp() override {
        std::ifstream file(std::string(TRAVOLK_SOURCE_DIR) + "/res/txt/map", std::ios::binary);
        ASSERT_TRUE(file);
        std::string line;
        while (std::getline(file, line)) {
            rows.push_back(line);
        }
    }
    bool Open(int row, int column) const {
        return row >= 0 && row < 31 && column >= 0 && column < 28 && rows[row][column] != 'X';
    }
    int OpenNeighbours(int row, int column) const {
        return Open(row - 1, column) + Open(row + 1, column) + Open(row, column - 1) + Open(row, column + 1);
    }
    std::set<Cell> ReachableFrom(Cell start) const {
        std::set<Cell> seen{start};
        std::vector<Cell> todo{start};
        while (!todo.empty()) {
            const Cell cell = todo.back();
            todo.pop_back();
            const Cell next[] = {{cell.first - 1, cell.second},
                                 {cell.first + 1, cell.second},
                                 {cell.first, cell.second - 1},
                                 {cell.first, cell.second + 1}};
            for (const Cell& n : next) {
                if (Open(n.first, n.second) && seen.insert(n).second) {
                    todo.push_back(n);
                }
            }
        }
        return seen;
    }

    std::vector<std::string> rows;
};

TEST_F(ShippedMaze, ShapeAndBytes) {
    ASSERT_EQ(rows.size(), 31u);
    for (const std::string& row : rows) {
        ASSERT_EQ(row.size(), 28u);
        EXPECT_EQ(row.find_first_not_of("XDBS"), std::string::npos) << row;
    }
}

TEST_F(ShippedMaze, ClosedAndMirrorSymmetric) {
    for (int row = 0; row < 31; ++row) {
        for (int column = 0; column < 28; ++column) {
            if (row == 0 || row == 30 || column == 0 || column == 27) {
                EXPECT_EQ(rows[row][column], 'X') << row << "," << column;
            }
            EXPECT_EQ(rows[row][column], rows[row][27 - column]) << row << "," << column;
        }
    }
}

TEST_F(ShippedMaze, FitsTheActors) {
    // the player at (246, 376): row 23, column 15, in a corridor
    EXPECT_TRUE(Open(23, 15));
    EXPECT_GE(OpenNeighbours(23, 15), 2);
    // enemies enter at (226, 186), across columns 13 and 14 of row 11, a horizontal corridor
    EXPECT_TRUE(Open(11, 13) && Open(11, 14) && Open(11, 12) && Open(11, 15));
    EXPECT_TRUE(ReachableFrom({23, 15}).count({11, 13}));
    // the pen: row 14, columns 12 to 15, empty and walled off on every side
    for (int column = 12; column <= 15; ++column) {
        EXPECT_EQ(rows[14][column], 'S') << column;
        EXPECT_EQ(rows[13][column], 'X') << column;
        EXPECT_EQ(rows[15][column], 'X') << column;
    }
    EXPECT_EQ(rows[14][11], 'X');
    EXPECT_EQ(rows[14][16], 'X');
    EXPECT_FALSE(ReachableFrom({23, 15}).count({14, 12}));
}

TEST_F(ShippedMaze, PelletsEnoughAndAllReachable) {
    const std::set<Cell> reachable = ReachableFrom({23, 15});
    int bits = 0;
    std::set<std::pair<bool, bool>> bigBitQuarters;
    int bigBits = 0;
    for (int row = 0; row < 31; ++row) {
        for (int column = 0; column < 28; ++column) {
            const char cell = rows[row][column];
            if (cell == 'D' || cell == 'B') {
                EXPECT_TRUE(reachable.count({row, column})) << row << "," << column;
            }
            bits += cell == 'D';
            if (cell == 'B') {
                ++bigBits;
                bigBitQuarters.insert({row < 15, column < 14});
            }
        }
    }
    EXPECT_GE(bits, 200);
    EXPECT_EQ(bigBits, 4);
    EXPECT_EQ(bigBitQuarters.size(), 4u) << "one near each corner";
}

TEST_F(ShippedMaze, NoDeadEnds) {
    for (const Cell& cell : ReachableFrom({23, 15})) {
        EXPECT_GE(OpenNeighbours(cell.first, cell.second), 2) << cell.first << "," << cell.second;
    }
}

TEST_F(ShippedMaze, LoadsCompletelyWithTheLoadersUsualEnd) {
    const std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(TRAVOLK_SOURCE_DIR);
    Keyboard keys;
    std::vector<std::string> journal;
    TestState state(&keys, nullptr, nullptr, &journal);
    Game::SetState(&state);
    Map map(Vector{0, 0, 0});
    LogCapture log;
    map.LoadMap();
    Game::SetState(nullptr);
    std::filesystem::current_path(old);
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"EOF reached", "Error!"}));
    size_t cells = 0;
    for (const std::string& row : rows) {
        cells += 28 - std::count(row.begin(), row.end(), 'S');
    }
    EXPECT_EQ(state.GetGameObjects().size(), cells);
}

// The committed pictures are what the asset tool makes from their sources, so the maze
// picture always shows the walls of the maze file.
TEST(ShippedPictures, MatchTheirSources) {
    const std::filesystem::path out = std::filesystem::temp_directory_path() / "travolk-assets-check";
    std::filesystem::create_directories(out);
    const std::string command =
        std::string(TRAVOLK_BUILD_DIR) + "/tools/travolk_assets " + TRAVOLK_SOURCE_DIR + " " + out.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name : {"bit.png", "zop.png", "unicorn.png", "map4.png"}) {
        SDL_Surface* made = IMG_Load((out / name).c_str());
        SDL_Surface* shipped = IMG_Load((std::string(TRAVOLK_SOURCE_DIR) + "/res/gfx/" + name).c_str());
        ASSERT_NE(made, nullptr) << name;
        ASSERT_NE(shipped, nullptr) << name;
        ASSERT_EQ(made->w, shipped->w) << name;
        ASSERT_EQ(made->h, shipped->h) << name;
        ASSERT_EQ(shipped->format->BytesPerPixel, 4) << name;
        for (int y = 0; y < made->h; ++y) {
            const char* a = static_cast<const char*>(made->pixels) + y * made->pitch;
            const char* b = static_cast<const char*>(shipped->pixels) + y * shipped->pitch;
            ASSERT_EQ(std::string(a, made->w * 4), std::string(b, shipped->w * 4)) << name << " row " << y;
        }
        SDL_FreeSurface(made);
        SDL_FreeSurface(shipped);
    }
    std::filesystem::remove_all(out);
}
