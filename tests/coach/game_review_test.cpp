#include "coach/game_review.h"

#include <gtest/gtest.h>

#include "coach/dice_luck.h"
#include "coach_fixture.h"

TEST(GameReviewTest, TheSummaryAddsUpTheDecisionsAndTheDice) {
    const RecordedGame game = ShortGame();
    const ReplayedGame replayed = ReplayGame(game);
    const GameReview review = ReviewGame(game);
    ASSERT_TRUE(review.reviewed);
    ASSERT_EQ(review.decisions.size(), 3u);
    EXPECT_EQ(review.decisions[0].madeText, "Q-T S-T");
    EXPECT_EQ(review.decisions[1].madeText, "A-G A-G L-R L-R");
    EXPECT_TRUE(review.decisions[1].made.steps[2].hit);
    EXPECT_EQ(review.decisions[2].kind, DecisionKind::Pass);
    EXPECT_EQ(review.decisions[2].before.sideToMove, SIDE_COMPUTER);

    float lost = 0, luck[3] = {0, 0, 0};
    int errors = 0;
    for (const ReviewedDecision& d : review.decisions) {
        lost += d.loss;
        errors += d.mark != Mark::None;
        EXPECT_EQ(d.mark, MarkFor(d.loss));
    }
    for (const ReplayedThrow& t : replayed.throws) luck[t.before.sideToMove] += ThrowLuck(t);
    const ReviewSummary& s = review.summary;
    EXPECT_EQ(s.decisions, 3);
    EXPECT_EQ(s.errors, errors);
    EXPECT_FLOAT_EQ(s.errorRate, 1000 * lost / 3);
    EXPECT_NEAR(s.luck[SIDE_HUMAN], luck[SIDE_HUMAN], 1e-4);
    EXPECT_NEAR(s.luck[SIDE_COMPUTER], luck[SIDE_COMPUTER], 1e-4);
}

// A game that did not start from the starting position, is not over, or
// does not replay by the rules has no review; a turn cut short by a double
// passed or a resignation is no play.
TEST(GameReviewTest, WhichGamesAndDecisionsAreReviewed) {
    RecordedGame notFromStart = ShortGame(), notOver = ShortGame(), illegal = ShortGame();
    notFromStart.fromStart = false;
    notOver.over = false;
    illegal.events[2].b = 23;
    const auto cutShort = [](const std::vector<GameEvent>& last) {
        RecordedGame game = ShortGame();
        game.events.resize(11);
        game.events.insert(game.events.end(), last.begin(), last.end());
        return game;
    };
    const RecordedGame passed = cutShort({{GameAction::Throw, SIDE_COMPUTER, 5, 2},
                                          {GameAction::Double, SIDE_COMPUTER, 2},
                                          {GameAction::Drop, SIDE_HUMAN},
                                          {GameAction::Win, SIDE_COMPUTER, 1}});
    const RecordedGame resigned = cutShort({{GameAction::Throw, SIDE_COMPUTER, 5, 2},
                                            {GameAction::Step, SIDE_COMPUTER, 25, 23},
                                            {GameAction::Resign, SIDE_COMPUTER, 1},
                                            {GameAction::Win, SIDE_HUMAN, 1}});
    const struct {
        const RecordedGame& game;
        int decisions;  // -1: no review
    } kRows[] = {{notFromStart, -1}, {notOver, -1}, {illegal, -1}, {ShortGame(), 3}, {passed, 3}, {resigned, 2}};
    for (const auto& row : kRows) {
        const GameReview review = ReviewGame(row.game);
        EXPECT_EQ(review.reviewed ? static_cast<int>(review.decisions.size()) : -1, row.decisions);
    }
}

// Forced plays are not counted; every cube decision is.
TEST(GameReviewTest, ErrorRateAndBand) {
    const auto play = [](float loss, bool forced, DecisionKind kind = DecisionKind::Play) {
        DecisionFigures f;
        f.kind = kind;
        f.forced = forced;
        f.loss = loss;
        return f;
    };
    const DecisionFigures pass = play(0.5f, false, DecisionKind::Pass);
    const struct {
        std::vector<DecisionFigures> decisions;
        int counted, errors;
        float errorRate;
        const char* band;
    } kRows[] = {
        {{}, 0, 0, 0, ""},
        {{play(0, true), play(0.004f, false)}, 1, 0, 4, "World class"},
        {{play(0.05f, false), play(0, false), play(0, true)}, 2, 1, 25, "Casual"},
        {{play(0.1f, false), pass}, 2, 2, 300, "Beginner"},
    };
    for (const auto& row : kRows) {
        const ReviewSummary s = Summarize({row.decisions, {0, 0.25f, -0.5f}});
        EXPECT_EQ(s.decisions, row.counted);
        EXPECT_EQ(s.errors, row.errors);
        EXPECT_NEAR(s.errorRate, row.errorRate, 1e-3);
        EXPECT_STREQ(RatingBand(s), row.band);
        EXPECT_EQ(s.luck[SIDE_HUMAN], -0.5f);
    }
}
