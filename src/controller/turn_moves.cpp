#include "controller/turn_moves.h"

#include "game/game.h"

TurnMove g_turnMoves[6];
TurnMove* g_curMove = &g_turnMoves[0];
bool g_turnHits[6];
int32_t g_mustUseBoth = 0;

void ClearTurnMoves() {
    for (TurnMove& move : g_turnMoves) move = {NO_LOCATION, NO_LOCATION};
    for (bool& hit : g_turnHits) hit = false;
    g_game.moveOrdinal = 1;
    g_curMove = &g_turnMoves[1];
}
