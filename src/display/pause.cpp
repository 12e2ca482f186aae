#include "display/pause.h"

#include "game/game.h"
#include "platform/clock.h"

void Pause(int ms) {
    if (g_game.quickFinish == 1 && g_game.finishMode == 1) return;
    Sleep(ms);
}
