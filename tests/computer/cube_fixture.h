// Boards with a chosen race lead for the computer, in a race or with contact,
// and chosen borne-off counts, over a fresh game's cube state.
#pragma once

#include "computer/cube_decisions.h"
#include "game/cube_exchange.h"
#include "game/game.h"
#include "rules/board_fixture.h"
#include "settings/options.h"

struct Lead {
    int lead;
    bool contact;
    int humanOff = 0;
    int computerOff = 0;
};

class CubeTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        savedUseCube_ = g_game.options.useCube;
        savedMoveOrdinal_ = g_game.moveOrdinal;
        FreshGame();
    }
    void TearDown() override {
        FreshGame();
        g_game.options.useCube = savedUseCube_;
        g_game.moveOrdinal = savedMoveOrdinal_;
        BoardTest::TearDown();
    }

    // The game's gate and the hand-made rule together, as the computer's turn asks them.
    static bool WantsToDouble() {
        return ComputerMayDouble(g_game, g_game.options.useCube != 0) &&
               (ComputerMayDouble(g_game, g_game.options.useCube != 0) &&
                ComputerWantsToDouble(g_game.position.board, g_game.race != 0));
    }
    static bool WantsToResign() {
        return ComputerMayResign(g_game) &&
               (ComputerMayResign(g_game) && ComputerWantsToResign(g_game.position.board, g_game.race != 0));
    }

    // The cube and flags of a new game with the cube on, before the first move.
    static void FreshGame() {
        g_game.options.useCube = 1;
        g_game.moveOrdinal = 1;
        g_game.finishMode = 0;
        g_game.winner = 0;
        g_game.position.cubeValue = 1;
        g_game.position.cubeOwner = SIDE_NONE;
        g_game.computerMayDouble = 1;
        g_game.computerMayResign = 1;
    }

    // Free checkers start on each side's lightest point (computer on 1, human
    // on 24) and are moved to heavier points (computer 7; human 18 and 8) until
    // the lead is the one asked for. The computer never passes point 7 and the
    // human never point 8, so only the contact pair (computer on 13, human on
    // 12) makes contact, and no human checker stands on 0..6.
    static void PlaceLead(const Lead& p) {
        Place({{LOC_COMPUTER_OFF, -p.computerOff}, {LOC_HUMAN_OFF, p.humanOff}});
        int computer = CHECKERS_PER_SIDE - p.computerOff;
        int human = CHECKERS_PER_SIDE - p.humanOff;
        if (p.contact) {
            Put(13, SIDE_COMPUTER, 2);
            Put(12, SIDE_HUMAN, 1);
            computer -= 2;
            human -= 1;
        }
        Put(1, SIDE_COMPUTER, computer);
        Put(24, SIDE_HUMAN, human);
        int lift = p.lead - RaceLead(g_game.position.board, SIDE_COMPUTER);
        for (; lift >= 2 && g_game.position[24].count > 0; lift -= 2) Shift(24, 8, SIDE_HUMAN);
        for (; lift >= 1 && g_game.position[24].count > 0; lift -= 1) Shift(24, 18, SIDE_HUMAN);
        for (; lift <= -1 && g_game.position[1].count > 0; lift += 1) Shift(1, 7, SIDE_COMPUTER);
        g_game.race = NoContact(g_game.position.board);
        ASSERT_EQ(RaceLead(g_game.position.board, SIDE_COMPUTER), p.lead) << "the free checkers cannot carry this lead";
        ASSERT_EQ(g_game.race, p.contact ? 0 : 1);
    }

private:
    static void Put(int loc, int side, int n) {
        g_game.position[loc].count = static_cast<int8_t>(g_game.position[loc].count + n);
        if (g_game.position[loc].count > 0) g_game.position[loc].owner = side;
    }
    static void Shift(int from, int to, int side) {
        Put(from, side, -1);
        if (g_game.position[from].count == 0) g_game.position[from].owner = SIDE_NONE;
        Put(to, side, 1);
    }

    int32_t savedUseCube_ = 0;
    int32_t savedMoveOrdinal_ = 0;
};
