// The human's moves of the turn being played, kept so that they can be taken
// back one at a time.
#pragma once

#include <cstdint>

constexpr uint8_t NO_LOCATION = 0xFF;

struct TurnMove {
    uint8_t from;
    uint8_t to;
};

// Entry k (1..4) is the k-th move of the turn; entry 0 is never used.
extern TurnMove g_turnMoves[6];
// Entry g_game.moveOrdinal: the move being entered.
extern TurnMove* g_curMove;
// Whether the k-th move of the turn hit a blot. The undo relies on this, not
// on the position saved after the computer's turn, which a switch of sides
// leaves stale.
extern bool g_turnHits[6];
// Set at the turn's first move when a die must not be passed.
extern int32_t g_mustUseBoth;

// Empties every entry and makes entry 1 the move being entered.
void ClearTurnMoves();
