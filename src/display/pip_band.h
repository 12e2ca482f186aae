// Both sides' pip counts in the free band under the board, in the board's own
// font and colours, when the option ShowPips is on. They follow every change
// of the checkers, so moves, hits, undos and whole new positions all show.
#pragma once

#include "platform/rect.h"

class BoardDisplay;
class BoardGeometry;

// The band under the bottom row's letters, across the board.
Rect PipBandRect(const BoardGeometry& geometry);

// Draws the band afresh: the counts when ShowPips is on, the bare background
// when it is off.
void DrawPipBand(BoardDisplay& board);

// A checker has arrived somewhere: the counts again, when they are shown.
void FollowPipCounts(BoardDisplay& board);
