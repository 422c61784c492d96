#include "app/ProcessSetup.h"
#include "core/Game.h"

int main(int, char**) {
    ProcessSetup::Prepare();
    Game::Initialize();
    Game::Run();
    Game::Close();
    return 0;
}
