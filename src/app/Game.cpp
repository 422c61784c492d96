#include "app/Game.h"

#include "audio/Audio.h"
#include "core/Keyboard.h"
#include "core/Log.h"
#include "platform/Platform.h"
#include "states/GameState.h"
#include "states/MainState.h"
#include "video/Graphics.h"
#include "video/Render.h"
#include "video/Window.h"

#include <SDL.h>

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
GameState* Game::_state = nullptr;
Game::StateFactory Game::_stateFactory = Game::MakeMainState;

static const uint32_t FRAME_MS = 16;

void Game::Initialize(const WindowSettings& settings) {
    _run = true;
    _restart = false;
    _newMaze = false;
    _fps = 0;
    srand(static_cast<unsigned>(time(nullptr)));

    _window = new Window(settings);
    if (!_window->Init()) {
        _run = false;
    }
    _render = new Render();
    if (!_render->Init(_window->GetWidth(), _window->GetHeight())) {
        _run = false;
    }
    if (!Graphics::LoadGraphics()) {
        _run = false;
    }
    _keyboard = new Keyboard();

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

void Game::Run() {
    while (_run) {
        RunFrame();
    }
}

void Game::RunFrame() {
    _gameTimer.Start();
    _state->Update();
    ReadEvents();
    if (_keyboard->IsPressed(SDLK_ESCAPE)) {
        _run = false;
    }
    WaitForFrameEnd();
    _fps = 1000.0f / static_cast<float>(_gameTimer.GetTicks());
    if (_restart) {
        ReplaceState();
    }
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

void Game::WaitForFrameEnd() {
    Platform::WaitForStepEnd(_gameTimer, FRAME_MS);
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

void Game::DoRestart() {
    ReplaceState();
}

void Game::SetStateFactory(StateFactory factory) {
    _stateFactory = factory ? factory : MakeMainState;
}

GameState* Game::MakeMainState(const Keyboard* keyboard, Render* render, Window* window) {
    return new MainState(keyboard, render, window);
}
