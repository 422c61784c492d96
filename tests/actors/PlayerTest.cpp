#include "actors/Player.h"

#include "actors/BigBit.h"
#include "actors/Wall.h"
#include "support/Level.h"
#include "support/LogCapture.h"

#include <SDL.h>
#include <gtest/gtest.h>

using PlayerInLevel = LevelTest;

TEST_F(PlayerInLevel, StandsStillUntilTheFirstKey) {
    Build<PlayerOnlyState>();
    Frames(10);
    EXPECT_EQ(ThePlayer()->GetPos().x, 246);
    EXPECT_EQ(ThePlayer()->GetPos().y, 376);
    EXPECT_FALSE(ThePlayer()->HasMoved());
}

TEST_F(PlayerInLevel, KeysInPriorityWThenSThenAThenD) {
    Build<PlayerOnlyState>();
    keys.KeyPress(SDLK_w);
    keys.KeyPress(SDLK_d);
    Frames(3);
    EXPECT_EQ(ThePlayer()->GetPos().x, 246);
    EXPECT_EQ(ThePlayer()->GetPos().y, 373) << "w and d together move up";
    keys.KeyRelease(SDLK_w);
    keys.KeyRelease(SDLK_d);
    keys.KeyPress(SDLK_s);
    keys.KeyPress(SDLK_a);
    Frames(1);
    EXPECT_EQ(ThePlayer()->GetVel().x, 0);
    EXPECT_EQ(ThePlayer()->GetVel().y, 1) << "s and a together steer down";
    keys.KeyRelease(SDLK_s);
    Frames(1);
    EXPECT_EQ(ThePlayer()->GetVel().x, -1);
}

TEST_F(PlayerInLevel, ArrowKeysSteerAsTheLettersWithTheSamePriority) {
    struct Case {
        std::vector<int> held;
        float x, y;
    };
    const Case cases[] = {{{SDLK_UP}, 0, -1},
                          {{SDLK_DOWN}, 0, 1},
                          {{SDLK_LEFT}, -1, 0},
                          {{SDLK_RIGHT}, 1, 0},
                          {{SDLK_RIGHT, SDLK_UP}, 0, -1},
                          {{SDLK_LEFT, SDLK_DOWN}, 0, 1},
                          {{SDLK_d, SDLK_LEFT}, -1, 0},
                          {{SDLK_w, SDLK_DOWN}, 0, -1}};
    Build<PlayerOnlyState>();
    for (const Case& c : cases) {
        for (int key : c.held) {
            keys.KeyPress(key);
        }
        Frames(1);
        EXPECT_EQ(ThePlayer()->GetVel().x, c.x) << c.held.front();
        EXPECT_EQ(ThePlayer()->GetVel().y, c.y) << c.held.front();
        for (int key : c.held) {
            keys.KeyRelease(key);
        }
    }
}

TEST_F(PlayerInLevel, KeepsGoingAfterTheKeyAndStopsAtAWall) {
    Build<PlayerOnlyState>();
    keys.KeyPress(SDLK_d);
    Frames(1);
    keys.KeyRelease(SDLK_d);
    Frames(200);
    // row 23 is open up to column 21: the right edge stops at x 352
    EXPECT_EQ(ThePlayer()->GetPos().x, 347);
    EXPECT_EQ(ThePlayer()->GetPos().y, 376);
    EXPECT_TRUE(ThePlayer()->HasMoved()) << "pressing against a wall still counts as moving";
    EXPECT_EQ(ThePlayer()->GetVel().x, 1);
}

TEST_F(PlayerInLevel, TurnsOnlyWhereTheNewWayIsFree) {
    Build<PlayerOnlyState>();
    keys.KeyPress(SDLK_s); // row 24 is wall below the start: the player's bottom edge stops at 384
    Frames(8);
    EXPECT_EQ(ThePlayer()->GetPos().y, 379);
    EXPECT_EQ(ThePlayer()->GetVel().y, 1);
    keys.KeyRelease(SDLK_s);
    keys.KeyPress(SDLK_d);
    Frames(1);
    EXPECT_EQ(ThePlayer()->GetPos().x, 247) << "along the row the way is free";
}

TEST_F(PlayerInLevel, EatsABitWhichIsGoneBeforeTheFrameIsDrawn) {
    Build<PlayerOnlyState>();
    ASSERT_TRUE(HasObjectAt(TYPE_BIT, 232, 376));
    keys.KeyPress(SDLK_a);
    Frames(1); // eats the bit of its own cell
    const int bits = Count(TYPE_BIT);
    Frames(5);
    EXPECT_TRUE(HasObjectAt(TYPE_BIT, 232, 376)) << "not touched yet at x 240";
    Frames(1);
    EXPECT_FALSE(HasObjectAt(TYPE_BIT, 232, 376));
    EXPECT_EQ(Count(TYPE_BIT), bits - 1);
}

TEST_F(PlayerInLevel, PowerUpFlickersAndEndsInTheFirstFramePast10Seconds) {
    Build<PlayerOnlyState>();
    BigBit big(Vector{0, 0, 0});
    ThePlayer()->IsInside(&big);
    ASSERT_TRUE(ThePlayer()->IsBig());
    srand(99);
    const int red = rand() % 100, green = rand() % 100, blue = rand() % 100;
    srand(99);
    Frames(1, 0);
    const Colour& colour = ThePlayer()->GetColour();
    EXPECT_FLOAT_EQ(colour.r, red / 100.0f);
    EXPECT_FLOAT_EQ(colour.g, green / 100.0f);
    EXPECT_FLOAT_EQ(colour.b, blue / 100.0f);
    EXPECT_EQ(colour.a, 1.0f);
    clock.Advance(10000);
    Frames(1, 0);
    EXPECT_TRUE(ThePlayer()->IsBig()) << "at exactly 10000 ms";
    Frames(1, 1);
    EXPECT_FALSE(ThePlayer()->IsBig());
    EXPECT_EQ(ThePlayer()->GetColour().r + ThePlayer()->GetColour().g + ThePlayer()->GetColour().b, 3.0f)
        << "white in the frame it ends";
}

TEST_F(PlayerInLevel, AnotherBigBitStartsTheTenSecondsAgain) {
    Build<PlayerOnlyState>();
    BigBit big(Vector{0, 0, 0});
    ThePlayer()->IsInside(&big);
    clock.Advance(9000);
    ThePlayer()->IsInside(&big);
    clock.Advance(9000);
    Frames(1, 0);
    EXPECT_TRUE(ThePlayer()->IsBig());
}

TEST_F(PlayerInLevel, APauseLongerThanThePowerUpEndsItInTheFirstFrameAfter) {
    Build<PlayerOnlyState>();
    ThePlayer()->Embiggen();
    keys.KeyPress(SDLK_p);
    Frames(1);
    keys.KeyRelease(SDLK_p);
    Frames(1);
    clock.Advance(20000);
    Frames(3);
    EXPECT_TRUE(ThePlayer()->IsBig()) << "paused: the player is not updated";
    keys.KeyPress(SDLK_p);
    Frames(1);
    EXPECT_FALSE(ThePlayer()->IsBig());
}

TEST_F(PlayerInLevel, WallStepsThePlayerBack) {
    Build<PlayerOnlyState>();
    keys.KeyPress(SDLK_d);
    Frames(1);
    Wall wall(Vector{0, 0, 0});
    ThePlayer()->IsInside(&wall);
    EXPECT_EQ(ThePlayer()->GetPos().x, 246);
}

TEST(PlayerRegistration, OnlyTheFirstPlayerIsRegistered) {
    Keyboard keys;
    Player* first = new Player(Vector{0, 0, 0}, &keys);
    EXPECT_EQ(Player::GetPlayer(), first);
    Player* second = new Player(Vector{0, 0, 0}, &keys);
    EXPECT_EQ(Player::GetPlayer(), first);
    delete second;
    EXPECT_EQ(Player::GetPlayer(), first);
    delete first;
    EXPECT_EQ(Player::GetPlayer(), nullptr);
    Player third(Vector{0, 0, 0}, &keys);
    EXPECT_EQ(Player::GetPlayer(), &third);
}
