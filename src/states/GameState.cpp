#include "states/GameState.h"

#include "actors/GameObject.h"
#include "core/Keyboard.h"
#include "core/Log.h"

#include <algorithm>

GameState::GameState(const Keyboard* keyboard, Render* render, Window* window)
    : _window(window), _render(render), _keyboard(keyboard), _prevKeyboard(new Keyboard(*keyboard)) {}

GameState::~GameState() {
    Log::Line("Deleting Objects");
    DestroyObjects();
    // requests made while destroying are discarded: their entities went with the lists
    _removeList.clear();
    delete _prevKeyboard;
}

void GameState::Update() {
    HandleEvents();
    UpdateObjects();
    DrawObjects();
    RenewSnapshot();
}

void GameState::RenewSnapshot() {
    delete _prevKeyboard;
    _prevKeyboard = new Keyboard(*_keyboard);
}

void GameState::AddObject(Entity* entity) {
    _objects.push_back(entity);
}

void GameState::AddGameObject(GameObject* object) {
    _gameObjects.push_back(object);
}

void GameState::RemoveObjectLater(Entity* entity) {
    if (std::find(_removeList.begin(), _removeList.end(), entity) == _removeList.end()) {
        _removeList.push_back(entity);
    }
}

// Last requested first; the end of the list is read again after every destruction, so
// requests made by a destructor are served by the same pass.
void GameState::RemoveDeleted() {
    while (!_removeList.empty()) {
        Entity* entity = _removeList.back();
        _objects.remove(entity);
        _gameObjects.remove_if([entity](GameObject* object) { return object == entity; });
        _removeList.pop_back();
        delete entity;
    }
}

// Plain entities first, each list from its newest element to its oldest.
void GameState::DestroyObjects() {
    while (!_objects.empty()) {
        Entity* entity = _objects.back();
        _objects.pop_back();
        delete entity;
    }
    while (!_gameObjects.empty()) {
        GameObject* object = _gameObjects.back();
        _gameObjects.pop_back();
        delete object;
    }
}
