#include "controller/dice_display.h"

#include "controller/game_view.h"
#include "controller/session.h"
#include "display/control_layout.h"
#include "game/game.h"
#include "game/turn_dice.h"
#include "resources/strings.h"
#include "rules/position.h"
#include "settings/options.h"

std::string FormatDice(Session& s, int book) {
    std::string text = ResString(IDS_DICE);
    for (int i = 0; i < s.game.position.diceLeft && s.game.position.dice[i] != DICE_END; ++i) {
        text += std::to_string(s.game.position.dice[i]) + "+";
        if (book != 1) continue;
        s.game.counters.diceTotal[s.game.position.sideToMove] += s.game.position.dice[i];
        if (i == 3) ++s.game.counters.doublesThrown[s.game.position.sideToMove];
    }
    text.pop_back();
    return text;
}

void ShowDice(Session& s) {
    const DieGroup own = s.game.position.sideToMove == SIDE_HUMAN ? DIE_GROUP_HUMAN : DIE_GROUP_COMPUTER;
    const bool opening = s.game.openingThrow == 1 && s.game.firstStarterFixed == 0;
    for (int k = 0; k < DIE_WINDOWS_PER_GROUP; ++k) {
        const DieGroup group = opening ? (k == 0 ? DIE_GROUP_COMPUTER : DIE_GROUP_HUMAN) : own;
        if (k < s.game.position.diceLeft && s.game.options.diceAsIcons == 1)
            s.view.ShowDieWindow(group, k, s.game.position.dice[k]);
        else
            s.view.HideDieWindow(group, k);
    }
}

void HideDice(Session& s) {
    for (int g = DIE_GROUP_COMPUTER; g <= DIE_GROUP_HUMAN; ++g)
        for (int k = 0; k < DIE_WINDOWS_PER_GROUP; ++k) s.view.HideDieWindow(static_cast<DieGroup>(g), k);
}

void ThrowDiceForTurn(Session& s) {
    ThrowTurnDice(s.game, [&s](TwoDice thrown, bool opening) { return s.view.ChooseDice(thrown, opening); });
}
