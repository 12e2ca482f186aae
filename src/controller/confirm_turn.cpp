#include "controller/confirm_turn.h"

#include <utility>

#include "controller/game_view.h"
#include "controller/narration.h"
#include "game/game.h"
#include "platform/command_queue.h"
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

// A command put off in the wait; it outlives the input flushed after it.
int g_putOff = 0;

int WaitForAnswer() {
    g_game.awaitingConfirm = 1;
    View().SetUndoCursor(true);
    ShowStatus(IDS_UNDO_HINT);
    const WaitResult answer = View().AwaitInput();
    View().SetUndoCursor(false);
    View().RedrawAll();
    g_game.awaitingConfirm = 0;
    FlushInput();
    if (g_putOff != 0) View().PostCommand(std::exchange(g_putOff, 0));
    return AsksForUndo(answer) ? 1 : 0;
}
}  // namespace

bool PutOffUntilWaitEnds(int id) {
    if (g_game.awaitingConfirm != 1) return false;
    g_putOff = id;
    return true;
}

int ConfirmTurn() {
    const bool skip = g_game.race == 1 || g_game.options.autoChangeTurn == 1 || g_game.finishMode == 1;
    const int undo = skip ? 0 : WaitForAnswer();
    // An undo leaves the human in the same turn, the opening one included.
    if (undo == 0) g_game.openingThrow = 0;
    return undo;
}
