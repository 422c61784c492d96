// The shipped maze must fit the fixed places of the actors and make a level worth playing.
#include "level/Map.h"

#include "app/Game.h"
#include "core/Keyboard.h"
#include "level/Maze.h"
#include "support/LogCapture.h"
#include "support/ScratchState.h"

#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <utility>

// What the maze check asks of every maze (MazeCheckTest) holds for the shipped one; these
// are the shipped maze's own qualities.
class ShippedMaze : public ::testing::Test {
protected:
    void SetUp() override {
        std::ifstream file(std::string(TRAVOLK_SOURCE_DIR) + "/res/txt/map", std::ios::binary);
        ASSERT_TRUE(file);
        const Maze maze = Maze::Read(file);
        rows = maze.Rows();
        ASSERT_TRUE(maze.Problems().empty());
    }

    std::vector<std::string> rows;
};

TEST_F(ShippedMaze, MirrorSymmetric) {
    for (int row = 0; row < Maze::ROWS; ++row) {
        for (int column = 0; column < Maze::COLUMNS; ++column) {
            EXPECT_EQ(rows[row][column], rows[row][27 - column]) << row << "," << column;
        }
    }
}

TEST_F(ShippedMaze, ThePenIsWalledOff) {
    // row 14, columns 12 to 15, empty and closed on every side
    for (int column = 12; column <= 15; ++column) {
        EXPECT_EQ(rows[14][column], 'S') << column;
        EXPECT_EQ(rows[13][column], 'X') << column;
        EXPECT_EQ(rows[15][column], 'X') << column;
    }
    EXPECT_EQ(rows[14][11], 'X');
    EXPECT_EQ(rows[14][16], 'X');
}

TEST_F(ShippedMaze, PelletsEnoughWithABigOneNearEachCorner) {
    int bits = 0;
    std::set<std::pair<bool, bool>> bigBitQuarters;
    int bigBits = 0;
    for (int row = 0; row < Maze::ROWS; ++row) {
        for (int column = 0; column < Maze::COLUMNS; ++column) {
            const char cell = rows[row][column];
            bits += cell == 'D';
            if (cell == 'B') {
                ++bigBits;
                bigBitQuarters.insert({row < 15, column < 14});
            }
        }
    }
    EXPECT_GE(bits, 200);
    EXPECT_EQ(bigBits, 4);
    EXPECT_EQ(bigBitQuarters.size(), 4u);
}

TEST_F(ShippedMaze, LoadsCompletelyWithTheLoadersUsualEnd) {
    const std::filesystem::path old = std::filesystem::current_path();
    std::filesystem::current_path(TRAVOLK_SOURCE_DIR);
    ScratchState scratch;
    Map map(Vector{0, 0, 0});
    LogCapture log;
    map.LoadMap();
    std::filesystem::current_path(old);
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"EOF reached", "Error!"}));
    size_t cells = 0;
    for (const std::string& row : rows) {
        cells += 28 - std::count(row.begin(), row.end(), 'S');
    }
    EXPECT_EQ(scratch.State().GetGameObjects().size(), cells);
}

// The committed pictures are what the asset tool makes from their sources, so the maze
// picture always shows the walls of the maze file, and the browser's icons the player.
TEST(ShippedPictures, MatchTheirSources) {
    const std::filesystem::path out = std::filesystem::temp_directory_path() / "travolk-assets-check";
    std::filesystem::create_directories(out);
    const std::string tool = std::string(TRAVOLK_BUILD_DIR) + "/tools/travolk_assets ";
    ASSERT_EQ(std::system((tool + TRAVOLK_SOURCE_DIR + " " + out.string()).c_str()), 0);
    // and the browser's icons, beside its page
    for (const char* size : {"192", "512"}) {
        const std::string icon = (out / ("travolk-" + std::string(size) + ".png")).string();
        ASSERT_EQ(std::system((tool + "--icon " + TRAVOLK_SOURCE_DIR + " " + size + " " + icon).c_str()), 0);
    }
    const std::string web = "/web/icons/";
    for (std::string name :
         {"bit.png", "zop.png", "unicorn.png", "map4.png", "travolk-192.png", "travolk-512.png"}) {
        SDL_Surface* made = IMG_Load((out / name).c_str());
        const std::string folder = name.rfind("travolk-", 0) == 0 ? web : "/res/gfx/";
        SDL_Surface* shipped = IMG_Load((std::string(TRAVOLK_SOURCE_DIR) + folder + name).c_str());
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
