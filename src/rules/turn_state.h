// The turn cycle's state that outlives a single turn and is shared with the
// position files and the statistics window.
#pragma once

#include <cstdint>

// Ordinal of the human move being entered: 1 before the first move of a turn.
extern int32_t g_moveOrdinal;
// Set from a new game until its first turn is over, which plays the opening throw.
extern int32_t g_openingThrow;
// Points won since the program started, by side; entry 0 unused.
extern int32_t g_runScore[3];
// 1 while the end-of-turn confirmation waits for the human.
extern int32_t g_awaitingConfirm;
