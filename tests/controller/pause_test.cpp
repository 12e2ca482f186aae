#include "controller/pause.h"

#include <gtest/gtest.h>

#include "platform/clock.h"
#include "rules/game_stats.h"

TEST(PauseTest, SleepsOnTheClockUnlessFinishingQuickly) {
    struct Case {
        int finishMode, quickFinish, slept;
    };
    const Case cases[] = {{0, 0, 1500}, {1, 0, 1500}, {0, 1, 1500}, {1, 1, 0}};
    for (const Case& c : cases) {
        VirtualClock clock;
        SetClock(&clock);
        g_finishMode = c.finishMode;
        g_quickFinish = c.quickFinish;
        Pause(1500);
        EXPECT_EQ(clock.TickCount(), static_cast<uint32_t>(c.slept)) << c.finishMode << c.quickFinish;
    }
    SetClock(nullptr);
    g_finishMode = g_quickFinish = 0;
}
