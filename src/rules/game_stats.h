// Per-game counters by side (entry 0 unused) and the flags of "Finish game".
#pragma once

#include <cstdint>

extern int32_t g_thinkTime[3];  // milliseconds; negative while the side's clock runs
extern int32_t g_diceTotal[3];
extern int32_t g_doublesThrown[3];
extern int32_t g_hitsMade[3];

extern int32_t g_finishMode;   // the program plays both sides
extern int32_t g_quickFinish;  // ... without pauses

void ClearGameStats();
