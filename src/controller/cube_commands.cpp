#include "controller/cube_commands.h"

#include <cstdio>
#include <optional>
#include <string>

#include "controller/coach_commands.h"
#include "controller/confirm_turn.h"
#include "controller/end_game.h"
#include "controller/game_view.h"
#include "controller/narration.h"
#include "controller/play_commands.h"
#include "controller/session.h"
#include "controller/turn_cycle.h"
#include "display/control_layout.h"
#include "display/pause.h"
#include "game/cube_exchange.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "platform/message_box_kinds.h"
#include "resources/command_ids.h"
#include "resources/help_topics.h"
#include "resources/strings.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
// The computer weighs a double before it answers.
constexpr int kAnswerPauseMs = 1500;

// A double has been taken: the new stake moves to the taker's side, and
// nobody may double again before the enable rule says so.
void ShowDoubledCube(Session& s) {
    ShowCube(s);
    s.view.EnableCube(false);
}

// With the cube before the roll, each cube action stands in the message
// list, so that a match can be followed.
void TellCubeAction(Session& s, int doubler, int newStake, int outcomeId) {
    if (!CubeBeforeRoll(s.game)) return;
    char text[128];
    std::snprintf(text, sizeof text, ResString(doubler == SIDE_HUMAN ? IDS_HUMAN_DOUBLES_TO : IDS_COMPUTER_DOUBLES_TO),
                  newStake, ResString(outcomeId));
    AddListLine(s, text);
}

void OfferHumanDouble(Session& s) {
    s.view.SetWaitCursor(true);
    Pause(s.game, kAnswerPauseMs);
    s.view.SetWaitCursor(false);
    const int newStake = s.game.position.cubeValue * 2;
    if (HumanDoubles(s.game, ComputerPlayerFor(s.game.options.levelOfPlay))) {
        s.game.record.Double(SIDE_HUMAN, s.game.position.cubeValue, true);
        TellCubeAction(s, SIDE_HUMAN, newStake, IDS_DOUBLE_TAKEN);
        return ShowDoubledCube(s);
    }
    // Playing on after the refusal is no double at all.
    if (s.view.Ask(ResString(IDS_COMPUTER_REFUSES), MB_OKCANCEL, MB_ICONASTERISK, HELP_DOUBLING) != IDOK) {
        TellCubeAction(s, SIDE_HUMAN, newStake, IDS_DOUBLE_PLAYED_ON);
        return s.game.record.DoublePlayedOn(SIDE_HUMAN);
    }
    s.game.record.Double(SIDE_HUMAN, newStake, false);
    TellCubeAction(s, SIDE_HUMAN, newStake, IDS_DOUBLE_PASSED);
    EndGame(s, SIDE_HUMAN, 0);
}

DoubleAnswer AnswerOf(int reply) {
    switch (reply) {
        case IDYES:
            return DoubleAnswer::Take;
        case IDNO:
            return DoubleAnswer::Decline;
        default:
            return DoubleAnswer::Cancel;
    }
}

void ComputerDoubles(Session& s) {
    // The race standing helps the human answer.
    OnShowProgress(s);
    HintComputerDouble(s);
    DoubleAnswer answer;
    do answer = AnswerOf(s.view.Ask(ResString(IDS_COMPUTER_DOUBLES), MB_YESNOCANCEL, MB_ICONQUESTION, HELP_DOUBLING));
    while (answer != DoubleAnswer::Cancel &&
           TutorTakesCubeBack(s, CubeQuestion::Answer,
                              answer == DoubleAnswer::Take ? CubeChoice::Take : CubeChoice::Pass));
    const int newStake = s.game.position.cubeValue * 2;
    // A cancelled double changes nothing on the board.
    if (answer == DoubleAnswer::Cancel)
        s.game.record.DoublePlayedOn(SIDE_COMPUTER);
    else
        s.game.record.Double(SIDE_COMPUTER, newStake, answer == DoubleAnswer::Take);
    constexpr int kOutcome[] = {IDS_DOUBLE_TAKEN, IDS_DOUBLE_PASSED, IDS_DOUBLE_PLAYED_ON};
    TellCubeAction(s, SIDE_COMPUTER, newStake, kOutcome[static_cast<int>(answer)]);
    AnswerComputerDouble(s.game, answer);
    if (answer == DoubleAnswer::Take) ShowDoubledCube(s);
    ShowNote(s, "");
}

void ComputerResigns(Session& s) {
    const bool accepted =
        s.view.Ask(ResString(IDS_COMPUTER_RESIGNS), MB_YESNO, MB_ICONQUESTION, HELP_DOUBLING) == IDYES;
    if (accepted) s.game.record.Resign(SIDE_COMPUTER, WinKind::Normal);
    AnswerComputerResign(s.game, accepted);
}
}  // namespace

void ShowCube(Session& s) {
    s.view.SetCubeText(s.game.position.cubeValue == 1 ? "64" : std::to_string(s.game.position.cubeValue));
    s.view.PlaceCube(CubeRect(s.view.Geometry(), s.game.position.cubeOwner));
}

void CubeDecisions(Session& s) {
    if (s.game.position.sideToMove == SIDE_HUMAN) {
        if (TutorTakesCubeBack(s, CubeQuestion::Double, CubeChoice::Double)) return;
        OfferHumanDouble(s);
        // Whatever came of it, the doubler's turn goes on with the throw.
        if (s.game.awaitingRoll && s.game.winner == SIDE_NONE) RollForHuman(s);
        return;
    }
    switch (ComputerCubeOffer(s.game, ComputerPlayerFor(s.game.options.levelOfPlay), s.game.options.useCube != 0)) {
        case CubeOffer::Double:
            return ComputerDoubles(s);
        case CubeOffer::Resign:
            return ComputerResigns(s);
        case CubeOffer::None:
            return;
    }
}

void ComputerCubeBeforeRoll(Session& s) {
    if (ComputerOffersDouble(s.game, ComputerPlayerFor(s.game.options.levelOfPlay), s.game.options.useCube != 0))
        ComputerDoubles(s);
}

void ResignCommand(Session& s) {
    // Ended inside the end-of-turn wait, the game would be followed by the
    // computer's turn that the wait posts as it ends.
    if (PutOffUntilWaitEnds(s, ID_RESIGN)) return;
    const std::optional<WinKind> kind = s.view.AskResign();
    if (!kind) return;
    if (!HumanResigns(s.game, ComputerPlayerFor(s.game.options.levelOfPlay), *kind)) {
        s.view.Ask(ResString(IDS_COMPUTER_REFUSES), MB_OK, MB_ICONEXCLAMATION, HELP_DOUBLING);
        return;
    }
    s.game.record.Resign(SIDE_HUMAN, *kind);
    EndGame(s, s.game.winner, 0);
}
