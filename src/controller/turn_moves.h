// The human's moves of the turn being played, as the game keeps them.
#pragma once

#include "game/game.h"

struct Session;

// Empties every entry and makes entry 1 the move being entered; the turn
// no longer waits for a roll.
void ClearTurnMoves(Session& s);
// The move being entered.
TurnMove& CurrentMove(Session& s);
