#pragma once

#include "actors/GameObject.h"
#include "core/Timer.h"

#include <cstdint>

// Directions of an enemy, as drawn at random.
enum Direction { DIR_LEFT = 0, DIR_RIGHT = 1, DIR_UP = 2, DIR_DOWN = 3 };

// Waits in the pen for its release time, then wanders the maze, turning at random only
// where it runs into a wall. Eaten, it rests at its start for a second and comes out again.
class Enemy : public GameObject {
public:
    Enemy(const Vector& pos, const Colour& colour, uint32_t releaseTime);
    ~Enemy() override {}

    // update
    void Update() override;
    void Move() override;

    // reactions
    void IsInside(GameObject* other) override;
    void Die() override;

    // state
    void RandDir();
    void Release();
    bool IsReleased() const { return _released; }
    bool IsDead() const { return _dead; }
    int GetDir() const { return _dir; }

    static const uint32_t _deadTime; // milliseconds an eaten enemy rests

private:
    void Hold(Timer& timer, uint32_t limit);

    bool _released;
    bool _dead;
    Vector _startPos;
    Timer _releaseTimer;
    uint32_t _releaseTime; // milliseconds before the first release
    Timer _deadTimer;
    int _dir;
};
