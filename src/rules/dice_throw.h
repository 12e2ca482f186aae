// The program's one way of throwing dice.
#pragma once

// Lets the player replace the two thrown values before they count, when the
// ManualDice option is on and the program is not finishing the game alone.
// The window installs it; without a window the random throw stands.
using ManualDiceHook = void (*)();
void SetManualDiceHook(ManualDiceHook hook);

// Throws two dice for the side to move into g_dice and g_diceLeft.
void ThrowDice();
