#include "controller/clocks.h"

#include "controller/session.h"
#include "game/game.h"
#include "platform/clock.h"

// Unsigned arithmetic: the tick count wraps, and so may the difference.
void StartClock(Session& s, int side) {
    if (s.game.counters.thinkTime[side] >= 0)
        s.game.counters.thinkTime[side] =
            static_cast<int32_t>(static_cast<uint32_t>(s.game.counters.thinkTime[side]) - TickCount());
}

void StopClock(Session& s, int side) {
    if (s.game.counters.thinkTime[side] < 0)
        s.game.counters.thinkTime[side] =
            static_cast<int32_t>(static_cast<uint32_t>(s.game.counters.thinkTime[side]) + TickCount());
}
