#pragma once

#include "actors/Entity.h"

// An entity whose drawing fields a test sets directly.
class Sprite : public Entity {
public:
    explicit Sprite(const Texture* texture, const Vector& pos = Vector()) : Entity(pos) {
        _texture = texture;
    }
    void Update() override {}

    void SetScale(float x, float y) { _transform->scale = Vector{x, y, 0}; }
    void SetRotation(float degrees) { _transform->rotation = degrees; }
};
