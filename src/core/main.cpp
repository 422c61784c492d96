#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/ProcessSetup.h"
#include "core/Game.h"

// The installed game runs in its installed data folder unless told otherwise; the game
// built in build/ runs in its working directory, beside build/res/.
static std::string DefaultDataFolder() {
#ifdef TRAVOLK_INSTALLED_DATADIR
    return TRAVOLK_INSTALLED_DATADIR;
#else
    return "";
#endif
}

int main(int argc, char** argv) {
    ProcessSetup::Prepare();
    Options options;
    options.dataDir = DefaultDataFolder();
    const int status = CommandLine::Parse(argc, argv, options);
    if (status != CommandLine::START) {
        return status;
    }
    if (!DataFolder::Enter(options.dataDir)) {
        return 2;
    }
    Game::Initialize();
    Game::Run();
    Game::Close();
    return 0;
}
