#include "expert/match_equity.h"

#include <gtest/gtest.h>

using expert::MatchStage;
using expert::MatchWinningChance;

namespace {
MatchStage StageAt(int a, int b) { return a == 1 || b == 1 ? MatchStage::Crawford : MatchStage::Normal; }
}  // namespace

// Every score up to 25 away: the two sides' chances add up to one, equal
// scores are even, and needing fewer points is always better.
TEST(MatchEquityTest, TableIsSymmetricEvenAndMonotone) {
    for (int a = 1; a <= expert::kMaxAway; ++a)
        for (int b = 1; b <= expert::kMaxAway; ++b) {
            const double m = MatchWinningChance({a, b, StageAt(a, b)});
            EXPECT_NEAR(m + MatchWinningChance({b, a, StageAt(a, b)}), 1.0, 1e-9) << a << "-" << b;
            if (a == b) {
                EXPECT_NEAR(m, 0.5, 1e-9) << a;
            }
            if (a > 1) {
                EXPECT_LT(m, MatchWinningChance({a - 1, b, StageAt(a - 1, b)})) << a << "-" << b;
                EXPECT_LE(MatchWinningChance({a, 1, MatchStage::PostCrawford}),
                          MatchWinningChance({a - 1, 1, MatchStage::PostCrawford}))
                    << a;
            }
            EXPECT_GT(m, 0.0);
            EXPECT_LT(m, 1.0);
        }
}

// Textbook decisions, from the side on roll before its throw. Expected
// answers: at 2-away/2-away a side doubles as soon as it has an edge worth
// one (there is no later market to keep); the trailer after the Crawford game
// doubles at once; nobody doubles in the Crawford game; at 4-away/2-away the
// leader takes a gammonless double that money play passes (the taker's
// chance after a pass, 3-away/2-away, is worth less than half a game at
// 2-away/2-away).
TEST(MatchEquityTest, CubeActionsAtTextbookScores) {
    const struct {
        const char* name;
        expert::MatchScoreView score;
        expert::Outcome chances;
        bool doubles, taken;
    } cases[] = {
        {"2-away/2-away, a small edge", {2, 2}, {0.60f, 0.10f, 0, 0.08f, 0}, true, true},
        {"2-away/2-away, even", {2, 2}, {0.50f, 0.10f, 0, 0.10f, 0}, false, true},
        {"post-Crawford trailer, even", {4, 1, MatchStage::PostCrawford}, {0.50f, 0.12f, 0, 0.12f, 0}, true, true},
        {"Crawford game", {3, 1, MatchStage::Crawford}, {0.90f, 0.30f, 0, 0, 0}, false, false},
        {"4-away/2-away, the leader takes at 24%", {4, 2}, {0.76f, 0, 0, 0, 0}, true, true},
        {"money would take, 4-away/2-away with gammons passes", {4, 2}, {0.72f, 0.25f, 0, 0, 0}, true, false},
        {"money-like 7-away/7-away, no double at 60%", {7, 7}, {0.60f, 0.12f, 0, 0.08f, 0}, false, true},
    };
    for (const auto& c : cases) {
        const expert::DoubleValues v = expert::JudgeMatchDouble(c.chances, c.score, 1, expert::CubeAccess::Centred);
        const bool doubles = expert::CubeInPlay(c.score) && v.ShouldDouble();
        EXPECT_EQ(doubles, c.doubles) << c.name << ": " << v.noDouble << " " << v.doubleTake << " " << v.doublePass;
        if (expert::CubeInPlay(c.score)) {
            EXPECT_EQ(v.ShouldTake(), c.taken) << c.name;
        }
    }
}
