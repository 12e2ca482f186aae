// The human's best move, found by the computer's own search on the mirrored
// position at the "Good" level, or by the Expert when that is the level of play. The window's Suggest move and "Finish
// game" play what it hands back.
#pragma once

#include "rules/position.h"

struct SuggestedMove {
    int from;
    int to;  // beyond 24 bears off
};

// Searches for the human, who must be to move with the dice in g_dice. Fills
// `moves` in play order and returns how many there are (0 when no die can be
// played). Like the computer's search it reorders g_dice and drops the dice
// that cannot be played; g_sideToMove and the position are left as they were.
int SuggestHumanMove(SuggestedMove (&moves)[MAX_DICE], int playLevel = 2);
