#include "core/Timer.h"

#include "support/FakeClock.h"

#include <SDL.h>
#include <gtest/gtest.h>

TEST(Timer, NeverStartedReadsZero) {
    FakeClock clock;
    Timer timer;
    clock.Advance(500);
    EXPECT_EQ(timer.GetTicks(), 0u);
    EXPECT_FALSE(timer.IsStarted());
    EXPECT_FALSE(timer.IsPaused());
}

TEST(Timer, ReadsTimeSinceStartAndZeroAfterStop) {
    FakeClock clock;
    Timer timer;
    timer.Start();
    clock.Advance(1234);
    EXPECT_EQ(timer.GetTicks(), 1234u);
    timer.Stop();
    EXPECT_EQ(timer.GetTicks(), 0u);
    EXPECT_FALSE(timer.IsStarted());
}

TEST(Timer, PauseHoldsTheReadingAndResumeIncludesThePause) {
    FakeClock clock;
    Timer timer;
    timer.Start();
    clock.Advance(100);
    timer.Pause();
    clock.Advance(500);
    EXPECT_EQ(timer.GetTicks(), 100u);
    EXPECT_TRUE(timer.IsPaused());
    timer.Resume();
    EXPECT_EQ(timer.GetTicks(), 600u);
}

TEST(Timer, PauseOnAStoppedOrPausedTimerDoesNothing) {
    FakeClock clock;
    Timer timer;
    timer.Pause();
    EXPECT_FALSE(timer.IsPaused());
    timer.Start();
    clock.Advance(10);
    timer.Pause();
    clock.Advance(10);
    timer.Pause(); // a second pause must not move the held reading
    clock.Advance(10);
    EXPECT_EQ(timer.GetTicks(), 10u);
}

TEST(Timer, StartOnAPausedTimerRestartsFromZero) {
    FakeClock clock;
    Timer timer;
    timer.Start();
    clock.Advance(300);
    timer.Pause();
    timer.Start();
    EXPECT_FALSE(timer.IsPaused());
    EXPECT_EQ(timer.GetTicks(), 0u);
    clock.Advance(7);
    EXPECT_EQ(timer.GetTicks(), 7u);
}

TEST(Timer, ReadingWrapsWithTheClock) {
    FakeClock clock;
    clock.Set(0xFFFFFFF0u);
    Timer timer;
    timer.Start();
    clock.Advance(0x20);
    EXPECT_EQ(timer.GetTicks(), 0x20u);
}

TEST(Timer, RealClockAdvances) {
    Timer timer;
    timer.Start();
    const uint32_t first = timer.GetTicks();
    SDL_Delay(20);
    EXPECT_GE(timer.GetTicks(), first + 15);
}
