#include <set>

#include "controller/game_flow_fixture.h"
#include "game/game.h"
#include "resources/command_ids.h"
#include "resources/strings.h"

namespace {
using MoveEntryTest = GameFlowTest;

// The human holds point 1; points 4, 6 and 9 are open, 2 and 3 held by the computer.
constexpr std::initializer_list<std::pair<int, int>> kHoverBoard = {{1, 2}, {12, 13}, {2, -2}, {3, -2}, {13, -11}};

TEST_F(MoveEntryTest, HoverShowsTheTargetsAndTheSecondClickDecides) {
    session().game.options.highLight = 2;
    struct Case {
        int target;
        bool plays;
    };
    for (const Case c : {Case{6, true}, {9, false}}) {
        Setup(kHoverBoard, {3, 5});
        session().input.hoverLoc = -1;
        Hover(1);
        EXPECT_EQ(Lit(), (std::set<int>{1, 4, 6, 9}));
        Click(1);
        EXPECT_EQ(LastLine(), "1st  from  A  to  ");
        EXPECT_EQ(wnd->PaneText(0), ResString(IDS_PROMPT_TO));
        Click(c.target);
        EXPECT_EQ(Count(c.target), c.plays ? 1 : 0) << c.target;
        EXPECT_EQ(Count(1), c.plays ? 1 : 2);
        EXPECT_EQ(LastLine(), c.plays ? "2nd from  " : "1st  from  ");
        EXPECT_EQ(Lit(), std::set<int>{}) << "the highlight goes with the move";
    }
}

TEST_F(MoveEntryTest, OneClickPlaysWhenTheTargetFollowsFromTheDice) {
    struct Case {
        std::initializer_list<int> dice;
        int intelMoves;
        int from;
        std::string line;  // the move's line after one click
    };
    // From 1 the 3 is blocked (point 4); from 12 both the 3 and the 5 are.
    const std::initializer_list<std::pair<int, int>> board = {{1, 2},   {7, 1},   {12, 12}, {4, -2},
                                                              {15, -2}, {17, -2}, {24, -9}};
    const Case cases[] = {
        {{3, 5}, 1, 1, "1st  from  A  to  F"},
        {{3, 5}, 0, 1, "1st  from  A  to  "},
        {{4, 4, 4, 4}, 0, 1, "1st  from  A  to  E"},
        {{5}, 0, 7, "1st  from  G  to  L"},
        {{3, 5}, 1, 12, "1st  from  "},
    };
    for (const Case& c : cases) {
        session().game.options.intelMoves = c.intelMoves;
        Setup(board, c.dice);
        Click(c.from);
        EXPECT_EQ(Lines()[0], c.line) << c.from << " " << c.intelMoves;
    }
}

TEST_F(MoveEntryTest, ACheckerOnTheBarMustEnterFirst) {
    Setup({{LOC_HUMAN_BAR, 1}, {1, 1}, {12, 13}, {24, -15}}, {2, 2, 2, 2});
    Click(12);
    EXPECT_EQ(wnd->PaneText(2), ResString(IDS_BAR_FIRST));
    EXPECT_EQ(Count(12), 13);
    EXPECT_EQ(LastLine(), "1st  from  ");
    Key('Z');
    EXPECT_EQ(wnd->PaneText(2), "") << "every key clears the note";
    Key('0');
    EXPECT_EQ(Count(LOC_HUMAN_BAR), 0);
    EXPECT_EQ(Count(2), 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"1st  from  0  to  B", "2nd from  "}));
}

TEST_F(MoveEntryTest, BearingOffByClicks) {
    struct Case {
        std::initializer_list<int> dice;
        int from;
        int leftDie;
    };
    // The exact die first; a larger one only from the rearmost checker.
    const Case cases[] = {{{3, 1}, 22, 1}, {{6, 1}, 20, 1}, {{5, 2}, 20, 2}};
    for (const Case& c : cases) {
        Setup({{20, 1}, {22, 1}, {LOC_HUMAN_OFF, 13}, {3, -15}}, c.dice);
        Click(c.from);
        EXPECT_EQ(Count(LOC_HUMAN_OFF), 14) << c.from;
        EXPECT_EQ(session().game.position.diceLeft, 1);
        EXPECT_EQ(session().game.position.dice[0], c.leftDie);
    }
}

TEST_F(MoveEntryTest, OfTwoDiceThatCannotBothPlayOnlyTheLargerIsOfferedAndPlayed) {
    session().game.options.highLight = 2;
    RecordCommands({ID_COMPUTER_TURN});
    // The last checker outside the tray on 15: 18 or 20, and 23 shut behind both.
    for (const std::initializer_list<int> dice : {std::initializer_list<int>{3, 5}, {5, 3}}) {
        const int first = *dice.begin();
        Setup({{15, 1}, {LOC_HUMAN_OFF, 14}, {23, -2}, {1, -13}}, dice);
        session().input.hoverLoc = -1;
        Hover(15);
        EXPECT_EQ(Lit(), (std::set<int>{15, 20})) << first;
        Click(15);
        Click(18);
        EXPECT_EQ(Count(15), 1) << first;
        EXPECT_EQ(wnd->PaneText(2), "Only one die can be used: the 5");
        EXPECT_EQ(Lines(), (std::vector<std::string>{"1st  from  "}));
        Click(15);
        Click(20);
        EXPECT_EQ(Count(20), 1) << first;
        EXPECT_EQ(wnd->PaneText(0), ResString(IDS_CANNOT_MOVE));
        // Undone, the smaller die is refused again; played, the 3 is passed.
        Key('\x1b');
        EXPECT_EQ(Count(15), 1) << first;
        Click(15);
        Click(18);
        EXPECT_EQ(Count(18), 0) << first;
        Click(15);
        Click(20);
        ran.clear();
        Key(' ');
        EXPECT_TRUE(questions.empty()) << first;
        EXPECT_EQ(ran, std::vector<int>{ID_COMPUTER_TURN}) << first;
    }
}

TEST_F(MoveEntryTest, UndoingAHitBringsTheBlotBackAndTakesTheHitBack) {
    Setup({{1, 2}, {12, 13}, {4, -1}, {24, -14}}, {3, 5});
    Click(1);
    Click(4);
    EXPECT_EQ(Count(LOC_COMPUTER_BAR), -1);
    EXPECT_EQ(session().game.counters.hitsMade[SIDE_HUMAN], 1);
    Key('\x1b');
    EXPECT_EQ(Count(4), -1);
    EXPECT_EQ(Count(1), 2);
    EXPECT_EQ(Count(LOC_COMPUTER_BAR), 0);
    EXPECT_EQ(session().game.counters.hitsMade[SIDE_HUMAN], 0);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"1st  from  "}));

    // Without a hit the computer's bar keeps its checker, stale saved position or not.
    Setup({{1, 2}, {12, 13}, {LOC_COMPUTER_BAR, -1}, {24, -14}}, {3, 5});
    session().game.turnStart[4] = {1, SIDE_COMPUTER};
    Click(1);
    Click(4);
    OnRButtonDown(session(), 0, 0);
    Drain();
    EXPECT_EQ(Count(LOC_COMPUTER_BAR), -1);
    EXPECT_EQ(Count(4), 0);
    EXPECT_EQ(Count(1), 2);
}
}  // namespace
