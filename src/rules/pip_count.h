// The pip count: how far a side's checkers still have to travel to be borne
// off, the first number a backgammon player looks at.
#pragma once

#include "rules/position.h"

// The sum over the side's checkers of their distance to bearing off, a
// checker on the bar counting 25; borne-off checkers count nothing.
int PipCount(const Board& board, int side);
