// The human's moves of the turn being played, as the game keeps them.
#pragma once

#include "game/game.h"

// Empties every entry and makes entry 1 the move being entered.
void ClearTurnMoves();
// The move being entered.
TurnMove& CurrentMove();
