#include "game/game.h"

#include "settings/options.h"

Game g_game;

void ApplyFirstMoveBy(Game& game) {
    if (FirstMoveBy == 0)
        g_firstStarterFixed = 0;
    else
        game.position.sideToMove = FirstMoveBy;
}
