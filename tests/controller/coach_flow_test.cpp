// The coach at the table, against the recording view: the Hint window's
// lines and a picked line played, and the tutor's question before a play
// that gives up too much is handed over.
#include "controller/coach_commands.h"
#include "controller/game_flow_fixture.h"
#include "controller/play_commands.h"
#include "interchange/game_record.h"

namespace {
class CoachFlowTest : public GameFlowTest {
protected:
    // The human's last two checkers on T and V; the computer's last one on its
    // ace point comes off with any throw, so only bearing both off wins.
    void LastRoll() {
        Setup({{20, 1}, {22, 1}, {LOC_HUMAN_OFF, 13}, {1, -1}, {LOC_COMPUTER_OFF, 14}}, {5, 3});
        session().game.record.SetUpGame(session().game.position);
        RecordCommands({ID_COMPUTER_TURN});
    }
};

TEST_F(CoachFlowTest, TheTutorAsksBeforeAMistakeIsHandedOver) {
    struct Case {
        const char* what;
        int tutor;
        std::vector<std::pair<int, int>> play;
        int answer;
        bool asked, takenBack;
    };
    const Case cases[] = {
        {"a blunder taken back", 1, {{20, 23}, {22, 27}}, IDNO, true, true},
        {"a blunder played anyway", 1, {{20, 23}, {22, 27}}, IDYES, true, false},
        {"the best play", 1, {{20, 25}, {22, 25}}, IDNO, false, false},
        {"the tutor off", 0, {{20, 23}, {22, 27}}, IDNO, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        session().game.options.tutor = c.tutor;
        LastRoll();
        const Board setUp = session().game.position.board;
        questions.clear();
        ran.clear();
        answer = c.answer;
        for (auto [from, to] : c.play) {
            PlayForHuman(session(), from, to);
            Drain();
        }
        ASSERT_EQ(questions.size(), c.asked ? 1u : 0u);
        if (c.asked) {
            EXPECT_EQ(questions[0].buttons, MB_PLAYORTAKEBACK);
            EXPECT_NE(questions[0].text.find("Best: T-0 V-0"), std::string::npos) << questions[0].text;
        }
        // A play that stands hands the turn over or ends the game.
        EXPECT_EQ(session().game.position.board == setUp, c.takenBack);
        if (c.takenBack) {
            EXPECT_EQ(session().game.moveOrdinal, 1);
        }
    }
}

TEST_F(CoachFlowTest, TheHintListsThePlaysBestFirstAndPlaysThePickedOne) {
    LastRoll();
    wnd->RunCommand(ID_HINT);
    ASSERT_TRUE(wnd->hint.has_value());
    ASSERT_GE(wnd->hint->lines.size(), 2u);
    EXPECT_TRUE(wnd->hint->choosable);
    EXPECT_EQ(wnd->hint->lines[0][0], "T-0 V-0");
    EXPECT_EQ(wnd->hint->lines[0][2], "");
    EXPECT_EQ(wnd->hint->lines[1][2].rfind("\xE2\x88\x92", 0), 0u) << "what the second gives up";
    const int won = session().game.runScore[SIDE_HUMAN];
    OnHintChosen(session(), 0);
    EXPECT_GT(session().game.runScore[SIDE_HUMAN], won) << "both checkers borne off";
}
}  // namespace
