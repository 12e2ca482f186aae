#include "rules/moves.h"

#include "board_fixture.h"
#include "game/game.h"

using MovesTest = BoardTest;

TEST_F(MovesTest, ComputerOnTheBarMustEnterFirst) {
    game.position.sideToMove = SIDE_COMPUTER;
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> checkers;
        bool entryLegal;
    };
    const Case cases[] = {
        {"22 empty", {{25, -1}, {13, -14}, {19, 15}}, true},
        {"human blot on 22", {{25, -1}, {13, -14}, {22, 1}, {19, 14}}, true},
        {"human point on 22", {{25, -1}, {13, -14}, {22, 2}, {19, 13}}, false},
        {"computer point on 22", {{25, -1}, {13, -11}, {22, -3}, {19, 15}}, true},
    };
    for (const Case& c : cases) {
        Place(c.checkers);
        for (int d = 1; d <= 6; ++d) EXPECT_FALSE(IsLegalMove(game.position, 13, d)) << c.name << d;
        EXPECT_EQ(IsLegalMove(game.position, 25, 3), c.entryLegal) << c.name;
    }
}

TEST_F(MovesTest, HumanOnTheBarMustEnterFirst) {
    Place({{0, 1}, {12, 14}, {4, -2}, {5, -1}, {24, -12}});
    EXPECT_FALSE(IsLegalMove(game.position, 12, 1));
    EXPECT_FALSE(IsLegalMove(game.position, 0, 4));
    EXPECT_TRUE(IsLegalMove(game.position, 0, 5));
    EXPECT_TRUE(IsLegalMove(game.position, 0, 6));
}

TEST_F(MovesTest, TargetsInPlay) {
    Place({{10, 3}, {12, -1}, {13, -2}, {14, 2}, {1, -12}, {20, 8}, {2, 2}});
    EXPECT_TRUE(IsLegalMove(game.position, 10, 1));   // empty point
    EXPECT_TRUE(IsLegalMove(game.position, 10, 2));   // opponent's blot
    EXPECT_FALSE(IsLegalMove(game.position, 10, 3));  // opponent's made point
    EXPECT_TRUE(IsLegalMove(game.position, 10, 4));   // own point
    EXPECT_FALSE(IsLegalMove(game.position, 11, 1));  // nothing there
    EXPECT_FALSE(IsLegalMove(game.position, 12, 1));  // not the mover's
}

TEST_F(MovesTest, ComputerBearingOffAndOvershoot) {
    game.position.sideToMove = SIDE_COMPUTER;
    Place({{4, -1}, {1, -4}, {26, -10}, {20, 15}});
    EXPECT_TRUE(IsLegalMove(game.position, 4, 6));
    EXPECT_TRUE(IsLegalMove(game.position, 4, 4));
    Place({{4, -1}, {5, -1}, {1, -3}, {26, -10}, {20, 15}});
    EXPECT_FALSE(IsLegalMove(game.position, 4, 6));
    EXPECT_TRUE(IsLegalMove(game.position, 4, 4));
    EXPECT_TRUE(IsLegalMove(game.position, 5, 6));
    // One checker outside the home board, or on the bar, forbids bearing off.
    for (int away : {7, 25}) {
        Place({{away, -1}, {4, -1}, {1, -3}, {26, -10}, {20, 15}});
        EXPECT_FALSE(IsLegalMove(game.position, 4, 4)) << away;
    }
}

TEST_F(MovesTest, HumanBearingOffAndOvershoot) {
    Place({{21, 1}, {24, 4}, {27, 10}, {5, -15}});
    EXPECT_TRUE(IsLegalMove(game.position, 21, 4));
    EXPECT_TRUE(IsLegalMove(game.position, 21, 6));
    for (int behind : {19, 20}) {
        Place({{21, 1}, {behind, 1}, {24, 3}, {27, 10}, {5, -15}});
        EXPECT_TRUE(IsLegalMove(game.position, 21, 4)) << behind;
        EXPECT_FALSE(IsLegalMove(game.position, 21, 6)) << behind;
    }
    Place({{0, 1}, {21, 1}, {24, 3}, {27, 10}, {5, -15}});
    EXPECT_FALSE(IsLegalMove(game.position, 21, 4));
}

TEST_F(MovesTest, ApplyStepHitsAndEmpties) {
    Place({{10, 1}, {12, -1}, {1, -14}, {20, 14}});
    ApplyMove(game.position, 10, 2);
    EXPECT_EQ(game.position[12].count, 1);
    EXPECT_EQ(game.position[12].owner, SIDE_HUMAN);
    EXPECT_EQ(game.position[25].count, 1);
    EXPECT_EQ(game.position[10].owner, SIDE_NONE);
    EXPECT_EQ(Total(SIDE_COMPUTER), 15);

    game.position.sideToMove = SIDE_COMPUTER;
    ApplyMove(game.position, 25, 1);
    EXPECT_EQ(game.position[25].count, 0);
    EXPECT_EQ(game.position[25].owner, SIDE_COMPUTER);
    EXPECT_EQ(game.position[24].owner, SIDE_COMPUTER);
}

TEST_F(MovesTest, BearingOffGoesToTheTray) {
    game.position.sideToMove = SIDE_COMPUTER;
    Place({{2, -15}, {20, 15}});
    ApplyMove(game.position, 2, 6);
    EXPECT_EQ(game.position[26].count, 1);
    game.position.sideToMove = SIDE_HUMAN;
    ApplyMove(game.position, 20, 5);
    EXPECT_EQ(game.position[27].count, 1);
}

TEST_F(MovesTest, MoveCheckerHitsCountsAndUndoesToTheBar) {
    Place({{10, 1}, {12, -1}, {1, -14}, {20, 14}});
    EXPECT_TRUE(MoveChecker(game.position, 10, 12).hit);
    EXPECT_EQ(game.position[25].count, 1);
    EXPECT_EQ(game.position[12].owner, SIDE_HUMAN);
    EXPECT_EQ(Total(SIDE_HUMAN), 15);
    EXPECT_EQ(Total(SIDE_COMPUTER), 15);

    Place({{3, 1}, {1, -15}, {20, 14}});
    MoveChecker(game.position, 3, -2, /*undoing=*/true);
    EXPECT_EQ(game.position[0].count, 1);
    MoveChecker(game.position, 20, 26);
    EXPECT_EQ(game.position[27].count, 1);
}

TEST_F(MovesTest, NoMovePossibleAndEntryOpen) {
    Place({{0, 1}, {1, -2}, {2, -2}, {3, -2}, {4, -2}, {5, -2}, {6, -2}, {20, 14}, {24, -3}});
    SetDice({3, 5});
    EXPECT_TRUE(NoMovePossible(game.position));
    EXPECT_FALSE(EntryOpen(game.position, SIDE_HUMAN));
    EXPECT_TRUE(EntryOpen(game.position, SIDE_COMPUTER));
    SetDice({});
    EXPECT_TRUE(NoMovePossible(game.position));
    Place({{0, 1}, {1, -2}, {2, -2}, {3, -2}, {4, -2}, {5, -2}, {6, -1}, {20, 14}, {24, -4}});
    EXPECT_TRUE(EntryOpen(game.position, SIDE_HUMAN));
    SetDice({6, 6, 6, 6});
    EXPECT_FALSE(NoMovePossible(game.position));
}

TEST_F(MovesTest, HighestLegalFromIsTheFarthestChecker) {
    game.position.sideToMove = SIDE_COMPUTER;
    SetDice({3, 1});
    EXPECT_EQ(HighestLegalFrom(game.position, 0), 24);
    game.position.sideToMove = SIDE_HUMAN;
    EXPECT_EQ(HighestLegalFrom(game.position, 0), 19);  // walks from 25 down: the human's nearest checker
}

TEST_F(MovesTest, BearOffDie) {
    Place({{21, 2}, {24, 13}, {5, -15}});
    struct Case {
        std::initializer_list<int> dice;
        int from, expected;
    };
    const Case cases[] = {
        {{4, 6}, 21, 4}, {{6, 5}, 21, 5}, {{2, 3}, 21, -1}, {{1, 1, 1, 1}, 24, 1}, {{6, 5}, 24, 5},
    };
    for (const Case& c : cases) {
        SetDice(c.dice);
        EXPECT_EQ(BearOffDie(game.position, c.from), c.expected) << c.from;
    }
    // The last checker: either die takes it off, and the larger is the one to play.
    Place({{22, 1}, {LOC_HUMAN_OFF, 14}, {5, -15}});
    for (const Case& c : {Case{{3, 5}, 22, 5}, Case{{5, 3}, 22, 5}, Case{{3, 3, 3, 3}, 22, 3}}) {
        SetDice(c.dice);
        EXPECT_EQ(BearOffDie(game.position, c.from), c.expected) << *c.dice.begin();
    }
}

TEST_F(MovesTest, RefusedSmallerDie) {
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> checkers;
        std::initializer_list<int> dice;
        int refused;
    };
    // The human's last checker outside the tray on 15, point 23 shut behind both dice.
    const Case cases[] = {
        {"either, larger second", {{15, 1}, {27, 14}, {23, -2}, {1, -13}}, {3, 5}, 0},
        {"either, larger first", {{15, 1}, {27, 14}, {23, -2}, {1, -13}}, {5, 3}, 1},
        {"only the smaller plays", {{15, 1}, {27, 14}, {20, -2}, {23, -2}, {1, -11}}, {3, 5}, -1},
        {"only the larger plays", {{15, 1}, {27, 14}, {18, -2}, {23, -2}, {1, -11}}, {3, 5}, -1},
        {"both play", {{15, 1}, {27, 14}, {1, -15}}, {3, 5}, -1},
        {"either enters, then 11 is shut", {{0, 1}, {27, 14}, {11, -2}, {1, -13}}, {6, 5}, 1},
        {"a double", {{15, 1}, {27, 14}, {21, -2}, {1, -13}}, {3, 3, 3, 3}, -1},
        {"one die left", {{15, 1}, {27, 14}, {23, -2}, {1, -13}}, {3}, -1},
    };
    for (const Case& c : cases) {
        Place(c.checkers);
        SetDice(c.dice);
        EXPECT_EQ(RefusedSmallerDie(game.position), c.refused) << c.name;
        EXPECT_EQ(game.position[15].count + game.position[0].count, 1) << c.name << ": the board is left as it was";
    }
}

TEST_F(MovesTest, BothDicePossible) {
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> checkers;
        std::initializer_list<int> dice;
        bool expected;
    };
    // Human on 1 with 15 checkers; only 6-1 with the 6 blocked at 7 until the 1 is played.
    const Case cases[] = {
        {"both play at once", {{1, 15}, {20, -15}}, {6, 1}, false},
        {"doubles", {{1, 15}, {7, -2}, {20, -13}}, {6, 6, 6, 6}, false},
        {"the 6 opens after the 1", {{1, 15}, {7, -2}, {20, -13}}, {6, 1}, true},
        {"the 6 stays blocked", {{1, 15}, {7, -2}, {8, -2}, {20, -11}}, {6, 1}, false},
    };
    for (const Case& c : cases) {
        Place(c.checkers);
        SetDice(c.dice);
        EXPECT_EQ(BothDicePossible(game.position), c.expected) << c.name;
        EXPECT_EQ(game.position[1].count, 15) << c.name;
    }
    game.position.sideToMove = SIDE_COMPUTER;
    EXPECT_FALSE(BothDicePossible(game.position));
}

TEST_F(MovesTest, PruneUnplayableDice) {
    game.position.sideToMove = SIDE_COMPUTER;
    // Only one die can be played: the 6 from 24 is blocked, the 1 plays.
    Place({{24, -15}, {18, 2}, {19, 13}});
    SetDice({6, 1});
    PruneUnplayableDice(game.position);
    EXPECT_EQ(game.position.diceLeft, 1);
    EXPECT_EQ(game.position.dice[0], 1);
    EXPECT_EQ(game.position.dice[1], DICE_END);
    EXPECT_EQ(game.position[24].count, 15);

    // Doubles of which only two play: 5 to 3 to 1, and the rest is walled in.
    Place({{24, -14}, {5, -1}, {22, 2}, {12, 13}});
    SetDice({2, 2, 2, 2});
    PruneUnplayableDice(game.position);
    EXPECT_EQ(game.position.diceLeft, 2);
    EXPECT_EQ(game.position[5].count, 1);
}
