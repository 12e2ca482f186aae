// The counters a game keeps for the statistics window, by side (entry 0 unused).
#pragma once

#include <cstdint>

struct GameCounters {
    int32_t thinkTime[3] = {};  // milliseconds; negative while the side's clock runs
    int32_t diceTotal[3] = {};
    int32_t doublesThrown[3] = {};
    int32_t hitsMade[3] = {};
};
