#include "actors/BigBit.h"
#include "actors/Bit.h"
#include "actors/Wall.h"

#include "app/Game.h"
#include "collision/Rectangle.h"
#include "core/Keyboard.h"
#include "support/Display.h"
#include "support/Probe.h"
#include "support/TestState.h"

#include <gtest/gtest.h>

using Pellets = DisplayTest;

TEST_F(Pellets, BitTakesItsPicturesSize) {
    Bit bit(Vector{8, 8, 0});
    const Texture* picture = Graphics::GetTexture(GFX_BIT);
    EXPECT_EQ(bit.GetTexture(), picture);
    EXPECT_EQ(bit.GetWidth(), picture->width);
    EXPECT_EQ(bit.GetHitbox()->corners[2].x, picture->width * 0.5f);
    EXPECT_EQ(bit.GetType(), TYPE_BIT);
    EXPECT_TRUE(bit.Collides());
    EXPECT_FALSE(bit.HasMoved());
}

TEST_F(Pellets, BigBitIsDrawnLargerAndGreenButEatenLikeABit) {
    Bit bit(Vector{8, 8, 0});
    BigBit big(Vector{8, 8, 0});
    EXPECT_EQ(big.GetType(), TYPE_BIGBIT);
    EXPECT_EQ(big.GetTexture(), bit.GetTexture());
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(big.GetHitbox()->corners[i].x, bit.GetHitbox()->corners[i].x);
        EXPECT_EQ(big.GetHitbox()->corners[i].y, bit.GetHitbox()->corners[i].y);
    }
    EXPECT_EQ(big.GetTransform()->scale.x, 1.5f);
    EXPECT_EQ(big.GetTransform()->scale.y, 1.5f);
    EXPECT_EQ(big.GetColour().r, 0.5f);
    EXPECT_EQ(big.GetColour().g, 1.0f);
    EXPECT_EQ(big.GetColour().b, 0.5f);
}

TEST(Pellet, BitWithoutItsPictureStillGetsASize) {
    Bit bit(Vector{8, 8, 0});
    EXPECT_EQ(bit.GetTexture(), nullptr);
    EXPECT_GT(bit.GetWidth(), 0);
    EXPECT_NE(bit.GetHitbox(), nullptr);
}

TEST(Pellet, WallIsAnInvisible16PixelBlock) {
    Wall wall(Vector{8, 8, 0});
    EXPECT_EQ(wall.GetTexture(), nullptr);
    EXPECT_EQ(wall.GetType(), TYPE_WALL);
    EXPECT_TRUE(wall.Collides());
    EXPECT_FALSE(wall.HasMoved());
    EXPECT_EQ(wall.GetHitbox()->corners[0].x, -8);
    EXPECT_EQ(wall.GetHitbox()->corners[2].y, 8);
}

TEST(Pellet, OnlyThePlayerEatsABit) {
    Keyboard keys;
    std::vector<std::string> journal;
    TestState state(&keys, nullptr, nullptr, &journal);
    Game::SetState(&state);
    Bit* bit = new Bit(Vector{8, 8, 0});
    state.AddGameObject(bit);
    Wall wall(Vector{8, 8, 0});
    bit->IsInside(&wall);
    EXPECT_TRUE(state.PendingRemovals().empty());
    Bit other(Vector{8, 8, 0});
    bit->IsInside(&other);
    EXPECT_TRUE(state.PendingRemovals().empty());
    struct AsPlayer : Probe {
        using Probe::Probe;
        void BePlayer() { _type = TYPE_PLAYER; }
    } eater(&journal, "eater");
    eater.BePlayer();
    bit->IsInside(&eater);
    bit->IsInside(&eater);
    EXPECT_EQ(state.PendingRemovals(), (std::vector<Entity*>{bit}));
    Game::SetState(nullptr);
}
