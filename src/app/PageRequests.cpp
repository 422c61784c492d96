// Everything the page around the browser game may ask of it: plain C functions that the
// page calls by name between the game's steps, each exported by its EMSCRIPTEN_KEEPALIVE.
// Only the browser build compiles this file. The page's maze editor asks here too, so that
// its mazes are read and checked by the game's own code.
#include "app/Game.h"
#include "app/MazeOffer.h"
#include "app/PageAnswers.h"
#include "level/BlankMaze.h"
#include "level/Maze.h"
#include "platform/WebPage.h"
#include "video/QuadBatch.h"

#include <emscripten.h>

#include <cstdint>
#include <string>

// The largest draw of a frame is the quads of one texture: at most one a maze cell (the
// pellets), the maze picture and the actors having textures of their own. Its vertices fit
// the buffer the GL emulation keeps for a draw from client-side arrays.
static_assert(sizeof(QuadBatch::Vertex) * 4 * Maze::ROWS * Maze::COLUMNS <= TRAVOLK_GL_TEMP_BUFFER_BYTES,
              "a frame's largest draw does not fit the GL emulation's buffer: raise TRAVOLK_GL_TEMP_BUFFER_BYTES");

// the text the page reads from the last call, until the next
static const char* Answer(const std::string& text) {
    static std::string answer;
    answer = text;
    return answer.c_str();
}

// a report (see PageAnswers::Report)
extern "C" EMSCRIPTEN_KEEPALIVE const char* travolk_offer_maze(const char* path) {
    return Answer(PageAnswers::Report(MazeOffer::Take(path)));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* travolk_current_maze() {
    return Answer(MazeOffer::Current());
}

// a report (see PageAnswers::Report)
extern "C" EMSCRIPTEN_KEEPALIVE const char* travolk_check_maze(const char* text) {
    return Answer(PageAnswers::Report(MazeOffer::Check(text)));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* travolk_read_maze(const char* path) {
    return Answer(MazeOffer::Read(path));
}

extern "C" EMSCRIPTEN_KEEPALIVE const char* travolk_blank_maze() {
    return Answer(BlankMaze::Text());
}

// the maze's rules (see PageAnswers::Rules)
extern "C" EMSCRIPTEN_KEEPALIVE const char* travolk_maze_rules() {
    return Answer(PageAnswers::Rules());
}

// The maze picture the game would draw for a maze's text (see PageAnswers::Picture), its
// bytes kept until the next call.
extern "C" EMSCRIPTEN_KEEPALIVE const char* travolk_maze_picture(const char* text) {
    static Image picture;
    picture = MazeOffer::Picture(text);
    return Answer(PageAnswers::Picture(picture));
}

// the steps taken since the page loaded, for the page's figures
extern "C" EMSCRIPTEN_KEEPALIVE unsigned travolk_steps_taken() {
    return WebPage::StepsTaken();
}

// a key held down (down 1) or let go (down 0), as a pad's button is
extern "C" EMSCRIPTEN_KEEPALIVE void travolk_press_key(const char* name, int down) {
    WebPage::PressKey(name, down != 0);
}

// a key pressed once and held for one step, as a swipe presses it
extern "C" EMSCRIPTEN_KEEPALIVE void travolk_tap_key(const char* name) {
    WebPage::TapKey(name);
}

// The player looked away: play paused, as the game's pause key pauses it (unless it is
// paused already).
extern "C" EMSCRIPTEN_KEEPALIVE void travolk_pause_game() {
    Game::PausePlay();
}

// every key the page can press let go, paused or not, as when the player looks away
extern "C" EMSCRIPTEN_KEEPALIVE void travolk_release_keys() {
    WebPage::ReleaseKeys();
}

// the game held still (held 1) while the page holds it (its maze editor open, its graphics
// lost), or let go (held 0)
extern "C" EMSCRIPTEN_KEEPALIVE void travolk_hold_game(int held) {
    WebPage::HoldGame(held != 0);
}

// The browser gave back the WebGL context it had taken away, empty: everything the game
// kept in it made again, the GL emulation's first, then the game's textures and render state.
extern "C" EMSCRIPTEN_KEEPALIVE void travolk_renew_graphics() {
    WebPage::RenewContext();
    Game::RenewGraphics();
}
