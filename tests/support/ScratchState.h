#pragma once

#include "app/Game.h"
#include "core/Keyboard.h"
#include "support/TestState.h"

#include <string>
#include <vector>

// A state to load a maze into: the current state while the object lives, with a key
// table of its own; whatever it was handed is destroyed with it.
class ScratchState {
public:
    ScratchState() : _state(&_keys, nullptr, nullptr, &_journal), _previous(Game::GetState()) {
        Game::SetState(&_state);
    }
    ~ScratchState() { Game::SetState(_previous); }

    const GameState& State() const { return _state; }

private:
    Keyboard _keys;
    std::vector<std::string> _journal;
    TestState _state;
    GameState* _previous; // not owned: the state that was current before
};
