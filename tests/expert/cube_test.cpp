#include "expert/cube.h"

#include <gtest/gtest.h>

// Gammonless chances, where the live-cube model's windows are known: no
// double well below 70 %, double and take around 75 %, double and pass
// beyond about 79 %; a gammonish position is played on rather than cashed.
TEST(ExpertCubeTest, DoublesTakesAndPassesWhereTheModelSays) {
    const struct {
        expert::Outcome chances;
        bool doubles, taken;
    } cases[] = {
        {{0.50f, 0, 0, 0, 0}, false, true}, {{0.60f, 0, 0, 0, 0}, false, true},      {{0.75f, 0, 0, 0, 0}, true, true},
        {{0.85f, 0, 0, 0, 0}, true, false}, {{0.97f, 0.90f, 0, 0, 0}, false, false},
    };
    for (const auto& c : cases) {
        const expert::DoubleValues v = expert::JudgeDouble(c.chances, expert::CubeAccess::Centred);
        EXPECT_EQ(v.ShouldDouble(), c.doubles) << c.chances[0];
        EXPECT_EQ(v.ShouldTake(), c.taken) << c.chances[0];
    }
}
