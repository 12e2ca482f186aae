// Turning the board between its two orientations while a game is in play.
#pragma once

#include <cstdint>

// Rebuilds and redraws the board at once in the orientation `clockwise`
// (0 or 1) and remembers it in the profile. Every checker stays on its
// location number, also in the middle of a turn, and the start-of-turn
// position that Undo and Save use is kept as it was.
void TurnBoard(int32_t clockwise);
