#pragma once

#include "actors/EntityType.h"
#include "actors/Vector.h"

struct Rectangle;
struct Texture;

// Anything shown on screen: where it is, how it is drawn and its collision outline.
class Entity {
public:
    explicit Entity(const Vector& pos);
    virtual ~Entity();

    // update
    virtual void Update() = 0;

    // reading
    virtual float GetWidth() const { return _width; }
    virtual float GetHeight() const { return _height; }
    virtual float GetBrightness() const { return _brightness; }
    virtual Vector GetCentre() const;
    virtual const Vector& GetPos() const;
    virtual const Colour& GetColour() const { return _colour; }
    virtual const Transform* GetTransform() const { return _transform; }
    virtual const Texture* GetTexture() const { return _texture; }
    virtual const Rectangle* GetHitbox() const { return _hitbox; }
    virtual bool HasMoved() const { return _moved; }
    EntityType GetType() const { return _type; }

    // writing
    virtual void SetPos(const Vector& pos);
    virtual void SetColour(const Colour& colour) { _colour = colour; }
    virtual void SetBrightness(float brightness) { _brightness = brightness; }

    // movement: back to the position before the last move
    void MoveBack();

protected:
    // the standard hitbox of the current width and height, built once
    void BuildHitbox();

    Transform* _transform; // owned
    Vector _oldPos;        // before the last move
    Rectangle* _hitbox;    // owned; null: never tested for collisions
    float _width;
    float _height;
    EntityType _type;
    const Texture* _texture; // owned by Graphics; null: never drawn
    Colour _colour;
    float _brightness;
    bool _moved;
};
