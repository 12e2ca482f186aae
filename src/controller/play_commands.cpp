#include "controller/play_commands.h"

#include <cstdio>
#include <cstdlib>

#include "computer/computer_player.h"
#include "computer/suggestion.h"
#include "controller/confirm_turn.h"
#include "controller/game_view.h"
#include "controller/live_board.h"
#include "controller/location_letters.h"
#include "controller/move_entry.h"
#include "controller/narration.h"
#include "controller/new_game.h"
#include "controller/session.h"
#include "controller/turn_cycle.h"
#include "controller/turn_moves.h"
#include "game/game.h"
#include "interchange/game_record.h"
#include "platform/message_box_kinds.h"
#include "resources/command_ids.h"
#include "resources/help_topics.h"
#include "resources/strings.h"
#include "rules/position.h"
#include "settings/options.h"

void OnNewGame(Session& s) {
    // Run inside the end-of-turn wait, the new game would lose its first turn
    // to the computer's turn that the wait posts as it ends.
    if (PutOffUntilWaitEnds(s, ID_FILE_NEW)) return;
    if (s.view.Ask(ResString(IDS_START_NEW_GAME), MB_YESNO, MB_ICONQUESTION, HELP_COMMANDS) == IDYES) NewGame(s);
}

int PlayForHuman(Session& s, int from, int to) {
    CurrentMove(s).from = static_cast<uint8_t>(from);
    CurrentMove(s).to = static_cast<uint8_t>(to);
    AppendToLastLine(s, std::string(1, LocationLetter(from)) + ResText(IDS_TO) + LocationLetter(to));
    s.view.FlushInput();
    return PlayMove(s, from, to);
}

void OnSuggestMove(Session& s) {
    if (s.game.position.sideToMove != SIDE_HUMAN || s.game.awaitingConfirm != 0 || s.game.position.diceLeft == 0)
        return;
    SuggestedMove moves[MAX_DICE];
    const int n = SuggestHumanMove(s.game.position, s.game.race != 0, AdviserFor(s.game.options.levelOfPlay), moves);
    for (int i = 0; i < n; ++i) {
        if (PlayForHuman(s, moves[i].from, moves[i].to) == 0) return;
    }
}

void OnSwitchSides(Session& s) {
    const Board before = s.game.position.board;
    for (int i = 0; i < NUM_LOCATIONS; ++i) {
        const int loc = MirrorLocation(i);
        SetLocation(s, loc, {before[i].count, MirrorSide(before[i].owner)});
    }
    s.game.record.SidesSwitched();
    // The counts follow arrivals; a location emptied after the last one left them stale.
    s.view.FollowPipCounts();
    PromptMove(s, 1);
}

void OnRedraw(Session& s) { s.view.RedrawAll(); }

void OnShowProgress(Session& s) {
    const int lead = RaceLead(s.game.position.board, SIDE_HUMAN);
    if (lead == 0) return ShowNote(s, ResText(IDS_EQUAL));
    char text[64];
    std::snprintf(text, sizeof text, ResText(lead > 0 ? IDS_YOU_LEAD : IDS_COMPUTER_LEADS), std::abs(lead));
    ShowNote(s, text);
}
