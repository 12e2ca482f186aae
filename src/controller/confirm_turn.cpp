#include "controller/confirm_turn.h"

#include <utility>

#include "controller/game_view.h"
#include "controller/narration.h"
#include "controller/session.h"
#include "game/game.h"
#include "platform/nested_wait.h"
#include "platform/virtual_keys.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
bool AsksForUndo(const WaitResult& answer) {
    switch (answer.kind) {
        case WaitResult::RIGHT_BUTTON:
            return true;
        case WaitResult::KEY:
            return answer.code == VK_ESCAPE;
        case WaitResult::COMMAND:
            return answer.code == ID_UNDO;
        default:
            return false;
    }
}

int WaitForAnswer(Session& s) {
    s.game.awaitingConfirm = 1;
    s.view.SetUndoCursor(true);
    ShowStatus(s, IDS_UNDO_HINT);
    const WaitResult answer = s.view.AwaitInput();
    s.view.SetUndoCursor(false);
    s.view.RedrawAll();
    s.game.awaitingConfirm = 0;
    s.view.FlushInput();
    if (s.input.putOff != 0) s.view.PostCommand(std::exchange(s.input.putOff, 0));
    return AsksForUndo(answer) ? 1 : 0;
}
}  // namespace

bool PutOffUntilWaitEnds(Session& s, int id) {
    if (s.game.awaitingConfirm != 1) return false;
    s.input.putOff = id;
    return true;
}

int ConfirmTurn(Session& s) {
    const bool skip = s.game.race == 1 || s.game.options.autoChangeTurn == 1 || s.game.finishMode == 1;
    const int undo = skip ? 0 : WaitForAnswer(s);
    // An undo leaves the human in the same turn, the opening one included.
    if (undo == 0) s.game.openingThrow = 0;
    return undo;
}
