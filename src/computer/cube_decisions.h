// The hand-made levels' doubling-cube and resignation decisions. They are
// threshold rules on the coarse race lead, the race flag and the borne-off
// counts, and never look at the dice. Whether the game lets the computer
// offer at all is asked before them.
#pragma once

#include "rules/position.h"

// The computer's answer to a double by the human.
bool ComputerAcceptsDouble(const Board& board, bool race);

// Whether the computer offers a double at the start of its turn.
bool ComputerWantsToDouble(const Board& board, bool race);

// Whether the computer offers to give up; it only does so in a race.
bool ComputerWantsToResign(const Board& board, bool race);

// A human checker still back in the computer's home board or on the bar,
// with contact left, keeps the computer's gammon chances alive.
bool ComputerRefusesGammonResign(const Board& board, bool race);

// The gammon rule, or a big lead while the human has borne off nothing.
bool ComputerRefusesResign(const Board& board, bool race);
