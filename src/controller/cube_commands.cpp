#include "controller/cube_commands.h"

#include <optional>
#include <string>

#include "controller/confirm_turn.h"
#include "controller/end_game.h"
#include "controller/game_view.h"
#include "controller/narration.h"
#include "controller/play_commands.h"
#include "display/control_layout.h"
#include "display/pause.h"
#include "game/cube_exchange.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "platform/message_box.h"
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
void ShowDoubledCube() {
    ShowCube();
    View().EnableCube(false);
}

void OfferHumanDouble() {
    View().SetWaitCursor(true);
    Pause(kAnswerPauseMs);
    View().SetWaitCursor(false);
    if (HumanDoubles(g_game, ComputerPlayerFor(g_game.options.levelOfPlay))) {
        g_game.record.Double(SIDE_HUMAN, g_game.position.cubeValue, true);
        return ShowDoubledCube();
    }
    // Playing on after the refusal is no double at all.
    if (MessageBox(ResString(IDS_COMPUTER_REFUSES), MB_OKCANCEL, MB_ICONASTERISK, HELP_DOUBLING) != IDOK)
        return g_game.record.DoublePlayedOn(SIDE_HUMAN);
    g_game.record.Double(SIDE_HUMAN, g_game.position.cubeValue * 2, false);
    EndGame(SIDE_HUMAN, 0);
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

void ComputerDoubles() {
    // The race standing helps the human answer.
    OnShowProgress();
    const DoubleAnswer answer =
        AnswerOf(MessageBox(ResString(IDS_COMPUTER_DOUBLES), MB_YESNOCANCEL, MB_ICONQUESTION, HELP_DOUBLING));
    // A cancelled double changes nothing on the board.
    if (answer == DoubleAnswer::Cancel)
        g_game.record.DoublePlayedOn(SIDE_COMPUTER);
    else
        g_game.record.Double(SIDE_COMPUTER, g_game.position.cubeValue * 2, answer == DoubleAnswer::Take);
    AnswerComputerDouble(g_game, answer);
    if (answer == DoubleAnswer::Take) ShowDoubledCube();
    ShowNote("");
}

void ComputerResigns() {
    const bool accepted =
        MessageBox(ResString(IDS_COMPUTER_RESIGNS), MB_YESNO, MB_ICONQUESTION, HELP_DOUBLING) == IDYES;
    if (accepted) g_game.record.Resign(SIDE_COMPUTER, WinKind::Normal);
    AnswerComputerResign(g_game, accepted);
}
}  // namespace

void ShowCube() {
    View().SetCubeText(g_game.position.cubeValue == 1 ? "64" : std::to_string(g_game.position.cubeValue));
    View().PlaceCube(CubeRect(g_game.position.cubeOwner));
}

void CubeDecisions() {
    if (g_game.position.sideToMove == SIDE_HUMAN) return OfferHumanDouble();
    switch (ComputerCubeOffer(g_game, ComputerPlayerFor(g_game.options.levelOfPlay), g_game.options.useCube != 0)) {
        case CubeOffer::Double:
            return ComputerDoubles();
        case CubeOffer::Resign:
            return ComputerResigns();
        case CubeOffer::None:
            return;
    }
}

void ResignCommand() {
    // Ended inside the end-of-turn wait, the game would be followed by the
    // computer's turn that the wait posts as it ends.
    if (PutOffUntilWaitEnds(ID_RESIGN)) return;
    const std::optional<WinKind> kind = View().AskResign();
    if (!kind) return;
    if (!HumanResigns(g_game, ComputerPlayerFor(g_game.options.levelOfPlay), *kind)) {
        MessageBox(ResString(IDS_COMPUTER_REFUSES), MB_OK, MB_ICONEXCLAMATION, HELP_DOUBLING);
        return;
    }
    g_game.record.Resign(SIDE_HUMAN, *kind);
    EndGame(g_game.winner, 0);
}
