#pragma once

#include "states/GameState.h"

class Player;

// The play state: builds a level, runs it, pauses it on p, pairs colliding objects and
// draws the frame.
class MainState : public GameState {
public:
    MainState(const Keyboard* keyboard, Render* render, Window* window);
    ~MainState() override;

    // frame
    bool Initialize() override;
    void Update() override;
    void HandleEvents() override;

    // pause
    void Pause(bool paused);
    void PausePlay() override;
    void Resume() { _paused = false; }
    bool IsPaused() const { return _paused; }

    // collision
    void CheckCollisions();

    Player* GetPlayer() const { return _levelPlayer; }

protected:
    // the map object first, then the maze's objects in file order
    void BuildMaze();
    void AddEnemies();
    void UpdateGameObjects();
    void DrawGameObjects();

    bool _paused;
    Player* _levelPlayer; // owned through the object list
};
