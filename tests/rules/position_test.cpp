#include "board_fixture.h"
#include "game/game.h"
#include "rules/moves.h"

using PositionTest = BoardTest;

TEST_F(PositionTest, StartingPositionAndItsMeasures) {
    struct Expect {
        int loc, count, owner;
    };
    const Expect table[] = {
        {0, 0, SIDE_HUMAN},    {1, 2, SIDE_HUMAN},     {2, 0, SIDE_NONE},      {6, 5, SIDE_COMPUTER},
        {8, 3, SIDE_COMPUTER}, {12, 5, SIDE_HUMAN},    {13, 5, SIDE_COMPUTER}, {17, 3, SIDE_HUMAN},
        {19, 5, SIDE_HUMAN},   {24, 2, SIDE_COMPUTER}, {25, 0, SIDE_COMPUTER}, {26, 0, SIDE_COMPUTER},
        {27, 0, SIDE_HUMAN},
    };
    for (const Expect& e : table) {
        EXPECT_EQ(game.position[e.loc].count, e.count) << e.loc;
        EXPECT_EQ(game.position[e.loc].owner, e.owner) << e.loc;
    }
    EXPECT_EQ(Total(SIDE_HUMAN), 15);
    EXPECT_EQ(Total(SIDE_COMPUTER), 15);
    for (int side : {SIDE_COMPUTER, SIDE_HUMAN}) {
        EXPECT_EQ(QuadrantCount(game.position.board, side), 34);
        EXPECT_EQ(RaceLead(game.position.board, side), 0);
    }
    EXPECT_FALSE(NoContact(game.position.board));
    EXPECT_EQ(CountCheckers(game.position.board, 7, 6, SIDE_COMPUTER), 0);
}

TEST_F(PositionTest, QuadrantWeightsAndRaceLead) {
    Place({{25, -1}, {19, -1}, {1, -13}, {0, 1}, {24, 2}, {7, 12}});
    EXPECT_EQ(QuadrantCount(game.position.board, SIDE_COMPUTER), 5 + 4 + 13);
    EXPECT_EQ(QuadrantCount(game.position.board, SIDE_HUMAN), 5 + 2 + 36);
    EXPECT_EQ(RaceLead(game.position.board, SIDE_COMPUTER), 43 - 22);
    EXPECT_EQ(RaceLead(game.position.board, SIDE_HUMAN), 22 - 43);
}

TEST_F(PositionTest, NoContact) {
    struct Case {
        const char* name;
        std::initializer_list<std::pair<int, int>> checkers;
        bool expected;
    };
    const Case cases[] = {
        {"passed", {{1, -5}, {5, -10}, {6, 15}}, true},
        {"some borne off", {{3, -5}, {26, -10}, {20, 10}, {27, 5}}, true},
        {"human behind a computer checker", {{1, -14}, {24, -1}, {20, 15}}, false},
        {"human on its bar", {{1, -15}, {0, 1}, {20, 14}}, false},
        {"computer on its bar", {{25, -1}, {1, -14}, {20, 15}}, false},
    };
    for (const Case& c : cases) {
        Place(c.checkers);
        EXPECT_EQ(NoContact(game.position.board), c.expected) << c.name;
    }
}

TEST_F(PositionTest, ALocationLeftEmptyKeepsItsFixedOwner) {
    Place({{0, 1}, {25, -1}, {5, -1}, {27, 1}, {1, -14}, {20, 13}});
    for (auto [from, to] : {std::pair{0, 20}, {25, 1}, {5, 1}, {27, 20}}) TransferChecker(game.position, from, to);
    EXPECT_EQ(game.position[0].owner, SIDE_HUMAN);
    EXPECT_EQ(game.position[25].owner, SIDE_COMPUTER);
    EXPECT_EQ(game.position[27].owner, SIDE_HUMAN);
    EXPECT_EQ(game.position[5].owner, SIDE_NONE);
}

TEST_F(PositionTest, FixedOwnersComeBackAndTheCheckersStay) {
    Place({{0, 2}, {3, 13}, {25, -1}, {26, -4}, {10, -10}});
    Board saved = game.position.board;
    for (int loc : {0, 25, 26, 27}) saved[loc].owner = SIDE_NONE;
    game.position.board = WithFixedOwners(saved);
    EXPECT_EQ(game.position[0].owner, SIDE_HUMAN);
    EXPECT_EQ(game.position[26].owner, SIDE_COMPUTER);
    EXPECT_EQ(game.position[0].count, 2);
    EXPECT_EQ(game.position[3].owner, SIDE_HUMAN);
    EXPECT_EQ(game.position[25].count, 1);
    EXPECT_EQ(game.position[26].count, 4);
    EXPECT_EQ(game.position[10].owner, SIDE_COMPUTER);
    EXPECT_EQ(Total(SIDE_HUMAN), 15);
    EXPECT_EQ(Total(SIDE_COMPUTER), 15);
}

TEST_F(PositionTest, MirrorSwapsSidesAndEnds) {
    Board start = game.position.board;
    start[26] = {3, SIDE_COMPUTER};
    const Board table = Mirrored(start);
    EXPECT_EQ(table[27].count, 3);
    EXPECT_EQ(table[27].owner, SIDE_HUMAN);
    // The bars trade places and owners, so each keeps its fixed owner.
    EXPECT_EQ(table[0].owner, SIDE_HUMAN);
    EXPECT_EQ(table[25].owner, SIDE_COMPUTER);
    // The starting position is its own mirror image.
    for (int p = 1; p <= 24; ++p) {
        EXPECT_EQ(table[p].count, start[p].count) << p;
        EXPECT_EQ(table[p].owner, start[p].owner) << p;
    }
}

TEST_F(PositionTest, FindAndRemoveDie) {
    SetDice({4, 4, 4});
    EXPECT_EQ(game.position.FindDie(4), 2);
    EXPECT_EQ(game.position.FindDie(5), -1);

    SetDice({3, 5});
    game.position.RemoveDie(0);
    EXPECT_EQ(game.position.dice[0], 5);
    EXPECT_EQ(game.position.dice[1], DICE_END);
    EXPECT_EQ(game.position.diceLeft, 1);

    // An index that names no die (FindDie found nothing) changes nothing.
    for (int bad : {-1, 1, 4}) {
        game.position.RemoveDie(bad);
        EXPECT_EQ(game.position.diceLeft, 1);
        EXPECT_EQ(game.position.dice[0], 5);
    }
}
