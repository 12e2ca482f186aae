// The human's best move, found by the computer's own play on the mirrored
// position. The window's Suggest move and "Finish game" play what it hands back.
#pragma once

#include "computer/computer_player.h"

struct SuggestedMove {
    int from;
    int to;  // beyond 24 bears off
};

// Searches for the human, who must be to move with the dice left in p. Fills
// `moves` in play order and returns how many there are (0 when no die can be
// played). Like the computer's play it reorders p's dice and drops those that
// cannot be played; the checkers and the side to move are left as they were.
int SuggestHumanMove(Position& p, bool race, const ComputerPlayer& adviser, SuggestedMove (&moves)[MAX_DICE]);
