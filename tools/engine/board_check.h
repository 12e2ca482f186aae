// The invariants every position of a game keeps, checked by the tool after each move it plays and on each position it
// is given.
#pragma once

#include <string>

#include "rules/position.h"

// Empty when the board of `p` holds 15 checkers of each side, every point
// holds the checkers of at most one side and the bars and trays keep their
// owners; otherwise what is wrong, in words.
std::string BrokenInvariant(const Position& p);
