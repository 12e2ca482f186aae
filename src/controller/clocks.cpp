#include "controller/clocks.h"

#include "platform/clock.h"
#include "rules/game_stats.h"

// Unsigned arithmetic: the tick count wraps, and so may the difference.
void StartClock(int side) {
    if (g_thinkTime[side] >= 0)
        g_thinkTime[side] = static_cast<int32_t>(static_cast<uint32_t>(g_thinkTime[side]) - TickCount());
}

void StopClock(int side) {
    if (g_thinkTime[side] < 0)
        g_thinkTime[side] = static_cast<int32_t>(static_cast<uint32_t>(g_thinkTime[side]) + TickCount());
}
