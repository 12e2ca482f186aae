// The rule that a turn uses as many of its dice as the roll allows, asked of
// each single step the human takes. Like the single-move rules it works on
// g_board and g_dice for g_sideToMove and allocates nothing.
#pragma once

// The most of the dice left that some order of play can use from the
// position on the board.
int MostDiceUsable();

// Whether the human may play `die` from `from`: the move is legal, the rest
// of the turn can still use as many dice as the best play of the whole roll,
// and where only one of two dice can be used it is the larger.
bool HumanMayPlay(int from, int die);
