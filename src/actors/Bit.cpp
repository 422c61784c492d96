#include "actors/Bit.h"

#include "app/Game.h"
#include "video/Graphics.h"

Bit::Bit(const Vector& pos) : GameObject(pos) {
    _texture = Graphics::GetTexture(GFX_BIT);
    // without its picture a bit keeps the default size rather than reading through null
    if (_texture) {
        _width = _texture->width;
        _height = _texture->height;
    }
    BuildHitbox();
    _collides = true;
    _type = TYPE_BIT;
}

void Bit::IsInside(GameObject* other) {
    if (other->GetType() == TYPE_PLAYER) {
        Game::Remove(this);
    }
}
