// The invariants every position of a game keeps, checked on the live board
// by the tool after each move it plays and on each position it is given.
#pragma once

#include <string>

// Empty when the live board holds 15 checkers of each side, every point
// holds the checkers of at most one side and the bars and trays keep their
// owners; otherwise what is wrong, in words.
std::string BrokenInvariant();
