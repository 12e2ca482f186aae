#include "controller/undo.h"

#include "controller/dice_display.h"
#include "controller/input_mark.h"
#include "controller/live_board.h"
#include "controller/move_entry.h"
#include "controller/narration.h"
#include "controller/turn_moves.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "rules/moves.h"
#include "rules/position.h"

namespace {
// Takes the last move of the turn back: its die, its checker and any blot it hit.
void TakeBackLastMove() {
    --g_game.moveOrdinal;
    const int from = CurrentMove().from;
    g_game.position.dice[g_game.position.diceLeft] = static_cast<uint8_t>(CurrentMove().to - from);
    ++g_game.position.diceLeft;
    ShowDice();

    if (CurrentMove().to >= 25) CurrentMove().to = LOC_HUMAN_OFF;
    const int to = CurrentMove().to;
    PlayChecker(to, from, /*undoing=*/true);
    bool& hit = g_game.turnHits[g_game.moveOrdinal];
    if (hit && g_game.position[LOC_COMPUTER_BAR].count > 0 && g_game.position[to].count == 0) {
        --g_game.counters.hitsMade[SIDE_HUMAN];
        CarryCheckerBack(LOC_COMPUTER_BAR, to);
    }
    hit = false;
    g_game.record.StepTakenBack();

    // The undone move's line, and the prompt that followed it when dice were left.
    DeleteLastLine();
    if (g_game.position.diceLeft > 1) DeleteLastLine();
}
}  // namespace

void OnUndo() {
    EraseInputMark();
    if (g_game.position.sideToMove != SIDE_HUMAN) return;
    if (g_game.moveOrdinal > 1) TakeBackLastMove();
    PromptMove(CurrentMove().to == NO_LOCATION ? 1 : 0);
}
