// The human's entry of single moves: a from-location and a target, each by
// a click or by the key of its letter.
#pragma once

// Asks for the next move; `reset` 1 first drops the move being entered.
void PromptMove(int reset);

// A key press (virtual key, repeat count, nonzero flags for a real key) or
// a click on a location (its letter, 1, 0).
void EnterLocation(int letter, int repeat, int flags);

// The target found from the from-location alone, or NO_LOCATION when the
// human has to choose it.
int AutoTarget(int from);

void OnLButtonUp(int x, int y);
void OnRButtonDown(int x, int y);
