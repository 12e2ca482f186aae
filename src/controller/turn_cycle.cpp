#include "controller/turn_cycle.h"

#include <cstdio>

#include "computer/computer_player.h"
#include "controller/clocks.h"
#include "controller/confirm_turn.h"
#include "controller/cube_commands.h"
#include "controller/dice_display.h"
#include "controller/end_game.h"
#include "controller/game_view.h"
#include "controller/highlight.h"
#include "controller/input_mark.h"
#include "controller/live_board.h"
#include "controller/location_letters.h"
#include "controller/move_entry.h"
#include "controller/narration.h"
#include "controller/progress_bar.h"
#include "controller/turn_moves.h"
#include "display/geometry.h"
#include "display/pause.h"
#include "game/game.h"
#include "game/turn_dice.h"
#include "interchange/game_record.h"
#include "platform/command_queue.h"
#include "platform/message_box.h"
#include "resources/command_ids.h"
#include "resources/help_topics.h"
#include "resources/strings.h"
#include "rules/dice_throw.h"
#include "rules/game_end.h"
#include "rules/moves.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
// The computer's think before a single throw; doubles and races are quick.
constexpr int kThinkPauseMs = 1500;

// The computer's moves follow the separator's blank on one line: " X+6  H+1  ".
std::string ComputerMoveText(int from, int die) {
    char text[16];
    std::snprintf(text, sizeof text, "%c+%d  ", LocationLetter(from), die);
    return text;
}

// Runs the computer's search and plays its move; false when the game ended.
bool PlayComputerMove() {
    ShowStatus(IDS_THINKING);
    View().SetWaitCursor(true);
    StartClock(g_game.position.sideToMove);
    if (g_game.race != 1 && g_game.position.diceLeft != MAX_DICE && g_game.finishMode != 1) Pause(kThinkPauseMs);
    const ComputerPlay play =
        ComputerPlayerFor(g_game.options.levelOfPlay).ChoosePlay(g_game.position, g_game.race != 0);
    StopClock(g_game.position.sideToMove);
    AddSeparator();
    ShowStatus(IDS_MOVING);
    bool goesOn = true;
    for (int i = 0; goesOn && i < play.count; ++i) {
        const int from = play.from[i];
        const int die = play.dice[i];
        AppendToLastLine(ComputerMoveText(from, die));
        goesOn = PlayMove(from, from - die) != 0;
    }
    View().SetWaitCursor(false);
    return goesOn;
}
}  // namespace

void BeginTurn() {
    ClearRuleNote();
    ClearTurnMoves();
    HideDice();
    if (g_game.openingThrow == 0) {
        g_game.position.sideToMove = g_game.position.Opponent();
        ThrowTurnDice(g_game);
    }
    g_game.record.TurnThrow(g_game.position);
    // A side closed out on the bar throws for nothing: no display, no booking.
    if (EntryOpen(g_game.position, g_game.position.sideToMove)) {
        ShowDice();
        AddListLine(FormatDice(1));
    }
    FlushInput();
    PromptMove(0);
}

void OnComputerTurn() {
    EraseInputMark();
    AddSeparator();
    BeginTurn();
    PlayComputerTurn();
}

void PlayComputerTurn() {
    CubeDecisions();
    if (g_game.winner != SIDE_NONE) return EndGame(g_game.winner, 0);
    if (EntryOpen(g_game.position, SIDE_COMPUTER) && !PlayComputerMove()) return;
    SavePosition();
    AddSeparator();
    g_game.openingThrow = 0;
    g_game.firstStarterFixed = 0;
    BeginTurn();
}

int PlayMove(int from, int to) {
    ClearRuleNote();
    StopClock(SIDE_HUMAN);
    View().EnableCube(false);
    ShowTargets(from, 0);
    const bool human = g_game.position.sideToMove == SIDE_HUMAN;
    if (human)
        g_game.turnHits[g_game.moveOrdinal] =
            IsPoint(to) && g_game.position[to].count == 1 && g_game.position[to].owner == SIDE_COMPUTER;
    g_game.record.StepBefore(g_game.position, from, to);
    PlayChecker(from, to);
    DrawProgressBar();
    if (const int winner = TrayWinner(g_game.position.board); winner != SIDE_NONE) {
        EndGame(winner, 1);
        return 0;
    }
    if (!human) return 1;

    ++g_game.moveOrdinal;
    g_game.position.RemoveDie(g_game.position.FindDie(to - from));
    // The tray's corner lies on no location: the hover highlight goes.
    const Rect tray = GeometryOf(LOC_HUMAN_OFF).rect;
    OnMouseMove(tray.left, tray.top);
    ShowDice();
    if (g_game.position.diceLeft > 0) {
        PromptMove(0);
        return 1;
    }
    if (ConfirmTurn() == 0) View().PostCommand(ID_COMPUTER_TURN);
    return 1;
}

void OnPass() {
    if (g_game.position.diceLeft > 0 && g_game.mustUseBoth == 1) {
        MessageBox(ResString(IDS_MUST_USE_BOTH), MB_OK, MB_ICONEXCLAMATION, HELP_PLAYING);
        return;
    }
    // Should the human pass the opening throw (a loaded or switched
    // position), the computer still throws for itself.
    g_game.openingThrow = 0;
    View().PostCommand(ID_COMPUTER_TURN);
}
