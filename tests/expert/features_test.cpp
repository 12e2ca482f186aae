#include "expert/features.h"

#include <gtest/gtest.h>

using expert::Side;

// A lone blot of ours and a checker of theirs: the classic count of rolls
// that hit a blot so many pips away; then from the bar, and past a point.
TEST(ExpertFeaturesTest, ShotsAtALoneBlotFollowTheCountOfRolls) {
    const int shots[] = {0, 11, 12, 14, 15, 15, 17, 6, 6, 5, 3, 2, 3, 0, 0, 1, 1, 0, 1, 0, 1, 0, 0, 0};
    for (int pips = 1; pips <= 23; ++pips) {
        Side mine{}, theirs{};
        mine[pips] = 1;
        theirs[23] = 1;  // our point 0
        EXPECT_FLOAT_EQ(expert::FeaturesOf(mine, theirs)[expert::kShotRolls], shots[pips] / 36.0f) << pips;
    }
    Side mine{}, theirs{};
    mine[2] = 1;
    theirs[expert::kBar] = 1;  // three pips from our 2
    EXPECT_FLOAT_EQ(expert::FeaturesOf(mine, theirs)[expert::kShotRolls], 14 / 36.0f);
    mine = {0, 0, 2, 1};  // our point on 2 stops 2-1 played two first, and 1-1
    theirs = {};
    theirs[23] = 1;
    EXPECT_FLOAT_EQ(expert::FeaturesOf(mine, theirs)[expert::kShotRolls], 13 / 36.0f);
}

TEST(ExpertFeaturesTest, TheStartingPositionAndABarAgainstAClosingBoard) {
    const Side start = expert::StartingPosition().checkers[0];
    const expert::Features f = expert::FeaturesOf(start, start);
    const float expected[] = {1.67f, 0, 2 / 6.0f, 1, 1, 0};
    for (int k = 0; k < expert::kFeaturesPerSide; ++k) EXPECT_FLOAT_EQ(f[k], expected[k]) << k;
    // Two of ours on the bar against four home points of theirs; their
    // rearmost checker, a blot on our 17, faces our points 18..21 and 23.
    Side mine{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 2, 2, 0, 3, 2};
    Side theirs{2, 2, 2, 0, 0, 7, 1};  // their 5 is our 18
    const expert::Features g = expert::FeaturesOf(mine, theirs);
    EXPECT_FLOAT_EQ(g[expert::kDance], (4 / 6.0f) * (4 / 6.0f));
    EXPECT_FLOAT_EQ(g[expert::kBlockade], 5 / 6.0f);
    EXPECT_FLOAT_EQ(g[expert::kBehind], 13 / 15.0f);   // from our 18 up
    EXPECT_FLOAT_EQ(g[expert::kTrapped], 11 / 15.0f);  // past their point on our 18
}
