// Linux and the other systems where SDL 1.2 draws through X11 and GLX.
#include "platform/Platform.h"

#include "platform/WindowManager.h"

#include <GL/glx.h>
#include <SDL.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

// X11 keeps the GLX context across a change of video mode, and GLX cannot make an existing
// context share another's textures; the context is compared to tell whether they survived.
static GLXContext contextBefore = nullptr;
// sdl12-compat's variable for SDL 2's game controllers; classic SDL 1.2 ignores it
static const char* const GAME_CONTROLLERS = "SDL12COMPAT_USE_GAME_CONTROLLERS";
// sdl12-compat numbers its own releases from 1.2.50 on
static const int COMPAT_FIRST_PATCH = 50;

void Platform::PrepareProcess() {
    // A log reader that goes away (`travolk | head -n 1`) must not end the game: the write
    // fails, the log stream stops writing, and the game plays on.
    signal(SIGPIPE, SIG_IGN);
    // Started with standard output closed, the X connection that SDL opens would take its
    // number, and every log line would go into the X socket. The first free number is
    // taken, so filling 0, 1, 2 in order with /dev/null keeps them where they belong.
    for (int fd = 0; fd <= 2; ++fd) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        }
    }
}

// $XDG_CONFIG_HOME/travolk/settings, or ~/.config/travolk/settings when it is unset
std::string Platform::SettingsPath() {
    const char* config = getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') {
        return std::string(config) + "/travolk/settings";
    }
    const char* home = getenv("HOME");
    if (home && home[0] != '\0') {
        return std::string(home) + "/.config/travolk/settings";
    }
    return "";
}

void Platform::PrepareVideoDriver() {
    // Without a reachable X display, SDL would fall back to its text-mode drivers, which
    // write terminal codes into the log and can never open an OpenGL window.
    setenv("SDL_VIDEODRIVER", "x11", 0);
    // The window's class (WM_CLASS) is how a desktop matches the window to the game's
    // desktop entry and icon; without it SDL names the class after the executable file.
    setenv("SDL_VIDEO_X11_WMCLASS", "travolk", 0);
    // The game brings its frame to any window size itself. sdl12-compat would otherwise
    // draw OpenGL into a picture of its own and scale that to the window, which changes the
    // colours of blended pixels that the game copies; classic SDL 1.2 ignores the variable.
    setenv("SDL12COMPAT_OPENGL_SCALING", "0", 0);
    // Pads come in SDL 2's game controller layout, the same for every known pad (the d-pad
    // as buttons, Start one number), rather than numbered as each device numbers itself.
    setenv(GAME_CONTROLLERS, "1", 0);
}

// the SDL in use is sdl12-compat, and its game controllers were asked for (by the game,
// unless the player chose otherwise)
bool Platform::UsesControllerLayout() {
    const char* asked = getenv(GAME_CONTROLLERS);
    return SDL_Linked_Version()->patch >= COMPAT_FIRST_PATCH && asked && strcmp(asked, "0") != 0;
}

bool Platform::BeginModeChange() {
    SDL_SysWMinfo info;
    if (!QueryWindowManager(info)) {
        return false;
    }
    contextBefore = glXGetCurrentContext();
    return true;
}

bool Platform::EndModeChange() {
    return glXGetCurrentContext() == contextBefore;
}
