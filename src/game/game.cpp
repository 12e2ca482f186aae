#include "game/game.h"

#include "settings/options.h"

Game g_game;

void ApplyFirstMoveBy(Game& game) {
    if (g_game.options.firstMoveBy == 0)
        g_game.firstStarterFixed = 0;
    else
        game.position.sideToMove = g_game.options.firstMoveBy;
}
