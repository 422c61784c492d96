// The browser: emscripten's SDL 1.2 over a canvas, OpenGL through WebGL. The browser owns
// the loop: at each animation frame the game takes the steps its clock says are due, the
// last of them drawn, and the browser shows that frame when the frame's callback returns.
#include "platform/Platform.h"
#include "platform/WebPage.h"

#include "core/StepClock.h"

#include <SDL.h>
#include <emscripten.h>

#include <string>

// A frame runs at most this many steps; a backlog longer than this is dropped, so a page
// that was stalled or hidden resumes rather than races.
static const int MAX_STEPS_PER_FRAME = 4;
static const double MAX_BACKLOG_MS = 250;

static Platform::GameLoop game = {0, nullptr, nullptr};
static StepClock stepClock(0, MAX_STEPS_PER_FRAME, MAX_BACKLOG_MS);
static unsigned stepsTaken = 0;
// whether the browser runs the game's loop: from the start until the game ends
static bool looping = false;
// a key the page tapped, released once a step has read its press; 0 when none
static int tappedKey = 0;

// The page learns that the game answers, and may hand it a maze before it starts.
EM_JS(void, TellPageReady, (), {
    if (Module.travolkReady) {
        Module.travolkReady();
    }
});

EM_JS(void, TellPagePaused, (int paused), {
    if (Module.travolkPaused) {
        Module.travolkPaused(Boolean(paused));
    }
});

// emscripten's SDL would end the game when the page unloads, with an unload handler. A game
// with nothing to save on its way out needs none, and one keeps the page out of the
// browser's back/forward cache (and is deprecated): the window takes no unload handler.
EM_JS(void, RefuseUnloadHandlers, (), {
    window.addEventListener = function(type, listener, options) {
        if (type != "unload") {
            EventTarget.prototype.addEventListener.call(this, type, listener, options);
        }
    };
});

EM_JS(void, TellPageEnded, (), {
    if (Module.travolkEnded) {
        Module.travolkEnded();
    }
});

// After the browser gave back the WebGL context it took away, empty: what emscripten's GL
// emulation made in the old one is made again in it (the shader programs of its fixed
// functions, its vertex buffers and the quads' index buffer), and the old texture names,
// whose textures went with the old context, are let go. The game's own textures come
// back through the game's upload (Game::RenewGraphics).
EM_JS(void, RenewEmulatedGL, (), {
    var context = GL.currentContext;
    GL.textures.fill(null);
    GLImmediate.rendererCache = GLImmediate.MapTreeLib.create();
    GLImmediate.currentRenderer = null;
    GLImmediate.lastRenderer = null;
    GLImmediate.lastArrayBuffer = null;
    GLImmediate.lastProgram = null;
    GLImmediate.lastStride = -1;
    GL.generateTempBuffers(true, context);
});

unsigned WebPage::StepsTaken() {
    return stepsTaken;
}

// the page's names of the game's keys; the game's rules see a keyboard
struct NamedKey {
    const char* name;
    int symbol;
};
static const NamedKey PAGE_KEYS[] = {
    {"ArrowUp", SDLK_UP}, {"ArrowDown", SDLK_DOWN}, {"ArrowLeft", SDLK_LEFT}, {"ArrowRight", SDLK_RIGHT},
    {"p", SDLK_p},
};

static int PageKey(const std::string& name) {
    for (const NamedKey& key : PAGE_KEYS) {
        if (name == key.name) {
            return key.symbol;
        }
    }
    return 0;
}

static void PushKey(int symbol, bool down) {
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = static_cast<SDLKey>(symbol);
    SDL_PushEvent(&event);
}

void WebPage::PressKey(const std::string& name, bool down) {
    const int symbol = PageKey(name);
    if (symbol != 0) {
        PushKey(symbol, down);
    }
}

// a step reads the press, and the next step sees the key down and reads the release
void WebPage::ReleaseKeys() {
    for (const NamedKey& key : PAGE_KEYS) {
        PushKey(key.symbol, false);
    }
    tappedKey = 0;
}

void WebPage::RenewContext() {
    RenewEmulatedGL();
}

void WebPage::TapKey(const std::string& name) {
    const int symbol = PageKey(name);
    if (symbol == 0) {
        return;
    }
    if (tappedKey != 0) {
        PushKey(tappedKey, false);
    }
    PushKey(symbol, true);
    tappedKey = symbol;
}

void Platform::PrepareProcess() {}

// a browser page has no settings file: every visit starts from the defaults
std::string Platform::SettingsPath() {
    return "";
}

void Platform::GreetPage() {
    TellPageReady();
}

void Platform::TellPaused(bool paused) {
    TellPagePaused(paused ? 1 : 0);
}

static void EndGame() {
    emscripten_cancel_main_loop();
    looping = false;
    game.end();
    TellPageEnded();
}

static void RunAnimationFrame() {
    const int due = stepClock.StepsDue(emscripten_get_now());
    for (int step = 1; step <= due; ++step) {
        if (!game.step(step == due, 0)) {
            EndGame();
            return;
        }
        ++stepsTaken;
        if (tappedKey != 0) {
            PushKey(tappedKey, false);
            tappedKey = 0;
        }
    }
}

void Platform::RunGame(const GameLoop& loop) {
    game = loop;
    stepClock = StepClock(loop.stepMs, MAX_STEPS_PER_FRAME, MAX_BACKLOG_MS);
    looping = true;
    emscripten_set_main_loop(RunAnimationFrame, 0, 0);
}

// No step runs while held, and the clock's backlog limit lets the game go on where it
// stopped.
void WebPage::HoldGame(bool held) {
    if (!looping) {
        return;
    }
    if (held) {
        emscripten_pause_main_loop();
    } else {
        emscripten_resume_main_loop();
    }
}

// emscripten's SDL numbers the keys without a character the newer way (scan code + 1024)
struct KeyNumbers {
    int web;
    int sdl12;
};
static const KeyNumbers SDL12_SYMBOLS[] = {
    // the arrows
    {SDLK_UP, 273},
    {SDLK_DOWN, 274},
    {SDLK_RIGHT, 275},
    {SDLK_LEFT, 276},
    // insert, home, end, page up, page down
    {SDLK_INSERT, 277},
    {SDLK_HOME, 278},
    {SDLK_END, 279},
    {SDLK_PAGEUP, 280},
    {SDLK_PAGEDOWN, 281},
    // F1 to F12
    {SDLK_F1, 282},
    {SDLK_F2, 283},
    {SDLK_F3, 284},
    {SDLK_F4, 285},
    {SDLK_F5, 286},
    {SDLK_F6, 287},
    {SDLK_F7, 288},
    {SDLK_F8, 289},
    {SDLK_F9, 290},
    {SDLK_F10, 291},
    {SDLK_F11, 292},
    {SDLK_F12, 293},
    // the shifts, ctrls and alts, right before left
    {SDLK_RSHIFT, 303},
    {SDLK_LSHIFT, 304},
    {SDLK_RCTRL, 305},
    {SDLK_LCTRL, 306},
    {SDLK_RALT, 307},
    {SDLK_LALT, 308},
};

int Platform::Sdl12Symbol(int symbol) {
    for (const KeyNumbers& key : SDL12_SYMBOLS) {
        if (symbol == key.web) {
            return key.sdl12;
        }
    }
    return symbol;
}

// before SDL starts, which asks for an unload handler
void Platform::PrepareVideoDriver() {
    RefuseUnloadHandlers();
}

// The canvas keeps its size. The page switches the game area's fullscreen itself (F11,
// Alt+Enter, its button), inside the key's own event as browsers require, and scales it.
bool Platform::BeginModeChange() {
    return false;
}

bool Platform::EndModeChange() {
    return true;
}

bool Platform::ReadsJoysticks() {
    return false;
}

// the page reads the gamepads in the browser's standard mapping
bool Platform::UsesControllerLayout() {
    return false;
}

bool Platform::SwapShowsFrame() {
    return false;
}
