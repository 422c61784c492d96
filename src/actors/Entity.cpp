#include "actors/Entity.h"

#include "collision/Rectangle.h"

Entity::Entity(const Vector& pos)
    : _transform(new Transform()), _oldPos(pos), _hitbox(nullptr), _width(1.0f), _height(1.0f),
      _type(TYPE_NONE), _texture(nullptr), _colour(), _brightness(1.0f), _moved(false) {
    _transform->pos = pos;
}

Entity::~Entity() {
    delete _transform;
    delete _hitbox;
}

Vector Entity::GetCentre() const {
    return _transform->pos;
}

const Vector& Entity::GetPos() const {
    return _transform->pos;
}

void Entity::SetPos(const Vector& pos) {
    _transform->pos = pos;
}

void Entity::MoveBack() {
    _transform->pos = _oldPos;
}

void Entity::BuildHitbox() {
    const float halfWidth = _width * 0.5f;
    const float halfHeight = _height * 0.5f;
    _hitbox = new Rectangle{{{-halfWidth, -halfHeight, 0},
                             {halfWidth, -halfHeight, 0},
                             {halfWidth, halfHeight, 0},
                             {-halfWidth, halfHeight, 0}}};
}
