// The game's live board, set up from signed counts: negative for
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
        g_game.counters = {};
        g_game.position.sideToMove = SIDE_HUMAN;
    }

    // Empties the board, then places the given checkers; locations 0, 25,
    // 26 and 27 keep their fixed owners.
    static void Place(std::initializer_list<std::pair<int, int>> checkers) {
        for (int i = 0; i < NUM_LOCATIONS; ++i) {
            g_game.position[i].count = 0;
            g_game.position[i].owner = IsPoint(i) ? SIDE_NONE : FixedOwner(i);
        }
        for (auto [loc, n] : checkers) {
            g_game.position[loc].count = static_cast<int8_t>(n < 0 ? -n : n);
            if (IsPoint(loc)) g_game.position[loc].owner = n < 0 ? SIDE_COMPUTER : SIDE_HUMAN;
        }
    }

    static void SetDice(std::initializer_list<int> dice) {
        for (uint8_t& d : g_game.position.dice) d = DICE_END;
        int i = 0;
        for (int d : dice) g_game.position.dice[i++] = static_cast<uint8_t>(d);
        g_game.position.diceLeft = i;
    }

    // The turn's start becomes the board as it stands, as the game does after a turn.
    static void SavePosition() { g_game.turnStart = g_game.position.board; }
    // A new game's checkers, from the turn's start on.
    static void NewBoard() {
        g_game.turnStart = StartingBoard();
        g_game.position.board = WithFixedOwners(g_game.turnStart);
    }

    static int Total(int side) { return CountCheckers(g_game.position.board, 0, NUM_LOCATIONS - 1, side); }
};
