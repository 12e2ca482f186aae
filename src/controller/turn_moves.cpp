#include "controller/turn_moves.h"

#include "controller/session.h"

void ClearTurnMoves(Session& s) {
    for (TurnMove& move : s.game.turnMoves) move = {NO_LOCATION, NO_LOCATION};
    for (bool& hit : s.game.turnHits) hit = false;
    s.game.moveOrdinal = 1;
    s.game.awaitingRoll = false;
}

TurnMove& CurrentMove(Session& s) { return s.game.turnMoves[s.game.moveOrdinal]; }
