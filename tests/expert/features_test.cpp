// Each feature against positions worked out by hand.
#include "expert/features.h"

#include <gtest/gtest.h>

namespace {

using expert::Side;

// One checker of ours and one of theirs: the classic count of rolls that hit
// a blot so many pips away, with no point in between.
TEST(ExpertFeaturesTest, ShotsAtALoneBlotFollowTheCountOfRolls) {
    const int shots[] = {0, 11, 12, 14, 15, 15, 17, 6, 6, 5, 3, 2, 3, 0, 0, 1, 1, 0, 1, 0, 1, 0, 0, 0, 1};
    for (int pips = 1; pips <= 23; ++pips) {
        Side mine{}, theirs{};
        mine[pips] = 1;
        theirs[23] = 1;  // our point 0
        EXPECT_FLOAT_EQ(expert::FeaturesOf(mine, theirs)[expert::kShotRolls], shots[pips] / 36.0f) << pips;
    }
    // From the bar, three pips to our blot on their 21.
    Side mine{}, theirs{};
    mine[2] = 1;
    theirs[expert::kBar] = 1;
    EXPECT_FLOAT_EQ(expert::FeaturesOf(mine, theirs)[expert::kShotRolls], 14 / 36.0f);
    // Our point two pips away stops 2-1 played two first and 1-1.
    mine[3] = 1;
    mine[2] = 2;
    theirs[expert::kBar] = 0;
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
    Side mine{}, theirs{};
    mine[expert::kBar] = 2;
    mine[0] = 2;
    for (int i = 18; i <= 21; ++i) mine[i] = 2;
    mine[23] = 3;
    theirs[0] = theirs[1] = theirs[2] = 2;
    theirs[5] = 7;  // our 18
    theirs[6] = 1;
    const expert::Features g = expert::FeaturesOf(mine, theirs);
    EXPECT_FLOAT_EQ(g[expert::kDance], (4 / 6.0f) * (4 / 6.0f));
    EXPECT_FLOAT_EQ(g[expert::kBlockade], 5 / 6.0f);
    EXPECT_FLOAT_EQ(g[expert::kBehind], 13 / 15.0f);   // from our 18 up
    EXPECT_FLOAT_EQ(g[expert::kTrapped], 11 / 15.0f);  // past their point on our 18
}

}  // namespace
