// The browser: emscripten's SDL 1.2 over a canvas, OpenGL through WebGL. The browser
// shows a frame only when the program gives control back to it, so the game yields at
// every shown frame, and keeps its own clock of steps whatever the screen's refresh.
#include "platform/Platform.h"

#include <emscripten.h>

#include <string>

// Waits for the browser's next animation frame, where it shows what was drawn.
EM_ASYNC_JS(void, WaitForAnimationFrame, (),
            { await new Promise(function(resume) { requestAnimationFrame(function() { resume(); }); }); });

// The clock of steps: when the current step was due, and how long a step lasts. A step
// that starts when the next is already due is not shown (nor drawn), up to MAX_LATE_STEPS
// in a row; a backlog of more than MAX_BACKLOG_MS is dropped, so a page that was stalled
// resumes rather than races.
static const int MAX_LATE_STEPS = 4;
static const double MAX_BACKLOG_MS = 250;
static double stepDue = 0; // ms of the page's clock, which SDL starting again does not reset
static double stepLength = 0;
static int lateSteps = 0;
static bool frameWanted = true;

// The page's calls, its one way into the game.
static Platform::PageRequests page = {nullptr, nullptr};

// the text the page reads from the last call, until the next
static const char* Answer(const std::string& text) {
    static std::string answer;
    answer = text;
    return answer.c_str();
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* travolk_offer_maze(const char* path) {
    return Answer(page.offerMaze ? page.offerMaze(path) : "unplayable\n");
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* travolk_current_maze() {
    return Answer(page.currentMaze ? page.currentMaze() : "");
}

// The page learns that the game answers, and may hand it a maze before it starts.
EM_JS(void, TellPageReady, (), {
    if (Module.travolkReady) {
        Module.travolkReady();
    }
});

EM_JS(void, TellPageEnded, (), {
    if (Module.travolkEnded) {
        Module.travolkEnded();
    }
});

void Platform::PrepareProcess() {}

void Platform::AnswerPage(const PageRequests& requests) {
    page = requests;
    TellPageReady();
}

void Platform::EndProcess() {
    TellPageEnded();
}

// a browser page has no settings file: every visit starts from the defaults
std::string Platform::SettingsPath() {
    return "";
}

void Platform::PrepareVideoDriver() {}

// The canvas keeps its size. The page switches the game area's fullscreen itself (F11,
// Alt+Enter, its button), inside the key's own event as browsers require, and scales it.
bool Platform::BeginModeChange() {
    return false;
}

bool Platform::EndModeChange() {
    return true;
}

bool Platform::FrameWanted() {
    return frameWanted;
}

void Platform::ShowFrame() {
    if (!frameWanted) {
        return;
    }
    const double nextDue = stepDue + stepLength;
    do {
        WaitForAnimationFrame();
    } while (emscripten_get_now() < nextDue);
}

void Platform::WaitForStepEnd(const Timer&, uint32_t stepMs) {
    stepLength = stepMs;
    stepDue += stepMs;
    const double now = emscripten_get_now();
    if (now > stepDue + MAX_BACKLOG_MS) {
        stepDue = now;
    }
    const bool late = now >= stepDue + stepMs;
    lateSteps = late ? lateSteps + 1 : 0;
    frameWanted = !late || lateSteps >= MAX_LATE_STEPS;
    if (frameWanted) {
        lateSteps = 0;
    }
}
