#include "controller/turn_cycle.h"

#include "computer/computer_player.h"
#include "controller/game_flow_fixture.h"
#include "controller/location_letters.h"
#include "game/game.h"
#include "platform/profile.h"
#include "platform/virtual_keys.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "rules/dice_throw.h"

namespace {
using TurnCycleTest = GameFlowTest;

// Every human checker home but one on point 24, the computer's all in its home board.
constexpr std::initializer_list<std::pair<int, int>> kLastChecker = {{24, 1}, {LOC_HUMAN_OFF, 14}, {3, -15}};

TEST_F(TurnCycleTest, TheOpeningThrowIsNeverADoubleAndTheHigherDieStarts) {
    struct Case {
        std::initializer_list<Throw> throws;
        int starter;
        int computerTotal;  // booked for the computer's opening turn
    };
    const Case cases[] = {{{{3, 3}, {6, 6}, {2, 5}}, SIDE_HUMAN, 0}, {{{6, 1}, {2, 3}}, SIDE_COMPUTER, 7}};
    for (const Case& c : cases) {
        Start(SIDE_NONE, c.throws);
        EXPECT_EQ(session().game.counters.diceTotal[SIDE_COMPUTER], c.computerTotal);
        EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN);
        if (c.starter == SIDE_HUMAN) {
            EXPECT_EQ(session().game.position.dice[0], 2);
            EXPECT_EQ(session().game.position.dice[1], 5);
            EXPECT_EQ(session().game.counters.diceTotal[SIDE_HUMAN], 7);
        } else {
            EXPECT_EQ(session().game.counters.diceTotal[SIDE_HUMAN], 5) << "the human's own throw follows";
        }
        EXPECT_EQ(LastLine(), "1st  from  ");
    }
}

TEST_F(TurnCycleTest, AFixedStarterHoldsUntilTheFirstComputerTurnEnds) {
    Start(SIDE_HUMAN, {{6, 1}});
    EXPECT_EQ(session().game.counters.diceTotal[SIDE_COMPUTER], 0);
    EXPECT_EQ(session().game.counters.diceTotal[SIDE_HUMAN], 7);
    Start(SIDE_HUMAN, {{6, 1}});  // a new game before any computer turn
    EXPECT_EQ(session().game.counters.diceTotal[SIDE_HUMAN], 7);
    EXPECT_EQ(session().game.firstStarterFixed, 1);

    Start(SIDE_COMPUTER, {{1, 6}, {2, 3}});
    EXPECT_EQ(session().game.counters.diceTotal[SIDE_COMPUTER], 7) << "the computer plays the opening throw";
    EXPECT_EQ(session().game.firstStarterFixed, 0);
    EXPECT_EQ(session().game.openingThrow, 0);
    // From now on the throw decides.
    Script().assign({{1, 6}});
    session().game.position.sideToMove = SIDE_COMPUTER;
    NewGame(session());
    Drain();
    EXPECT_EQ(session().game.counters.diceTotal[SIDE_COMPUTER], 0);
    EXPECT_EQ(session().game.counters.diceTotal[SIDE_HUMAN], 7);
}

TEST_F(TurnCycleTest, AComputerClosedOutGetsNoDiceLineAndStillHandsOver) {
    Setup({{LOC_COMPUTER_BAR, -1}, {19, 2}, {20, 2}, {21, 2}, {22, 2}, {23, 2}, {24, 2}, {1, 3}, {6, -14}}, {});
    Script().assign({{5, 3}, {4, 2}});
    wnd->PostCommand(ID_COMPUTER_TURN);
    Drain();
    EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN);
    EXPECT_EQ(session().game.counters.diceTotal[SIDE_COMPUTER], 0);
    EXPECT_EQ(Count(LOC_COMPUTER_BAR), -1);
    EXPECT_EQ(session().game.turnStart[LOC_COMPUTER_BAR].count, 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"1st  from  ", " ", " ", "Dice: 4+2", "1st  from  "}));
}

TEST_F(TurnCycleTest, AComputerTurnLogsItsMovesOnTheSeparatorsLine) {
    struct Case {
        Throw thrown;
        std::string diceLine;
        int moves;
    };
    const Case cases[] = {{{6, 1}, "Dice: 6+1", 2}, {{2, 2}, "Dice: 2+2+2+2", 4}};
    for (const Case& c : cases) {
        Setup({{1, 2}, {12, 5}, {17, 3}, {19, 5}, {24, -2}, {13, -5}, {8, -3}, {6, -5}}, {});
        Position before = session().game.position;
        before.sideToMove = SIDE_COMPUTER;
        SetThrownDice(before, c.thrown.first, c.thrown.second);
        const ComputerPlay play =
            ComputerPlayerFor(session().game.options.levelOfPlay).ChoosePlay(before, NoContact(before.board));
        ASSERT_EQ(play.count, c.moves);
        Script().assign({c.thrown, {2, 1}});
        wnd->PostCommand(ID_COMPUTER_TURN);
        Drain();
        // A blank, then each move as its from-letter, "+", its die and two blanks.
        std::string moves = " ";
        for (int i = 0; i < c.moves; ++i)
            moves += std::string(1, LocationLetter(play.from[i])) + "+" + std::to_string(play.dice[i]) + "  ";
        EXPECT_EQ(Lines(),
                  (std::vector<std::string>{"1st  from  ", " ", c.diceLine, moves, " ", "Dice: 2+1", "1st  from  "}));
    }
}

TEST_F(TurnCycleTest, AnUndoInTheOpeningTurnKeepsTheOpeningDiceLayout) {
    session().game.options.autoChangeTurn = 0;
    session().game.options.diceAsIcons = 1;
    Start(SIDE_NONE, {{2, 5}});
    Click(1);
    Click(3);  // the computer's die, 2: the 5 moves to entry 0
    wnd->waitAnswers.push_back({WaitResult::KEY, VK_ESCAPE});
    Click(12);  // the last die, then the wait, answered by Escape
    EXPECT_EQ(session().game.openingThrow, 1) << "still the opening turn";
    EXPECT_EQ(session().game.position.diceLeft, 1);
    EXPECT_TRUE(wnd->DieWindowShown(DIE_GROUP_COMPUTER, 0)) << "entry 0 stands on the computer's side";
    EXPECT_FALSE(wnd->DieWindowShown(DIE_GROUP_HUMAN, 0));
}

TEST_F(TurnCycleTest, AHumanClosedOutPassesWithSpaceOrAClickBesideTheBoard) {
    for (bool bySpace : {true, false}) {
        Setup({{LOC_HUMAN_BAR, 1}, {1, -2}, {2, -2}, {3, -2}, {4, -2}, {5, -2}, {6, -2}, {13, 14}, {20, -3}}, {});
        session().game.position.sideToMove = SIDE_COMPUTER;
        session().game.counters = {};
        Script().assign({{4, 2}, {5, 1}, {3, 1}});
        wnd->ListClear();
        BeginTurn(session());
        EXPECT_EQ(wnd->PaneText(0), ResString(IDS_CANNOT_MOVE));
        EXPECT_EQ(Lines(), (std::vector<std::string>{"1st  from  "}));
        EXPECT_FALSE(wnd->DieWindowShown(DIE_GROUP_HUMAN, 0));
        EXPECT_EQ(session().game.mustUseBoth, 0);
        if (bySpace)
            Key(' ');
        else
            Click(-1);
        EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN) << bySpace;
        EXPECT_EQ(session().game.counters.diceTotal[SIDE_COMPUTER], 6) << "one computer turn";
        EXPECT_EQ(session().game.counters.diceTotal[SIDE_HUMAN], 0) << "a closed-out throw is not booked";
    }
}

TEST_F(TurnCycleTest, AMoveThatWouldStrandADieIsRefusedAndTheDieCannotBePassed) {
    // The 6 plays only after the 1 from point 1; moving 10 to 11 would block it.
    Setup({{1, 1}, {10, 1}, {24, 13}, {7, -2}, {16, -2}, {17, -2}, {3, -9}}, {6, 1});
    EXPECT_EQ(session().game.mustUseBoth, 1);
    Click(10);
    Click(11);
    EXPECT_EQ(Count(11), 0);
    EXPECT_EQ(wnd->PaneText(2), ResString(IDS_USE_BOTH_DICE));
    Key(' ');
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN);
    EXPECT_EQ(session().game.position.diceLeft, 2);
    Click(1);
    Click(2);
    Click(2);
    Click(8);
    EXPECT_EQ(Count(8), 1);
    EXPECT_EQ(session().game.moveOrdinal, 1) << "the computer has played and the human's next turn begun";
}

TEST_F(TurnCycleTest, TheComputerThinksFor1500msExceptWithADoubleOrInARace) {
    struct Case {
        std::initializer_list<std::pair<int, int>> position;
        Throw dice;
        int thinkTime;
    };
    const std::initializer_list<std::pair<int, int>> contact = {{1, 2},   {12, 5},  {17, 3}, {19, 5},
                                                                {24, -2}, {13, -5}, {8, -3}, {6, -5}};
    const std::initializer_list<std::pair<int, int>> race = {{19, 8}, {20, 7}, {6, -8}, {5, -7}};
    const Case cases[] = {{contact, {6, 1}, 1500}, {contact, {4, 4}, 0}, {race, {6, 1}, 0}};
    clock.Sleep(1000);  // a running clock is told by its negative value
    for (const Case& c : cases) {
        Setup(c.position, {});
        session().game.counters = {};
        Script().assign({c.dice, {2, 1}});
        wnd->PostCommand(ID_COMPUTER_TURN);
        Drain();
        EXPECT_EQ(session().game.counters.thinkTime[SIDE_COMPUTER], c.thinkTime) << int(c.dice.first) << c.dice.second;
        EXPECT_FALSE(wnd->waitCursor) << "the wait cursor goes with the turn";
        EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN);
    }
}

TEST_F(TurnCycleTest, EscapeOrTheRightButtonInTheWaitTakesTheLastMoveBack) {
    session().game.options.autoChangeTurn = 0;
    for (bool byEscape : {true, false}) {
        Setup({{1, 2}, {12, 5}, {17, 3}, {19, 5}, {24, -2}, {13, -5}, {8, -3}, {6, -5}}, {3, 1});
        session().game.counters = {};
        Click(17);
        Click(20);
        wnd->waitAnswers.push_back(byEscape ? WaitResult{WaitResult::KEY, VK_ESCAPE}
                                            : WaitResult{WaitResult::RIGHT_BUTTON, 0});
        Click(19);  // the last die, then the wait
        EXPECT_TRUE(wnd->undoCursorInWait);
        EXPECT_FALSE(wnd->undoCursor);
        EXPECT_EQ(session().game.awaitingConfirm, 0);
        EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN) << byEscape;
        EXPECT_EQ(session().game.moveOrdinal, 2);
        EXPECT_EQ(session().game.position.diceLeft, 1);
        EXPECT_EQ(Count(19), 5);
        EXPECT_EQ(session().game.counters.diceTotal[SIDE_COMPUTER], 0);
        EXPECT_EQ(Lines(), (std::vector<std::string>{"1st  from  Q  to  T", "2nd from  "}));
        EXPECT_EQ(wnd->PaneText(0), ResString(IDS_PROMPT_FROM));
    }
}

TEST_F(TurnCycleTest, SpaceInTheWaitGivesExactlyOneComputerTurn) {
    session().game.options.autoChangeTurn = 0;
    Setup({{1, 2}, {12, 5}, {17, 3}, {19, 5}, {24, -2}, {13, -5}, {8, -3}, {6, -5}}, {3, 1});
    session().game.counters = {};
    Script().assign({{2, 1}, {6, 5}});
    Click(17);
    Click(20);
    wnd->waitAnswers.push_back({WaitResult::KEY, VK_SPACE});
    Click(19);
    Drain();
    EXPECT_EQ(session().game.counters.diceTotal[SIDE_COMPUTER], 3);
    EXPECT_EQ(session().game.counters.diceTotal[SIDE_HUMAN], 11);
    EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN);
    EXPECT_EQ(session().game.position.diceLeft, 2);
}

TEST_F(TurnCycleTest, InARaceTheTurnPassesWithoutTheWait) {
    session().game.options.autoChangeTurn = 0;
    Setup({{19, 8}, {20, 7}, {6, -8}, {5, -7}}, {3, 1});
    session().game.counters = {};
    Script().assign({{2, 1}});
    Click(19);
    Click(22);
    Click(20);
    Click(21);
    EXPECT_EQ(session().game.counters.diceTotal[SIDE_COMPUTER], 3);
    EXPECT_EQ(session().game.position.sideToMove, SIDE_HUMAN);
}

TEST_F(TurnCycleTest, AGammonAtCube4AddsEightToBothScoresAndWritesThem) {
    Setup(kLastChecker, {6, 2});
    session().game.position.cubeValue = 4;
    const int run = session().game.runScore[SIDE_HUMAN], total = session().game.totalScore[SIDE_HUMAN];
    Click(24);
    EXPECT_EQ(session().game.runScore[SIDE_HUMAN], run + 8);
    EXPECT_EQ(session().game.totalScore[SIDE_HUMAN], total + 8);
    EXPECT_EQ(GetProfileInt("game", "wit", -1), total + 8);
    EXPECT_EQ(session().game.position.cubeValue, 1) << "the next game has begun";
}
}  // namespace
