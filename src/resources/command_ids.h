// Command ids of the main window: menu items, accelerators, the cube button
// and the commands the controller posts to itself. The string table holds
// each menu command's status-bar prompt under the same id.
#pragma once

enum CommandId : int {
    ID_FILE_NEW = 57600,
    ID_FILE_NEW_MATCH = 32782,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_EXPORT = 32781,
    ID_EDIT_COPY = 57634,
    ID_EDIT_PASTE = 57637,
    ID_SETTINGS = 229,
    ID_RESET_SCORES = 226,
    ID_APP_EXIT = 205,
    ID_SHOW_PROGRESS = 209,
    ID_UNDO = 216,
    ID_DOUBLE = 227,  // also the cube button's control id
    ID_PASS = 218,
    ID_RESIGN = 32774,
    ID_SUGGEST_MOVE = 32773,
    ID_HINT = 32783,
    ID_REVIEW = 32784,
    ID_SWITCH_SIDES = 32771,
    ID_FINISH_GAME = 32772,
    ID_COLORS = 32770,
    ID_REDRAW = 32769,
    // The "Board size" choices of the Screen menu.
    ID_BOARD_SIZE_100 = 32777,
    ID_BOARD_SIZE_125 = 32778,
    ID_BOARD_SIZE_150 = 32779,
    ID_BOARD_SIZE_200 = 32780,
    ID_HELP = 57670,
    ID_APP_ABOUT = 57664,

    // Posted by the controller, never shown in a menu.
    ID_COMPUTER_TURN = 32775,
    ID_AUTO_FORCED = 32776,
};

// The only timer of the main window (the blinking input mark).
inline constexpr int ID_BLINK_TIMER = 219;
inline constexpr int BLINK_INTERVAL_MS = 400;
