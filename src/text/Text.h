#pragma once

#include "actors/Entity.h"
#include "video/Texture.h"

#include <string>
#include <vector>

class Letter;

// A string shown as a row of Letter entities, which the current state owns. The text
// places and recolours them and ramps its own brightness while it is updated.
class Text : public Entity {
public:
    Text(const Vector& pos, const std::string& text, Font font, int size);
    ~Text() override;

    // update: the brightness ramp
    void Update() override;

    // content
    void SetColour(const Colour& colour) override;
    void SetText(const std::string& text);
    const std::string& GetText() const { return _text; }
    const std::vector<Letter*>& GetLetters() const { return _letters; }

    // letters
    void DestroyLetters();
    void CreateLetters();

private:
    static bool _up; // the ramp's direction, shared by every text

    std::vector<Letter*> _letters; // not owned: the state owns them
    std::string _text;
    Font _font;
    int _size; // percent of the glyphs' own size
};
