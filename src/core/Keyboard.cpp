#include "core/Keyboard.h"

#include <SDL.h>

Keyboard::Keyboard() : _keys() {}

void Keyboard::KeyPress(int key) {
    Set(key, true);
}

void Keyboard::KeyRelease(int key) {
    Set(key, false);
}

void Keyboard::Set(int key, bool down) {
    if (key >= 0 && key < KEY_COUNT) {
        _keys[key] = down;
    }
}

bool Keyboard::IsPressed(char key) const {
    // where char is signed, bytes 128 to 255 arrive negative and have no entry
    return key >= 0 && Entry(key);
}

bool Keyboard::IsDown(int key) const {
    return key >= 0 && key < KEY_COUNT && Entry(key);
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
