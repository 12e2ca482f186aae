// The highlight of the location under the pointer and, on request, of the
// points its checker could reach.
#pragma once

struct Session;

// Highlights (on 1) or clears a location 0..24 and, with HighLight 2, its targets.
void ShowTargets(Session& s, int loc, int on);

void OnMouseMove(Session& s, int x, int y);
