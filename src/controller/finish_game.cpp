#include "controller/finish_game.h"

#include "controller/confirm_turn.h"
#include "controller/game_view.h"
#include "controller/move_entry.h"
#include "controller/narration.h"
#include "controller/play_commands.h"
#include "controller/session.h"
#include "controller/turn_cycle.h"
#include "controller/turn_moves.h"
#include "game/game.h"
#include "platform/message_box_kinds.h"
#include "platform/virtual_keys.h"
#include "resources/command_ids.h"
#include "resources/help_topics.h"
#include "resources/strings.h"
#include "rules/position.h"
#include "rules/whole_turn.h"
#include "settings/options.h"

namespace {
// With more dice than checkers on the bar and another die that enters too,
// the human decides which die enters.
bool HumanChoosesEntry(Session& s, int from, int dieIndex) {
    if (from != LOC_HUMAN_BAR || (s.game.position.diceLeft != 2 && s.game.position.diceLeft != 3)) return false;
    if (s.game.position[LOC_HUMAN_BAR].count >= s.game.position.diceLeft) return false;
    return HumanMayPlay(s.game.position, LOC_HUMAN_BAR, s.game.position.dice[dieIndex == 0 ? 1 : 0]);
}

// The one location die i can be played from, or -1.
int ForcedFrom(Session& s, int dieIndex) {
    int counted = 0;
    int last = -1;
    for (int from = 0; from <= 24; ++from) {
        if (!HumanMayPlay(s.game.position, from, s.game.position.dice[dieIndex])) continue;
        last = from;
        if (!HumanChoosesEntry(s, from, dieIndex)) ++counted;
    }
    return counted == 1 ? last : -1;
}

// 1 quick, 0 slow, -1 when the user cancelled.
int ChooseSpeed(Session& s) {
    switch (s.game.options.autoFinish) {
        case 0:
            return 1;
        case 1:
            return 0;
        default:
            break;
    }
    switch (s.view.Ask(ResString(IDS_QUICK_FINISH), MB_YESNOCANCEL, MB_ICONQUESTION, HELP_COMMANDS)) {
        case IDYES:
            return 1;
        case IDNO:
            return 0;
        default:
            return -1;
    }
}

void StopIfEscapeHeld(Session& s) {
    if (s.view.KeyIsDown(VK_ESCAPE)) StopFinishing(s);
}
}  // namespace

void StopFinishing(Session& s) {
    if (s.game.finishMode != 1) return;
    s.game.finishMode = 0;
    ShowStatus(s, IDS_IDLE);
}

void PlayForcedMoves(Session& s) {
    if (s.game.options.autoForcedMoves != 1 || s.game.finishMode != 0 || s.game.position.sideToMove != SIDE_HUMAN ||
        s.game.position.diceLeft == 0)
        return;
    // A move half entered is the human's own choice already.
    if (CurrentMove(s).from != NO_LOCATION) return;
    for (int i = 0; i < s.game.position.diceLeft; ++i) {
        const int from = ForcedFrom(s, i);
        if (from < 0) continue;
        if (PlayForHuman(s, from, from + s.game.position.dice[i]) == 0) return;
    }
}

void FinishGame(Session& s) {
    // Run inside the end-of-turn wait, the human's turns would be skipped.
    if (PutOffUntilWaitEnds(s, ID_FINISH_GAME)) return;
    const int quick = ChooseSpeed(s);
    if (quick < 0) return;
    s.game.quickFinish = quick;
    ShowStatus(s, IDS_ESC_TO_CANCEL);
    s.game.finishMode = 1;
    // The turn that waits for the human's roll is played like any other.
    if (s.game.awaitingRoll) RollForHuman(s);
    StopIfEscapeHeld(s);
    while (s.game.finishMode == 1) {
        // A human turn already played only waits for the computer's.
        if (s.game.position.sideToMove == SIDE_HUMAN && s.game.position.diceLeft > 0) {
            PromptMove(s, 1);
            s.view.RedrawAll();
            OnSuggestMove(s);
            // A turn that could not be played passes, the opening one too.
            if (s.game.finishMode == 1) s.game.openingThrow = 0;
        }
        if (s.game.finishMode == 1) OnComputerTurn(s);
        StopIfEscapeHeld(s);
    }
    PromptMove(s, 1);
}
