#include <filesystem>

#include "controller/end_game.h"
#include "controller/file_failure.h"
#include "game/game.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "shell/game_wnd_fixture.h"
#include "stats/stats_record.h"

namespace {
// The scores and the statistics are written at the end of every game and on
// Reset scores. In the tests' folder a folder in place of a file makes its
// write fail.
class ResultsKeptTest : public GameWndTest {
protected:
    void SetUp() override {
        GameWndTest::SetUp();
        session().input.resultsNotKeptShown = 0;
    }
    void TearDown() override {
        for (const std::string& file : {g_profile.Path(), std::string(STATS_FILE_NAME)}) std::filesystem::remove(file);
        session().input.resultsNotKeptShown = 0;
        GameWndTest::TearDown();
    }
};
}  // namespace

TEST_F(ResultsKeptTest, TheFirstFailureOfARunIsToldOnceAfterTheStatisticsWindow) {
    for (const std::string& blocked : {std::string(STATS_FILE_NAME), g_profile.Path()}) {
        SCOPED_TRACE(blocked);
        session().input.resultsNotKeptShown = 0;
        questions.clear();
        std::filesystem::remove(blocked);
        std::filesystem::create_directory(blocked);
        std::vector<std::size_t> toldBeforeStatistics;
        SetModalHook([&](QDialog&) {
            toldBeforeStatistics.push_back(questions.size());
            return int{QDialog::Accepted};
        });
        const int32_t total = session().game.totalScore[SIDE_HUMAN];
        for (int game = 0; game < 2; ++game) {
            EndGame(session(), SIDE_HUMAN, 0);
            Drain();
        }
        EXPECT_EQ(toldBeforeStatistics, (std::vector<std::size_t>{0, 1}));
        ASSERT_EQ(questions.size(), 1u);
        EXPECT_EQ(questions[0].text,
                  FileFailureText(IDS_SAVE_FAILED, blocked, {EISDIR}) + "\n\n" + ResString(IDS_RESULTS_NOT_KEPT));
        EXPECT_EQ(session().game.totalScore[SIDE_HUMAN], total + 2) << "the scores count on for the run";
        std::filesystem::remove(blocked);
    }
}

TEST_F(ResultsKeptTest, ResetScoresThatCannotBeSavedSaysSo) {
    std::filesystem::remove(g_profile.Path());
    std::filesystem::create_directory(g_profile.Path());
    session().game.totalScore[SIDE_HUMAN] = 5;
    answer = IDYES;
    wnd->RunCommand(ID_RESET_SCORES);
    EXPECT_EQ(session().game.totalScore[SIDE_HUMAN], 0);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[1].text, FileFailureText(IDS_SAVE_FAILED, g_profile.Path(), {EISDIR}));
}
