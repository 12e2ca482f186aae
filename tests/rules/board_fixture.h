// A game's board, set up from signed counts: negative for
// the computer's checkers, positive for the human's.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "game/game.h"
#include "rules/position.h"

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        NewBoard();
        game.counters = {};
        game.position.sideToMove = SIDE_HUMAN;
    }

    // Empties the board, then places the given checkers; locations 0, 25,
    // 26 and 27 keep their fixed owners.
    void Place(std::initializer_list<std::pair<int, int>> checkers) {
        for (int i = 0; i < NUM_LOCATIONS; ++i) {
            game.position[i].count = 0;
            game.position[i].owner = IsPoint(i) ? SIDE_NONE : FixedOwner(i);
        }
        for (auto [loc, n] : checkers) {
            game.position[loc].count = static_cast<int8_t>(n < 0 ? -n : n);
            if (IsPoint(loc)) game.position[loc].owner = n < 0 ? SIDE_COMPUTER : SIDE_HUMAN;
        }
    }

    void SetDice(std::initializer_list<int> dice) {
        for (uint8_t& d : game.position.dice) d = DICE_END;
        int i = 0;
        for (int d : dice) game.position.dice[i++] = static_cast<uint8_t>(d);
        game.position.diceLeft = i;
    }

    // The turn's start becomes the board as it stands, as the game does after a turn.
    void SavePosition() { game.turnStart = game.position.board; }
    // A new game's checkers, from the turn's start on.
    void NewBoard() {
        game.turnStart = StartingBoard();
        game.position.board = WithFixedOwners(game.turnStart);
    }

    int Total(int side) { return CountCheckers(game.position.board, 0, NUM_LOCATIONS - 1, side); }

    Game game;
};
