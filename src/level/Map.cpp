#include "level/Map.h"

#include "actors/BigBit.h"
#include "actors/Bit.h"
#include "actors/Wall.h"
#include "app/Game.h"
#include "core/Log.h"
#include "level/Maze.h"
#include "video/Graphics.h"
#include "video/PlayArea.h"

#include <fstream>

Map::Map(const Vector& pos) : GameObject(pos) {
    _texture = Graphics::GetTexture(GFX_MAP);
    // without its picture the map still spans the screen, so the grid keeps its place
    _width = _texture ? _texture->width : PlayArea::WIDTH;
    _height = _texture ? _texture->height : PlayArea::HEIGHT;
    _transform->pos.x += _width * 0.5f;
    _transform->pos.y += _height * 0.5f;
}

void Map::LoadMap() {
    std::ifstream file("res/txt/map");
    if (!file.is_open()) {
        Log::Line("Error: Could not load map");
        return;
    }
    ReadMap(file);
}

void Map::ReadMap(std::istream& in) {
    const Maze maze = Maze::Read(in);
    const Vector& pos = GetPos();
    const float x0 = (pos.x + 8) - _width * 0.5f;
    const float y0 = (pos.y + 8) - _height * 0.5f;
    for (int row = 0; row < static_cast<int>(maze.RowsRead().size()); ++row) {
        const Maze::RowRead& read = maze.RowsRead()[row];
        for (int column = 0; column < read.cells; ++column) {
            AddCell(maze.At({row, column}), Vector{x0 + static_cast<float>(Maze::CELL * column),
                                                   y0 + static_cast<float>(Maze::CELL * row), 0});
        }
        if (read.lineEnd) {
            Log::Line("New Line");
        }
        const bool stopped = read.stopByte != Maze::NO_STOP;
        if (stopped) {
            // the end of the file shows as the byte 0xFF, which no cell uses
            Log::Line(std::string("Error: unexpected character in map file: ") +
                      static_cast<char>(read.stopByte));
        }
        if (read.fileEnd) {
            Log::Line("EOF reached");
        }
        if (read.fileEnd || stopped) {
            Log::Line("Error!");
            return;
        }
    }
}

void Map::AddCell(char byte, const Vector& centre) {
    switch (byte) {
    case Maze::WALL:
        Game::AddGameObject(new Wall(centre));
        break;
    case Maze::BIT:
        Game::AddGameObject(new Bit(centre));
        break;
    case Maze::BIG_BIT:
        Game::AddGameObject(new BigBit(centre));
        break;
    default:
        break;
    }
}
