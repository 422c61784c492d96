#include "app/Game.h"

#include "audio/Audio.h"
#include "core/Gamepad.h"
#include "core/Keyboard.h"
#include "core/Log.h"
#include "platform/Platform.h"
#include "states/GameState.h"
#include "states/MainState.h"
#include "video/Graphics.h"
#include "video/Render.h"
#include "video/Window.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>

bool Game::_run = true;
bool Game::_restart = false;
bool Game::_newMaze = false;
float Game::_fps = 0;
Timer Game::_gameTimer;
Window* Game::_window = nullptr;
Render* Game::_render = nullptr;
Keyboard* Game::_keyboard = nullptr;
Gamepad* Game::_gamepad = nullptr;
GameState* Game::_state = nullptr;
Game::StateFactory Game::_stateFactory = Game::MakeMainState;

void Game::Initialize(const WindowSettings& settings, const PadSettings& pad, std::optional<uint32_t> seed) {
    _run = true;
    _restart = false;
    _newMaze = false;
    _fps = 0;
    srand(seed ? *seed : static_cast<unsigned>(time(nullptr)));

    _window = new Window(settings);
    if (!_window->Init()) {
        _run = false;
    }
    _render = new Render(Platform::SwapShowsFrame());
    if (!_render->Init(_window->GetWidth(), _window->GetHeight())) {
        _run = false;
    }
    if (!Graphics::LoadGraphics()) {
        _run = false;
    }
    _keyboard = new Keyboard(Platform::Sdl12Symbol);
    if (Platform::ReadsJoysticks()) {
        _gamepad = new Gamepad(_keyboard, pad, Platform::UsesControllerLayout());
        _gamepad->Open();
    }

    // stored before it is initialised: the map loader adds its objects through this door
    _state = _stateFactory(_keyboard, _render, _window);
    if (!_state->Initialize()) {
        _run = false;
    }
    Log::Line(_run ? "Game initialization successful" : "Game initialization failed");
    if (_run && settings.fullscreen) {
        _window->ToggleFullscreen();
    }
}

WindowSettings Game::GetWindowSettings() {
    return _window ? _window->GetSettings() : WindowSettings();
}

bool Game::Step(bool draw, uint32_t waitMs) {
    if (!_run) {
        return false;
    }
    _gameTimer.Start();
    _render->BeginFrame(draw);
    _state->Update();
    ReadEvents();
    if (_keyboard->IsPressed(SDLK_ESCAPE)) {
        _run = false;
    }
    WaitForStepEnd(waitMs);
    // where the platform's clock paces the steps instead, a step still counts whole
    _fps = 1000.0f / static_cast<float>(std::max(_gameTimer.GetTicks(), STEP_MS));
    if (_restart) {
        ReplaceState();
    }
    return true;
}

// A key-down event is the press edge itself; the window changes once the queue is empty.
void Game::ReadEvents() {
    bool toggleFullscreen = false;
    int resizeWidth = 0;
    int resizeHeight = 0;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        switch (event.type) {
        case SDL_KEYDOWN:
            _keyboard->KeyPress(event.key.keysym.sym);
            toggleFullscreen =
                toggleFullscreen || IsFullscreenKey(event.key.keysym.sym, event.key.keysym.mod);
            break;
        case SDL_KEYUP:
            _keyboard->KeyRelease(event.key.keysym.sym);
            break;
        case SDL_QUIT:
            _run = false;
            break;
        case SDL_VIDEORESIZE:
            resizeWidth = event.resize.w;
            resizeHeight = event.resize.h;
            break;
        default:
            if (_gamepad) {
                _gamepad->Handle(event);
            }
            break;
        }
    }
    if (toggleFullscreen) {
        _window->ToggleFullscreen();
    } else if (resizeWidth > 0 && resizeHeight > 0) {
        _window->Resize(resizeWidth, resizeHeight);
    }
}

// F11, or Enter with Alt held
bool Game::IsFullscreenKey(int symbol, int modifiers) {
    return symbol == SDLK_F11 || (symbol == SDLK_RETURN && (modifiers & KMOD_ALT));
}

// spins rather than sleeps: a sleep on a desktop scheduler overshoots the step
void Game::WaitForStepEnd(uint32_t waitMs) {
    while (_gameTimer.GetTicks() < waitMs) {
    }
}

void Game::ReplaceState() {
    delete _state;
    if (_newMaze) {
        Graphics::LoadPictures();
        _newMaze = false;
    }
    _state = _stateFactory(_keyboard, _render, _window);
    _state->Initialize();
    _restart = false;
}

void Game::Close() {
    Log::Line("Shutting down game");
    delete _state;
    _state = nullptr;
    Audio::Close();
    Graphics::UnloadGraphics();
    delete _gamepad;
    _gamepad = nullptr;
    delete _keyboard;
    _keyboard = nullptr;
    delete _render;
    _render = nullptr;
    delete _window;
    _window = nullptr;
}

void Game::AddObject(Entity* entity) {
    _state->AddObject(entity);
}

void Game::AddGameObject(GameObject* object) {
    _state->AddGameObject(object);
}

void Game::Remove(Entity* entity) {
    _state->RemoveObjectLater(entity);
}

void Game::Restart() {
    _restart = true;
}

void Game::NewMaze() {
    _newMaze = true;
    _restart = true;
}

void Game::PausePlay() {
    if (_state) {
        _state->PausePlay();
    }
}

void Game::RenewGraphics() {
    if (_window) {
        _window->RenewContext();
    }
}

void Game::DoRestart() {
    ReplaceState();
}

void Game::SetStateFactory(StateFactory factory) {
    _stateFactory = factory ? factory : MakeMainState;
}

GameState* Game::MakeMainState(const Keyboard* keyboard, Render* render, Window* window) {
    return new MainState(keyboard, render, window);
}
