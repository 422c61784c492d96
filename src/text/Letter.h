#pragma once

#include "actors/Entity.h"
#include "video/Texture.h"

class Text;

// One character of a Text, drawn with its glyph's texture in its text's colour.
class Letter : public Entity {
public:
    Letter(const Vector& pos, char c, Font font, int size, const Text* parent);
    ~Letter() override {}

    // takes the text's colour
    void Update() override;

private:
    const Text* _parent; // not owned
};
