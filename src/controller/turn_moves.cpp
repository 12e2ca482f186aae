#include "controller/turn_moves.h"

void ClearTurnMoves() {
    for (TurnMove& move : g_game.turnMoves) move = {NO_LOCATION, NO_LOCATION};
    for (bool& hit : g_game.turnHits) hit = false;
    g_game.moveOrdinal = 1;
}

TurnMove& CurrentMove() { return g_game.turnMoves[g_game.moveOrdinal]; }
