#include "controller/undo.h"

#include "controller/dice_display.h"
#include "controller/input_mark.h"
#include "controller/move_entry.h"
#include "controller/narration.h"
#include "controller/turn_moves.h"
#include "interchange/game_record.h"
#include "rules/game_stats.h"
#include "rules/moves.h"
#include "rules/position.h"
#include "rules/turn_state.h"

namespace {
// Takes the last move of the turn back: its die, its checker and any blot it hit.
void TakeBackLastMove() {
    --g_moveOrdinal;
    g_curMove = &g_turnMoves[g_moveOrdinal];
    const int from = g_curMove->from;
    g_dice[g_diceLeft] = static_cast<uint8_t>(g_curMove->to - from);
    ++g_diceLeft;
    ShowDice();

    g_undoing = 1;
    if (g_curMove->to >= 25) g_curMove->to = LOC_HUMAN_OFF;
    const int to = g_curMove->to;
    MoveChecker(to, from);
    bool& hit = g_turnHits[g_moveOrdinal];
    if (hit && g_board[LOC_COMPUTER_BAR]->count > 0 && g_board[to]->count == 0) {
        --g_hitsMade[SIDE_HUMAN];
        g_board[LOC_COMPUTER_BAR]->TransferChecker(to);
    }
    hit = false;
    g_undoing = 0;
    RecordStepTakenBack();

    // The undone move's line, and the prompt that followed it when dice were left.
    DeleteLastLine();
    if (g_diceLeft > 1) DeleteLastLine();
}
}  // namespace

void OnUndo() {
    EraseInputMark();
    if (g_sideToMove != SIDE_HUMAN) return;
    if (g_moveOrdinal > 1) TakeBackLastMove();
    PromptMove(g_curMove->to == NO_LOCATION ? 1 : 0);
}
