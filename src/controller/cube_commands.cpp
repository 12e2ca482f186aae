#include "controller/cube_commands.h"

#include <string>

#include "computer/cube_exchange.h"
#include "controller/confirm_turn.h"
#include "controller/end_game.h"
#include "controller/narration.h"
#include "controller/play_commands.h"
#include "dialogs/resign_dlg.h"
#include "display/control_layout.h"
#include "display/pause.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "resources/command_ids.h"
#include "resources/help_topics.h"
#include "resources/strings.h"
#include "rules/position.h"
#include "rules/turn_state.h"
#include "shell/game_wnd.h"

namespace {
// The computer weighs a double before it answers.
constexpr int kAnswerPauseMs = 1500;

// A double has been taken: the new stake moves to the taker's side, and
// nobody may double again before the enable rule says so.
void ShowDoubledCube() {
    ShowCube();
    g_gameWnd->EnableCube(false);
}

void OfferHumanDouble() {
    g_gameWnd->SetWaitCursor(true);
    Pause(kAnswerPauseMs);
    g_gameWnd->SetWaitCursor(false);
    if (HumanDoubles()) return ShowDoubledCube();
    if (MessageBox(ResString(IDS_COMPUTER_REFUSES), MB_OKCANCEL, MB_ICONASTERISK, HELP_DOUBLING) == IDOK)
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
    AnswerComputerDouble(answer);
    if (answer == DoubleAnswer::Take) ShowDoubledCube();
    ShowNote("");
}

void ComputerResigns() {
    AnswerComputerResign(MessageBox(ResString(IDS_COMPUTER_RESIGNS), MB_YESNO, MB_ICONQUESTION, HELP_DOUBLING) ==
                         IDYES);
}

// The Resign dialog's answer as the kind of game given up; false on Cancel.
bool KindOf(int result, WinKind& kind) {
    switch (result) {
        case IDC_RESIGN_NORMAL:
            kind = WinKind::Normal;
            return true;
        case IDC_RESIGN_GAMMON:
            kind = WinKind::Gammon;
            return true;
        case IDC_RESIGN_BACKGAMMON:
            kind = WinKind::Backgammon;
            return true;
        default:
            return false;
    }
}
}  // namespace

void ShowCube() {
    g_gameWnd->SetCubeText(g_cubeValue == 1 ? "64" : std::to_string(g_cubeValue));
    g_gameWnd->PlaceCube(CubeRect(g_cubeOwner));
}

void CubeDecisions() {
    if (g_sideToMove == SIDE_HUMAN) return OfferHumanDouble();
    switch (ComputerCubeOffer()) {
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
    GvUpDlg dialog(g_gameWnd);
    WinKind kind;
    if (!KindOf(RunModal(dialog), kind)) return;
    if (!HumanResigns(kind)) {
        MessageBox(ResString(IDS_COMPUTER_REFUSES), MB_OK, MB_ICONEXCLAMATION, HELP_DOUBLING);
        return;
    }
    EndGame(g_winner, 0);
}
