#include "states/MainState.h"

#include "collision/Rectangle.h"
#include "support/Level.h"
#include "support/LogCapture.h"
#include "support/Probe.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>

using Lines = std::vector<std::string>;

using PlayState = LevelTest;

TEST_F(PlayState, LevelIsBuiltInItsOrder) {
    LogCapture log;
    Build();
    const std::list<GameObject*>& objects = state->GetGameObjects();
    ASSERT_GT(objects.size(), 800u);
    auto it = objects.begin();
    EXPECT_EQ((*it)->GetType(), TYPE_NONE) << "the map comes first";
    EXPECT_EQ((*it)->GetTexture(), Graphics::GetTexture(GFX_MAP));
    std::vector<GameObject*> tail(std::prev(objects.end(), 5), objects.end());
    EXPECT_EQ(tail[0], ThePlayer());
    EXPECT_EQ(ThePlayer()->GetPos().x, 246);
    EXPECT_EQ(ThePlayer()->GetPos().y, 376);
    const float starts[4][2] = {{226, 186}, {224, 233}, {250, 233}, {198, 233}};
    const float colours[4][3] = {{1, 0, 0}, {1, 0.7f, 1}, {0, 1, 1}, {1, 0.7f, 0.3f}};
    for (int i = 0; i < 4; ++i) {
        ASSERT_EQ(tail[i + 1]->GetType(), TYPE_ENEMY);
        EXPECT_EQ(tail[i + 1]->GetPos().x, starts[i][0]);
        EXPECT_EQ(tail[i + 1]->GetPos().y, starts[i][1]);
        EXPECT_EQ(tail[i + 1]->GetColour().r, colours[i][0]);
        EXPECT_EQ(tail[i + 1]->GetColour().g, colours[i][1]);
        EXPECT_EQ(tail[i + 1]->GetColour().b, colours[i][2]);
    }
    // maze objects in file order: row by row, left to right
    float lastX = -1, lastY = -1;
    for (auto maze = std::next(objects.begin()); *maze != ThePlayer(); ++maze) {
        const Vector& pos = (*maze)->GetPos();
        EXPECT_TRUE(pos.y > lastY || (pos.y == lastY && pos.x > lastX));
        lastX = pos.x;
        lastY = pos.y;
    }
    const Lines lines = log.Lines();
    EXPECT_EQ(lines.size(), 2u + 4u) << "the loader's two lines and one direction per enemy";
    EXPECT_FALSE(state->IsPaused());
}

TEST_F(PlayState, PKeyTogglesOnItsPressEdgeOnly) {
    Build();
    LogCapture log;
    keys.KeyPress(SDLK_p);
    Frames(5);
    EXPECT_TRUE(state->IsPaused());
    keys.KeyRelease(SDLK_p);
    Frames(2);
    keys.KeyPress(SDLK_p);
    Frames(3);
    EXPECT_FALSE(state->IsPaused());
    Lines pauses;
    for (const std::string& line : log.Lines()) {
        if (line.find("ausing") != std::string::npos) {
            pauses.push_back(line);
        }
    }
    EXPECT_EQ(pauses, (Lines{"Pausing", "Not pausing"}));
}

TEST_F(PlayState, PauseStopsEverythingButCollisionsAndDrawing) {
    Build();
    keys.KeyPress(SDLK_d);
    Frames(3);
    keys.KeyRelease(SDLK_d);
    Enemy* red = Enemies()[0];
    state->Pause(true);
    const Vector player = ThePlayer()->GetPos();
    const Vector enemy = red->GetPos();
    Frames(10);
    EXPECT_EQ(ThePlayer()->GetPos().x, player.x);
    EXPECT_EQ(red->GetPos().x, enemy.x);
    EXPECT_EQ(red->GetPos().y, enemy.y);
    // an enemy laid over a bit while paused: the collision pass still pairs them
    LogCapture log;
    state->Pause(false);
    state->Pause(false);
    EXPECT_EQ(log.Lines(), (Lines{"Not pausing", "Not pausing"}));
    Frames(1);
    EXPECT_NE(ThePlayer()->GetPos().x, player.x);
}

// The page's pause when the player looks away: one "Pausing", however often it asks, and
// the player's p goes on as from a pause of its own.
TEST_F(PlayState, PausePlayPausesOnceAndPGoesOn) {
    Build();
    LogCapture log;
    state->PausePlay();
    state->PausePlay();
    Frames(2);
    EXPECT_TRUE(state->IsPaused());
    keys.KeyPress(SDLK_p);
    Frames(1);
    keys.KeyRelease(SDLK_p);
    Frames(1);
    EXPECT_FALSE(state->IsPaused());
    keys.KeyPress(SDLK_p);
    Frames(1);
    state->PausePlay();
    EXPECT_EQ(log.Lines(), (Lines{"Pausing", "Not pausing", "Pausing"}));
}

TEST(CollisionPass, MoversStartTestsAndBothPartnersAreToldAThenB) {
    Keyboard keys;
    std::vector<std::string> journal;
    MainState state(&keys, nullptr, nullptr);
    Probe* a = new Probe(&journal, "a", Vector{100, 100, 0});
    Probe* b = new Probe(&journal, "b", Vector{104, 100, 0});
    Probe* still = new Probe(&journal, "still", Vector{96, 100, 0});
    Probe* still2 = new Probe(&journal, "still2", Vector{96, 101, 0});
    Probe* unhittable = new Probe(&journal, "unhittable", Vector{100, 100, 0}); // no hitbox
    a->MakeSolid(true);
    b->MakeSolid(true);
    still->MakeSolid(false);
    still2->MakeSolid(false);
    for (Probe* probe : {a, b, still, still2, unhittable}) {
        state.AddGameObject(probe);
    }
    state.CheckCollisions();
    EXPECT_EQ(journal, (Lines{"a touches b", "b touches a", "a touches still", "still touches a",
                              "a touches still2", "still2 touches a", "b touches a", "a touches b",
                              "b touches still", "still touches b", "b touches still2", "still2 touches b"}));
}

TEST(CollisionPass, SameGroupIsNeverPaired) {
    Keyboard keys;
    std::vector<std::string> journal;
    MainState state(&keys, nullptr, nullptr);
    Probe* a = new Probe(&journal, "a", Vector{100, 100, 0});
    Probe* b = new Probe(&journal, "b", Vector{104, 100, 0});
    a->MakeSolid(true);
    b->MakeSolid(false);
    b->SetGroupID(a->GetGroupID());
    state.AddGameObject(a);
    state.AddGameObject(b);
    state.CheckCollisions();
    EXPECT_TRUE(journal.empty());
}

TEST_F(PlayState, ACorrectionIsSeenByTheTestsThatFollow) {
    Build<PlayerOnlyState>();
    // the player moving up into the wall above row 22's corridor is stepped back once,
    // and after that no later wall of the pass finds it overlapping
    keys.KeyPress(SDLK_d);
    Frames(200);
    EXPECT_EQ(ThePlayer()->GetPos().x, 347);
    EXPECT_EQ(ThePlayer()->GetPos().y, 376);
}
