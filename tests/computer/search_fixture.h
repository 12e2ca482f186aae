// A live board with the computer to move, on which the search runs and is
// checked to leave the position exactly as it found it.
#pragma once

#include <string>

#include "computer/search.h"
#include "rules/board_fixture.h"
#include "rules/board_snapshot.h"
#include "settings/options.h"

using Checkers = std::initializer_list<std::pair<int, int>>;

// The starting position in the signed form of BoardTest::Place.
inline constexpr std::pair<int, int> kStart[] = {{1, 2},   {6, -5}, {8, -3}, {12, 5},
                                                 {13, -5}, {17, 3}, {19, 5}, {24, -2}};

class SearchTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        savedLevel_ = LevelOfPlay;
        g_sideToMove = SIDE_COMPUTER;
    }
    void TearDown() override {
        LevelOfPlay = savedLevel_;
        BoardTest::TearDown();
    }

    static void PlaceStart() {
        Place({});
        for (auto [loc, n] : kStart) {
            g_board[loc]->count = static_cast<int8_t>(n < 0 ? -n : n);
            g_board[loc]->owner = n < 0 ? SIDE_COMPUTER : SIDE_HUMAN;
        }
    }

    // The dice as a throw leaves them: a double gives four.
    static void Throw(int d1, int d2) {
        if (d1 == d2)
            SetDice({d1, d1, d1, d1});
        else
            SetDice({d1, d2});
    }

    // Searches at `level` and returns the move as "from/die" in play order,
    // "-" when no die can be played.
    static std::string Choose(int level) {
        g_race = NoContact();
        const BoardSnapshot before;
        ChooseComputerMove(level);
        ExpectBoardIs(before);
        return ChosenMove();
    }

    static std::string ChosenMove() {
        std::string text;
        for (int i = 0; i < g_diceLeft; ++i)
            text += (i ? " " : "") + std::to_string(g_bestFrom[i]) + "/" + std::to_string(g_bestDice[i]);
        return text.empty() ? "-" : text;
    }

    static void ExpectBoardIs(const BoardSnapshot& expected) {
        for (int i = 0; i < NUM_LOCATIONS; ++i) {
            EXPECT_EQ(g_board[i]->count, expected[i].count) << "location " << i;
            EXPECT_EQ(g_board[i]->owner, expected[i].owner) << "location " << i;
        }
    }

private:
    int32_t savedLevel_ = 0;
};
