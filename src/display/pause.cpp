#include "display/pause.h"

#include "game/game.h"
#include "platform/clock.h"

void Pause(const Game& game, int ms) {
    if (game.quickFinish == 1 && game.finishMode == 1) return;
    Sleep(ms);
}
