// The two thinking-time clocks. A running clock holds its accumulated time
// minus the tick count at its start, which is negative.
#pragma once

void StartClock(int side);
void StopClock(int side);
