#include "level/Map.h"

#include "actors/GameObject.h"
#include "app/Game.h"
#include "core/Keyboard.h"
#include "support/LogCapture.h"
#include "support/ScratchState.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

using Lines = std::vector<std::string>;

static const char TYPE_LETTERS[] = "-XPDBE"; // by type code

// "X 8 8": what the loader handed over, with its type and position
static Lines Objects(const GameState& state) {
    Lines objects;
    for (const GameObject* object : state.GetGameObjects()) {
        std::ostringstream out;
        out << TYPE_LETTERS[object->GetType()] << ' ' << object->GetPos().x << ' ' << object->GetPos().y;
        objects.push_back(out.str());
    }
    return objects;
}

static std::string Cell(int row, int column) {
    return std::string(1, "XDBS"[(row + column) % 4]);
}

// a full grid whose cell bytes cycle through X, D, B and S
static std::string Grid(const std::string& lineEnd, int rows = 31) {
    std::string text;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 28; ++column) {
            text += Cell(row, column);
        }
        text += lineEnd;
    }
    return text;
}

static std::string At(const std::string& type, int row, int column) {
    return type + ' ' + std::to_string(8 + 16 * column) + ' ' + std::to_string(8 + 16 * row);
}

static Lines GridObjects(int rows = 31) {
    Lines objects;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 28; ++column) {
            if (Cell(row, column) != "S") {
                objects.push_back(At(Cell(row, column), row, column));
            }
        }
    }
    return objects;
}

struct Loaded {
    Lines log;
    Lines objects;
};

// loads the map file that prepare lays out in a fresh working folder
static Loaded LoadFrom(const std::function<void(const TempDir&)>& prepare) {
    TempDir dir;
    prepare(dir);
    ScratchState scratch;
    Map map(Vector{0, 0, 0});
    Loaded loaded;
    {
        LogCapture log;
        map.LoadMap();
        loaded.log = log.Lines();
    }
    loaded.objects = Objects(scratch.State());
    return loaded;
}

static Loaded Load(const std::string& file) {
    return LoadFrom([&file](const TempDir& dir) { dir.Write("res/txt/map", file); });
}

static const Lines END = {"EOF reached", "Error!"};

TEST(MapLoader, FullFileWithLineFeeds) {
    const Loaded loaded = Load(Grid("\n"));
    EXPECT_EQ(loaded.log, END);
    EXPECT_EQ(loaded.objects, GridObjects());
    EXPECT_EQ(loaded.objects.front(), "X 8 8");
    EXPECT_EQ(loaded.objects.back(), At(Cell(30, 27), 30, 27));
}

TEST(MapLoader, CarriageReturnsAndBlankLinesReadAsOneRowEnd) {
    for (const char* lineEnd : {"\r\n", "\n\n\n", "\r\n\r\n", "\r"}) {
        const Loaded loaded = Load(Grid(lineEnd));
        EXPECT_EQ(loaded.log, END) << lineEnd;
        EXPECT_EQ(loaded.objects, GridObjects()) << lineEnd;
    }
}

TEST(MapLoader, FirstAndLastCellCentres) {
    std::string file = Grid("\n");
    file[0] = 'D';
    file[30 * 29 + 27] = 'B';
    const Loaded loaded = Load(file);
    EXPECT_EQ(loaded.objects.front(), "D 8 8");
    EXPECT_EQ(loaded.objects.back(), "B 440 488");
}

TEST(MapLoader, ShortLineLeavesTheRestOfItsRowEmpty) {
    const Loaded loaded = Load("XXXXXXXXXX\nDD\n");
    EXPECT_EQ(loaded.log, (Lines{"New Line", "New Line", "EOF reached", "Error!"}));
    Lines expected;
    for (int column = 0; column < 10; ++column) {
        expected.push_back(At("X", 0, column));
    }
    expected.push_back(At("D", 1, 0));
    expected.push_back(At("D", 1, 1));
    EXPECT_EQ(loaded.objects, expected);
}

TEST(MapLoader, LongLineRunsIntoTheNextRow) {
    const Loaded loaded = Load(std::string(28, 'S') + "DB\nX\n");
    // the 29th and 30th bytes start row 1, whose line end then comes early
    EXPECT_EQ(loaded.log, (Lines{"New Line", "New Line", "EOF reached", "Error!"}));
    EXPECT_EQ(loaded.objects, (Lines{At("D", 1, 0), At("B", 1, 1), At("X", 2, 0)}));
}

TEST(MapLoader, EmptyFirstLine) {
    const Loaded loaded = Load("\n\n\nX\n");
    EXPECT_EQ(loaded.log, (Lines{"New Line", "New Line", "EOF reached", "Error!"}));
    EXPECT_EQ(loaded.objects, (Lines{At("X", 1, 0)}));
}

TEST(MapLoader, UnexpectedBytesStopTheLoad) {
    for (const char bad : {' ', 'x', 'd', '0'}) {
        std::string file = Grid("\n");
        file[29 * 3 + 5] = bad; // row 3, column 5
        const Loaded loaded = Load(file);
        EXPECT_EQ(loaded.log,
                  (Lines{std::string("Error: unexpected character in map file: ") + bad, "Error!"}));
        Lines expected = GridObjects(3);
        for (int column = 0; column < 5; ++column) {
            if (Cell(3, column) != "S") {
                expected.push_back(At(Cell(3, column), 3, column));
            }
        }
        EXPECT_EQ(loaded.objects, expected) << bad;
    }
}

TEST(MapLoader, LastRowWithoutLineEnd) {
    std::string file = Grid("\n", 30) + "XD";
    const Loaded loaded = Load(file);
    EXPECT_EQ(loaded.log, (Lines{"Error: unexpected character in map file: \xFF", "EOF reached", "Error!"}));
    Lines expected = GridObjects(30);
    expected.push_back(At("X", 30, 0));
    expected.push_back(At("D", 30, 1));
    EXPECT_EQ(loaded.objects, expected);
}

TEST(MapLoader, RowsAfterTheThirtyFirstAreIgnoredSilently) {
    const Loaded loaded = Load(Grid("\n", 40));
    EXPECT_TRUE(loaded.log.empty());
    EXPECT_EQ(loaded.objects, GridObjects());
}

TEST(MapLoader, EmptyFile) {
    const Loaded loaded = Load("");
    EXPECT_EQ(loaded.log, (Lines{"Error: unexpected character in map file: \xFF", "EOF reached", "Error!"}));
    EXPECT_TRUE(loaded.objects.empty());
}

TEST(MapLoader, MissingFile) {
    const Loaded loaded = LoadFrom([](const TempDir&) {});
    EXPECT_EQ(loaded.log, (Lines{"Error: Could not load map"}));
    EXPECT_TRUE(loaded.objects.empty());
}

TEST(MapLoader, DirectoryInsteadOfAFile) {
    const Loaded loaded =
        LoadFrom([](const TempDir& dir) { std::filesystem::create_directories(dir.Path() / "res/txt/map"); });
    // it opens but cannot be read: a read error, not an end of file
    EXPECT_EQ(loaded.log, (Lines{"Error: unexpected character in map file: \xFF", "Error!"}));
    EXPECT_TRUE(loaded.objects.empty());
}

TEST(MapObject, StoresTheCentreOfItsPictureAndNeverCollides) {
    Map map(Vector{0, 0, 0});
    // no picture loaded here: the map spans the screen all the same
    EXPECT_EQ(map.GetPos().x, 224);
    EXPECT_EQ(map.GetPos().y, 248);
    EXPECT_EQ(map.GetHitbox(), nullptr);
    EXPECT_FALSE(map.Collides());
    EXPECT_EQ(map.GetType(), TYPE_NONE);
}
