#include "game/turn_dice.h"

#include "rules/dice_throw.h"

namespace {
ManualDiceHook g_manualDiceHook = nullptr;
}

void SetManualDiceHook(ManualDiceHook hook) { g_manualDiceHook = hook; }

void ThrowTurnDice(Game& game) {
    Position& p = game.position;
    ThrowDice(p);
    if (!game.finishMode && g_manualDiceHook) {
        // The dialog sees the throw as two dice, a double not yet doubled.
        p.diceLeft = 2;
        p.dice[2] = p.dice[3] = DICE_END;
        g_manualDiceHook();
        SetThrownDice(p, p.dice[0], p.dice[1]);
    }
    game.race = NoContact(p.board);
}
