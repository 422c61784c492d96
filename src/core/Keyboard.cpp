#include "core/Keyboard.h"

#include <SDL.h>

Keyboard::Keyboard(Sdl12Symbol sdl12Symbol) : _sdl12Symbol(sdl12Symbol), _keys() {}

void Keyboard::KeyPress(int key) {
    Set(key, true);
}

void Keyboard::KeyRelease(int key) {
    Set(key, false);
}

int Keyboard::Slot(int key) const {
    const int symbol = _sdl12Symbol ? _sdl12Symbol(key) : key;
    return symbol >= 0 && symbol < KEY_COUNT ? symbol : -1;
}

bool Keyboard::Entry(int key) const {
    const int slot = Slot(key);
    return slot >= 0 && _keys[slot];
}

void Keyboard::Set(int key, bool down) {
    const int slot = Slot(key);
    if (slot >= 0) {
        _keys[slot] = down;
    }
}

bool Keyboard::IsPressed(char key) const {
    // where char is signed, bytes 128 to 255 arrive negative and have no entry
    return key >= 0 && Entry(key);
}

bool Keyboard::IsDown(int key) const {
    return Entry(key);
}

bool Keyboard::IsReleased(char key) const {
    return !IsPressed(key);
}

bool Keyboard::Shift() const {
    return Entry(SDLK_LSHIFT) || Entry(SDLK_RSHIFT);
}

bool Keyboard::Ctrl() const {
    return Entry(SDLK_LCTRL) || Entry(SDLK_RCTRL);
}

bool Keyboard::Alt() const {
    return Entry(SDLK_LALT) || Entry(SDLK_RALT);
}
