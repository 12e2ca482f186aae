// Setting up a position for the game flow's tests, whichever view shows it.
#pragma once

#include <initializer_list>
#include <utility>

#include "controller/live_board.h"
#include "controller/move_entry.h"
#include "controller/new_game.h"
#include "controller/session.h"
#include "controller/turn_moves.h"
#include "rules/moves.h"

// The position given (negative counts are the computer's), the human to
// move with these dice, the first move of the turn prompted.
inline void SetUpHumanTurn(Session& s, std::initializer_list<std::pair<int, int>> checkers,
                           std::initializer_list<int> dice) {
    Game& game = s.game;
    for (Checkers& loc : game.turnStart) loc = {0, SIDE_NONE};
    for (auto [loc, n] : checkers)
        game.turnStart[loc] = {static_cast<int8_t>(n < 0 ? -n : n), n < 0 ? SIDE_COMPUTER : SIDE_HUMAN};
    DestroyBoard(s);
    BuildBoard(s, false);
    game.position.sideToMove = SIDE_HUMAN;
    game.openingThrow = 0;
    int k = 0;
    for (int d : dice) game.position.dice[k++] = static_cast<uint8_t>(d);
    game.position.dice[k] = DICE_END;
    game.position.diceLeft = k;
    game.race = NoContact(game.position.board);
    ClearTurnMoves(s);
    s.view.ListClear();
    s.view.FlushInput();
    PromptMove(s, 0);
    s.view.FlushInput();
}

// A new game whose starter is `starter` (SIDE_NONE: the opening throw decides).
inline void StartGame(Session& s, int starter) {
    s.game.firstStarterFixed = starter != SIDE_NONE;
    if (starter != SIDE_NONE) s.game.position.sideToMove = starter;
    NewGame(s);
}

// A location's checkers as a signed count: negative for the computer's.
inline int SignedCount(const Game& game, int loc) {
    const Checkers& c = game.position[loc];
    return c.owner == SIDE_COMPUTER ? -c.count : c.count;
}
