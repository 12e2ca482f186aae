#include "resources/commands.h"

#include "resources/command_ids.h"

namespace {

constexpr CommandInfo kCommands[] = {
    {ID_FILE_NEW, true},       {ID_FILE_OPEN, true},      {ID_FILE_SAVE, true},      {ID_FILE_EXPORT, true},
    {ID_EDIT_COPY, true},      {ID_EDIT_PASTE, true},     {ID_SETTINGS, true},       {ID_RESET_SCORES, true},
    {ID_APP_EXIT, true},       {ID_SHOW_PROGRESS, true},  {ID_UNDO, true},           {ID_DOUBLE, true},
    {ID_PASS, true},           {ID_RESIGN, true},         {ID_SUGGEST_MOVE, true},   {ID_SWITCH_SIDES, true},
    {ID_FINISH_GAME, true},    {ID_COLORS, true},         {ID_REDRAW, true},         {ID_BOARD_SIZE_100, true},
    {ID_BOARD_SIZE_125, true}, {ID_BOARD_SIZE_150, true}, {ID_BOARD_SIZE_200, true}, {ID_HELP, true},
    {ID_APP_ABOUT, true},      {ID_COMPUTER_TURN, false}, {ID_AUTO_FORCED, false},   {ID_FILE_NEW_MATCH, true},
    {ID_HINT, true},           {ID_REVIEW, true},
};

}  // namespace

std::span<const CommandInfo> CommandTable() { return kCommands; }
