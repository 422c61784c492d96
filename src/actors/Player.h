#pragma once

#include "actors/GameObject.h"
#include "core/Timer.h"

#include <cstdint>

class Keyboard;

// The actor steered with w, s, a and d. Keeps going in its last direction, eats bits,
// powers up on big bits and restarts the level when an enemy catches it.
class Player : public GameObject {
public:
    Player(const Vector& pos, const Keyboard* keyboard);
    ~Player() override;

    static Player* GetPlayer() { return _player; }

    // update
    void Update() override;
    void Move() override;

    // reactions
    void IsInside(GameObject* other) override;
    void Die() override;

    // power-up
    void Embiggen();
    void Unbig();
    bool IsBig() const { return _big; }

private:
    void Steer();
    bool Held(char letter, int arrow) const;
    void Flicker();

    static Player* _player; // the registered player

    const Keyboard* _keyboard; // the live key table, not owned
    Timer _bigTimer;
    int _speed; // pixels per frame
    bool _big;
    uint32_t _bigTime; // milliseconds of power-up
};
