#include "controller/game_commands.h"

#include <map>

#include "controller/coach_commands.h"
#include "controller/cube_commands.h"
#include "controller/export_games.h"
#include "controller/file_failure.h"
#include "controller/finish_game.h"
#include "controller/match_play.h"
#include "controller/play_commands.h"
#include "controller/position_commands.h"
#include "controller/position_text_commands.h"
#include "controller/review_games.h"
#include "controller/session.h"
#include "controller/turn_cycle.h"
#include "controller/undo.h"
#include "platform/message_box_kinds.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "resources/help_topics.h"
#include "resources/strings.h"
#include "settings/options.h"

namespace {
void ResetScores(Session& s) {
    if (s.view.Ask(ResString(IDS_RESET_SCORES), MB_YESNO, MB_ICONQUESTION, HELP_COMMANDS) != IDYES) return;
    ShowSaveFailure(s, {{g_profile.Path(), ClearTotalScores(s.game.totalScore)}});
}

const std::map<int, void (*)(Session&)> kCommands = {
    {ID_FILE_NEW, OnNewGame},
    {ID_FILE_NEW_MATCH, NewMatchCommand},
    {ID_FILE_OPEN, OpenPositionFile},
    {ID_FILE_SAVE, SavePositionFile},
    {ID_FILE_EXPORT, ExportGames},
    {ID_EDIT_COPY, CopyPosition},
    {ID_EDIT_PASTE, PastePosition},
    {ID_RESET_SCORES, ResetScores},
    {ID_SHOW_PROGRESS, OnShowProgress},
    {ID_UNDO, OnUndo},
    {ID_DOUBLE, CubeDecisions},
    {ID_PASS, OnPass},
    {ID_RESIGN, ResignCommand},
    {ID_SUGGEST_MOVE, OnSuggestMove},
    {ID_HINT, OnHint},
    {ID_REVIEW, OnReviewGames},
    {ID_SWITCH_SIDES, OnSwitchSides},
    {ID_FINISH_GAME, FinishGame},
    {ID_REDRAW, OnRedraw},
    {ID_COMPUTER_TURN, OnComputerTurn},
    {ID_AUTO_FORCED, PlayForcedMoves},
};
}  // namespace

bool RunGameCommand(Session& s, int id) {
    const auto it = kCommands.find(id);
    if (it == kCommands.end()) return false;
    it->second(s);
    return true;
}

void OnCommandRefused(Session& s, int id) {
    if (id == ID_DOUBLE) SayWhyNoDouble(s);
}
