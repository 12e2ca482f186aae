// The program's one way of throwing dice.
#pragma once

#include "rules/position.h"

// Throws two dice for the side to move: two values drawn from the dice library.
void ThrowDice(Position& p);
// Puts two dice in the position as a throw leaves them: a double gives four.
void SetThrownDice(Position& p, int die1, int die2);
// No dice: the side on roll has yet to throw.
void ClearDice(Position& p);
