#include "coach/kept_reviews.h"

#include <gtest/gtest.h>

#include <random>

#include "coach_fixture.h"
#include "interchange/kept_games.h"
#include "temp_dir.h"

namespace {
int Roll(std::mt19937& rng, int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

// Any figures the file can hold, for a game that only needs to differ from the others.
KeptReview RandomReview(std::mt19937& rng, RecordedGame& game) {
    game.events = {{GameAction::Throw, SIDE_HUMAN, 1 + Roll(rng, 6), 1 + Roll(rng, 6)},
                   {GameAction::Win, SIDE_HUMAN, 1 + Roll(rng, 100000)}};
    ReviewFigures f;
    for (int side : {SIDE_COMPUTER, SIDE_HUMAN})
        f.luck[side] = static_cast<float>(Roll(rng, 2000001) - 1000000) / FIGURE_RESOLUTION;
    for (int n = Roll(rng, 40); n > 0; --n) {
        DecisionFigures d;
        d.kind = static_cast<DecisionKind>(Roll(rng, 4));
        d.loss = static_cast<float>(Roll(rng, 65536)) / FIGURE_RESOLUTION;
        if (d.kind == DecisionKind::Play) {
            d.forced = Roll(rng, 4) == 0;
            d.madeWasBest = Roll(rng, 2) == 0;
            d.best.count = d.madeWasBest ? 0 : Roll(rng, MAX_DICE + 1);
            for (int i = 0; i < d.best.count; ++i) {
                const int from = Roll(rng, 25), to = from + 1 + Roll(rng, 6);
                d.best.steps[i] = {from, to > 24 ? LOC_HUMAN_OFF : to, false};
            }
        } else {
            d.advice = static_cast<CubeAdvice>(d.kind == DecisionKind::Double ? Roll(rng, 4) : 4 + Roll(rng, 2));
        }
        f.decisions.push_back(d);
    }
    return {GameKey(game), f};
}
}  // namespace

// Each review comes back with its game; the review of a game no longer kept
// goes, so the file never holds more reviews than there are kept games.
TEST(KeptReviewsTest, ReviewsComeBackWithTheirGamesAndGoWithThem) {
    TempDir dir("kept-reviews");
    const std::string path = dir.File(KEPT_REVIEWS_FILE_NAME);
    std::mt19937 rng(33);
    std::vector<RecordedGame> games(MAX_KEPT_GAMES + 3);
    std::vector<KeptReview> written, reviews;
    for (RecordedGame& game : games) written.push_back(RandomReview(rng, game));
    const size_t first = MAX_KEPT_GAMES - 1;
    reviews.assign(written.begin(), written.begin() + first);
    for (size_t i = first; i < games.size(); ++i) {
        const std::vector<RecordedGame> kept(games.begin() + (i - first), games.begin() + i + 1);
        ASSERT_TRUE(KeepReview(path, reviews, games[i], written[i].figures, kept));
    }
    const KeptReviews loaded = LoadKeptReviews(path);
    ASSERT_FALSE(loaded.setAside);
    ASSERT_EQ(loaded.reviews.size(), MAX_KEPT_GAMES);
    for (size_t i = 3; i < games.size(); ++i) {
        const ReviewFigures* found = FindReview(loaded.reviews, games[i]);
        ASSERT_NE(found, nullptr) << i;
        EXPECT_EQ(*found, written[i].figures) << i;
    }
    EXPECT_EQ(FindReview(loaded.reviews, games[2]), nullptr);

    // A kept review sets out the same review again; another game's does not fit.
    const RecordedGame game = ShortGame();
    const ReplayedGame replayed = ReplayGame(game);
    const GameReview review = ReviewGame(game);
    const std::optional<std::vector<KeptReview>> back =
        DecodeKeptReviews(EncodeKeptReviews({{GameKey(game), JudgeGame(replayed)}}));
    ASSERT_TRUE(back);
    const GameReview again = ReviewFromFigures(replayed, back->front().figures);
    ASSERT_TRUE(again.reviewed);
    for (size_t i = 0; i < review.decisions.size(); ++i) {
        EXPECT_EQ(again.decisions[i].bestText, review.decisions[i].bestText);
        EXPECT_EQ(again.decisions[i].loss, review.decisions[i].loss);
        EXPECT_EQ(again.decisions[i].mark, review.decisions[i].mark);
    }
    EXPECT_FALSE(ReviewFromFigures(replayed, written[7].figures).reviewed);
}

// A file cut short, with a field no review has, or not the program's at all
// is set aside and the reviews start anew; a missing file is no damage.
TEST(KeptReviewsTest, DamagedFilesAreSetAside) {
    TempDir dir("kept-reviews-bad");
    const std::string path = dir.File(KEPT_REVIEWS_FILE_NAME);
    EXPECT_FALSE(LoadKeptReviews(path).setAside);
    KeptReview pass{1, {}};
    pass.figures.decisions.resize(1);
    pass.figures.decisions[0].kind = DecisionKind::Pass;
    pass.figures.decisions[0].advice = CubeAdvice::Take;
    const Bytes good = EncodeKeptReviews({pass});
    Bytes cut(good.begin(), good.end() - 1), advice = good, foreign = {'h', 'e', 'l', 'l', 'o'};
    advice[4 + 4 + 8 + 8 + 2] |= 0xF0;  // the pass's advice
    for (const Bytes& bad : {cut, advice, foreign}) {
        ASSERT_TRUE(WriteFileAtomically(path, bad));
        const KeptReviews loaded = LoadKeptReviews(path);
        EXPECT_TRUE(loaded.setAside);
        EXPECT_TRUE(loaded.reviews.empty());
        EXPECT_EQ(ReadFileBytes(path + ".bad", 1 << 20), bad);
    }
}
