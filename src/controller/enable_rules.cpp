#include "controller/enable_rules.h"

#include "game/cube_exchange.h"
#include "game/game.h"
#include "resources/command_ids.h"
#include "rules/moves.h"
#include "settings/options.h"

namespace {
// Before the first move of the human's turn.
bool NoMoveMadeYet() { return g_game.moveOrdinal == 1; }
}  // namespace

bool CanSave() { return NoMoveMadeYet(); }

bool CanUndo() { return g_game.moveOrdinal > 1; }

bool CanDouble() { return HumanMayDouble(g_game, g_game.options.useCube != 0); }

bool CanPass() { return NoMovePossible(g_game.position); }

bool CanSwitchSides() { return NoMoveMadeYet(); }

bool CommandEnabled(int id) {
    switch (id) {
        case ID_FILE_SAVE:
            return CanSave();
        case ID_UNDO:
            return CanUndo();
        case ID_DOUBLE:
            return CanDouble();
        case ID_PASS:
            return CanPass();
        case ID_SWITCH_SIDES:
            return CanSwitchSides();
        default:
            return true;
    }
}
