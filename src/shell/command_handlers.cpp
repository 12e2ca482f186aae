#include "shell/command_handlers.h"

#include <QWidget>
#include <map>

#include "controller/cube_commands.h"
#include "controller/export_games.h"
#include "controller/file_failure.h"
#include "controller/finish_game.h"
#include "controller/play_commands.h"
#include "controller/position_commands.h"
#include "controller/position_text_commands.h"
#include "controller/turn_cycle.h"
#include "controller/undo.h"
#include "dialogs/about_dialog.h"
#include "game/game.h"
#include "platform/main_window.h"
#include "platform/message_box.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "resources/help_topics.h"
#include "resources/strings.h"
#include "settings/options.h"
#include "shell/board_size.h"
#include "shell/window_dialogs.h"

namespace {
// A command id without a handler of its own does nothing.
void NoHandler() {}

// Refused, as the close box is, during the end-of-turn wait.
void OnExit() {
    if (QWidget* window = MainWindow()) window->close();
}

void ResetScores() {
    if (MessageBox(ResString(IDS_RESET_SCORES), MB_YESNO, MB_ICONQUESTION, HELP_COMMANDS) != IDYES) return;
    ShowSaveFailure({{g_profile.Path(), ClearTotalScores(g_game.totalScore)}});
}

const std::map<int, void (*)()> kHandlers = {
    {ID_FILE_NEW, OnNewGame},
    {ID_FILE_OPEN, OpenPositionFile},
    {ID_FILE_SAVE, SavePositionFile},
    {ID_FILE_EXPORT, ExportGames},
    {ID_EDIT_COPY, CopyPosition},
    {ID_EDIT_PASTE, PastePosition},
    {ID_RESET_SCORES, ResetScores},
    {ID_APP_EXIT, OnExit},
    {ID_SHOW_PROGRESS, OnShowProgress},
    {ID_UNDO, OnUndo},
    {ID_DOUBLE, CubeDecisions},
    {ID_PASS, OnPass},
    {ID_RESIGN, ResignCommand},
    {ID_SUGGEST_MOVE, OnSuggestMove},
    {ID_SWITCH_SIDES, OnSwitchSides},
    {ID_FINISH_GAME, FinishGame},
    {ID_REDRAW, OnRedraw},
    {ID_BOARD_SIZE_100, [] { ChooseBoardSize(100); }},
    {ID_BOARD_SIZE_125, [] { ChooseBoardSize(125); }},
    {ID_BOARD_SIZE_150, [] { ChooseBoardSize(150); }},
    {ID_BOARD_SIZE_200, [] { ChooseBoardSize(200); }},
    {ID_APP_ABOUT, OnAbout},
    {ID_COMPUTER_TURN, OnComputerTurn},
    {ID_AUTO_FORCED, PlayForcedMoves},
};

// The commands of the window's own dialogs, which remember things between openings.
const std::map<int, void (WindowDialogs::*)()> kDialogCommands = {
    {ID_SETTINGS, &WindowDialogs::Settings},
    {ID_COLORS, &WindowDialogs::Colors},
    {ID_HELP, &WindowDialogs::Help},
};

std::map<int, CommandHandler> g_overrides;
}  // namespace

CommandHandler HandlerOf(int id, WindowDialogs& dialogs) {
    if (auto it = g_overrides.find(id); it != g_overrides.end()) return it->second;
    if (auto it = kDialogCommands.find(id); it != kDialogCommands.end())
        return [&dialogs, command = it->second] { (dialogs.*command)(); };
    auto it = kHandlers.find(id);
    return it != kHandlers.end() ? it->second : NoHandler;
}

void SetCommandHandler(int id, CommandHandler handler) {
    if (handler)
        g_overrides[id] = handler;
    else
        g_overrides.erase(id);
}
