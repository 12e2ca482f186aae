// A live board with the computer to move, on which the search runs and is
// checked to leave the position exactly as it found it.
#pragma once

#include <string>

#include "computer/computer_player.h"
#include "computer/search.h"
#include "game/game.h"
#include "rules/board_fixture.h"
#include "settings/options.h"

using Placing = std::initializer_list<std::pair<int, int>>;

// The starting position in the signed form of BoardTest::Place.
inline constexpr std::pair<int, int> kStart[] = {{1, 2},   {6, -5}, {8, -3}, {12, 5},
                                                 {13, -5}, {17, 3}, {19, 5}, {24, -2}};

class SearchTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        savedLevel_ = game.options.levelOfPlay;
        game.position.sideToMove = SIDE_COMPUTER;
    }
    void TearDown() override {
        game.options.levelOfPlay = savedLevel_;
        BoardTest::TearDown();
    }

    void PlaceStart() {
        Place({});
        for (auto [loc, n] : kStart) {
            game.position[loc].count = static_cast<int8_t>(n < 0 ? -n : n);
            game.position[loc].owner = n < 0 ? SIDE_COMPUTER : SIDE_HUMAN;
        }
    }

    // The dice as a throw leaves them: a double gives four.
    void Throw(int d1, int d2) {
        if (d1 == d2)
            SetDice({d1, d1, d1, d1});
        else
            SetDice({d1, d2});
    }

    // Searches at `level` and returns the move as "from/die" in play order,
    // "-" when no die can be played.
    std::string Choose(int level) {
        game.race = NoContact(game.position.board);
        const Board before = game.position.board;
        last_ = SearchHandMadePlay(game.position, level, game.race != 0);
        ExpectBoardIs(before);
        return ChosenMove();
    }

    std::string ChosenMove() {
        std::string text;
        for (int i = 0; i < last_.play.count; ++i)
            text += (i ? " " : "") + std::to_string(last_.play.from[i]) + "/" + std::to_string(last_.play.dice[i]);
        return text.empty() ? "-" : text;
    }

    void ExpectBoardIs(const Board& expected) {
        for (int i = 0; i < NUM_LOCATIONS; ++i) {
            EXPECT_EQ(game.position[i].count, expected[i].count) << "location " << i;
            EXPECT_EQ(game.position[i].owner, expected[i].owner) << "location " << i;
        }
    }

    // The last search's outcome.
    static inline HandMadeSearch last_{};

private:
    int32_t savedLevel_ = 0;
};
