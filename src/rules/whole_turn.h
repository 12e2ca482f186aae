// The rule that a turn uses as many of its dice as the roll allows, asked of
// each single step the human takes. Like the single-move rules it is a
// function of the position and allocates nothing.
#pragma once

#include "rules/position.h"

// The most of the dice left that some order of play can use from the position.
int MostDiceUsable(const Position& p);

// Whether the human may play `die` from `from`: the move is legal, the rest
// of the turn can still use as many dice as the best play of the whole roll,
// and where only one of two dice can be used it is the larger.
bool HumanMayPlay(const Position& p, int from, int die);
