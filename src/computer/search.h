// The hand-made levels' choice of move: every way of playing the dice still
// to play is tried and the end position scored by the evaluation; the lowest
// score wins, the first found on a tie. No look-ahead, nothing random: the
// same position and dice always give the same move.
#pragma once

#include <cstdint>

#include "computer/computer_play.h"

struct HandMadeSearch {
    ComputerPlay play;
    // The best sequence's score; INT32_MAX when no die could be played.
    int32_t score;
};

// Searches for the computer at a hand-made level (0 "Poor", 1 "Moderate",
// 2 "Good"), whichever side the position has on roll: the computer's for the
// search. `race` is the game's race flag, which the evaluation reads as it
// stood when the search began. On return p's checkers are as they were and
// its dice are those the play uses, in the order the search left them.
HandMadeSearch SearchHandMadePlay(Position& p, int level, bool race);
