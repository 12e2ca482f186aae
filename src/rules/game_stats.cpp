#include "game_stats.h"

int32_t g_thinkTime[3];
int32_t g_diceTotal[3];
int32_t g_doublesThrown[3];
int32_t g_hitsMade[3];

int32_t g_finishMode = 0;
int32_t g_quickFinish = 0;

void ClearGameStats() {
    for (int s = 0; s < 3; ++s) g_thinkTime[s] = g_diceTotal[s] = g_doublesThrown[s] = g_hitsMade[s] = 0;
}
