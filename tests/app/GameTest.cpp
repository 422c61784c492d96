#include "app/Game.h"

#include "core/Keyboard.h"
#include "platform/Platform.h"
#include "states/MainState.h"
#include "support/Events.h"
#include "support/FakeClock.h"
#include "support/LogCapture.h"
#include "support/TempDir.h"
#include "support/TestState.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>

using Lines = std::vector<std::string>;

static Lines journal;

static GameState* MakeTestState(const Keyboard* keyboard, Render* render, Window* window) {
    return new TestState(keyboard, render, window, &journal);
}

static TestState* Current() {
    return static_cast<TestState*>(Game::GetState());
}

static void PushQuit() {
    SDL_Event event = {};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

// the platform's loop as the game's entry runs it, its ending noted in the journal
static void NoteEnding() {
    journal.push_back("ending");
}

static void RunGame() {
    Platform::RunGame({Game::STEP_MS, Game::Step, NoteEnding});
}

static long Count(const Lines& lines, const std::string& line) {
    return std::count(lines.begin(), lines.end(), line);
}

static const Lines SHUTDOWN = {"Shutting down game", "Deleting Objects",       "Freeing sound",
                               "Freeing music",      "Closing SDL_mixer",      "Unloading graphics",
                               "Deleting textures",  "Deleting font textures", "Graphics unloaded",
                               "Closing SDL_image",  "Closing SDL_ttf",        "Closing SDL"};

class Driver : public ::testing::Test {
protected:
    void SetUp() override {
        journal.clear();
        Game::SetStateFactory(MakeTestState);
        clock.TickOnEveryRead(1);
        Game::Initialize();
        ASSERT_TRUE(Game::IsRunning()) << log.Text();
        journal.clear();
    }
    void TearDown() override {
        Game::Close();
        Game::SetStateFactory(nullptr);
    }

    LogCapture log;
    FakeClock clock;
};

TEST_F(Driver, KeysArriveAfterTheUpdateOfTheirFrame) {
    PushKey(SDL_KEYDOWN, SDLK_a);
    Game::RunDesktopStep();
    // the key was read after the update, so the snapshot taken at its end lacks it
    EXPECT_FALSE(Current()->Snapshot()->IsPressed('a'));
    Game::RunDesktopStep();
    EXPECT_TRUE(Current()->Snapshot()->IsPressed('a'));
    PushKey(SDL_KEYUP, SDLK_a);
    Game::RunDesktopStep();
    Game::RunDesktopStep();
    EXPECT_FALSE(Current()->Snapshot()->IsPressed('a'));
    EXPECT_EQ(journal, (Lines{"events", "update", "draw", "events", "update", "draw", "events", "update",
                              "draw", "events", "update", "draw"}));
}

// a pad's hat is read where a key is: after the update of its frame, before the next
TEST_F(Driver, APadsHatArrivesInTheStepOfAKeyPress) {
    SDL_Event hat = {};
    hat.type = SDL_JOYHATMOTION;
    hat.jhat.value = SDL_HAT_LEFT;
    SDL_PushEvent(&hat);
    PushKey(SDL_KEYDOWN, SDLK_a);
    Game::RunDesktopStep();
    EXPECT_FALSE(Current()->Snapshot()->IsDown(SDLK_LEFT));
    Game::RunDesktopStep();
    EXPECT_TRUE(Current()->Snapshot()->IsDown(SDLK_LEFT));
    EXPECT_TRUE(Current()->Snapshot()->IsPressed('a'));
    hat.jhat.value = SDL_HAT_CENTERED;
    SDL_PushEvent(&hat);
    Game::RunDesktopStep();
    Game::RunDesktopStep();
    EXPECT_FALSE(Current()->Snapshot()->IsDown(SDLK_LEFT));
}

TEST_F(Driver, EscapeEndsTheLoopAfterItsFrame) {
    PushKey(SDL_KEYDOWN, SDLK_ESCAPE);
    RunGame();
    // the frame that read Escape ran whole; no update came after it
    EXPECT_EQ(Count(journal, "update"), 1);
    EXPECT_FALSE(Game::IsRunning());
    EXPECT_EQ(journal.back(), "ending") << "the ending runs once, after the last frame";
    EXPECT_EQ(Count(journal, "ending"), 1);
}

TEST_F(Driver, QuitEventFinishesItsFrameAndStops) {
    PushQuit();
    PushKey(SDL_KEYDOWN, SDLK_d); // events after the quit are still read
    RunGame();
    EXPECT_EQ(Count(journal, "update"), 1);
    EXPECT_GT(Game::GetFPS(), 0.0f);
    EXPECT_TRUE(Current()->Snapshot()->IsReleased('d'));
}

TEST_F(Driver, RestartHappensAtTheEndOfTheFrameOnce) {
    const int first = Current()->serial;
    Current()->script = [&] {
        Game::Restart();
        Game::Restart();
        EXPECT_EQ(Current()->serial, first) << "the state is replaced only at the end of the frame";
    };
    log.Clear();
    Game::RunDesktopStep();
    EXPECT_NE(Current()->serial, first);
    EXPECT_EQ(Count(journal, "initialize"), 1);
    EXPECT_EQ(Count(log.Lines(), "Deleting Objects"), 1);
    Game::RunDesktopStep();
    EXPECT_EQ(Count(journal, "initialize"), 1) << "the request was cleared with the replacement";
}

TEST_F(Driver, RestartInTheFrameOfAQuitStillBuildsTheNewState) {
    Current()->script = [] { Game::Restart(); };
    PushQuit();
    RunGame();
    EXPECT_EQ(Count(journal, "update"), 1);
    EXPECT_EQ(Count(journal, "initialize"), 1);
}

TEST_F(Driver, FramesPerSecondIsZeroBeforeTheFirstFrameAndAtMost62_5After) {
    EXPECT_EQ(Game::GetFPS(), 0.0f);
    Game::RunDesktopStep();
    EXPECT_GT(Game::GetFPS(), 0.0f);
    EXPECT_LE(Game::GetFPS(), 62.5f);
}

TEST_F(Driver, DoRestartReplacesTheStateAtOnce) {
    const int first = Current()->serial;
    Game::DoRestart();
    EXPECT_NE(Current()->serial, first);
    EXPECT_EQ(journal, (Lines{"initialize"}));
}

TEST(DriverPacing, AFrameLastsAtLeast16Milliseconds) {
    journal.clear();
    Game::SetStateFactory(MakeTestState);
    LogCapture log;
    Game::Initialize();
    const Uint32 start = SDL_GetTicks();
    for (int frame = 0; frame < 10; ++frame) {
        Game::RunDesktopStep();
    }
    const Uint32 elapsed = SDL_GetTicks() - start;
    EXPECT_GE(elapsed, 160u);
    EXPECT_LT(elapsed, 400u);
    EXPECT_GE(Game::GetFPS(), 40.0f);
    EXPECT_LE(Game::GetFPS(), 62.5f);
    Game::Close();
    Game::SetStateFactory(nullptr);
}

// the enemies' decisions (the log's lines of digits) of a game left alone for 1000 steps
static Lines DecisionsOfAGameLeftAlone(uint32_t seed) {
    LogCapture log;
    FakeClock clock;
    clock.TickOnEveryRead(1);
    Game::Initialize(WindowSettings(), PadSettings(), seed);
    EXPECT_TRUE(Game::IsRunning()) << log.Text();
    for (int step = 0; step < 1000 && Game::IsRunning(); ++step) {
        Game::RunDesktopStep();
    }
    Game::Close();
    Lines decisions;
    for (const std::string& line : log.Lines()) {
        if (!line.empty() && line.find_first_not_of("0123456789") == std::string::npos) {
            decisions.push_back(line);
        }
    }
    return decisions;
}

TEST(DriverSeed, ASeedPlaysTheSameGameAgainAndAnotherSeedAnother) {
    const Lines first = DecisionsOfAGameLeftAlone(42);
    ASSERT_GE(first.size(), 10u);
    EXPECT_EQ(DecisionsOfAGameLeftAlone(42), first);
    EXPECT_NE(DecisionsOfAGameLeftAlone(43), first);
}

TEST(DriverStartUp, NormalStartAndShutdownLines) {
    LogCapture log;
    Game::Initialize();
    Game::Close();
    const Lines lines = log.Lines();
    ASSERT_GE(lines.size(), SHUTDOWN.size() + 2);
    EXPECT_EQ(lines[0], "Loading graphics");
    EXPECT_EQ(Count(lines, "Game initialization successful"), 1);
    const Lines tail(lines.end() - static_cast<long>(SHUTDOWN.size()), lines.end());
    EXPECT_EQ(tail, SHUTDOWN);
}

TEST(DriverStartUp, MissingPictureFailsButBuildsEverythingAndShutsDown) {
    TempDir dir;
    dir.CopyRunFolder();
    std::filesystem::remove(dir.Path() / "res/gfx/zop.png");
    journal.clear();
    Game::SetStateFactory(MakeTestState);
    LogCapture log;
    Game::Initialize();
    EXPECT_FALSE(Game::IsRunning());
    EXPECT_EQ(journal, (Lines{"initialize"})) << "the state is still built";
    RunGame();
    EXPECT_EQ(Count(journal, "update"), 0) << "no frame runs";
    Game::Close();
    const Lines lines = log.Lines();
    EXPECT_EQ(Count(lines, "Game initialization failed"), 1);
    EXPECT_EQ(Count(lines, "Error: Texture 1 not loaded"), 1);
    const Lines tail(lines.end() - static_cast<long>(SHUTDOWN.size()), lines.end());
    EXPECT_EQ(tail, SHUTDOWN);
    Game::SetStateFactory(nullptr);
}
