#include "coach/progress.h"

#include <gtest/gtest.h>

// Game i of 60 lost i thousandths in its one decision; game 55 has no review
// and game 57 no decision counted. The graph shows the last 50 games with a
// review, each with the rate of the last ten of them taken together.
TEST(ProgressTest, ErrorRatesOfTheLastGamesWithARunningRate) {
    std::vector<RecordedGame> kept(60);
    std::vector<KeptReview> reviews;
    for (int i = 0; i < 60; ++i) {
        kept[i].events = {{GameAction::Win, SIDE_HUMAN, 1 + i}};
        DecisionFigures d;
        d.loss = static_cast<float>(i) / 1000;
        d.forced = i == 57;
        if (i != 55) reviews.push_back({GameKey(kept[i]), {{d}, {0, 0, 0}}});
    }
    const std::vector<ProgressPoint> points = ErrorRateProgress(kept, reviews);
    ASSERT_EQ(points.size(), 48u);
    EXPECT_EQ(points.front().game, 10);
    EXPECT_FLOAT_EQ(points.front().errorRate, 10);
    EXPECT_FLOAT_EQ(points.front().runningRate, 10);
    EXPECT_EQ(points.back().game, 59);
    // Games 48..59 but 55 and 57.
    EXPECT_FLOAT_EQ(points.back().runningRate, (48 + 49 + 50 + 51 + 52 + 53 + 54 + 56 + 58 + 59) / 10.0f);
}
