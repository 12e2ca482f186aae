#include "display/pause.h"

#include "platform/clock.h"
#include "rules/game_stats.h"

void Pause(int ms) {
    if (g_quickFinish == 1 && g_finishMode == 1) return;
    Sleep(ms);
}
