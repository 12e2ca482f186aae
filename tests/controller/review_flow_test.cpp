// Review games against the recording view: the kept games as the Review
// window reads them, each judged once and kept across runs, one exported on
// its own, and a reviews file that cannot be written told once the window
// is closed.
#include <filesystem>

#include "coach/coach_fixture.h"
#include "coach/coach_text.h"
#include "coach/review_keeper.h"
#include "controller/game_flow_fixture.h"
#include "controller/review_games.h"

namespace {
class ReviewFlowTest : public GameFlowTest {
protected:
    // The short game from the start, then a game set up from a position
    // (the newest): only the first can be reviewed.
    void KeepTwoGames() {
        RecordedGame setUp = ShortGame();
        setUp.fromStart = false;
        setUp.scoreBefore = {5, {0, 1, 3}};
        session().game.keptGames = {ShortGame(), setUp};
    }
};

TEST_F(ReviewFlowTest, TheWindowReadsTheKeptGamesNewestFirstAndEachIsJudgedOnce) {
    KeepTwoGames();
    EXPECT_TRUE(CommandEnabled(session(), ID_REVIEW));
    std::vector<ReviewRow> rows;
    wnd->reviewer = [&](ReviewSource& source) {
        ASSERT_EQ(source.GameCount(), 2);
        EXPECT_EQ(source.GameTitle(0), "Game 2: the computer won 1 point, match to 5 at 3-1");
        EXPECT_EQ(source.GameTitle(1), "Game 1: the computer won 1 point");
        EXPECT_FALSE(source.Review(0).reviewed);
        EXPECT_EQ(source.Unjudged(), 1);
        EXPECT_TRUE(source.Progress().empty());
        source.JudgeNext();
        EXPECT_EQ(source.Unjudged(), 0);
        EXPECT_EQ(source.Progress().size(), 1u);
        const GameReview& review = source.Review(1);
        ASSERT_TRUE(review.reviewed);
        for (const ReviewedDecision& d : review.decisions) rows.push_back(DecisionRow(d));
        wnd->fileDialog = [](const FileDialogSpec&) { return std::optional<std::string>("one.mat"); };
        source.ExportGame(1);
    };
    wnd->RunCommand(ID_REVIEW);
    // The opening 3-1 made its point, the 6-6 ran both back checkers to the
    // bar point and hit; then the pass of the computer's double.
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], "3-1");
    EXPECT_EQ(rows[0][1], "Q-T S-T");
    EXPECT_EQ(rows[2][1], "Pass");
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0].text.substr(0, 29), "Games saved in 'one.mat': 1.\n");
    EXPECT_TRUE(std::filesystem::exists("one.mat"));

    // The next run finds the figures kept and judges nothing.
    ReviewKeeper next;
    EXPECT_FALSE(next.Load());
    EXPECT_NE(next.Find(session().game.keptGames.front()), nullptr);
}

TEST_F(ReviewFlowTest, AReviewThatCannotBeKeptIsToldAfterTheWindowCloses) {
    KeepTwoGames();
    std::filesystem::create_directory(KEPT_REVIEWS_FILE_NAME);
    bool reviewed = false;
    wnd->reviewer = [&](ReviewSource& source) {
        reviewed = source.Review(1).reviewed;
        EXPECT_TRUE(questions.empty());
    };
    wnd->RunCommand(ID_REVIEW);
    EXPECT_TRUE(reviewed);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_NE(questions[0].text.find(KEPT_REVIEWS_FILE_NAME), std::string::npos) << questions[0].text;
}
}  // namespace
