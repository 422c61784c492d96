#include "states/GameState.h"

#include "app/Game.h"
#include "core/Keyboard.h"
#include "support/LogCapture.h"
#include "support/Probe.h"
#include "support/TestState.h"

#include <gtest/gtest.h>

using Journal = std::vector<std::string>;

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        state = new TestState(&keys, nullptr, nullptr, &journal);
        Game::SetState(state);
    }
    void TearDown() override {
        delete state;
        Game::SetState(nullptr);
    }
    std::vector<std::string> DestroyedOnly() const {
        std::vector<std::string> destroyed;
        for (const std::string& line : journal) {
            if (line.rfind("destroy ", 0) == 0) {
                destroyed.push_back(line);
            }
        }
        return destroyed;
    }

    Keyboard keys;
    Journal journal;
    TestState* state = nullptr;
};

TEST_F(Registry, KeepsObjectsInTheOrderOfAdding) {
    Probe* a = new Probe(&journal, "a");
    Probe* b = new Probe(&journal, "b");
    PlainProbe* p = new PlainProbe(&journal, "p");
    state->AddGameObject(a);
    state->AddObject(p);
    state->AddGameObject(b);
    EXPECT_EQ(state->GetGameObjects(), (std::list<GameObject*>{a, b}));
    EXPECT_EQ(state->GetObjects(), (std::list<Entity*>{p}));
}

TEST_F(Registry, RemovalWaitsForThePassAndHappensOnce) {
    Probe* bit = new Probe(&journal, "bit");
    Probe* other = new Probe(&journal, "other");
    state->AddGameObject(bit);
    state->AddGameObject(other);
    Game::Remove(bit);
    state->RemoveObjectLater(bit);
    EXPECT_EQ(state->PendingRemovals().size(), 1u);
    EXPECT_TRUE(DestroyedOnly().empty()) << "nothing is destroyed before the pass";
    state->RemoveDeleted();
    EXPECT_EQ(DestroyedOnly(), (Journal{"destroy bit"}));
    EXPECT_EQ(state->GetGameObjects(), (std::list<GameObject*>{other}));
    state->RemoveDeleted();
    EXPECT_EQ(DestroyedOnly().size(), 1u);
}

TEST_F(Registry, PassServesLastRequestFirstAndRequestsMadeDuringIt) {
    Probe* a = new Probe(&journal, "a");
    Probe* b = new Probe(&journal, "b");
    PlainProbe* letter = new PlainProbe(&journal, "letter");
    PlainProbe* text = new PlainProbe(&journal, "text", letter);
    state->AddGameObject(a);
    state->AddGameObject(b);
    state->AddObject(letter);
    state->AddObject(text);
    state->RemoveObjectLater(a);
    state->RemoveObjectLater(text);
    state->RemoveObjectLater(b);
    state->RemoveDeleted();
    // b, then text, whose destructor asks for its letter, which the same pass serves before a
    EXPECT_EQ(DestroyedOnly(), (Journal{"destroy b", "destroy text", "destroy letter", "destroy a"}));
    EXPECT_TRUE(state->GetObjects().empty());
    EXPECT_TRUE(state->GetGameObjects().empty());
    EXPECT_TRUE(state->PendingRemovals().empty());
}

TEST_F(Registry, NullRemovalIsServedWithoutHarm) {
    Probe* a = new Probe(&journal, "a");
    state->AddGameObject(a);
    state->RemoveObjectLater(nullptr);
    state->RemoveDeleted();
    EXPECT_TRUE(DestroyedOnly().empty());
    EXPECT_EQ(state->GetGameObjects().size(), 1u);
}

TEST_F(Registry, DestroyObjectsGoesPlainFirstNewestToOldest) {
    state->AddGameObject(new Probe(&journal, "g1"));
    state->AddObject(new PlainProbe(&journal, "p1"));
    state->AddGameObject(new Probe(&journal, "g2"));
    state->AddObject(new PlainProbe(&journal, "p2"));
    state->DestroyObjects();
    EXPECT_EQ(DestroyedOnly(), (Journal{"destroy p2", "destroy p1", "destroy g2", "destroy g1"}));
}

TEST_F(Registry, DefaultUpdateRunsItsStepsAndRenewsTheSnapshot) {
    keys.KeyPress('p');
    EXPECT_FALSE(state->Snapshot()->IsPressed('p')) << "the snapshot was taken before the key went down";
    state->Update();
    EXPECT_EQ(journal, (Journal{"events", "update", "draw"}));
    EXPECT_TRUE(state->Snapshot()->IsPressed('p'));
}

TEST(RegistryDestruction, PendingRemovalsAreDestroyedOnceWithOneLine) {
    Keyboard keys;
    Journal journal;
    LogCapture log;
    TestState* state = new TestState(&keys, nullptr, nullptr, &journal);
    Game::SetState(state);
    Probe* pending = new Probe(&journal, "pending");
    PlainProbe* letter = new PlainProbe(&journal, "letter");
    state->AddGameObject(pending);
    state->AddObject(letter);
    state->AddObject(new PlainProbe(&journal, "text", letter)); // asks for its letter while dying
    state->RemoveObjectLater(pending);
    state->RemoveObjectLater(pending);
    delete state;
    Game::SetState(nullptr);
    EXPECT_EQ(journal, (Journal{"destroy text", "destroy letter", "destroy pending"}));
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"Deleting Objects"}));
}

TEST(RegistryDestruction, EmptyStateWritesOnlyItsLine) {
    Keyboard keys;
    Journal journal;
    LogCapture log;
    delete new TestState(&keys, nullptr, nullptr, &journal);
    EXPECT_EQ(log.Lines(), (std::vector<std::string>{"Deleting Objects"}));
    EXPECT_TRUE(journal.empty());
}
