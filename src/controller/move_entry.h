// The human's entry of single moves: a from-location and a target, each by
// a click or by the key of its letter.
#pragma once

struct Session;

// Asks for the next move; `reset` 1 first drops the move being entered.
void PromptMove(Session& s, int reset);

// A key press (virtual key, repeat count, nonzero flags for a real key) or
// a click on a location (its letter, 1, 0).
void EnterLocation(Session& s, int letter, int repeat, int flags);

// The target found from the from-location alone, or NO_LOCATION when the
// human has to choose it.
int AutoTarget(Session& s, int from);

// A click on a location (-1: beside every location) enters it as its key
// would; beside the board it passes when no move is possible.
void OnLocationClicked(Session& s, int loc);
void OnRButtonDown(Session& s, int x, int y);
