// The throw of a turn's dice in the game.
#pragma once

#include <functional>

#include "game/game.h"

// The two values of a throw, as the player may type them anew.
struct TwoDice {
    int first;
    int second;
};

// Asked for the values that count in place of a throw; `opening` is the
// throw that decides who starts, which is never a double.
using DiceChooser = std::function<TwoDice(TwoDice thrown, bool opening)>;

// Throws two dice for the side to move and takes the race flag anew. While
// the ManualDice option is on, `choose` gives the values that count, unless
// the program is finishing the game alone.
void ThrowTurnDice(Game& game, const DiceChooser& choose);
