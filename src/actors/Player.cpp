#include "actors/Player.h"

#include "app/Game.h"
#include "core/Keyboard.h"
#include "level/Places.h"
#include "video/Graphics.h"

#include <SDL.h>

#include <cstdlib>

Player* Player::_player = nullptr;

Player::Player(const Vector& pos, const Keyboard* keyboard)
    : GameObject(pos), _keyboard(keyboard), _bigTimer(), _speed(1), _big(false), _bigTime(10000) {
    _texture = Graphics::GetTexture(GFX_PLAYER);
    _width = Places::ACTOR_SIZE;
    _height = Places::ACTOR_SIZE;
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

// The first held direction wins (up, down, left, right); with none held the player keeps
// its last direction. Each direction has its letter and its arrow key.
void Player::Steer() {
    const float speed = static_cast<float>(_speed);
    if (Held(SDLK_w, SDLK_UP)) {
        _vel = Vector{0, -speed, 0};
    } else if (Held(SDLK_s, SDLK_DOWN)) {
        _vel = Vector{0, speed, 0};
    } else if (Held(SDLK_a, SDLK_LEFT)) {
        _vel = Vector{-speed, 0, 0};
    } else if (Held(SDLK_d, SDLK_RIGHT)) {
        _vel = Vector{speed, 0, 0};
    }
}

bool Player::Held(char letter, int arrow) const {
    return _keyboard->IsPressed(letter) || _keyboard->IsDown(arrow);
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
