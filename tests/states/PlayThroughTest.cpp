// A bot clears each level, steering only through the key table: steering, turning at
// corners and eating work together, and every pellet can be reached.
#include "level/Maze.h"
#include "support/Level.h"
#include "support/TempDir.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

namespace {

class Bot {
public:
    explicit Bot(const Maze& maze) : _maze(maze) {}

    // the key to hold this frame, to reach the nearest pellet
    SDLKey Choose(const Vector& pos, const std::set<Cell>& pellets) const {
        const int x = static_cast<int>(pos.x);
        const int y = static_cast<int>(pos.y);
        const Cell here = Maze::CellAt(pos.x, pos.y);
        const Cell next = FirstStep(here, pellets);
        if (next == here) {
            // the pellet is in this cell: make for its centre
            if (x % 16 != 8) {
                return x % 16 < 8 ? SDLK_d : SDLK_a;
            }
            return y % 16 < 8 ? SDLK_s : SDLK_w;
        }
        if (next.column != here.column) {
            // a 10-pixel player fits a 16-pixel row when its centre is 5 to 11 into it
            if (y % 16 < 5) {
                return SDLK_s;
            }
            if (y % 16 > 11) {
                return SDLK_w;
            }
            return next.column > here.column ? SDLK_d : SDLK_a;
        }
        if (x % 16 < 5) {
            return SDLK_d;
        }
        if (x % 16 > 11) {
            return SDLK_a;
        }
        return next.row > here.row ? SDLK_s : SDLK_w;
    }

private:
    // the first cell of the shortest way to the nearest pellet
    Cell FirstStep(const Cell& start, const std::set<Cell>& pellets) const {
        const std::vector<std::vector<int>> distance = _maze.Distances(start);
        auto steps = [&](const Cell& cell) { return distance[cell.row][cell.column]; };
        Cell nearest = start;
        int nearestSteps = -1;
        for (const Cell& pellet : pellets) {
            if (steps(pellet) >= 0 && (nearestSteps < 0 || steps(pellet) < nearestSteps)) {
                nearest = pellet;
                nearestSteps = steps(pellet);
            }
        }
        Cell step = nearest;
        while (steps(step) > 1) {
            const Cell back[] = {{step.row - 1, step.column},
                                 {step.row + 1, step.column},
                                 {step.row, step.column - 1},
                                 {step.row, step.column + 1}};
            for (const Cell& cell : back) {
                if (_maze.Open(cell) && steps(cell) == steps(step) - 1) {
                    step = cell;
                    break;
                }
            }
        }
        return step;
    }

    const Maze& _maze;
};

} // namespace

// The shipped maze and the example mazes of mazes/, each cleared by the bot.
class PlayThrough : public LevelTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(PlayThrough, BotEatsEveryPellet) {
    const std::string path = std::string(TRAVOLK_SOURCE_DIR) + "/" + GetParam();
    std::ifstream file(path, std::ios::binary);
    const Maze maze = Maze::Read(file);
    ASSERT_TRUE(maze.Problems().empty()) << path;
    TempDir dir;
    dir.CopyRunFolder();
    std::filesystem::copy_file(path, dir.Path() / "res/txt/map",
                               std::filesystem::copy_options::overwrite_existing);
    Build<PlayerOnlyState>();
    const Bot bot(maze);
    const int pelletsAtStart = Count(TYPE_BIT) + Count(TYPE_BIGBIT);
    ASSERT_GT(pelletsAtStart, 200);
    SDLKey held = SDLK_UNKNOWN;
    int frame = 0;
    for (; frame < 30000; ++frame) {
        std::set<Cell> pellets;
        for (const GameObject* object : state->GetGameObjects()) {
            if (object->GetType() == TYPE_BIT || object->GetType() == TYPE_BIGBIT) {
                pellets.insert(Maze::CellAt(object->GetPos().x, object->GetPos().y));
            }
        }
        if (pellets.empty()) {
            break;
        }
        const SDLKey key = bot.Choose(ThePlayer()->GetPos(), pellets);
        if (key != held) {
            keys.KeyRelease(held);
            keys.KeyPress(key);
            held = key;
        }
        Frames(1);
    }
    EXPECT_EQ(Count(TYPE_BIT) + Count(TYPE_BIGBIT), 0) << "after " << frame << " frames";
    RecordProperty("frames", frame);
}

INSTANTIATE_TEST_SUITE_P(Mazes, PlayThrough,
                         ::testing::Values("res/txt/map", "mazes/crossroads", "mazes/long-hall"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return std::string(info.param == std::string("res/txt/map") ? "shipped"
                                                : info.param == std::string("mazes/crossroads")
                                                    ? "crossroads"
                                                    : "long_hall");
                         });
