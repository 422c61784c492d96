#include "text/Letter.h"

#include "text/Text.h"
#include "video/Graphics.h"

Letter::Letter(const Vector& pos, char c, Font font, int size, const Text* parent)
    : Entity(pos), _parent(parent) {
    _texture = Graphics::GetChar(font, c);
    const float scale = static_cast<float>(size) * 0.01f;
    _transform->scale = Vector{scale, scale, scale};
    // black until the first update brings the text's colour
    _colour = Colour{0, 0, 0, 1};
}

void Letter::Update() {
    _colour = _parent->GetColour();
}
