#include "level/Map.h"

#include "actors/BigBit.h"
#include "actors/Bit.h"
#include "actors/Wall.h"
#include "core/Game.h"
#include "core/Log.h"
#include "level/Maze.h"
#include "video/Graphics.h"
#include "video/PlayArea.h"

#include <fstream>

static bool IsLineEnd(int byte) {
    return byte == '\n' || byte == '\r';
}

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
    const Vector& pos = GetPos();
    const float x0 = (pos.x + 8) - _width * 0.5f;
    const float y0 = (pos.y + 8) - _height * 0.5f;
    for (int row = 0; row < Maze::ROWS; ++row) {
        const bool error = !ReadRow(in, Vector{x0, y0 + static_cast<float>(Maze::CELL * row), 0});
        // a row end may be followed by any number of line ends: they all count as one
        while (IsLineEnd(in.peek())) {
            in.get();
        }
        if (in.eof()) {
            Log::Line("EOF reached");
            Log::Line("Error!");
            return;
        }
        if (error) {
            Log::Line("Error!");
            return;
        }
    }
}

// Reads the cells of one row, starting at the centre of its first cell. False when it met
// a byte that is not part of the format.
bool Map::ReadRow(std::istream& in, const Vector& rowStart) {
    for (int column = 0; column < Maze::COLUMNS; ++column) {
        // the end of the file reads as the byte 0xFF, which no cell uses
        const char byte = static_cast<char>(in.get());
        if (IsLineEnd(byte)) {
            Log::Line("New Line");
            return true;
        }
        if (byte != 'X' && byte != 'D' && byte != 'B' && byte != 'S') {
            Log::Line(std::string("Error: unexpected character in map file: ") + byte);
            return false;
        }
        AddCell(byte, Vector{rowStart.x + static_cast<float>(Maze::CELL * column), rowStart.y, 0});
    }
    return true;
}

void Map::AddCell(char byte, const Vector& centre) {
    switch (byte) {
    case 'X':
        Game::AddGameObject(new Wall(centre));
        break;
    case 'D':
        Game::AddGameObject(new Bit(centre));
        break;
    case 'B':
        Game::AddGameObject(new BigBit(centre));
        break;
    default:
        break;
    }
}
