#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/Game.h"
#include "app/SettingsFile.h"
#include "platform/Platform.h"

// On Windows SDL's start-up layer owns the process entry: its header turns this main into
// the SDL_main that the layer calls once it has sent standard output into stdout.txt.
#include <SDL.h>

// The installed game runs in its installed data folder unless told otherwise; the game
// built in build/ runs in its working directory, beside build/res/.
static std::string DefaultDataFolder() {
#ifdef TRAVOLK_INSTALLED_DATADIR
    return TRAVOLK_INSTALLED_DATADIR;
#else
    return "";
#endif
}

// the remembered choices, with the command line's for this run
static WindowSettings ChooseWindowSettings(const WindowSettings& remembered, const Options& options) {
    WindowSettings settings = remembered;
    if (options.scale != 0) {
        settings.scale = options.scale;
    }
    settings.fullscreen = settings.fullscreen || options.fullscreen;
    return settings;
}

// what the game's ending needs of its start
static std::string settingsPath;
static Settings remembered;
static bool started = false;

static void EndGame() {
    const WindowSettings last = Game::GetWindowSettings();
    Game::Close();
    // a game that never started changed nothing worth remembering
    if (started &&
        (last.scale != remembered.window.scale || last.fullscreen != remembered.window.fullscreen)) {
        SettingsFile::Save(settingsPath, {last, remembered.pad});
    }
}

int main(int argc, char** argv) {
    Platform::PrepareProcess();
    Options options;
    options.dataDir = DefaultDataFolder();
    const int status = CommandLine::Parse(argc, argv, options);
    if (status != CommandLine::START) {
        return status;
    }
    if (!DataFolder::Enter(options.dataDir)) {
        return 2;
    }
    Platform::GreetPage();
    settingsPath = Platform::SettingsPath();
    remembered = SettingsFile::Load(settingsPath);

    Game::Initialize(ChooseWindowSettings(remembered.window, options), remembered.pad, options.seed);
    started = Game::IsRunning();
    Platform::RunGame({Game::STEP_MS, Game::Step, EndGame});
    return 0;
}
