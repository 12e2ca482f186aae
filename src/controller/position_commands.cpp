#include "controller/position_commands.h"

#include <filesystem>
#include <optional>
#include <string>

#include "controller/clocks.h"
#include "controller/confirm_turn.h"
#include "controller/cube_commands.h"
#include "controller/dice_display.h"
#include "controller/file_failure.h"
#include "controller/game_view.h"
#include "controller/live_board.h"
#include "controller/move_entry.h"
#include "controller/narration.h"
#include "controller/new_game.h"
#include "controller/turn_moves.h"
#include "display/pip_band.h"
#include "game/game.h"
#include "game/game_file.h"
#include "interchange/game_record.h"
#include "platform/command_queue.h"
#include "platform/file_dialog.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
#include "resources/command_ids.h"
#include "resources/help_topics.h"
#include "resources/stored_texts.h"
#include "resources/strings.h"
#include "rules/location.h"
#include "rules/position.h"
#include "settings/position_file.h"

namespace {
std::optional<std::string> AskPositionFile(FileDialogKind kind) {
    return AskFileName(MainWindow(), {kind, ResString(IDS_POSITION_FILE_FILTER), "pos"});
}

}  // namespace

void ShowSetUpBoard() {
    // The counts follow arrivals; a location emptied after the last one left them stale.
    FollowPipCounts();
    ShowCube();
    WriteBanner();
}

void ShowLoadedTurn(const std::string& caption) {
    ShowSetUpBoard();
    AddListLine(FormatDice(0));
    PromptMove(0);
    ShowDice();
    View().SetCaption(caption);
}

void SavePositionFile() {
    const std::optional<std::string> path = AskPositionFile(FileDialogKind::Save);
    if (!path) return;
    // The saved time is the total so far; the clock runs again at the next prompt.
    const bool clockRan = g_game.counters.thinkTime[SIDE_HUMAN] < 0;
    StopClock(SIDE_HUMAN);
    const FileResult saved = SavePositionFile(*path, g_game);
    if (saved) return;
    // Nothing was saved, so the human's time goes on counting.
    if (clockRan) StartClock(SIDE_HUMAN);
    ShowFileFailure(IDS_SAVE_FAILED, *path, saved);
}

void OpenPositionFile() {
    // Loaded inside the end-of-turn wait, the game would hand the loaded turn to the computer.
    if (PutOffUntilWaitEnds(ID_FILE_OPEN)) return;
    const std::optional<std::string> path = AskPositionFile(FileDialogKind::Open);
    if (!path) return;
    const PosFileRead read = ReadPositionFile(*path, CapturePositionFile(g_game));
    if (read.status == PosFileStatus::Unreadable) return ShowFileFailure(IDS_OPEN_FAILED, *path, read.why);
    if (read.status == PosFileStatus::Invalid) {
        MessageBox(ResString(IDS_INVALID_POSITION_FILE), MB_OK, MB_ICONEXCLAMATION, HELP_FILES);
        return;
    }
    HideDice();
    ClearRuleNote();
    LoadPosition(*read.data);
    // The moves of the turn before belong to another position: Undo must not reach them.
    ClearTurnMoves();
    g_game.record.SetUpGame(g_game.position);
    ShowLoadedTurn(ProgramTitle() + " - " + std::filesystem::path(*path).filename().string());
    // Held until the wait ended, Open runs before the computer's turn that
    // the wait posted; the loaded turn is the human's all the same.
    FlushInput();
}
