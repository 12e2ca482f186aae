#include "shell/command_handlers.h"

#include <map>

#include "controller/game_commands.h"
#include "dialogs/about_dialog.h"
#include "resources/command_ids.h"
#include "shell/board_size.h"
#include "shell/game_wnd.h"
#include "shell/window_dialogs.h"

namespace {
// Refused, as the close box is, during the end-of-turn wait.
void OnExit(GameWnd& window) { window.close(); }

void OnAboutCommand(GameWnd&) { OnAbout(); }

template <int Percent>
void ChooseSize(GameWnd& window) {
    ChooseBoardSize(window.GameSession(), Percent, window.Scale().inEffect);
}

const std::map<int, void (*)(GameWnd&)> kWindowCommands = {
    {ID_APP_EXIT, OnExit},
    {ID_BOARD_SIZE_100, ChooseSize<100>},
    {ID_BOARD_SIZE_125, ChooseSize<125>},
    {ID_BOARD_SIZE_150, ChooseSize<150>},
    {ID_BOARD_SIZE_200, ChooseSize<200>},
    {ID_APP_ABOUT, OnAboutCommand},
};

// The commands of the window's own dialogs, which remember things between openings.
const std::map<int, void (WindowDialogs::*)()> kDialogCommands = {
    {ID_SETTINGS, &WindowDialogs::Settings},
    {ID_COLORS, &WindowDialogs::Colors},
    {ID_HELP, &WindowDialogs::Help},
};
}  // namespace

CommandHandler HandlerOf(int id, GameWnd& window) {
    if (auto it = kDialogCommands.find(id); it != kDialogCommands.end())
        return [&window, command = it->second] { (window.Dialogs().*command)(); };
    if (auto it = kWindowCommands.find(id); it != kWindowCommands.end())
        return [&window, command = it->second] { command(window); };
    return [&window, id] { RunGameCommand(window.GameSession(), id); };
}
