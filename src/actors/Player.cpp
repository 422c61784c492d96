#include "actors/Player.h"

#include "core/Game.h"
#include "core/Keyboard.h"
#include "video/Graphics.h"

#include <SDL.h>

#include <cstdlib>

Player* Player::_player = nullptr;

Player::Player(const Vector& pos, const Keyboard* keyboard)
    : GameObject(pos), _keyboard(keyboard), _bigTimer(), _speed(1), _big(false), _bigTime(10000) {
    _texture = Graphics::GetTexture(GFX_PLAYER);
    _width = 10;
    _height = 10;
    BuildHitbox();
    _type = TYPE_PLAYER;
    _collides = true;
    if (!_player) {
        _player = this;
    }
}

Player::~Player() {
    if (_player == this) {
        _player = nullptr;
    }
}

void Player::Update() {
    Steer();
    _moved = _vel.x != 0 || _vel.y != 0;
    if (_big) {
        Flicker();
        if (_bigTimer.GetTicks() > _bigTime) {
            Unbig();
        }
    }
    Move();
}

// The first held key wins; with none held the player keeps its last direction.
void Player::Steer() {
    const float speed = static_cast<float>(_speed);
    if (_keyboard->IsPressed(SDLK_w)) {
        _vel = Vector{0, -speed, 0};
    } else if (_keyboard->IsPressed(SDLK_s)) {
        _vel = Vector{0, speed, 0};
    } else if (_keyboard->IsPressed(SDLK_a)) {
        _vel = Vector{-speed, 0, 0};
    } else if (_keyboard->IsPressed(SDLK_d)) {
        _vel = Vector{speed, 0, 0};
    }
}

void Player::Flicker() {
    // drawn in this order: red, green, blue
    const int red = rand() % 100;
    const int green = rand() % 100;
    const int blue = rand() % 100;
    _colour = Colour{red / 100.0f, green / 100.0f, blue / 100.0f, 1.0f};
}

void Player::Move() {
    Step();
}

void Player::IsInside(GameObject* other) {
    switch (other->GetType()) {
    case TYPE_BIGBIT:
        Embiggen();
        break;
    case TYPE_ENEMY:
        if (_big) {
            other->Die();
        } else {
            Die();
        }
        break;
    case TYPE_WALL:
        MoveBack();
        break;
    default:
        break;
    }
}

void Player::Die() {
    Game::Restart();
}

void Player::Embiggen() {
    _big = true;
    _bigTimer.Start();
}

void Player::Unbig() {
    _big = false;
    _bigTimer.Stop();
    _colour = Colour{1, 1, 1, 1};
}
