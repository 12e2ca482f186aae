#include "expert/bearoff.h"

#include <gtest/gtest.h>

#include <cmath>

using expert::Home;

namespace {

// Chances worked by hand for boards small enough to count every roll.
TEST(BearoffTest, RollsToFinishMatchHandCountedBoards) {
    // Fifteen on the ace point bear off two a roll, four with a double: done
    // within seven rolls unless none of them is a double.
    double withinSeven = 0;
    const expert::RollChances aces = expert::Bearoff().RollsToFinish({15, 0, 0, 0, 0, 0});
    for (int n = 0; n <= 7; ++n) withinSeven += aces[n];
    const struct {
        Home home;
        float one, two;  // chances of needing exactly one and two rolls
    } cases[] = {
        {{0, 0, 0, 0, 0, 1}, 27 / 36.0f, 9 / 36.0f},   // fails on 1-1 and a sum under six
        {{0, 2, 0, 0, 0, 0}, 26 / 36.0f, 10 / 36.0f},  // fails on a non-double with a one
        {{1, 1, 0, 0, 0, 0}, 1, 0},
    };
    for (const auto& c : cases) {
        const expert::RollChances r = expert::Bearoff().RollsToFinish(c.home);
        EXPECT_NEAR(r[1], c.one, 1e-4);
        EXPECT_NEAR(r[2], c.two, 1e-4);
    }
    EXPECT_NEAR(withinSeven, 1 - std::pow(5 / 6.0, 7), 1e-3);
    // Fifteen on the six point take one off at once only with a six or one
    // checker moved exactly six: 11 rolls with a six, 5-1, 4-2, 3-3, 2-2.
    const Home sixes{0, 0, 0, 0, 0, 15};
    EXPECT_NEAR(expert::Bearoff().RollsToFirstOff(sixes)[1], 17 / 36.0f, 1e-4);
}

TEST(BearoffTest, GammonsNeedFifteenCheckersAndTheRollIsWorthHaving) {
    expert::Position p;
    p.checkers[0] = {1, 1, 1, 0, 0, 0};
    p.checkers[1] = {0, 0, 0, 0, 5, 10};
    ASSERT_TRUE(expert::IsBearoffRace(p));
    const expert::Outcome o = expert::BearoffOutcome(expert::Bearoff(), p);
    const expert::Outcome swapped = expert::BearoffOutcome(expert::Bearoff(), expert::Swapped(p));
    EXPECT_GT(o[expert::kWinGammon], 0.0f);
    EXPECT_EQ(o[expert::kLoseGammon], 0.0f);
    EXPECT_GT(swapped[expert::kLoseGammon], 0.0f);
    // The same boards on both sides: the side to throw first is ahead.
    p.checkers[1] = p.checkers[0];
    EXPECT_GT(expert::BearoffOutcome(expert::Bearoff(), p)[expert::kWin], 0.5f);
    p.checkers[1][7] = 1;
    EXPECT_FALSE(expert::IsBearoffRace(p));
}

}  // namespace
