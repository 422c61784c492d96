#include "actors/Wall.h"

Wall::Wall(const Vector& pos) : GameObject(pos) {
    _width = 16;
    _height = 16;
    BuildHitbox();
    _type = TYPE_WALL;
    _collides = true;
}
