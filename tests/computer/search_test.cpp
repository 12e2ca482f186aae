#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

#include "game/game.h"
#include "rules/moves.h"
#include "search_fixture.h"

namespace {
struct Pinned {
    const char* name;
    bool start;  // the starting position plus `checkers` moved in as extra placements
    Placing checkers;
    int d1, d2, level;
    uint32_t leaves;
    const char* move;
};
}  // namespace

// Our perft: for fixed positions and dice, the number of sequences the
// search scores and the move it picks. A change to the move rules, the order
// of the search or any term of the evaluation shows up here.
TEST_F(SearchTest, PinnedSequenceCountsAndMoves) {
    const Pinned cases[] = {
        {"start 2-1 good", true, {}, 2, 1, 2, 30, "24/2 24/1"},
        {"start 6-5 good", true, {}, 6, 5, 2, 14, "24/6 18/5"},
        {"start 6-1 poor", true, {}, 6, 1, 0, 19, "24/6 24/1"},
        {"start 3-1 moderate", true, {}, 3, 1, 1, 31, "8/3 6/1"},
        {"start 4-4 good", true, {}, 4, 4, 2, 411, "24/4 24/4 6/4 6/4"},
        {"blots and a human blot good 5-3",
         false,
         {{24, -2},
          {13, -4},
          {10, -1},
          {8, -2},
          {6, -4},
          {4, -1},
          {3, -1},
          {0, 0},
          {1, 2},
          {7, 1},
          {12, 4},
          {17, 3},
          {19, 4},
          {20, 1}},
         5,
         3,
         2,
         31,
         "8/5 10/3"},
        {"race 6-6",
         false,
         {{12, -3}, {9, -4}, {6, -5}, {2, -3}, {13, 5}, {19, 5}, {24, 5}},
         6,
         6,
         2,
         15,
         "12/6 12/6 12/6 9/6"},
        {"bear-off 5-2", false, {{6, -1}, {4, -3}, {3, -2}, {26, -9}, {20, 15}}, 5, 2, 2, 5, "6/5 4/2"},
        {"closed to 3-3", false, {{25, -2}, {6, -13}, {22, 2}, {19, 3}, {1, 10}}, 3, 3, 2, 0, "-"},
        {"one of 3-3 enters", false, {{25, -1}, {6, -14}, {19, 2}, {3, 2}, {12, 11}}, 3, 3, 2, 1, "25/3"},
    };
    for (const Pinned& c : cases) {
        if (c.start)
            PlaceStart();
        else
            Place(c.checkers);
        ASSERT_EQ(Total(SIDE_COMPUTER), 15) << c.name;
        ASSERT_EQ(Total(SIDE_HUMAN), 15) << c.name;
        Throw(c.d1, c.d2);
        EXPECT_EQ(Choose(c.level), c.move) << c.name;
        EXPECT_EQ(last_.play.leaves, c.leaves) << c.name;
    }
}

TEST_F(SearchTest, SameMoveEveryTimeAtEveryLevel) {
    const Placing contact = {{24, -2}, {13, -4}, {10, -1}, {8, -2}, {6, -4}, {4, -1}, {3, -1},
                             {1, 2},   {7, 1},   {12, 4},  {17, 3}, {19, 4}, {20, 1}};
    const std::pair<int, int> throws[] = {{3, 1}, {1, 3}, {6, 4}, {2, 2}, {5, 5}};
    for (int level : {0, 1, 2, 7}) {
        for (auto [d1, d2] : throws) {
            Place(contact);
            Throw(d1, d2);
            const std::string first = Choose(level);
            const int32_t score = last_.score;
            Throw(d1, d2);
            EXPECT_EQ(Choose(level), first) << level << ": " << d1 << "-" << d2;
            EXPECT_EQ(last_.score, score) << level << ": " << d1 << "-" << d2;
        }
    }
}

// Of two dice that cannot both be played, the larger when either can be, in
// whichever order they were thrown; doubles play as many dice as they can.
TEST_F(SearchTest, OneDieOfTwoIsTheLargerWhenEitherPlays) {
    struct Case {
        const char* name;
        Placing checkers;
        int d1, d2;
        const char* move;
    };
    // The last checker outside the tray on 10, with point 2 shut behind both dice.
    const Case cases[] = {
        {"either, larger second", {{10, -1}, {26, -14}, {2, 2}, {24, 13}}, 3, 5, "10/5"},
        {"either, larger first", {{10, -1}, {26, -14}, {2, 2}, {24, 13}}, 5, 3, "10/5"},
        {"only the smaller plays", {{10, -1}, {26, -14}, {5, 2}, {2, 2}, {24, 11}}, 5, 3, "10/3"},
        {"only the larger plays", {{10, -1}, {26, -14}, {7, 2}, {2, 2}, {24, 11}}, 3, 5, "10/5"},
        {"either enters, then 14 is shut", {{25, -1}, {26, -14}, {14, 2}, {24, 13}}, 6, 5, "25/6"},
        {"either bears the last checker off", {{3, -1}, {26, -14}, {24, 15}}, 6, 4, "3/6"},
        {"a double stops where it is blocked", {{10, -1}, {26, -14}, {4, 2}, {24, 13}}, 3, 3, "10/3"},
    };
    for (const Case& c : cases) {
        Place(c.checkers);
        Throw(c.d1, c.d2);
        EXPECT_EQ(Choose(2), c.move) << c.name;
        EXPECT_EQ(game.position.diceLeft, 1) << c.name;
    }
}

TEST_F(SearchTest, DoublesWhereOnlyTwoPlay) {
    Place({{20, -1}, {16, -1}, {26, -13}, {14, 2}, {10, 2}, {24, 11}});
    Throw(3, 3);
    EXPECT_EQ(Choose(2), "20/3 16/3");
    EXPECT_EQ(game.position.diceLeft, 2);
    EXPECT_EQ(game.position.dice[2], DICE_END);
}

TEST_F(SearchTest, ClosedOutComputerPlaysNothing) {
    for (int d1 = 1; d1 <= 6; ++d1) {
        for (int d2 = 1; d2 <= 6; ++d2) {
            Place({{25, -1}, {6, -14}, {19, 2}, {20, 2}, {21, 2}, {22, 2}, {23, 2}, {24, 2}, {1, 3}});
            Throw(d1, d2);
            EXPECT_EQ(Choose(2), "-") << d1 << "-" << d2;
            EXPECT_EQ(game.position.diceLeft, 0);
            EXPECT_EQ(last_.score, INT32_MAX);
        }
    }
}

TEST_F(SearchTest, RaceScoresAlikeAtEveryLevel) {
    const Placing race = {{12, -3}, {9, -4}, {7, -2}, {6, -3}, {2, -3}, {13, 5}, {19, 5}, {24, 5}};
    for (auto [d1, d2] : {std::pair{6, 5}, std::pair{4, 1}, std::pair{3, 3}}) {
        Place(race);
        Throw(d1, d2);
        const std::string good = Choose(2);
        const int32_t score = last_.score;
        ASSERT_EQ(game.race, 1);
        for (int level : {0, 1, 7}) {
            Throw(d1, d2);
            EXPECT_EQ(Choose(level), good) << level << ": " << d1 << "-" << d2;
            EXPECT_EQ(last_.score, score) << level << ": " << d1 << "-" << d2;
        }
    }
}

// Both ways of playing the two checkers from 20 leave the same quadrant
// count: the thrown order and the higher from-location come first.
TEST_F(SearchTest, TiesKeepTheFirstSequenceFound) {
    for (auto [d1, d2, move] : {std::tuple{2, 1, "20/2 20/1"}, std::tuple{1, 2, "20/1 20/2"}}) {
        Place({{20, -2}, {26, -13}, {24, 15}});
        Throw(d1, d2);
        EXPECT_EQ(Choose(2), move);
        EXPECT_EQ(last_.score, 2 * 7);
        // The exchange of the dice for the second search stays.
        EXPECT_EQ(game.position.dice[0], d2);
        EXPECT_EQ(game.position.dice[1], d1);
    }
}

TEST_F(SearchTest, GoodHitsABlotOnTwenty) {
    Place({{24, -2}, {13, -5}, {8, -3}, {6, -5}, {20, 1}, {1, 2}, {12, 5}, {17, 3}, {19, 4}});
    Throw(4, 1);
    Choose(2);
    for (int i = 0; i < game.position.diceLeft; ++i) ApplyMove(game.position, last_.play.from[i], last_.play.dice[i]);
    EXPECT_EQ(game.position[LOC_HUMAN_BAR].count, 1);
    EXPECT_EQ(game.position[20].owner, SIDE_COMPUTER);
}
