#include "controller/turn_cycle.h"

#include <cstdio>

#include "computer/computer_player.h"
#include "controller/clocks.h"
#include "controller/coach_commands.h"
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
#include "controller/session.h"
#include "controller/turn_moves.h"
#include "display/geometry.h"
#include "display/pause.h"
#include "game/cube_exchange.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "platform/message_box_kinds.h"
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
bool PlayComputerMove(Session& s) {
    ShowStatus(s, IDS_THINKING);
    s.view.SetWaitCursor(true);
    StartClock(s, s.game.position.sideToMove);
    if (s.game.race != 1 && s.game.position.diceLeft != MAX_DICE && s.game.finishMode != 1)
        Pause(s.game, kThinkPauseMs);
    const ComputerPlay play =
        ComputerPlayerFor(s.game.options.levelOfPlay).ChoosePlay(s.game.position, s.game.race != 0);
    StopClock(s, s.game.position.sideToMove);
    AddSeparator(s);
    ShowStatus(s, IDS_MOVING);
    bool goesOn = true;
    for (int i = 0; goesOn && i < play.count; ++i) {
        const int from = play.from[i];
        const int die = play.dice[i];
        AppendToLastLine(s, ComputerMoveText(from, die));
        goesOn = PlayMove(s, from, from - die) != 0;
    }
    s.view.SetWaitCursor(false);
    return goesOn;
}

// The side on roll decides on doubling before its throw. True when the turn
// stops here: the human's waits for the roll, or the computer's double was
// passed, which its turn then books.
bool TurnStopsForCube(Session& s) {
    if (!CubeBeforeRoll(s.game) || s.game.finishMode == 1) return false;
    // Dice the last turn could not use must not pass for a throw.
    ClearDice(s.game.position);
    if (s.game.position.sideToMove == SIDE_COMPUTER) {
        ComputerCubeBeforeRoll(s);
        return s.game.winner != SIDE_NONE;
    }
    if (!CubeOpenToHuman(s.game, s.game.options.useCube != 0)) return false;
    s.game.awaitingRoll = true;
    s.view.EnableCube(true);
    ShowStatus(s, IDS_ROLL_OR_DOUBLE);
    DrawProgressBar(s);
    s.view.FlushInput();
    return true;
}

void ShowTurnThrow(Session& s) {
    s.game.record.TurnThrow(s.game.position);
    // A side closed out on the bar throws for nothing: no display, no booking.
    if (EntryOpen(s.game.position, s.game.position.sideToMove)) {
        ShowDice(s);
        AddListLine(s, FormatDice(s, 1));
    }
    s.view.FlushInput();
    PromptMove(s, 0);
}
}  // namespace

void BeginTurn(Session& s) {
    ClearRuleNote(s);
    ClearTurnMoves(s);
    HideDice(s);
    if (s.game.openingThrow == 0) {
        s.game.position.sideToMove = s.game.position.Opponent();
        if (TurnStopsForCube(s)) return;
        ThrowDiceForTurn(s);
    }
    ShowTurnThrow(s);
}

void OnRollChosen(Session& s) {
    if (!TutorTakesCubeBack(s, CubeQuestion::Double, CubeChoice::NoDouble)) RollForHuman(s);
}

void RollForHuman(Session& s) {
    s.game.awaitingRoll = false;
    ThrowDiceForTurn(s);
    ShowTurnThrow(s);
}

void OnComputerTurn(Session& s) {
    EraseInputMark(s);
    AddSeparator(s);
    BeginTurn(s);
    PlayComputerTurn(s);
}

void PlayComputerTurn(Session& s) {
    if (s.game.winner == SIDE_NONE) CubeDecisions(s);
    if (s.game.winner != SIDE_NONE) return EndGame(s, s.game.winner, 0);
    if (EntryOpen(s.game.position, SIDE_COMPUTER) && !PlayComputerMove(s)) return;
    SavePosition(s);
    AddSeparator(s);
    s.game.openingThrow = 0;
    s.game.firstStarterFixed = 0;
    BeginTurn(s);
}

int PlayMove(Session& s, int from, int to) {
    ClearRuleNote(s);
    StopClock(s, SIDE_HUMAN);
    s.view.EnableCube(false);
    ShowTargets(s, from, 0);
    const bool human = s.game.position.sideToMove == SIDE_HUMAN;
    if (human)
        s.game.turnHits[s.game.moveOrdinal] =
            IsPoint(to) && s.game.position[to].count == 1 && s.game.position[to].owner == SIDE_COMPUTER;
    s.game.record.StepBefore(s.game.position, from, to);
    PlayChecker(s, from, to);
    DrawProgressBar(s);
    if (const int winner = TrayWinner(s.game.position.board); winner != SIDE_NONE) {
        EndGame(s, winner, 1);
        return 0;
    }
    if (!human) return 1;

    ++s.game.moveOrdinal;
    s.game.position.RemoveDie(s.game.position.FindDie(to - from));
    // The tray's corner lies on no location: the hover highlight goes.
    const Rect tray = s.view.Geometry().GeometryOf(LOC_HUMAN_OFF).rect;
    OnMouseMove(s, tray.left, tray.top);
    ShowDice(s);
    if (s.game.position.diceLeft > 0) {
        PromptMove(s, 0);
        return 1;
    }
    if (TutorTakesPlayBack(s)) return 1;
    // The hint was for this turn's dice.
    s.view.CloseHint();
    if (ConfirmTurn(s) == 0) s.view.PostCommand(ID_COMPUTER_TURN);
    return 1;
}

void OnPass(Session& s) {
    if (s.game.awaitingRoll) return OnRollChosen(s);
    if (s.game.position.diceLeft > 0 && s.game.mustUseBoth == 1) {
        s.view.Ask(ResString(IDS_MUST_USE_BOTH), MB_OK, MB_ICONEXCLAMATION, HELP_PLAYING);
        return;
    }
    // Should the human pass the opening throw (a loaded or switched
    // position), the computer still throws for itself.
    s.game.openingThrow = 0;
    s.view.PostCommand(ID_COMPUTER_TURN);
}
