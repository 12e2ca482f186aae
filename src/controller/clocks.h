// The two thinking-time clocks. A running clock holds its accumulated time
// minus the tick count at its start, which is negative.
#pragma once

struct Session;

void StartClock(Session& s, int side);
void StopClock(Session& s, int side);
