// The highlight of the location under the pointer and, on request, of the
// points its checker could reach.
#pragma once

// The location last highlighted; -1 for none.
extern int g_hoverLoc;

// Highlights (on 1) or clears a location 0..24 and, with HighLight 2, its targets.
void ShowTargets(int loc, int on);

void OnMouseMove(int x, int y);
