#include "moves.h"

#include "board_snapshot.h"
#include "position.h"
#include "whole_turn.h"

int g_undoing = 0;

namespace {
int StepOf(int die) { return g_sideToMove == SIDE_COMPUTER ? -die : die; }

// Whether some play of die `first` leaves die `then` a location to play from.
bool PlayableAfter(int first, int then) {
    const int die = g_dice[first];
    for (int from = 0; from <= LOC_COMPUTER_BAR; ++from) {
        if (!IsLegalMove(from, die)) continue;
        BoardSnapshot snapshot;
        ApplyMove(from, die);
        const bool playable = HighestLegalFrom(then) >= 0;
        snapshot.Restore();
        if (playable) return true;
    }
    return false;
}
}  // namespace

int TrayOf() { return g_sideToMove == SIDE_COMPUTER ? LOC_COMPUTER_OFF : LOC_HUMAN_OFF; }

bool AllHome() {
    if (g_sideToMove == SIDE_COMPUTER)
        return CountCheckers(1, 6, g_board, SIDE_COMPUTER) + g_board[LOC_COMPUTER_OFF]->count == CHECKERS_PER_SIDE;
    return CountCheckers(19, 24, g_board, SIDE_HUMAN) + g_board[LOC_HUMAN_OFF]->count == CHECKERS_PER_SIDE;
}

bool OvershootBlocked(int from, int step) {
    if (g_sideToMove == SIDE_COMPUTER) return from + step < 0 && CountCheckers(from + 1, 6, g_board, SIDE_COMPUTER) > 0;
    return from + step > 25 && CountCheckers(19, from - 1, g_board, SIDE_HUMAN) > 0;
}

bool IsLegalStep(int from, int step) {
    const CLocation* source = g_board[from];
    if (source->owner != g_sideToMove) return false;
    const int target = from + step;
    if (IsPoint(target)) {
        const CLocation* dest = g_board[target];
        return source->count > 0 && (dest->owner == g_sideToMove || dest->count <= 1);
    }
    return AllHome() && !OvershootBlocked(from, step);
}

bool IsLegalMove(int from, int die) {
    const int bar = g_sideToMove == SIDE_COMPUTER ? LOC_COMPUTER_BAR : LOC_HUMAN_BAR;
    if (g_board[bar]->count > 0 && from != bar) return false;
    return IsLegalStep(from, StepOf(die));
}

int HighestLegalFrom(int dieIndex) {
    const int die = g_dice[dieIndex];
    for (int from = 25; from >= 0; --from)
        if (IsLegalMove(from, die)) return from;
    return -1;
}

bool NoMovePossible() {
    for (int i = 0; i < g_diceLeft; ++i)
        if (HighestLegalFrom(i) >= 0) return false;
    return true;
}

bool EntryOpen(int side) {
    const bool computer = side == SIDE_COMPUTER;
    if (g_board[computer ? LOC_COMPUTER_BAR : LOC_HUMAN_BAR]->count == 0) return true;
    for (int d = 1; d <= 6; ++d) {
        const CLocation* entry = g_board[computer ? 25 - d : d];
        if (entry->owner == side || entry->count < 2) return true;
    }
    return false;
}

void ApplyMove(int from, int die) { ApplyStep(from, StepOf(die)); }

void ApplyStep(int from, int step) {
    CLocation* source = g_board[from];
    if (--source->count == 0 && IsPoint(from)) source->owner = SIDE_NONE;

    int target = from + step;
    if (!IsPoint(target)) target = TrayOf();
    CLocation* dest = g_board[target];
    if (dest->count == 1 && dest->owner == Opponent())
        ++g_board[g_sideToMove == SIDE_COMPUTER ? LOC_HUMAN_BAR : LOC_COMPUTER_BAR]->count;
    else
        ++dest->count;
    if (dest->count == 1) dest->owner = g_sideToMove;
}

void MoveChecker(int from, int to) {
    if (!IsPoint(to)) to = g_undoing ? LOC_HUMAN_BAR : TrayOf();
    g_board[from]->TransferChecker(to);
    g_race = NoContact();
}

int BearOffDie(int from) {
    int exact = -1, over = -1;
    for (int i = 0; i < g_diceLeft; ++i) {
        const int target = from + g_dice[i];
        if (target == 25)
            exact = g_dice[i];
        else if (target > 25)
            over = g_dice[i];
    }
    const int die = exact >= 0 ? exact : over;
    // The checker leaves just the same with another die that bears it off,
    // and that one may be the die the rest of the turn needs it to use.
    if (die >= 0 && !HumanMayPlay(from, die))
        for (int i = 0; i < g_diceLeft; ++i)
            if (from + g_dice[i] >= 25 && HumanMayPlay(from, g_dice[i])) return g_dice[i];
    return die;
}

bool BothDicePossible() {
    if (g_sideToMove != SIDE_HUMAN || g_diceLeft != 2 || g_dice[0] == g_dice[1]) return false;
    for (int i = 0; i < 2; ++i)
        if (HighestLegalFrom(i) < 0 && PlayableAfter(1 - i, i)) return true;
    return false;
}

int RefusedSmallerDie() {
    if (g_diceLeft != 2 || g_dice[0] == g_dice[1]) return -1;
    if (HighestLegalFrom(0) < 0 || HighestLegalFrom(1) < 0) return -1;
    if (PlayableAfter(0, 1) || PlayableAfter(1, 0)) return -1;
    return g_dice[0] < g_dice[1] ? 0 : 1;
}

void PruneUnplayableDice() {
    if (const int smaller = RefusedSmallerDie(); smaller >= 0) return RemoveDie(smaller);
    BoardSnapshot snapshot;
    int i = 0;
    while (i < g_diceLeft) {
        const int from = HighestLegalFrom(i);
        if (from >= 0) {
            ApplyMove(from, g_dice[i]);
            ++i;
        } else {
            RemoveDie(i);
        }
    }
    snapshot.Restore();
}
