#include "resources/menu.h"

#include "resources/command_ids.h"

namespace {

constexpr MenuItem kSeparator{nullptr, 0};

constexpr MenuItem kFile[] = {
    {"&New game\tCtrl+N", ID_FILE_NEW},
    {"New &match", ID_FILE_NEW_MATCH},
    kSeparator,
    {"&Open\tCtrl+O", ID_FILE_OPEN},
    {"&Save\tCtrl+S", ID_FILE_SAVE},
    {"Expor&t games...", ID_FILE_EXPORT},
    kSeparator,
    {"S&ettings...\tCtrl+E", ID_SETTINGS},
    kSeparator,
    {"&Reset scores", ID_RESET_SCORES},
    kSeparator,
    {"E&xit", ID_APP_EXIT},
};

constexpr MenuItem kEdit[] = {
    {"&Copy position\tCtrl+Shift+C", ID_EDIT_COPY},
    {"&Paste position\tCtrl+V", ID_EDIT_PASTE},
};

constexpr MenuItem kAction[] = {
    {"&Show progress\t?", ID_SHOW_PROGRESS},
    {"&Undo\tEsc", ID_UNDO},
    {"&Double\tCtrl+D", ID_DOUBLE},
    {"&Pass\tSpace", ID_PASS},
    {"&Resign\tCtrl+Space", ID_RESIGN},
    kSeparator,
    {"Suggest &move\tCtrl+M", ID_SUGGEST_MOVE},
    {"&Hint\tCtrl+H", ID_HINT},
    {"Re&view games...", ID_REVIEW},
    kSeparator,
    {"S&witch sides\tCtrl+W", ID_SWITCH_SIDES},
    {"&Finish game\tCtrl+F", ID_FINISH_GAME},
};

constexpr MenuItem kBoardSize[] = {
    {"&100 %", ID_BOARD_SIZE_100, {}, true},
    {"12&5 %", ID_BOARD_SIZE_125, {}, true},
    {"15&0 %", ID_BOARD_SIZE_150, {}, true},
    {"&200 %", ID_BOARD_SIZE_200, {}, true},
};

constexpr MenuItem kScreen[] = {
    {"&Colors...\tCtrl+C", ID_COLORS},
    {"&Redraw\tCtrl+R", ID_REDRAW},
    kSeparator,
    {"&Board size", 0, kBoardSize},
};

constexpr MenuItem kHelp[] = {
    {"&Help\tF1", ID_HELP},
    {"&About", ID_APP_ABOUT},
};

constexpr MenuPopup kMenu[] = {
    {"&File", kFile}, {"&Edit", kEdit}, {"&Action", kAction}, {"&Screen", kScreen}, {"&Help", kHelp},
};

}  // namespace

std::span<const MenuPopup> MainMenu() { return kMenu; }
