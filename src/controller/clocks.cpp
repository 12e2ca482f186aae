#include "controller/clocks.h"

#include "game/game.h"
#include "platform/clock.h"

// Unsigned arithmetic: the tick count wraps, and so may the difference.
void StartClock(int side) {
    if (g_game.counters.thinkTime[side] >= 0)
        g_game.counters.thinkTime[side] =
            static_cast<int32_t>(static_cast<uint32_t>(g_game.counters.thinkTime[side]) - TickCount());
}

void StopClock(int side) {
    if (g_game.counters.thinkTime[side] < 0)
        g_game.counters.thinkTime[side] =
            static_cast<int32_t>(static_cast<uint32_t>(g_game.counters.thinkTime[side]) + TickCount());
}
