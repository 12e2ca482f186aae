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
#include "controller/session.h"
#include "controller/turn_cycle.h"
#include "controller/turn_moves.h"
#include "controller/undo.h"
#include "display/geometry.h"
#include "display/pause.h"
#include "game/game.h"
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
std::string PromptLine(Session& s) {
    char text[32];
    std::snprintf(text, sizeof text, "%d%s ", s.game.moveOrdinal, ResString(IDS_ORDINAL_BASE + s.game.moveOrdinal));
    return std::string(text) + ResString(IDS_FROM);
}

// A human checker on the bar must enter before any other moves.
bool AcceptableFrom(Session& s, int from) {
    return (s.game.position[LOC_HUMAN_BAR].count == 0 || from == LOC_HUMAN_BAR) &&
           s.game.position[from].owner == s.game.position.sideToMove && s.game.position[from].count >= 1;
}

// Why a legal move was not played: it would leave the turn fewer dice than
// it can use, or it is the smaller of two dice of which only one plays.
void ShowRefusalNote(Session& s) {
    const int smaller = RefusedSmallerDie(s.game.position);
    if (smaller < 0)
        return ShowRuleNote(
            s, ResText(s.game.position.dice[0] == s.game.position.dice[1] ? IDS_USE_MOST_DICE : IDS_USE_BOTH_DICE));
    char text[64];
    std::snprintf(text, sizeof text, ResText(IDS_LARGER_DIE), s.game.position.dice[1 - smaller]);
    ShowRuleNote(s, text);
}

void PointAtLocation(Session& s, int loc) {
    const Rect r = s.view.Geometry().GeometryOf(loc).rect;
    OnMouseMove(s, r.left, r.top);
}

// Takes the from-location; false when the move goes on without a target yet.
bool ChooseFrom(Session& s, int letter) {
    AppendToLastLine(s, ResString(IDS_TO));
    const int from = LetterLocation(letter);
    CurrentMove(s).from = static_cast<uint8_t>(from);
    if (!AcceptableFrom(s, from)) {
        if (s.game.position[LOC_HUMAN_BAR].count > 0) {
            ShowNote(s, ResString(IDS_BAR_FIRST));
            // The bar checker stirs in place to show where the move must start.
            s.view.ShowCheckerTransfer(LOC_HUMAN_BAR, LOC_HUMAN_BAR, SIDE_HUMAN, false);
        }
        PromptMove(s, 1);
        return false;
    }
    CurrentMove(s).to = static_cast<uint8_t>(AutoTarget(s, from));
    if (CurrentMove(s).to == NO_LOCATION) {
        ShowStatus(s, IDS_PROMPT_TO);
        return false;
    }
    AppendToLastLine(s, std::string(1, LocationLetter(CurrentMove(s).to)));
    return true;
}

// Plays the move entered, or drops it; false when the game is over.
bool PlayEnteredMove(Session& s) {
    const int from = CurrentMove(s).from;
    // A bar, a tray or the key 0 as the target bears off.
    if (CurrentMove(s).to == 0 || CurrentMove(s).to >= 25)
        CurrentMove(s).to = static_cast<uint8_t>(from + BearOffDie(s.game.position, from));
    const int die = CurrentMove(s).to - from;
    if (s.game.position.FindDie(die) >= 0 && IsLegalMove(s.game.position, from, die)) {
        if (HumanMayPlay(s.game.position, from, die)) return PlayMove(s, from, CurrentMove(s).to) != 0;
        ShowRefusalNote(s);
    }
    PromptMove(s, 1);
    return true;
}
}  // namespace

void PromptMove(Session& s, int reset) {
    if (reset == 1) {
        ShowTargets(s, CurrentMove(s).from, 0);
        Pause(s.game, kDropPauseMs);
        DeleteLastLine(s);
    }
    DrawProgressBar(s);
    if (s.game.position.sideToMove != SIDE_HUMAN) return;
    s.view.EnableCube(CanDouble(s));
    ShowStatus(s, NoMovePossible(s.game.position) ? IDS_CANNOT_MOVE : IDS_PROMPT_FROM);
    AddListLine(s, PromptLine(s));
    CurrentMove(s).from = CurrentMove(s).to = NO_LOCATION;
    if (s.game.moveOrdinal == 1) s.game.mustUseBoth = BothDicePossible(s.game.position) ? 1 : 0;
    s.view.PostCommand(ID_AUTO_FORCED);
    StartClock(s, SIDE_HUMAN);
}

void EnterLocation(Session& s, int letter, int, int flags) {
    ShowNote(s, "");
    if (s.game.awaitingConfirm == 1 || s.view.KeyIsDown(VK_CONTROL) || !IsLocationLetter(letter)) return;
    // Moves are entered only while the human has dice to play.
    if (s.game.position.sideToMove != SIDE_HUMAN || s.game.position.diceLeft == 0) return;
    AppendToLastLine(s, std::string(1, static_cast<char>(letter)));
    if (flags != 0) PointAtLocation(s, LetterLocation(letter));
    if (CurrentMove(s).from == NO_LOCATION) {
        if (!ChooseFrom(s, letter)) return;
    } else {
        CurrentMove(s).to = static_cast<uint8_t>(LetterLocation(letter));
    }
    PlayEnteredMove(s);
}

int AutoTarget(Session& s, int from) {
    if (s.game.position.diceLeft == 1 || s.game.position.dice[0] == s.game.position.dice[1])
        return from + s.game.position.dice[0];
    if (s.game.race == 1 && AllHome(s.game.position)) {
        const int d = BearOffDie(s.game.position, from);
        if (d >= 0 && from + d >= 25) return from + d;
    }
    if (s.game.options.intelMoves == 1)
        for (int i = 0; i < s.game.position.diceLeft; ++i)
            if (!HumanMayPlay(s.game.position, from, s.game.position.dice[i]))
                return from + s.game.position.dice[std::abs(i - 1)];
    return NO_LOCATION;
}

void OnLocationClicked(Session& s, int loc) {
    if (s.game.awaitingRoll)
        OnRollChosen(s);
    else if (loc >= 0)
        EnterLocation(s, LocationLetter(loc), 1, 0);
    else if (NoMovePossible(s.game.position))
        OnPass(s);
}

void OnRButtonDown(Session& s, int, int) { OnUndo(s); }
