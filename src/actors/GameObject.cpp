#include "actors/GameObject.h"

#include <cmath>

uint32_t GameObject::_nObjects = 0;

GameObject::GameObject(const Vector& pos) : Entity(pos), _vel(), _collides(false), _groupID(++_nObjects) {}

float GameObject::GetDistanceTo(const Vector& v) const {
    const Vector centre = GetCentre();
    const double dx = centre.x - v.x;
    const double dy = centre.y - v.y;
    const double dz = centre.z - v.z;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy + dz * dz));
}

Vector GameObject::GetDirectionTo(const Vector& v) const {
    const Vector centre = GetCentre();
    const Vector d{centre.x - v.x, centre.y - v.y, centre.z - v.z};
    const float length = static_cast<float>(std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z));
    if (length == 0) {
        return Vector();
    }
    const float k = 1.0f / length;
    return Vector{d.x * k, d.y * k, d.z * k};
}

void GameObject::IsInside(GameObject*) {}

void GameObject::Step() {
    _oldPos = _transform->pos;
    _transform->pos.x += _vel.x;
    _transform->pos.y += _vel.y;
    _transform->pos.z += _vel.z;
}
