// Whole games through the window's input alone: the human's moves are clicks
// on the board (the computer's own suggestion chooses them), a pass is a
// click beside the board, and every game must reach its end.
#include "computer/suggestion.h"
#include "controller/game_fixture.h"
#include "controller/move_entry.h"
#include "game/game.h"
#include "resources/strings.h"

namespace {
class WholeGameTest : public GameTest {
protected:
    // One move of the human by clicks: from, then the target when it is not automatic.
    void ClickOneMove() {
        if (NoMovePossible(session().game.position)) return Click(-1);
        SuggestedMove moves[MAX_DICE];
        const uint8_t dice[MAX_DICE + 1] = {session().game.position.dice[0], session().game.position.dice[1],
                                            session().game.position.dice[2], session().game.position.dice[3],
                                            session().game.position.dice[4]};
        const int left = session().game.position.diceLeft;
        ASSERT_GT(SuggestHumanMove(session().game.position, session().game.race != 0, AdviserFor(2), moves), 0);
        std::copy(std::begin(dice), std::end(dice), session().game.position.dice);
        session().game.position.diceLeft = left;
        const int ordinal = session().game.moveOrdinal;
        Click(moves[0].from);
        if (session().game.moveOrdinal == ordinal && session().game.position.sideToMove == SIDE_HUMAN &&
            CurrentMove(session()).from != NO_LOCATION)
            Click(moves[0].to >= 25 ? LOC_HUMAN_OFF : moves[0].to);
    }
};

TEST_F(WholeGameTest, GamesPlayedByClicksRunToTheirEnd) {
    for (int autoChange : {1, 0}) {
        session().game.options.autoChangeTurn = autoChange;
        session().game.options.manualDice = 0;
        Start(SIDE_NONE, {});
        const int before = session().game.runScore[SIDE_HUMAN] + session().game.runScore[SIDE_COMPUTER];
        int clicks = 0;
        while (session().game.runScore[SIDE_HUMAN] + session().game.runScore[SIDE_COMPUTER] == before &&
               clicks < 3000) {
            ASSERT_EQ(session().game.position.sideToMove, SIDE_HUMAN) << "the computer's turn must end by itself";
            if (autoChange == 0 && session().game.position.diceLeft == 1 && !NoMovePossible(session().game.position) &&
                !session().game.race) {
                // The last die ends in the wait, which a click beside the board answers.
                QTimer::singleShot(
                    0, [this] { QTest::mouseClick(wnd->centralWidget(), Qt::LeftButton, {}, PointOf(-1)); });
            }
            ClickOneMove();
            ++clicks;
            // The computer may give up a race it has lost; the human accepts.
            for (const Question& q : questions) ASSERT_EQ(q.text, ResString(IDS_COMPUTER_RESIGNS));
        }
        EXPECT_LT(clicks, 3000);
        EXPECT_EQ(session().game.winner, SIDE_NONE) << "the next game has begun";
        EXPECT_GT(session().game.runScore[SIDE_HUMAN] + session().game.runScore[SIDE_COMPUTER], before);
    }
}
}  // namespace
