// A bot clears the shipped level, steering only through the key table: steering, turning
// at corners and eating work together, and every pellet can be reached.
#include "support/Level.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <fstream>
#include <queue>
#include <set>

namespace {

struct Cell {
    int row;
    int column;
    bool operator<(const Cell& other) const {
        return row != other.row ? row < other.row : column < other.column;
    }
    bool operator==(const Cell& other) const { return row == other.row && column == other.column; }
};

class Bot {
public:
    explicit Bot(const std::vector<std::string>& maze) : _maze(maze) {}

    // the key to hold this frame, to reach the nearest pellet
    SDLKey Choose(const Vector& pos, const std::set<Cell>& pellets) const {
        const int x = static_cast<int>(pos.x);
        const int y = static_cast<int>(pos.y);
        const Cell here{y / 16, x / 16};
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
    bool Open(const Cell& cell) const {
        return cell.row >= 0 && cell.row < 31 && cell.column >= 0 && cell.column < 28 &&
               _maze[cell.row][cell.column] != 'X';
    }

    // breadth first to the nearest pellet; the first cell of the way there
    Cell FirstStep(const Cell& start, const std::set<Cell>& pellets) const {
        std::map<Cell, Cell> cameFrom{{start, start}};
        std::queue<Cell> todo;
        todo.push(start);
        while (!todo.empty()) {
            const Cell cell = todo.front();
            todo.pop();
            if (pellets.count(cell)) {
                Cell step = cell;
                while (!(cameFrom[step] == start) && !(step == start)) {
                    step = cameFrom[step];
                }
                return step;
            }
            const Cell next[] = {{cell.row - 1, cell.column},
                                 {cell.row + 1, cell.column},
                                 {cell.row, cell.column - 1},
                                 {cell.row, cell.column + 1}};
            for (const Cell& n : next) {
                if (Open(n) && !cameFrom.count(n)) {
                    cameFrom[n] = cell;
                    todo.push(n);
                }
            }
        }
        return start;
    }

    std::vector<std::string> _maze;
};

} // namespace

using PlayThrough = LevelTest;

TEST_F(PlayThrough, BotEatsEveryPellet) {
    Build<PlayerOnlyState>();
    std::ifstream file("res/txt/map");
    std::vector<std::string> maze;
    for (std::string line; std::getline(file, line);) {
        maze.push_back(line);
    }
    ASSERT_EQ(maze.size(), 31u);
    const Bot bot(maze);
    const int pelletsAtStart = Count(TYPE_BIT) + Count(TYPE_BIGBIT);
    ASSERT_GT(pelletsAtStart, 200);
    SDLKey held = SDLK_UNKNOWN;
    int frame = 0;
    for (; frame < 30000; ++frame) {
        std::set<Cell> pellets;
        for (const GameObject* object : state->GetGameObjects()) {
            if (object->GetType() == TYPE_BIT || object->GetType() == TYPE_BIGBIT) {
                pellets.insert(Cell{static_cast<int>(object->GetPos().y) / 16,
                                    static_cast<int>(object->GetPos().x) / 16});
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
