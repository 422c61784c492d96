#pragma once

#include "actors/Enemy.h"
#include "actors/Player.h"
#include "app/Game.h"
#include "core/Keyboard.h"
#include "level/Places.h"
#include "states/MainState.h"
#include "support/Display.h"
#include "support/FakeClock.h"

#include <cstdlib>
#include <vector>

// The play state with only the maze and the player: no enemies.
class PlayerOnlyState : public MainState {
public:
    using MainState::MainState;
    bool Initialize() override {
        _levelPlayer = new Player(Places::PLAYER_START, _keyboard);
        BuildMaze();
        AddGameObject(_levelPlayer);
        return true;
    }
};

// A level of the real game, run frame by frame with a key table the test presses and a
// clock it moves.
class LevelTest : public DisplayTest {
protected:
    void SetUp() override {
        DisplayTest::SetUp();
        srand(1);
    }
    void TearDown() override {
        Game::SetState(nullptr);
        delete state;
        DisplayTest::TearDown();
    }
    template <typename State = MainState> void Build() {
        state = new State(&keys, &render, window);
        Game::SetState(state);
        state->Initialize();
    }
    void Frames(int count, uint32_t msEach = 16) {
        for (int i = 0; i < count; ++i) {
            clock.Advance(msEach);
            state->Update();
        }
    }
    Player* ThePlayer() const { return state->GetPlayer(); }
    std::vector<Enemy*> Enemies() const {
        std::vector<Enemy*> enemies;
        for (GameObject* object : state->GetGameObjects()) {
            if (object->GetType() == TYPE_ENEMY) {
                enemies.push_back(static_cast<Enemy*>(object));
            }
        }
        return enemies;
    }
    int Count(EntityType type) const {
        int count = 0;
        for (const GameObject* object : state->GetGameObjects()) {
            count += object->GetType() == type;
        }
        return count;
    }
    bool HasObjectAt(EntityType type, float x, float y) const {
        for (const GameObject* object : state->GetGameObjects()) {
            if (object->GetType() == type && object->GetPos().x == x && object->GetPos().y == y) {
                return true;
            }
        }
        return false;
    }

    FakeClock clock;
    Keyboard keys;
    MainState* state = nullptr;
};
