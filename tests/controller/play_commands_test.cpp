#include "controller/play_commands.h"

#include <QDialog>

#include "controller/game_fixture.h"
#include "controller/input_mark.h"
#include "game/game.h"
#include "resources/command_ids.h"
#include "resources/strings.h"

namespace {
constexpr std::initializer_list<std::pair<int, int>> kStart = {{1, 2},   {12, 5},  {17, 3}, {19, 5},
                                                               {24, -2}, {13, -5}, {8, -3}, {6, -5}};

class PlayCommandsTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        savedShowProgress_ = session().game.options.showProgress;
        RecordCommands({ID_COMPUTER_TURN});
    }
    void TearDown() override {
        session().game.options.showProgress = savedShowProgress_;
        GameTest::TearDown();
    }

    std::vector<int> Board() const {
        std::vector<int> counts;
        for (int loc = 0; loc < NUM_LOCATIONS; ++loc) counts.push_back(Count(loc));
        return counts;
    }

private:
    int savedShowProgress_ = 0;
};

TEST_F(PlayCommandsTest, NewGameAnsweredNoChangesNothingAndYesStartsAfreshWithoutScoring) {
    for (int reply : {IDNO, IDYES}) {
        Start(SIDE_HUMAN, {{6, 1}, {5, 2}});
        session().game.counters.hitsMade[SIDE_HUMAN] = 3;
        const std::vector<std::string> lines = Lines();
        const int scored = session().game.runScore[SIDE_HUMAN] + session().game.runScore[SIDE_COMPUTER];
        answer = reply;
        wnd->RunCommand(ID_FILE_NEW);
        EXPECT_EQ(questions.back().text, ResString(IDS_START_NEW_GAME));
        EXPECT_EQ(session().game.runScore[SIDE_HUMAN] + session().game.runScore[SIDE_COMPUTER], scored);
        EXPECT_EQ(session().game.counters.hitsMade[SIDE_HUMAN], reply == IDNO ? 3 : 0);
        EXPECT_EQ(Lines() == lines, reply == IDNO);
    }
}

TEST_F(PlayCommandsTest, ANewGameChosenInTheWaitKeepsItsFirstTurn) {
    ShowActive();
    session().game.options.autoChangeTurn = 0;
    session().game.firstStarterFixed = 0;
    Setup(kStart, {3, 1});
    Script().assign({{2, 5}});
    Click(17);
    Click(20);
    QTimer::singleShot(0, [this] { wnd->RunCommand(ID_FILE_NEW); });
    Click(19);  // the last die, then the wait
    Drain();
    EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN);
    EXPECT_EQ(session().game.counters.diceTotal[SIDE_COMPUTER], 0) << "the human starts the new game";
    EXPECT_EQ(session().game.position.diceLeft, 2);
}

TEST_F(PlayCommandsTest, SuggestMovePlaysWhatCanBePlayedEachOnItsOwnLine) {
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> checkers;
        std::initializer_list<int> dice;
        int waiting;
        int moves;
        int firstFrom;
    };
    const Case cases[] = {
        {"a double", {{1, 2}, {12, 2}, {24, -2}}, {6, 6, 6, 6}, 0, 4, -1},
        {"a double blocked after two", {{1, 1}, {19, -2}, {24, -1}}, {6, 6, 6, 6}, 0, 2, 1},
        {"from the bar", {{0, 1}, {12, 1}, {24, -2}}, {3, 5}, 0, 2, 0},
        {"in the end-of-turn wait", {{1, 1}, {24, -1}}, {3, 5}, 1, 0, -1},
    };
    for (const Case& c : cases) {
        ran.clear();
        Setup(c.checkers, c.dice);
        session().game.awaitingConfirm = c.waiting;
        wnd->RunCommand(ID_SUGGEST_MOVE);
        Drain();
        session().game.awaitingConfirm = 0;
        EXPECT_EQ(session().game.moveOrdinal, c.moves + 1) << c.name;
        if (c.firstFrom >= 0) {
            EXPECT_EQ(session().game.turnMoves[1].from, c.firstFrom) << c.name;
        }
        if (c.moves == 0) continue;
        const std::vector<std::string> lines = Lines();
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(c.moves)) << c.name;
        for (const std::string& line : lines) EXPECT_NE(line.find(ResString(IDS_TO)), std::string::npos) << line;
        EXPECT_EQ(ran, std::vector<int>{ID_COMPUTER_TURN}) << c.name << ": the turn ends";
    }
}

TEST_F(PlayCommandsTest, SwitchSidesMirrorsThePositionOnlyBeforeTheFirstMove) {
    Setup({{3, 2}, {0, 1}, {20, -1}, {LOC_HUMAN_OFF, 12}, {LOC_COMPUTER_OFF, -14}}, {6, 1});
    wnd->RunCommand(ID_SWITCH_SIDES);
    EXPECT_EQ((std::vector<int>{Count(22), Count(LOC_COMPUTER_BAR), Count(5), Count(26), Count(27)}),
              (std::vector<int>{-2, -1, 1, -12, 14}));

    Setup(kStart, {6, 1});
    const std::vector<int> start = Board();
    wnd->RunCommand(ID_SWITCH_SIDES);
    EXPECT_EQ(Board(), start);
    Key('A');
    Key('G');
    EXPECT_EQ(Count(7), 1) << "the human's back checker moved from 1 up to 7";
    const std::vector<int> afterMove = Board();
    wnd->RunCommand(ID_SWITCH_SIDES);
    EXPECT_EQ(Board(), afterMove);
}

TEST_F(PlayCommandsTest, ProgressInWordsAndAsABar) {
    struct Case {
        std::initializer_list<std::pair<int, int>> checkers;
        std::string note;
        // Each side's part of the pane: the other side's distance over both.
        int humanPart;
        int computerPart;
        int whole;
    };
    const Case cases[] = {
        {kStart, "Equal", 1, 1, 2},
        {{{19, 1}, {24, -2}}, "= You lead by 7 =", 8, 1, 9},
        {{{1, 2}, {6, -1}}, "= Computer leads by 7 =", 1, 8, 9},
        {{{LOC_HUMAN_OFF, 15}, {6, -1}}, "= You lead by 1 =", 1, 0, 1},
    };
    session().game.options.showProgress = 1;
    const Rect pane = wnd->PaneRect(1);
    for (const Case& c : cases) {
        Setup(c.checkers, {6, 1});
        wnd->RunCommand(ID_SHOW_PROGRESS);
        EXPECT_EQ(wnd->PaneText(2), c.note);
        const ProgressBar& bar = wnd->GetProgressBar();
        ASSERT_TRUE(bar.shown);
        EXPECT_EQ(bar.human, (Rect{0, 1, pane.Width() * c.humanPart / c.whole, pane.Height() - 1})) << c.note;
        EXPECT_EQ(bar.computer.left, pane.Width() - pane.Width() * c.computerPart / c.whole) << c.note;
        EXPECT_EQ(bar.computer.right, pane.Width());
    }
    session().game.options.showProgress = 0;
    wnd->RunCommand(ID_REDRAW);
    EXPECT_FALSE(wnd->GetProgressBar().shown);
}

TEST_F(PlayCommandsTest, TheMarkBlinksOnlyWhileTheHumanIsToMoveInTheActiveWindow) {
    ShowActive();
    Setup(kStart, {6, 1});
    QDialog dialog(wnd.get());
    dialog.setModal(true);
    struct Case {
        int side;
        int finishMode;
        bool dialogUp;
    };
    const Case cases[] = {
        {SIDE_HUMAN, 0, false}, {SIDE_COMPUTER, 0, false}, {SIDE_HUMAN, 1, false}, {SIDE_HUMAN, 0, true}};
    for (const Case& c : cases) {
        EraseInputMark(session());
        session().game.position.sideToMove = c.side;
        session().game.finishMode = c.finishMode;
        dialog.setVisible(c.dialogUp);
        std::vector<bool> shown;
        for (int tick = 0; tick < 3; ++tick) {
            BlinkStep(session());
            shown.push_back(wnd->ListMarkShown());
        }
        const bool blinks = c.side == SIDE_HUMAN && c.finishMode == 0 && !c.dialogUp;
        const std::vector<bool> expected = blinks ? std::vector<bool>{true, false, true} : std::vector<bool>(3);
        EXPECT_EQ(shown, expected) << &c - cases;
    }
    dialog.hide();
    wnd->activateWindow();
    QTRY_VERIFY(wnd->IsActive());
    session().game.finishMode = 0;
    session().game.position.sideToMove = SIDE_HUMAN;
    BlinkStep(session());
    ASSERT_TRUE(wnd->ListMarkShown());
    Key('A');
    Key('G');
    wnd->RunCommand(ID_UNDO);
    EXPECT_FALSE(wnd->ListMarkShown()) << "an undo takes the mark away";
}
}  // namespace
