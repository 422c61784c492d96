#pragma once

#include "actors/GameObject.h"

// A pellet: eaten, and removed, when the player touches it.
class Bit : public GameObject {
public:
    explicit Bit(const Vector& pos);
    ~Bit() override {}

    void Update() override {}
    void Move() override {}
    void IsInside(GameObject* other) override;
};
