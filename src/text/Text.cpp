#include "text/Text.h"

#include "app/Game.h"
#include "core/Log.h"
#include "text/Letter.h"

bool Text::_up = true;

Text::Text(const Vector& pos, const std::string& text, Font font, int size)
    : Entity(pos), _letters(), _text(text), _font(font), _size(size) {
    CreateLetters();
}

Text::~Text() {
    DestroyLetters();
}

void Text::Update() {
    if (_brightness > 1 || _brightness < 0) {
        _up = !_up;
    }
    _brightness = _up ? _brightness + 0.01f : _brightness - 0.01f;
}

void Text::SetColour(const Colour& colour) {
    _colour = colour;
}

void Text::SetText(const std::string& text) {
    if (text == _text) {
        return;
    }
    DestroyLetters();
    _text = text;
    CreateLetters();
}

void Text::DestroyLetters() {
    while (!_letters.empty()) {
        Game::Remove(_letters.back());
        _letters.pop_back();
    }
}

// Each letter is centred one scaled glyph width (of the letter before it) to the right of
// the one before. A character without a glyph is left out and the next takes its place.
void Text::CreateLetters() {
    Vector cursor = GetPos();
    for (char c : _text) {
        Letter* letter = new Letter(cursor, c, _font, _size, this);
        if (!letter->GetTexture()) {
            Log::Line("Texture error!");
            delete letter;
            continue;
        }
        letter->SetPos(cursor);
        cursor.x =
            static_cast<float>(cursor.x + static_cast<double>(_size) * letter->GetTexture()->width / 100.0);
        _letters.push_back(letter);
        Game::AddObject(letter);
    }
}
