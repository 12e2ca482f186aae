#include <gtest/gtest.h>

#include "coach/error_marks.h"
#include "coach/ranked_plays.h"
#include "coach_fixture.h"
#include "computer/computer_player.h"
#include "computer/suggestion.h"
#include "rules/moves.h"

namespace {
// The human's last two checkers on T and V; the computer's last one sits on
// its ace point and comes off with any throw, so only bearing both off now wins.
constexpr Placing kLastRoll = {{20, 1}, {22, 1}, {1, -1}};

struct JudgedPlay {
    const char* what;
    int die1, die2;
    const char* made;
    bool forced;
    float loss;  // exact here: the game is won or lost for certain
    Mark mark;
};
constexpr JudgedPlay kJudged[] = {
    {"a clear blunder: one checker left behind", 5, 3, "T-W V-0", false, 2.0f, Mark::VeryBad},
    {"the best play", 5, 3, "T-0 V-0", false, 0.0f, Mark::None},
    {"a forced play", 6, 6, "T-0 V-0", true, 0.0f, Mark::None},
};
}  // namespace

TEST(PlayJudgementTest, TheLossAndMarkOfAPlayMade) {
    for (const JudgedPlay& row : kJudged) {
        SCOPED_TRACE(row.what);
        const HumanPlay made = PlayOf(row.made);
        const PlayRanking ranking = RankHumanPlays(HumanOnRoll(kLastRoll, row.die1, row.die2), &made);
        ASSERT_GE(ranking.made, 0);
        const RankedHumanPlay& judged = ranking.plays[static_cast<size_t>(ranking.made)];
        EXPECT_EQ(ranking.Forced(), row.forced);
        EXPECT_NEAR(judged.loss, row.loss, 1e-4);
        EXPECT_EQ(MarkFor(judged.loss), row.mark);
        EXPECT_EQ(ranking.plays.front().loss, 0.0f);
    }
}

// Whatever the throw, the hint's first play is the one the Expert suggests,
// the plays stand in the order of what they give up, and the hint shows the
// best five and every play close to the best.
TEST(PlayJudgementTest, TheHintLeadsWithTheExpertsPlay) {
    Position partWay = StartWith(3, 1);
    MoveChecker(partWay, 17, 20);
    partWay.RemoveDie(partWay.FindDie(3));
    for (const Position& p : {StartWith(3, 1), StartWith(6, 5), StartWith(4, 4), partWay}) {
        const PlayRanking ranking = RankHumanPlays(p);
        Position suggested = p, ranked = p;
        SuggestedMove moves[MAX_DICE];
        const int n = SuggestHumanMove(suggested, false, AdviserFor(EXPERT_LEVEL), moves);
        for (int i = 0; i < n; ++i) MoveChecker(suggested, moves[i].from, moves[i].to);
        HumanPlay best = ranking.plays.front().play;
        ASSERT_TRUE(PlayOn(ranked, best));
        EXPECT_EQ(ranked.board, suggested.board) << ranking.plays.front().text;

        const std::vector<RankedHumanPlay> shown = HintSelection(ranking);
        for (size_t i = 0; i < ranking.plays.size(); ++i) {
            if (i > 0) {
                EXPECT_GE(ranking.plays[i].loss, ranking.plays[i - 1].loss);
            }
            EXPECT_EQ(i < shown.size(), i < HINT_LEAST_SHOWN || ranking.plays[i].loss <= HINT_CLOSE_LOSS);
        }
    }
}
