#include "controller/play_commands.h"

#include <cstdio>
#include <cstdlib>

#include "computer/suggestion.h"
#include "controller/confirm_turn.h"
#include "controller/game_view.h"
#include "controller/location_letters.h"
#include "controller/move_entry.h"
#include "controller/narration.h"
#include "controller/new_game.h"
#include "controller/turn_cycle.h"
#include "controller/turn_moves.h"
#include "display/pip_band.h"
#include "interchange/game_record.h"
#include "platform/command_queue.h"
#include "platform/message_box.h"
#include "resources/command_ids.h"
#include "resources/help_topics.h"
#include "resources/strings.h"
#include "rules/board_snapshot.h"
#include "rules/position.h"
#include "rules/turn_state.h"
#include "settings/options.h"

void OnNewGame() {
    // Run inside the end-of-turn wait, the new game would lose its first turn
    // to the computer's turn that the wait posts as it ends.
    if (PutOffUntilWaitEnds(ID_FILE_NEW)) return;
    if (MessageBox(ResString(IDS_START_NEW_GAME), MB_YESNO, MB_ICONQUESTION, HELP_COMMANDS) == IDYES) NewGame();
}

int PlayForHuman(int from, int to) {
    g_curMove->from = static_cast<uint8_t>(from);
    g_curMove->to = static_cast<uint8_t>(to);
    AppendToLastLine(std::string(1, LocationLetter(from)) + ResText(IDS_TO) + LocationLetter(to));
    FlushInput();
    return PlayMove(from, to);
}

void OnSuggestMove() {
    if (g_sideToMove != SIDE_HUMAN || g_awaitingConfirm != 0 || g_diceLeft == 0) return;
    SuggestedMove moves[MAX_DICE];
    const int n = SuggestHumanMove(moves, LevelOfPlay);
    for (int i = 0; i < n; ++i) {
        if (PlayForHuman(moves[i].from, moves[i].to) == 0) return;
    }
}

void OnSwitchSides() {
    const BoardSnapshot before;
    for (int i = 0; i < NUM_LOCATIONS; ++i) {
        CLocation& loc = *g_board[MirrorLocation(i)];
        while (loc.count > 0) loc.RemoveChecker();
        if (before[i].owner != SIDE_NONE) loc.owner = MirrorSide(before[i].owner);
        while (loc.count < before[i].count) loc.AddChecker();
    }
    RecordSidesSwitched();
    // The counts follow arrivals; a location emptied after the last one left them stale.
    FollowPipCounts();
    PromptMove(1);
}

void OnRedraw() { View().RedrawAll(); }

void OnShowProgress() {
    const int lead = RaceLead(SIDE_HUMAN);
    if (lead == 0) return ShowNote(ResText(IDS_EQUAL));
    char text[64];
    std::snprintf(text, sizeof text, ResText(lead > 0 ? IDS_YOU_LEAD : IDS_COMPUTER_LEADS), std::abs(lead));
    ShowNote(text);
}
