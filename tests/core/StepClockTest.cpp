#include "core/StepClock.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

// The browser's pace: 16 ms steps, at most 4 a frame, a backlog over 250 ms dropped.
static StepClock BrowserClock() {
    return StepClock(16, 4, 250);
}

// Screens of several refresh rates, and the gaps of a stalled page or a hidden tab: over
// ten seconds of frames the game keeps 62.5 steps a second of the time not dropped.
TEST(StepClock, KeepsTheStepsASecondOnAnyScreenAndDropsOnlyLongGaps) {
    struct Case {
        std::string name;
        double frameMs;
        double gapAtMs; // one frame this much later than the rest, after 3 s
        double gapMs;
        double droppedMs; // about: within one step
    };
    const Case cases[] = {
        {"60 Hz", 1000.0 / 60, 0, 0, 0},
        {"144 Hz", 1000.0 / 144, 0, 0, 0},
        {"30 Hz", 1000.0 / 30, 0, 0, 0},
        {"a frame 200 ms late is caught up", 1000.0 / 60, 3000, 200, 0},
        {"a 2 s stall", 1000.0 / 60, 3000, 2000, 2000},
        {"a tab hidden for 10 s", 1000.0 / 60, 3000, 10000, 10000},
    };
    for (const Case& c : cases) {
        StepClock clock = BrowserClock();
        double now = 1000; // the page's clock does not start at 0
        const double end = now + 10000 + c.gapMs;
        long steps = 0;
        int most = 0;
        bool gapDone = c.gapMs == 0;
        while (now < end) {
            const int due = clock.StepsDue(now);
            steps += due;
            most = std::max(most, due);
            if (!gapDone && now >= 1000 + c.gapAtMs) {
                now += c.gapMs;
                gapDone = true;
            } else {
                now += c.frameMs;
            }
        }
        const double played = (now - 1000) - clock.Dropped();
        const double perSecond = steps * 1000.0 / played;
        EXPECT_NEAR(perSecond, 62.5, 0.625) << c.name;
        EXPECT_LE(most, 4) << c.name;
        EXPECT_GE(most, 1) << c.name;
        EXPECT_NEAR(clock.Dropped(), c.droppedMs, 16) << c.name;
    }
}

TEST(StepClock, RunsOneStepAtFirstAndNoneBeforeTheNextIsDue) {
    StepClock clock = BrowserClock();
    EXPECT_EQ(clock.StepsDue(5000), 1);
    EXPECT_EQ(clock.StepsDue(5015.9), 0);
    EXPECT_EQ(clock.StepsDue(5016), 1);
    // 100 ms late: four now, the two behind at the next frame
    EXPECT_EQ(clock.StepsDue(5116), 4);
    EXPECT_EQ(clock.StepsDue(5117), 2);
    EXPECT_EQ(clock.Dropped(), 0);
}
