// Turning the board between its two orientations while a game is in play.
#pragma once

#include <cstdint>

#include "platform/atomic_file.h"

struct Session;

// Rebuilds and redraws the board at once in the orientation `clockwise`
// (0 or 1) and remembers it in the profile. Every checker stays on its
// location number, also in the middle of a turn, and the start-of-turn
// position that Undo and Save use is kept as it was. Says why when the
// profile could not be written; the board is turned all the same.
FileResult TurnBoard(Session& s, int32_t clockwise);
