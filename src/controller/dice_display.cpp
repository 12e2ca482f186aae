#include "controller/dice_display.h"

#include "controller/game_view.h"
#include "display/control_layout.h"
#include "game/game.h"
#include "resources/strings.h"
#include "rules/position.h"
#include "settings/options.h"

std::string FormatDice(int book) {
    std::string text = ResString(IDS_DICE);
    for (int i = 0; i < g_game.position.diceLeft && g_game.position.dice[i] != DICE_END; ++i) {
        text += std::to_string(g_game.position.dice[i]) + "+";
        if (book != 1) continue;
        g_game.counters.diceTotal[g_game.position.sideToMove] += g_game.position.dice[i];
        if (i == 3) ++g_game.counters.doublesThrown[g_game.position.sideToMove];
    }
    text.pop_back();
    return text;
}

void ShowDice() {
    const DieGroup own = g_game.position.sideToMove == SIDE_HUMAN ? DIE_GROUP_HUMAN : DIE_GROUP_COMPUTER;
    const bool opening = g_game.openingThrow == 1 && g_game.firstStarterFixed == 0;
    for (int k = 0; k < DIE_WINDOWS_PER_GROUP; ++k) {
        const DieGroup group = opening ? (k == 0 ? DIE_GROUP_COMPUTER : DIE_GROUP_HUMAN) : own;
        if (k < g_game.position.diceLeft && g_game.options.diceAsIcons == 1)
            View().ShowDieWindow(group, k, g_game.position.dice[k]);
        else
            View().HideDieWindow(group, k);
    }
}

void HideDice() {
    for (int g = DIE_GROUP_COMPUTER; g <= DIE_GROUP_HUMAN; ++g)
        for (int k = 0; k < DIE_WINDOWS_PER_GROUP; ++k) View().HideDieWindow(static_cast<DieGroup>(g), k);
}
