#include "dice_throw.h"

#include "dice/mevra32.h"
#include "game_stats.h"
#include "position.h"

namespace {
ManualDiceHook g_manualDiceHook = nullptr;
}

void SetManualDiceHook(ManualDiceHook hook) { g_manualDiceHook = hook; }

void ThrowDice() {
    for (uint8_t& die : g_dice) die = DICE_END;
    g_diceLeft = 2;
    g_dice[0] = static_cast<uint8_t>(GetRandom(6) + 1);
    g_dice[1] = static_cast<uint8_t>(GetRandom(6) + 1);
    if (!g_finishMode && g_manualDiceHook) g_manualDiceHook();
    SetThrownDice(g_dice[0], g_dice[1]);
    g_race = NoContact();
}

void SetThrownDice(int die1, int die2) {
    for (uint8_t& die : g_dice) die = DICE_END;
    g_dice[0] = static_cast<uint8_t>(die1);
    g_dice[1] = static_cast<uint8_t>(die2);
    g_diceLeft = 2;
    if (die1 == die2) {
        g_dice[2] = g_dice[3] = g_dice[0];
        g_diceLeft = MAX_DICE;
    }
}
