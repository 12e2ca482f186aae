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
        savedUseCube_ = game.options.useCube;
        savedMoveOrdinal_ = game.moveOrdinal;
        FreshGame();
    }
    void TearDown() override {
        FreshGame();
        game.options.useCube = savedUseCube_;
        game.moveOrdinal = savedMoveOrdinal_;
        BoardTest::TearDown();
    }

    // The game's gate and the hand-made rule together, as the computer's turn asks them.
    bool WantsToDouble() {
        return ComputerMayDouble(game, game.options.useCube != 0) &&
               (ComputerMayDouble(game, game.options.useCube != 0) &&
                ComputerWantsToDouble(game.position.board, game.race != 0));
    }
    bool WantsToResign() {
        return ComputerMayResign(game) &&
               (ComputerMayResign(game) && ComputerWantsToResign(game.position.board, game.race != 0));
    }

    // The cube and flags of a new game with the cube on, before the first move.
    void FreshGame() {
        game.options.useCube = 1;
        game.moveOrdinal = 1;
        game.finishMode = 0;
        game.winner = 0;
        game.position.cubeValue = 1;
        game.position.cubeOwner = SIDE_NONE;
        game.computerMayDouble = 1;
        game.computerMayResign = 1;
    }

    // Free checkers start on each side's lightest point (computer on 1, human
    // on 24) and are moved to heavier points (computer 7; human 18 and 8) until
    // the lead is the one asked for. The computer never passes point 7 and the
    // human never point 8, so only the contact pair (computer on 13, human on
    // 12) makes contact, and no human checker stands on 0..6.
    void PlaceLead(const Lead& p) {
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
        int lift = p.lead - RaceLead(game.position.board, SIDE_COMPUTER);
        for (; lift >= 2 && game.position[24].count > 0; lift -= 2) Shift(24, 8, SIDE_HUMAN);
        for (; lift >= 1 && game.position[24].count > 0; lift -= 1) Shift(24, 18, SIDE_HUMAN);
        for (; lift <= -1 && game.position[1].count > 0; lift += 1) Shift(1, 7, SIDE_COMPUTER);
        game.race = NoContact(game.position.board);
        ASSERT_EQ(RaceLead(game.position.board, SIDE_COMPUTER), p.lead) << "the free checkers cannot carry this lead";
        ASSERT_EQ(game.race, p.contact ? 0 : 1);
    }

private:
    void Put(int loc, int side, int n) {
        game.position[loc].count = static_cast<int8_t>(game.position[loc].count + n);
        if (game.position[loc].count > 0) game.position[loc].owner = side;
    }
    void Shift(int from, int to, int side) {
        Put(from, side, -1);
        if (game.position[from].count == 0) game.position[from].owner = SIDE_NONE;
        Put(to, side, 1);
    }

    int32_t savedUseCube_ = 0;
    int32_t savedMoveOrdinal_ = 0;
};
