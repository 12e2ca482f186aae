// The dice still to play: the dice line of the message list and the die
// windows of the side to move.
#pragma once

#include <string>

struct Session;

// "Dice: 3+5"; with `book` the throw counts in the side's statistics.
std::string FormatDice(Session& s, int book);

// In the opening turn of a game whose starter came from the throw, each
// side's die stands in its own group.
void ShowDice(Session& s);

// Throws the dice of the side to move, the player's own values in their
// place while the ManualDice option is on.
void ThrowDiceForTurn(Session& s);
void HideDice(Session& s);
