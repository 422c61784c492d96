#include "states/MainState.h"

#include "actors/Enemy.h"
#include "actors/Player.h"
#include "collision/CollisionDetector.h"
#include "core/Keyboard.h"
#include "core/Log.h"
#include "level/Map.h"
#include "level/Places.h"
#include "platform/Platform.h"
#include "video/Render.h"

#include <SDL.h>

MainState::MainState(const Keyboard* keyboard, Render* render, Window* window)
    : GameState(keyboard, render, window), _paused(false), _levelPlayer(nullptr) {}

MainState::~MainState() {
    DestroyObjects();
}

bool MainState::Initialize() {
    Platform::TellPaused(false);
    _levelPlayer = new Player(Places::PLAYER_START, _keyboard);
    BuildMaze();
    AddGameObject(_levelPlayer);
    AddEnemies();
    return true;
}

void MainState::BuildMaze() {
    Map* map = new Map(Vector{0, 0, 0});
    AddGameObject(map);
    map->LoadMap();
}

void MainState::AddEnemies() {
    AddGameObject(new Enemy(Places::RELEASE_POINT, Colour{1, 0, 0, 1}, 0));
    AddGameObject(new Enemy(Places::PEN[0], Colour{1, 0.7f, 1, 1}, 5000));
    AddGameObject(new Enemy(Places::PEN[1], Colour{0, 1, 1, 1}, 10000));
    AddGameObject(new Enemy(Places::PEN[2], Colour{1, 0.7f, 0.3f, 1}, 15000));
}

void MainState::HandleEvents() {
    if (_keyboard->IsPressed(SDLK_p) && _prevKeyboard->IsReleased(SDLK_p)) {
        Pause(!_paused);
    }
}

void MainState::Pause(bool paused) {
    Log::Line(paused ? "Pausing" : "Not pausing");
    _paused = paused;
    Platform::TellPaused(paused);
}

void MainState::PausePlay() {
    if (!_paused) {
        Pause(true);
    }
}

void MainState::Update() {
    HandleEvents();
    UpdateGameObjects();
    CheckCollisions();
    RemoveDeleted();
    DrawGameObjects();
    _render->Refresh();
    RenewSnapshot();
}

void MainState::UpdateGameObjects() {
    if (_paused) {
        return;
    }
    for (GameObject* object : _gameObjects) {
        object->Update();
    }
}

void MainState::DrawGameObjects() {
    for (GameObject* object : _gameObjects) {
        _render->Draw(object, nullptr);
    }
}

// Only objects that moved start tests; both partners of a hit are told, A first. A pair of
// movers is found from both sides, and a correction by one reaction is seen by later tests.
void MainState::CheckCollisions() {
    for (GameObject* a : _gameObjects) {
        if (!a->Collides() || !a->HasMoved() || !a->GetHitbox()) {
            continue;
        }
        for (GameObject* b : _gameObjects) {
            if (b->GetGroupID() == a->GetGroupID() || !b->Collides() || !b->GetHitbox()) {
                continue;
            }
            if (CollisionDetector::Test(*a->GetHitbox(), *a->GetTransform(), *b->GetHitbox(),
                                        *b->GetTransform())) {
                a->IsInside(b);
                b->IsInside(a);
            }
        }
    }
}
