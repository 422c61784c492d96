#include "core/Game.h"

int main(int, char**) {
    Game::Initialize();
    Game::Run();
    Game::Close();
    return 0;
}
