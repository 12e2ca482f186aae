#include "controller/undo.h"

#include "controller/dice_display.h"
#include "controller/input_mark.h"
#include "controller/live_board.h"
#include "controller/move_entry.h"
#include "controller/narration.h"
#include "controller/session.h"
#include "controller/turn_moves.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "rules/moves.h"
#include "rules/position.h"

namespace {
// Takes the last move of the turn back: its die, its checker and any blot it hit.
void TakeBackLastMove(Session& s) {
    --s.game.moveOrdinal;
    const int from = CurrentMove(s).from;
    s.game.position.dice[s.game.position.diceLeft] = static_cast<uint8_t>(CurrentMove(s).to - from);
    ++s.game.position.diceLeft;
    ShowDice(s);

    if (CurrentMove(s).to >= 25) CurrentMove(s).to = LOC_HUMAN_OFF;
    const int to = CurrentMove(s).to;
    PlayChecker(s, to, from, /*undoing=*/true);
    bool& hit = s.game.turnHits[s.game.moveOrdinal];
    if (hit && s.game.position[LOC_COMPUTER_BAR].count > 0 && s.game.position[to].count == 0) {
        --s.game.counters.hitsMade[SIDE_HUMAN];
        CarryCheckerBack(s, LOC_COMPUTER_BAR, to);
    }
    hit = false;
    s.game.record.StepTakenBack();

    // The undone move's line, and the prompt that followed it when dice were left.
    DeleteLastLine(s);
    if (s.game.position.diceLeft > 1) DeleteLastLine(s);
}
}  // namespace

void TakeBackTurn(Session& s) {
    while (s.game.moveOrdinal > 1) OnUndo(s);
}

void OnUndo(Session& s) {
    EraseInputMark(s);
    if (s.game.position.sideToMove != SIDE_HUMAN) return;
    if (s.game.moveOrdinal > 1) TakeBackLastMove(s);
    PromptMove(s, CurrentMove(s).to == NO_LOCATION ? 1 : 0);
}
