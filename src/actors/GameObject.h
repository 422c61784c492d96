#pragma once

#include "actors/Entity.h"

#include <cstdint>

// An entity of the play state's object list: it moves, collides and reacts.
class GameObject : public Entity {
public:
    explicit GameObject(const Vector& pos);
    ~GameObject() override {}

    // geometry
    virtual float GetDistanceTo(const Vector& v) const;
    // the unit vector from v towards this object's centre; zero at the centre itself
    virtual Vector GetDirectionTo(const Vector& v) const;

    // movement
    virtual const Vector& GetVel() const { return _vel; }
    virtual void SetVel(const Vector& vel) { _vel = vel; }

    // collision
    virtual void SetGroupID(uint32_t groupID) { _groupID = groupID; }
    uint32_t GetGroupID() const { return _groupID; }
    bool Collides() const { return _collides; }

    // reactions
    virtual void IsInside(GameObject* other);
    virtual void Die() {}
    virtual void Move() = 0;

protected:
    // the move step: remember the position, then add the velocity
    void Step();

    Vector _vel;       // pixels per frame
    bool _collides;    // takes part in collision tests
    uint32_t _groupID; // objects of one group are never tested against each other

private:
    static uint32_t _nObjects; // every object ever made; never decremented
};
