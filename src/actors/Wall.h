#pragma once

#include "actors/GameObject.h"

// An invisible 16 x 16 block: the maze picture shows it, the wall only collides.
class Wall : public GameObject {
public:
    explicit Wall(const Vector& pos);
    ~Wall() override {}

    void Update() override {}
    void Move() override {}
};
