#pragma once

#include <list>
#include <vector>

class Entity;
class GameObject;
class Keyboard;
class Render;
class Window;

// Owns every live entity in two ordered lists, and destroys removed ones only in its
// removal pass, when no walk over the lists is under way.
class GameState {
public:
    GameState(const Keyboard* keyboard, Render* render, Window* window);
    virtual ~GameState();

    // frame
    virtual void Update();
    virtual void HandleEvents() = 0;
    virtual bool Initialize() = 0;
    // play paused as the player's pause key pauses it, when it is not paused already; a
    // state without a pause goes on
    virtual void PausePlay() {}

    // registry
    void AddObject(Entity* entity);
    void AddGameObject(GameObject* object);
    void RemoveObjectLater(Entity* entity);
    virtual void RemoveDeleted();

    const std::list<Entity*>& GetObjects() const { return _objects; }
    const std::list<GameObject*>& GetGameObjects() const { return _gameObjects; }

protected:
    virtual void UpdateObjects() {}
    virtual void DrawObjects() {}
    virtual void DestroyObjects();
    void RenewSnapshot();

    // linked lists: appending during a walk neither disturbs the walk nor is missed by it
    std::list<Entity*> _objects;         // owned: plain entities, in order of adding
    std::list<GameObject*> _gameObjects; // owned: the order of updating, testing and drawing
    std::vector<Entity*> _removeList;    // removal requests since the last pass, no repeats
    Window* _window;                     // borrowed
    Render* _render;                     // borrowed
    const Keyboard* _keyboard;           // the live key table, read only
    Keyboard* _prevKeyboard;             // owned: the live table as the previous update saw it
};
