#pragma once

#include "states/GameState.h"

#include <functional>
#include <string>
#include <vector>

// A state for the registry and the driver: it journals its frames and may run a script
// inside its update (request a restart, remove objects, ...).
class TestState : public GameState {
public:
    TestState(const Keyboard* keyboard, Render* render, Window* window, std::vector<std::string>* journal)
        : GameState(keyboard, render, window), serial(++_made), _journal(journal) {}

    bool Initialize() override {
        _journal->push_back("initialize");
        return true;
    }
    void HandleEvents() override { _journal->push_back("events"); }
    void UpdateObjects() override {
        _journal->push_back("update");
        if (script) {
            script();
        }
    }
    void DrawObjects() override { _journal->push_back("draw"); }

    using GameState::DestroyObjects;
    const std::vector<Entity*>& PendingRemovals() const { return _removeList; }
    const Keyboard* Snapshot() const { return _prevKeyboard; }

    std::function<void()> script;
    const int serial; // tells states apart where memory is reused

private:
    static inline int _made = 0;
    std::vector<std::string>* _journal;
};
