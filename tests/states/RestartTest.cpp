// Deaths and restarts through the real driver.
#include "actors/Enemy.h"
#include "actors/Player.h"
#include "app/Game.h"
#include "states/MainState.h"
#include "support/Events.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>

static MainState* Current() {
    return static_cast<MainState*>(Game::GetState());
}

static Enemy* FirstEnemy() {
    for (GameObject* object : Current()->GetGameObjects()) {
        if (object->GetType() == TYPE_ENEMY) {
            return static_cast<Enemy*>(object);
        }
    }
    return nullptr;
}

class Restart : public ::testing::Test {
protected:
    void SetUp() override {
        clock.TickOnEveryRead(1);
        Game::Initialize();
        ASSERT_TRUE(Game::IsRunning());
    }
    void TearDown() override { Game::Close(); }

    static long Deletions(const LogCapture& log) {
        const auto lines = log.Lines();
        return std::count(lines.begin(), lines.end(), "Deleting Objects");
    }

    FakeClock clock;
    LogCapture log;
};

TEST_F(Restart, EnemyStartingTheTestKillsAStandingPlayer) {
    Game::RunDesktopStep();
    Enemy* enemy = FirstEnemy();
    ASSERT_FALSE(Current()->GetPlayer()->HasMoved());
    enemy->Release(); // keep it released where it is
    enemy->SetPos(Current()->GetPlayer()->GetPos());
    log.Clear();
    Game::RunDesktopStep();
    EXPECT_EQ(Deletions(log), 1);
    EXPECT_NE(Current()->GetPlayer(), nullptr);
    EXPECT_EQ(Current()->GetPlayer()->GetPos().x, 246);
    EXPECT_EQ(FirstEnemy()->GetPos().x, 226);
}

TEST_F(Restart, MovingPlayerTouchingAnEnemyRestartsOnceAndUnpaused) {
    PushKey(SDL_KEYDOWN, SDLK_d);
    Game::RunDesktopStep();
    Game::RunDesktopStep();
    ASSERT_TRUE(Current()->GetPlayer()->HasMoved());
    Current()->Pause(true);
    Enemy* enemy = FirstEnemy();
    enemy->Release();
    enemy->SetPos(Current()->GetPlayer()->GetPos());
    log.Clear();
    Game::RunDesktopStep(); // paused: nothing moves, but the pass still finds the pair
    EXPECT_EQ(Deletions(log), 1);
    EXPECT_FALSE(Current()->IsPaused());
    EXPECT_EQ(Current()->GetPlayer()->GetPos().x, 246);
}

TEST_F(Restart, BigPlayerEatsTheEnemyInstead) {
    Game::RunDesktopStep();
    Current()->GetPlayer()->Embiggen();
    Enemy* enemy = FirstEnemy();
    enemy->Release();
    enemy->SetPos(Current()->GetPlayer()->GetPos());
    log.Clear();
    Game::RunDesktopStep();
    EXPECT_EQ(Deletions(log), 0);
    EXPECT_TRUE(FirstEnemy()->IsDead());
    Game::RunDesktopStep();
    EXPECT_EQ(FirstEnemy()->GetPos().x, 226);
    EXPECT_EQ(FirstEnemy()->GetPos().y, 186);
}
