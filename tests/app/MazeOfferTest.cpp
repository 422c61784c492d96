// A maze handed to the running game: installed whole or not at all.
#include "app/MazeOffer.h"

#include "app/Game.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

static std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// In a running game: a playable maze replaces the maze and its picture and starts a new
// game in it; where a file cannot be written, the game, the maze files and the next
// game's maze stay as they were, and nothing is left beside them.
TEST(MazeOffer, InstallsWholeOrLeavesTheOldMazePlayable) {
    struct Case {
        std::string name;
        std::string blocked; // made a folder, so a file cannot be written there
        bool taken;
    };
    const Case cases[] = {
        {"everything writable", "", true},
        {"the new picture cannot be written", "res/gfx/map4.png.new", false},
        {"the new maze cannot be written", "res/txt/map.new", false},
        {"the picture cannot be replaced", "res/gfx/map4.png", false},
    };
    const std::string offered = Bytes(fs::path(TRAVOLK_SOURCE_DIR) / "mazes/long-hall");
    for (const Case& c : cases) {
        TempDir dir;
        dir.CopyRunFolder();
        const std::string oldMaze = Bytes("res/txt/map");
        const std::string oldPicture = Bytes("res/gfx/map4.png");
        dir.Write("offered", offered);
        FakeClock clock;
        clock.TickOnEveryRead(1);
        LogCapture log;
        Game::Initialize();
        ASSERT_TRUE(Game::IsRunning()) << log.Text();
        if (!c.blocked.empty()) {
            fs::remove(c.blocked);
            fs::create_directory(c.blocked);
            fs::create_directory(fs::path(c.blocked) / "inside"); // a folder with something in it
        }
        log.Clear();
        const MazeOffer::Report report = MazeOffer::Take("offered");
        EXPECT_TRUE(report.playable) << c.name;
        EXPECT_EQ(report.taken, c.taken) << c.name;
        Game::RunDesktopStep();
        const auto lines = log.Lines();
        const bool restarted = std::count(lines.begin(), lines.end(), "Deleting Objects") == 1;
        const bool installed = c.taken;
        EXPECT_EQ(restarted, installed) << c.name;
        EXPECT_TRUE(Bytes("res/txt/map") == (installed ? offered : oldMaze)) << c.name << ": the maze file";
        if (c.blocked != "res/gfx/map4.png") {
            EXPECT_EQ(Bytes("res/gfx/map4.png") == oldPicture, !installed) << c.name << ": the picture";
        }
        for (const char* left : {"res/txt/map.new", "res/gfx/map4.png.new"}) {
            EXPECT_TRUE(!fs::exists(left) || c.blocked == left) << c.name << ": " << left << " left behind";
        }
        Game::Close();
    }
}

// a report as the player reads it: whether it plays, then a line for each finding
static std::string Said(const MazeOffer::Report& report) {
    std::string said = report.playable ? "playable\n" : "unplayable\n";
    for (const MazeCheck::Finding& finding : report.findings) {
        said += MazeCheck::Line(finding) + "\n";
    }
    return said;
}

// The editor's questions: a check that changes nothing, and a file read as the game reads it.
TEST(MazeOffer, ChecksAndReadsWithoutTakingTheMaze) {
    TempDir dir;
    dir.Write("short", "XXXX\nXSSX\n");
    EXPECT_EQ(Said(MazeOffer::Check(Bytes(fs::path(TRAVOLK_SOURCE_DIR) / "res/txt/map"))), "playable\n");
    const MazeOffer::Report blocked = MazeOffer::Check(
        Bytes(fs::path(TRAVOLK_SOURCE_DIR) / "mazes/long-hall").replace(23 * 29 + 15, 1, "X"));
    EXPECT_EQ(Said(blocked), "unplayable\n24:16: error: the player's start is not free\n");
    EXPECT_FALSE(blocked.taken);
    const std::string read = MazeOffer::Read("short");
    EXPECT_EQ(read.substr(0, 2 * 29), "XXXX" + std::string(24, ' ') + "\nXSSX" + std::string(24, ' ') + "\n");
    EXPECT_EQ(std::count(read.begin(), read.end(), '\n'), 31);
    EXPECT_EQ(Said(MazeOffer::Check(read)), "unplayable\n1:5: error: byte 0x20 stops the loader\n");
    const MazeOffer::Report missing = MazeOffer::Take("no such file");
    EXPECT_EQ(Said(missing), "unplayable\n");
    EXPECT_FALSE(missing.taken);
}
