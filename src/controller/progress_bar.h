// The race standing drawn over pane 1 of the status bar: the human's part
// grows from the left, the computer's from the right, each in proportion to
// the other side's distance to go, so the side ahead has the longer part.
#pragma once

#include "platform/rect.h"

struct Session;

struct ProgressBar {
    bool shown = false;
    Rect human;
    Rect computer;
};

// Splits a pane of this size; both parts keep clear of its top and bottom rows.
ProgressBar SplitProgress(int paneWidth, int paneHeight, int humanToGo, int computerToGo);

// Draws the bar for the live position, or removes it when ShowProgress is off.
void DrawProgressBar(Session& s);
