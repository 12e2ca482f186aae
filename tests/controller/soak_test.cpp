// Many whole games in a row, played by quick Finish game: every game must end
// in the statistics window and leave exactly the objects it started with.
#include "controller/game_fixture.h"
#include "dialogs/statistics_dialog.h"
#include "display/board_display.h"
#include "game/game.h"
#include "platform/modal.h"
#include "resources/command_ids.h"
#include "rules/location.h"

namespace {
class SoakTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        saved_ = {session().game.options.autoForcedMoves, session().game.options.autoFinish};
        session().game.options.autoFinish = 0;
        session().game.options.manualDice = 0;
    }
    void TearDown() override {
        std::tie(session().game.options.autoForcedMoves, session().game.options.autoFinish) = saved_;
        session().game.finishMode = session().game.quickFinish = 0;
        GameTest::TearDown();
    }

private:
    std::pair<int, int> saved_;
};

TEST_F(SoakTest, FiftyQuickFinishedGamesLeaveNothingBehind) {
    constexpr int kGames = 50;
    int finished = 0;
    SetModalHook([&finished](QDialog& dialog) {
        finished += qobject_cast<StatisticsDialog*>(&dialog) != nullptr;
        return int{QDialog::Accepted};
    });
    Start(SIDE_NONE, {});
    const LiveObjects& live = wnd->Display().Live();
    const LiveObjects started = live;
    for (int game = 1; game <= kGames; ++game) {
        wnd->RunCommand(ID_FINISH_GAME);
        Drain();
        ASSERT_EQ(finished, game) << "game " << game << " did not reach its end";
        EXPECT_EQ(live.locations, started.locations) << "after game " << game;
        EXPECT_EQ(live.sprites, started.sprites) << "after game " << game;
    }
    EXPECT_EQ(session().game.runScore[SIDE_HUMAN] + session().game.runScore[SIDE_COMPUTER] >= kGames, true);
}
}  // namespace
