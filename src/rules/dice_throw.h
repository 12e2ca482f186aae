// The program's one way of throwing dice.
#pragma once

// Lets the player replace the two thrown values before they count, unless the
// program is finishing the game alone. The window installs it while the
// ManualDice option is on; without it the random throw stands.
using ManualDiceHook = void (*)();
void SetManualDiceHook(ManualDiceHook hook);

// Throws two dice for the side to move into g_dice and g_diceLeft.
void ThrowDice();
// Puts two dice in g_dice and g_diceLeft as a throw leaves them: a double gives four.
void SetThrownDice(int die1, int die2);
