// The throw of a turn's dice in the game.
#pragma once

#include "game/game.h"

// Lets the player replace the two thrown values before they count, unless the
// program is finishing the game alone. The window installs it while the
// ManualDice option is on; without it the random throw stands.
using ManualDiceHook = void (*)();
void SetManualDiceHook(ManualDiceHook hook);

// Throws two dice for the side to move, lets the hook replace them, and
// takes the race flag anew.
void ThrowTurnDice(Game& game);
