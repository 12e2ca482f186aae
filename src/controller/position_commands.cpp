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
#include "controller/match_play.h"
#include "controller/move_entry.h"
#include "controller/narration.h"
#include "controller/new_game.h"
#include "controller/session.h"
#include "controller/turn_moves.h"
#include "game/game.h"
#include "game/game_file.h"
#include "interchange/game_record.h"
#include "platform/file_dialog.h"
#include "platform/message_box_kinds.h"
#include "resources/command_ids.h"
#include "resources/help_topics.h"
#include "resources/stored_texts.h"
#include "resources/strings.h"
#include "rules/location.h"
#include "rules/position.h"
#include "settings/position_file.h"

namespace {
std::optional<std::string> AskPositionFile(Session& s, FileDialogKind kind) {
    return s.view.AskFileName({kind, ResString(IDS_POSITION_FILE_FILTER), "pos"});
}

}  // namespace

void ShowSetUpBoard(Session& s) {
    // The counts follow arrivals; a location emptied after the last one left them stale.
    s.view.FollowPipCounts();
    ShowCube(s);
    WriteBanner(s);
}

void ShowLoadedTurn(Session& s, const std::string& caption) {
    ShowSetUpBoard(s);
    AddListLine(s, FormatDice(s, 0));
    PromptMove(s, 0);
    ShowDice(s);
    s.view.SetCaption(GameCaption(s, caption));
}

void SavePositionFile(Session& s) {
    const std::optional<std::string> path = AskPositionFile(s, FileDialogKind::Save);
    if (!path) return;
    // The saved time is the total so far; the clock runs again at the next prompt.
    const bool clockRan = s.game.counters.thinkTime[SIDE_HUMAN] < 0;
    StopClock(s, SIDE_HUMAN);
    const FileResult saved = SavePositionFile(*path, s.game);
    if (saved) return;
    // Nothing was saved, so the human's time goes on counting.
    if (clockRan) StartClock(s, SIDE_HUMAN);
    ShowFileFailure(s, IDS_SAVE_FAILED, *path, saved);
}

void OpenPositionFile(Session& s) {
    // Loaded inside the end-of-turn wait, the game would hand the loaded turn to the computer.
    if (PutOffUntilWaitEnds(s, ID_FILE_OPEN)) return;
    const std::optional<std::string> path = AskPositionFile(s, FileDialogKind::Open);
    if (!path) return;
    const PosFileRead read = ReadPositionFile(*path, CapturePositionFile(s.game));
    if (read.status == PosFileStatus::Unreadable) return ShowFileFailure(s, IDS_OPEN_FAILED, *path, read.why);
    if (read.status == PosFileStatus::Invalid) {
        s.view.Ask(ResString(IDS_INVALID_POSITION_FILE), MB_OK, MB_ICONEXCLAMATION, HELP_FILES);
        return;
    }
    HideDice(s);
    ClearRuleNote(s);
    LoadPosition(s, *read.data);
    // The moves of the turn before belong to another position: Undo must not reach them.
    ClearTurnMoves(s);
    s.game.record.SetUpGame(s.game.position);
    ShowLoadedTurn(s, ProgramTitle() + " - " + std::filesystem::path(*path).filename().string());
    // Held until the wait ended, Open runs before the computer's turn that
    // the wait posted; the loaded turn is the human's all the same.
    s.view.FlushInput();
}
