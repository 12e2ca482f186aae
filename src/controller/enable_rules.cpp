#include "controller/enable_rules.h"

#include "resources/command_ids.h"
#include "rules/moves.h"
#include "rules/position.h"
#include "rules/turn_state.h"
#include "settings/options.h"

namespace {
// Before the first move of the human's turn.
bool NoMoveMadeYet() { return g_moveOrdinal == 1; }
}  // namespace

bool CanSave() { return NoMoveMadeYet(); }

bool CanUndo() { return g_moveOrdinal > 1; }

bool CanDouble() {
    return UseCube == 1 && NoMoveMadeYet() && g_cubeOwner != SIDE_COMPUTER && g_cubeValue != MAX_CUBE_VALUE;
}

bool CanPass() { return NoMovePossible(); }

bool CanSwitchSides() { return NoMoveMadeYet(); }

bool CommandEnabled(int id) {
    switch (id) {
        case ID_FILE_SAVE: return CanSave();
        case ID_UNDO: return CanUndo();
        case ID_DOUBLE: return CanDouble();
        case ID_PASS: return CanPass();
        case ID_SWITCH_SIDES: return CanSwitchSides();
        default: return true;
    }
}
