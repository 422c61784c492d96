#include "actors/Enemy.h"

#include "actors/Bit.h"
#include "actors/Wall.h"
#include "support/Level.h"
#include "support/LogCapture.h"

#include <SDL.h>
#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

static bool At(const Enemy* enemy, float x, float y) {
    return enemy->GetPos().x == x && enemy->GetPos().y == y;
}

using EnemyInLevel = LevelTest;

TEST_F(EnemyInLevel, LeaveThePenOneAfterAnother) {
    Build();
    const std::vector<Enemy*> enemies = Enemies();
    ASSERT_EQ(enemies.size(), 4u);
    Frames(1, 0);
    EXPECT_FALSE(enemies[0]->IsReleased()) << "released only once its timer reads more than 0";
    Frames(1, 1);
    EXPECT_TRUE(enemies[0]->IsReleased());
    EXPECT_TRUE(At(enemies[0], 226, 186));
    clock.Advance(4999 - 17); // the pink one waits 5000 ms
    for (int i = 0; i < 20; ++i) {
        keys.KeyPress(i % 2 ? SDLK_a : SDLK_d); // however the player moves
        Frames(1, 1);
        if (clock.Now() - 100000 <= 5000) {
            EXPECT_TRUE(At(enemies[1], 224, 233)) << clock.Now() - 100000;
        }
    }
    EXPECT_TRUE(enemies[1]->IsReleased());
    EXPECT_FALSE(enemies[2]->IsReleased());
    EXPECT_TRUE(At(enemies[2], 250, 233));
    EXPECT_TRUE(At(enemies[3], 198, 233));
}

TEST_F(EnemyInLevel, EatenRestsASecondThenGoesOnInItsOldDirection) {
    Build();
    Enemy* red = Enemies()[0];
    Frames(30);
    const int dir = red->GetDir();
    red->Die();
    Frames(1, 0);
    EXPECT_TRUE(At(red, 226, 186));
    EXPECT_TRUE(red->IsDead());
    clock.Advance(1000);
    Frames(1, 0);
    EXPECT_TRUE(red->IsDead()) << "at exactly 1000 ms";
    Frames(1, 1);
    EXPECT_FALSE(red->IsDead());
    EXPECT_TRUE(At(red, 226, 186));
    Frames(1, 0);
    EXPECT_EQ(red->GetDir(), dir);
    EXPECT_FALSE(At(red, 226, 186)) << "moving again";
}

TEST_F(EnemyInLevel, EatenTwiceIsReleasedASecondAfterTheSecondTime) {
    Build();
    Enemy* cyan = Enemies()[2];
    cyan->Die(); // while still waiting: dead comes first
    clock.Advance(600);
    cyan->Die();
    clock.Advance(1000);
    Frames(1, 0);
    EXPECT_TRUE(cyan->IsDead());
    EXPECT_TRUE(At(cyan, 250, 233));
    Frames(1, 1);
    EXPECT_TRUE(cyan->IsReleased());
    EXPECT_TRUE(At(cyan, 226, 186));
}

TEST_F(EnemyInLevel, WallHitStepsBackAndDrawsANewDirection) {
    Build();
    Enemy* red = Enemies()[0];
    Frames(2);
    const Vector before = red->GetPos();
    red->Update(); // one step
    Wall wall(Vector{0, 0, 0});
    LogCapture log;
    red->IsInside(&wall);
    EXPECT_EQ(red->GetPos().x, before.x);
    EXPECT_EQ(red->GetPos().y, before.y);
    const Lines lines = log.Lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::to_string(red->GetDir()));
    EXPECT_EQ(lines[1], "Och Nae");
}

TEST_F(EnemyInLevel, PassesThroughBitsAndOthers) {
    Build();
    Enemy* red = Enemies()[0];
    Frames(2);
    Bit bit(Vector{0, 0, 0});
    const Vector before = red->GetPos();
    LogCapture log;
    red->IsInside(&bit);
    red->IsInside(Enemies()[1]);
    red->IsInside(ThePlayer());
    EXPECT_TRUE(log.Lines().empty());
    EXPECT_EQ(red->GetPos().x, before.x);
    EXPECT_EQ(red->GetPos().y, before.y);
}

TEST_F(EnemyInLevel, BitsTouchedByEnemiesStay) {
    Build();
    const int bits = Count(TYPE_BIT) + Count(TYPE_BIGBIT);
    Frames(300); // the red enemy roams over pellets; the player stands still
    EXPECT_EQ(Count(TYPE_BIT) + Count(TYPE_BIGBIT), bits);
}

TEST(Enemy, ConstructionWritesItsDirectionOnly) {
    LogCapture log;
    srand(5);
    const int expected = rand() % 4;
    srand(5);
    Enemy enemy(Vector{1, 2, 0}, Colour{1, 0, 0, 1}, 0);
    EXPECT_EQ(log.Lines(), (Lines{std::to_string(expected)}));
    EXPECT_EQ(enemy.GetDir(), expected);
    EXPECT_TRUE(enemy.HasMoved()) << "an enemy always starts collision tests";
    EXPECT_EQ(enemy.GetColour().g, 0);
}

TEST(Enemy, MovesOnePixelAFrameInItsDirection) {
    Enemy enemy(Vector{100, 100, 0}, Colour{1, 1, 1, 1}, 0);
    enemy.Release();
    const Vector start = enemy.GetPos();
    enemy.Move();
    const float dx = enemy.GetPos().x - start.x;
    const float dy = enemy.GetPos().y - start.y;
    const float expected[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    EXPECT_EQ(dx, expected[enemy.GetDir()][0]);
    EXPECT_EQ(dy, expected[enemy.GetDir()][1]);
}
