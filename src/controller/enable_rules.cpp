#include "controller/enable_rules.h"

#include "controller/coach_commands.h"
#include "controller/session.h"
#include "game/cube_exchange.h"
#include "game/game.h"
#include "resources/command_ids.h"
#include "rules/moves.h"
#include "settings/options.h"

namespace {
// Before the first move of the human's turn, its dice thrown: a position
// saved or switched while the turn waits for the roll would lose the roll.
bool NoMoveMadeYet(Session& s) { return s.game.moveOrdinal == 1 && !s.game.awaitingRoll; }
}  // namespace

bool CanSave(Session& s) { return NoMoveMadeYet(s); }

bool CanUndo(Session& s) { return s.game.moveOrdinal > 1; }

bool CanDouble(Session& s) { return HumanMayDouble(s.game, s.game.options.useCube != 0); }

bool CanPass(Session& s) { return NoMovePossible(s.game.position); }

bool CanSwitchSides(Session& s) { return NoMoveMadeYet(s); }

bool CommandEnabled(Session& s, int id) {
    switch (id) {
        case ID_FILE_SAVE:
            return CanSave(s);
        case ID_UNDO:
            return CanUndo(s);
        case ID_DOUBLE:
            return CanDouble(s);
        case ID_PASS:
            return CanPass(s);
        case ID_SWITCH_SIDES:
            return CanSwitchSides(s);
        case ID_HINT:
            return CanHint(s);
        case ID_REVIEW:
            return !s.game.keptGames.empty();
        default:
            return true;
    }
}
