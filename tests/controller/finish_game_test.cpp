#include "controller/finish_game.h"

#include <algorithm>
#include <utility>

#include "controller/game_fixture.h"
#include "dialogs/statistics_dialog.h"
#include "game/game.h"
#include "platform/modal.h"
#include "resources/command_ids.h"
#include "resources/strings.h"

namespace {
class FinishGameTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        saved_ = {session().game.options.autoForcedMoves, session().game.options.autoFinish};
    }
    void TearDown() override {
        std::tie(session().game.options.autoForcedMoves, session().game.options.autoFinish) = saved_;
        session().game.finishMode = session().game.quickFinish = 0;
        GameTest::TearDown();
    }

    std::vector<std::pair<int, int>> MovesPlayed() const {
        std::vector<std::pair<int, int>> moves;
        for (int k = 1; k < session().game.moveOrdinal; ++k)
            moves.emplace_back(session().game.turnMoves[k].from, session().game.turnMoves[k].to);
        return moves;
    }

    int Scored() const { return session().game.runScore[SIDE_HUMAN] + session().game.runScore[SIDE_COMPUTER]; }

private:
    std::pair<int, int> saved_;
};

TEST_F(FinishGameTest, ADieWithOneStartingPointPlaysItselfUnlessTheHumanMayChooseTheEntry) {
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> checkers;
        std::initializer_list<int> dice;
        int finishMode;
        std::vector<std::pair<int, int>> played;
    };
    const Case cases[] = {
        {"a chain of forced dice", {{1, 1}, {24, -1}}, {3, 4}, 0, {{1, 4}, {4, 8}}},
        {"two starting points", {{1, 2}, {5, 2}, {24, -1}}, {3, 4}, 0, {}},
        {"one die enters", {{0, 1}, {10, 1}, {5, -2}, {24, -1}}, {3, 5}, 0, {{0, 3}}},
        {"both dice enter, one on the bar", {{0, 1}, {10, 1}, {24, -1}}, {3, 5}, 0, {}},
        {"as many on the bar as dice", {{0, 2}, {10, 1}, {24, -1}}, {3, 5}, 0, {{0, 3}, {0, 5}}},
        {"either die but not both: the larger", {{15, 1}, {27, 14}, {23, -2}, {1, -13}}, {3, 5}, 0, {{15, 20}}},
        {"while finishing", {{1, 1}, {24, -1}}, {3, 4}, 1, {}},
    };
    session().game.options.autoForcedMoves = 1;
    RecordCommands({ID_COMPUTER_TURN});
    for (const Case& c : cases) {
        Setup(c.checkers, c.dice);
        session().game.finishMode = c.finishMode;
        wnd->PostCommand(ID_AUTO_FORCED);
        Drain();
        EXPECT_EQ(MovesPlayed(), c.played) << c.name;
        session().game.finishMode = 0;
    }
}

TEST_F(FinishGameTest, EscapeHeldAtTheStartPlaysNothing) {
    session().game.options.autoFinish = 0;
    Start(SIDE_HUMAN, {{6, 1}});
    const std::vector<std::string> lines = Lines();
    QTest::keyPress(wnd->centralWidget(), Qt::Key_Escape);
    wnd->RunCommand(ID_FINISH_GAME);
    QTest::keyRelease(wnd->centralWidget(), Qt::Key_Escape);
    EXPECT_EQ(session().game.moveOrdinal, 1);
    EXPECT_EQ(session().game.finishMode, 0);
    EXPECT_EQ(Lines(), lines) << "only the prompt line is written again";
}

TEST_F(FinishGameTest, EscapePressedMidwayStopsAfterTheComputersTurn) {
    // The first pause of the slow finish is where the user presses Escape.
    struct EscapeClock : VirtualClock {
        QWidget* board = nullptr;
        void Sleep(int ms) override {
            if (board) QTest::keyPress(std::exchange(board, nullptr), Qt::Key_Escape);
            VirtualClock::Sleep(ms);
        }
    } escapeClock;
    escapeClock.board = wnd->centralWidget();
    session().game.options.autoFinish = 1;
    Start(SIDE_HUMAN, {{6, 1}});
    const auto diceLines = [this] {
        const std::vector<std::string> lines = Lines();
        return std::count_if(lines.begin(), lines.end(),
                             [](const std::string& l) { return l.rfind("Dice: ", 0) == 0; });
    };
    const auto before = diceLines();
    const int scored = Scored();
    SetClock(&escapeClock);
    wnd->RunCommand(ID_FINISH_GAME);
    SetClock(&clock);
    QTest::keyRelease(wnd->centralWidget(), Qt::Key_Escape);
    EXPECT_EQ(session().game.finishMode, 0);
    EXPECT_EQ(Scored(), scored);
    EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN);
    EXPECT_EQ(diceLines() - before, 2) << "the computer's throw and the human's next";
}

TEST_F(FinishGameTest, TheSpeedComesFromTheOptionOrTheQuestionAndTheGamePlaysToItsEnd) {
    struct Case {
        int autoFinish;
        int answer;
        bool asked;
        bool played;
        int quick;
    };
    const Case cases[] = {{0, IDYES, false, true, 1},
                          {1, IDYES, false, true, 0},
                          {2, IDNO, true, true, 0},
                          {2, IDCANCEL, true, false, 0}};
    session().game.options.manualDice = 0;
    session().game.options.autoForcedMoves = 1;
    int statistics = 0;
    std::string status;  // under the statistics window
    SetModalHook([&, this](QDialog& dialog) {
        statistics += qobject_cast<StatisticsDialog*>(&dialog) != nullptr;
        status = wnd->PaneText(0);
        return int{QDialog::Accepted};
    });
    for (const Case& c : cases) {
        statistics = 0;
        session().game.options.autoFinish = c.autoFinish;
        answer = c.answer;
        questions.clear();
        Start(SIDE_HUMAN, {});
        const int before = Scored();
        wnd->RunCommand(ID_FINISH_GAME);
        EXPECT_EQ(questions.size(), c.asked ? 1u : 0u) << c.autoFinish;
        if (c.asked) {
            EXPECT_EQ(questions[0].text, ResString(IDS_QUICK_FINISH));
        }
        EXPECT_EQ(Scored() > before, c.played) << c.autoFinish << " " << c.answer;
        if (c.played) {
            EXPECT_EQ(session().game.quickFinish, c.quick);
            EXPECT_EQ(session().game.finishMode, 0);
            EXPECT_EQ(statistics, 1);
            EXPECT_EQ(status, ResString(IDS_IDLE)) << "the finish ended with the game";
            EXPECT_EQ(session().game.winner, SIDE_NONE) << "the next game has begun";
        } else {
            EXPECT_EQ(session().game.moveOrdinal, 1);
        }
        Drain();
    }
}
}  // namespace
