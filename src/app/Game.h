#pragma once

#include "core/PadSettings.h"
#include "core/Timer.h"
#include "video/WindowSettings.h"

#include <cstdint>
#include <optional>

class Entity;
class Gamepad;
class GameObject;
class GameState;
class Keyboard;
class Render;
class Window;

// The driver: start-up, the paced frame loop, restarts and shutdown, and the one door
// through which actors reach the current state. Static members only.
class Game {
public:
    using StateFactory = GameState* (*)(const Keyboard* keyboard, Render* render, Window* window);

    // a step of the game's logic, ms: every movement is so much a step
    static constexpr uint32_t STEP_MS = 16;

    // lifecycle; the random choices seeded with seed, or without one from the clock
    static void Initialize(const WindowSettings& settings = WindowSettings(), const PadSettings& pad = PadSettings(),
                           std::optional<uint32_t> seed = std::nullopt);
    static void Close();
    // One pass of the frame loop, if the run flag is set: the state's update with its frame
    // drawn when draw is set, the events, Escape, a spin until waitMs have passed since the
    // pass began, the restart. False when the flag was clear and nothing ran. A platform's
    // loop repeats it.
    static bool Step(bool draw, uint32_t waitMs);
    // One step as a desktop's loop runs it, drawn and spun out to its whole length: for the
    // tests, the soak run and the benchmarks, which drive the game step by step. The
    // platforms' own loops call Step.
    static bool RunDesktopStep() { return Step(true, STEP_MS); }

    // 1000 / the length of the last step in ms, counted as at least a whole step. On a
    // desktop, where each step is drawn and spun out, the frames drawn a second; in the
    // browser, whose clock paces the steps and draws only the last due at an animation
    // frame, the steps a second the last step's own work would allow, not the frames shown.
    static float GetFPS() { return _fps; }
    // the window's state to remember, before Close
    static WindowSettings GetWindowSettings();
    static bool IsRunning() { return _run; }

    // the door to the current state
    static void AddObject(Entity* entity);
    static void AddGameObject(GameObject* object);
    static void Remove(Entity* entity);
    static void Restart();
    static void DoRestart();
    // the maze files changed: its picture loaded again and a new game started in it
    static void NewMaze();
    // play paused, as its pause key pauses it, unless it is paused already
    static void PausePlay();
    // the GL context came back empty: the textures and the render state made again
    static void RenewGraphics();

    // test doors: make a state current, and choose what a restart builds
    static GameState* GetState() { return _state; }
    static void SetState(GameState* state) { _state = state; }
    static void SetStateFactory(StateFactory factory);

private:
    Game() {}

    static void ReadEvents();
    static bool IsFullscreenKey(int symbol, int modifiers);
    static void WaitForStepEnd(uint32_t waitMs);
    static void ReplaceState();
    static GameState* MakeMainState(const Keyboard* keyboard, Render* render, Window* window);

    static bool _run;
    static bool _restart;
    static bool _newMaze;
    static float _fps;
    static Timer _gameTimer;
    static Window* _window;     // owned
    static Render* _render;     // owned
    static Keyboard* _keyboard; // owned: the live key table
    static Gamepad* _gamepad;   // owned: the joysticks' keys; null where the page reads the pads
    static GameState* _state;   // owned: the current state
    static StateFactory _stateFactory;
};
