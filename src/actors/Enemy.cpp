#include "actors/Enemy.h"

#include "core/Log.h"
#include "level/Places.h"
#include "video/Graphics.h"

#include <cstdlib>
#include <string>

const uint32_t Enemy::_deadTime = 1000;

Enemy::Enemy(const Vector& pos, const Colour& colour, uint32_t releaseTime)
    : GameObject(pos), _released(false), _dead(false), _startPos(pos), _releaseTimer(),
      _releaseTime(releaseTime), _deadTimer(), _dir(DIR_LEFT) {
    _texture = Graphics::GetTexture(GFX_ENEMY);
    _width = Places::ACTOR_SIZE;
    _height = Places::ACTOR_SIZE;
    BuildHitbox();
    _collides = true;
    _type = TYPE_ENEMY;
    // an enemy always starts collision tests, also while it waits or rests
    _moved = true;
    _colour = colour;
    RandDir();
    _releaseTimer.Start();
}

void Enemy::Update() {
    if (_dead) {
        Hold(_deadTimer, _deadTime);
    } else if (_released) {
        Move();
    } else {
        Hold(_releaseTimer, _releaseTime);
    }
}

// Keeps the enemy at its start until the timer has passed the limit, then releases it.
void Enemy::Hold(Timer& timer, uint32_t limit) {
    SetPos(_startPos);
    if (timer.GetTicks() > limit) {
        Release();
    }
}

void Enemy::Move() {
    switch (_dir) {
    case DIR_LEFT:
        _vel = Vector{-1, 0, 0};
        break;
    case DIR_RIGHT:
        _vel = Vector{1, 0, 0};
        break;
    case DIR_UP:
        _vel = Vector{0, -1, 0};
        break;
    case DIR_DOWN:
        _vel = Vector{0, 1, 0};
        break;
    default:
        break;
    }
    Step();
}

void Enemy::IsInside(GameObject* other) {
    if (other->GetType() != TYPE_WALL) {
        return;
    }
    MoveBack();
    RandDir();
    Log::Line("Och Nae");
}

void Enemy::Die() {
    _dead = true;
    _deadTimer.Start();
}

void Enemy::RandDir() {
    const int dir = rand() % 4;
    Log::Line(std::to_string(dir));
    _dir = dir;
}

void Enemy::Release() {
    SetPos(Places::RELEASE_POINT);
    _released = true;
    _dead = false;
    _releaseTimer.Stop();
    _deadTimer.Stop();
}
