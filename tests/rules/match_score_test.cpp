#include "rules/match_score.h"

#include <gtest/gtest.h>

namespace {
constexpr int H = SIDE_HUMAN, C = SIDE_COMPUTER;

// A match played game by game: the winner and the points of each game, and
// what the score says before the next one.
struct Step {
    int winner;
    int points;
    int human, computer;
    bool crawfordGame, postCrawford, mayDouble;
    int matchWinner;
};

struct MatchCase {
    const char* name;
    int length;
    std::vector<Step> games;
};

const MatchCase kMatches[] = {
    {"to 1: no cube, no Crawford", 1, {{C, 1, 0, 1, false, false, false, C}}},
    {"to 3: Crawford after 2, then free",
     3,
     {{H, 1, 1, 0, false, false, true, 0},
      {H, 1, 2, 0, true, false, false, 0},
      {C, 1, 2, 1, false, true, true, 0},
      {C, 1, 2, 2, false, true, true, 0},
      {H, 2, 4, 2, false, false, false, H}}},
    {"to 5: the leader wins the Crawford game",
     5,
     {{C, 4, 0, 4, true, false, false, 0}, {C, 2, 0, 6, false, false, false, C}}},
    {"to 7: the trailer wins the Crawford game",
     7,
     {{H, 6, 6, 0, true, false, false, 0}, {C, 2, 6, 2, false, true, true, 0}, {C, 4, 6, 6, false, true, true, 0}}},
};

TEST(MatchScore, ScoreAndCrawfordFollowTheGames) {
    for (const MatchCase& c : kMatches) {
        MatchScore m{c.length};
        EXPECT_TRUE(ScoreAllowsDoubling(m) == (c.length > 1)) << c.name;
        int n = 0;
        for (const Step& s : c.games) {
            m = AfterGame(m, s.winner, s.points);
            const std::string where = std::string(c.name) + ", after game " + std::to_string(++n);
            EXPECT_EQ(m.points[H], s.human) << where;
            EXPECT_EQ(m.points[C], s.computer) << where;
            EXPECT_EQ(IsCrawfordGame(m), s.crawfordGame) << where;
            EXPECT_EQ(IsPostCrawford(m), s.postCrawford) << where;
            EXPECT_EQ(ScoreAllowsDoubling(m) && MatchWinner(m) == SIDE_NONE, s.mayDouble) << where;
            EXPECT_EQ(MatchWinner(m), s.matchWinner) << where;
            EXPECT_EQ(IsPlausibleMatchInPlay(m), s.matchWinner == SIDE_NONE) << where;
        }
    }
}

TEST(MatchScore, MoneyPlayHasNoScoreRules) {
    const MatchScore money;
    EXPECT_TRUE(ScoreAllowsDoubling(AfterGame(money, H, 64)));
    EXPECT_EQ(MatchWinner(AfterGame(money, H, 64)), SIDE_NONE);
    EXPECT_EQ(MatchLengthOrMoney(25), 25);
    EXPECT_EQ(MatchLengthOrMoney(23), 0);
    EXPECT_EQ(MatchLengthOrMoney(-7), 0);
}
}  // namespace
