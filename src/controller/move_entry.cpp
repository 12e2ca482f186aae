#include "controller/move_entry.h"

#include <cstdio>
#include <cstdlib>

#include "controller/clocks.h"
#include "controller/enable_rules.h"
#include "controller/game_view.h"
#include "controller/highlight.h"
#include "controller/location_letters.h"
#include "controller/narration.h"
#include "controller/progress_bar.h"
#include "controller/turn_cycle.h"
#include "controller/turn_moves.h"
#include "controller/undo.h"
#include "display/board_display.h"
#include "display/geometry.h"
#include "display/pause.h"
#include "game/game.h"
#include "platform/key_state.h"
#include "platform/virtual_keys.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "rules/moves.h"
#include "rules/position.h"
#include "rules/whole_turn.h"
#include "settings/options.h"

namespace {
// The pause that lets the human see a dropped move before it goes.
constexpr int kDropPauseMs = 200;

// "1st  from  ", "2nd from  ", ...
std::string PromptLine() {
    char text[32];
    std::snprintf(text, sizeof text, "%d%s ", g_game.moveOrdinal, ResString(IDS_ORDINAL_BASE + g_game.moveOrdinal));
    return std::string(text) + ResString(IDS_FROM);
}

// A human checker on the bar must enter before any other moves.
bool AcceptableFrom(int from) {
    return (g_game.position[LOC_HUMAN_BAR].count == 0 || from == LOC_HUMAN_BAR) &&
           g_game.position[from].owner == g_game.position.sideToMove && g_game.position[from].count >= 1;
}

// Why a legal move was not played: it would leave the turn fewer dice than
// it can use, or it is the smaller of two dice of which only one plays.
void ShowRefusalNote() {
    const int smaller = RefusedSmallerDie(g_game.position);
    if (smaller < 0)
        return ShowRuleNote(
            ResText(g_game.position.dice[0] == g_game.position.dice[1] ? IDS_USE_MOST_DICE : IDS_USE_BOTH_DICE));
    char text[64];
    std::snprintf(text, sizeof text, ResText(IDS_LARGER_DIE), g_game.position.dice[1 - smaller]);
    ShowRuleNote(text);
}

void PointAtLocation(int loc) {
    const Rect r = GeometryOf(loc).rect;
    OnMouseMove(r.left, r.top);
}

// Takes the from-location; false when the move goes on without a target yet.
bool ChooseFrom(int letter) {
    AppendToLastLine(ResString(IDS_TO));
    const int from = LetterLocation(letter);
    CurrentMove().from = static_cast<uint8_t>(from);
    if (!AcceptableFrom(from)) {
        if (g_game.position[LOC_HUMAN_BAR].count > 0) {
            ShowNote(ResString(IDS_BAR_FIRST));
            // The bar checker stirs in place to show where the move must start.
            ShowCheckerTransfer(LOC_HUMAN_BAR, LOC_HUMAN_BAR, SIDE_HUMAN);
        }
        PromptMove(1);
        return false;
    }
    CurrentMove().to = static_cast<uint8_t>(AutoTarget(from));
    if (CurrentMove().to == NO_LOCATION) {
        ShowStatus(IDS_PROMPT_TO);
        return false;
    }
    AppendToLastLine(std::string(1, LocationLetter(CurrentMove().to)));
    return true;
}

// Plays the move entered, or drops it; false when the game is over.
bool PlayEnteredMove() {
    const int from = CurrentMove().from;
    // A bar, a tray or the key 0 as the target bears off.
    if (CurrentMove().to == 0 || CurrentMove().to >= 25)
        CurrentMove().to = static_cast<uint8_t>(from + BearOffDie(g_game.position, from));
    const int die = CurrentMove().to - from;
    if (g_game.position.FindDie(die) >= 0 && IsLegalMove(g_game.position, from, die)) {
        if (HumanMayPlay(g_game.position, from, die)) return PlayMove(from, CurrentMove().to) != 0;
        ShowRefusalNote();
    }
    PromptMove(1);
    return true;
}
}  // namespace

void PromptMove(int reset) {
    if (reset == 1) {
        ShowTargets(CurrentMove().from, 0);
        Pause(kDropPauseMs);
        DeleteLastLine();
    }
    DrawProgressBar();
    if (g_game.position.sideToMove != SIDE_HUMAN) return;
    View().EnableCube(CanDouble());
    ShowStatus(NoMovePossible(g_game.position) ? IDS_CANNOT_MOVE : IDS_PROMPT_FROM);
    AddListLine(PromptLine());
    CurrentMove().from = CurrentMove().to = NO_LOCATION;
    if (g_game.moveOrdinal == 1) g_game.mustUseBoth = BothDicePossible(g_game.position) ? 1 : 0;
    View().PostCommand(ID_AUTO_FORCED);
    StartClock(SIDE_HUMAN);
}

void EnterLocation(int letter, int, int flags) {
    ShowNote("");
    if (g_game.awaitingConfirm == 1 || KeyIsDown(VK_CONTROL) || !IsLocationLetter(letter)) return;
    // Moves are entered only while the human has dice to play.
    if (g_game.position.sideToMove != SIDE_HUMAN || g_game.position.diceLeft == 0) return;
    AppendToLastLine(std::string(1, static_cast<char>(letter)));
    if (flags != 0) PointAtLocation(LetterLocation(letter));
    if (CurrentMove().from == NO_LOCATION) {
        if (!ChooseFrom(letter)) return;
    } else {
        CurrentMove().to = static_cast<uint8_t>(LetterLocation(letter));
    }
    PlayEnteredMove();
}

int AutoTarget(int from) {
    if (g_game.position.diceLeft == 1 || g_game.position.dice[0] == g_game.position.dice[1])
        return from + g_game.position.dice[0];
    if (g_game.race == 1 && AllHome(g_game.position)) {
        const int d = BearOffDie(g_game.position, from);
        if (d >= 0 && from + d >= 25) return from + d;
    }
    if (g_game.options.intelMoves == 1)
        for (int i = 0; i < g_game.position.diceLeft; ++i)
            if (!HumanMayPlay(g_game.position, from, g_game.position.dice[i]))
                return from + g_game.position.dice[std::abs(i - 1)];
    return NO_LOCATION;
}

void OnLButtonUp(int x, int y) {
    const int n = LocationAt(x, y);
    if (n >= 0)
        EnterLocation(LocationLetter(n), 1, 0);
    else if (NoMovePossible(g_game.position))
        OnPass();
}

void OnRButtonDown(int, int) { OnUndo(); }
