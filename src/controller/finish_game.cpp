#include "controller/finish_game.h"

#include "controller/confirm_turn.h"
#include "controller/game_view.h"
#include "controller/move_entry.h"
#include "controller/narration.h"
#include "controller/play_commands.h"
#include "controller/turn_cycle.h"
#include "controller/turn_moves.h"
#include "game/game.h"
#include "platform/key_state.h"
#include "platform/message_box.h"
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
bool HumanChoosesEntry(int from, int dieIndex) {
    if (from != LOC_HUMAN_BAR || (g_game.position.diceLeft != 2 && g_game.position.diceLeft != 3)) return false;
    if (g_game.position[LOC_HUMAN_BAR].count >= g_game.position.diceLeft) return false;
    return HumanMayPlay(g_game.position, LOC_HUMAN_BAR, g_game.position.dice[dieIndex == 0 ? 1 : 0]);
}

// The one location die i can be played from, or -1.
int ForcedFrom(int dieIndex) {
    int counted = 0;
    int last = -1;
    for (int from = 0; from <= 24; ++from) {
        if (!HumanMayPlay(g_game.position, from, g_game.position.dice[dieIndex])) continue;
        last = from;
        if (!HumanChoosesEntry(from, dieIndex)) ++counted;
    }
    return counted == 1 ? last : -1;
}

// 1 quick, 0 slow, -1 when the user cancelled.
int ChooseSpeed() {
    switch (g_game.options.autoFinish) {
        case 0:
            return 1;
        case 1:
            return 0;
        default:
            break;
    }
    switch (MessageBox(ResString(IDS_QUICK_FINISH), MB_YESNOCANCEL, MB_ICONQUESTION, HELP_COMMANDS)) {
        case IDYES:
            return 1;
        case IDNO:
            return 0;
        default:
            return -1;
    }
}

void StopIfEscapeHeld() {
    if (KeyIsDown(VK_ESCAPE)) StopFinishing();
}
}  // namespace

void StopFinishing() {
    if (g_game.finishMode != 1) return;
    g_game.finishMode = 0;
    ShowStatus(IDS_IDLE);
}

void PlayForcedMoves() {
    if (g_game.options.autoForcedMoves != 1 || g_game.finishMode != 0 || g_game.position.sideToMove != SIDE_HUMAN ||
        g_game.position.diceLeft == 0)
        return;
    // A move half entered is the human's own choice already.
    if (CurrentMove().from != NO_LOCATION) return;
    for (int i = 0; i < g_game.position.diceLeft; ++i) {
        const int from = ForcedFrom(i);
        if (from < 0) continue;
        if (PlayForHuman(from, from + g_game.position.dice[i]) == 0) return;
    }
}

void FinishGame() {
    // Run inside the end-of-turn wait, the human's turns would be skipped.
    if (PutOffUntilWaitEnds(ID_FINISH_GAME)) return;
    const int quick = ChooseSpeed();
    if (quick < 0) return;
    g_game.quickFinish = quick;
    ShowStatus(IDS_ESC_TO_CANCEL);
    g_game.finishMode = 1;
    StopIfEscapeHeld();
    while (g_game.finishMode == 1) {
        // A human turn already played only waits for the computer's.
        if (g_game.position.sideToMove == SIDE_HUMAN && g_game.position.diceLeft > 0) {
            PromptMove(1);
            View().RedrawAll();
            OnSuggestMove();
            // A turn that could not be played passes, the opening one too.
            if (g_game.finishMode == 1) g_game.openingThrow = 0;
        }
        if (g_game.finishMode == 1) OnComputerTurn();
        StopIfEscapeHeld();
    }
    PromptMove(1);
}
