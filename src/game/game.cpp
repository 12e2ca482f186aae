#include "game/game.h"

#include "settings/options.h"

void ApplyFirstMoveBy(Game& game) {
    if (game.options.firstMoveBy == 0)
        game.firstStarterFixed = 0;
    else
        game.position.sideToMove = game.options.firstMoveBy;
}
