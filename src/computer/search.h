// The computer's choice of move: every way of playing the dice still to play
// is tried on the live board and the end position scored by the evaluation;
// the lowest score wins, the first found on a tie. No look-ahead, nothing
// random: the same position and dice always give the same move.
#pragma once

#include <cstdint>

#include "rules/position.h"

// From-locations at depth 0..3 of the sequence being built.
extern uint8_t g_searchFrom[MAX_DICE];
// The best sequence so far: its from-locations and the dice in the order it
// used them; all 0xFF while none has been found.
extern uint8_t g_bestFrom[MAX_DICE];
extern uint8_t g_bestDice[MAX_DICE];
// Its score; INT32_MAX while none has been found.
extern int32_t g_bestScore;
// Sequences scored by the last ChooseComputerMove, the search's node count.
extern uint32_t g_searchLeaves;

// Searches for the computer at a level of play (0 "Poor", 1 "Moderate",
// 2 "Good"; 3 "Expert" hands the choice to the trained network), whichever side is to move: g_sideToMove is the
// computer's for the search and as it was on return. On return the move is, for i below g_diceLeft, from g_bestFrom[i]
// with the die g_bestDice[i]; dice that could not be played are gone from g_dice and g_diceLeft. The live position is
// as it was.
void ChooseComputerMove(int playLevel);
