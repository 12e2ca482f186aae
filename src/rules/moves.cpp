#include "rules/moves.h"

#include <algorithm>
#include <iterator>

#include "rules/whole_turn.h"

namespace {
int StepOf(const Position& p, int die) { return p.sideToMove == SIDE_COMPUTER ? -die : die; }

// Whether some play of die `first` leaves die `then` a location to play from.
bool PlayableAfter(const Position& p, int first, int then) {
    const int die = p.dice[first];
    for (int from = 0; from <= LOC_COMPUTER_BAR; ++from) {
        if (!IsLegalMove(p, from, die)) continue;
        Position after = p;
        ApplyMove(after, from, die);
        if (HighestLegalFrom(after, then) >= 0) return true;
    }
    return false;
}
}  // namespace

int TrayOf(const Position& p) { return p.sideToMove == SIDE_COMPUTER ? LOC_COMPUTER_OFF : LOC_HUMAN_OFF; }

bool AllHome(const Position& p) {
    if (p.sideToMove == SIDE_COMPUTER)
        return CountCheckers(p.board, 1, 6, SIDE_COMPUTER) + p[LOC_COMPUTER_OFF].count == CHECKERS_PER_SIDE;
    return CountCheckers(p.board, 19, 24, SIDE_HUMAN) + p[LOC_HUMAN_OFF].count == CHECKERS_PER_SIDE;
}

bool OvershootBlocked(const Position& p, int from, int step) {
    if (p.sideToMove == SIDE_COMPUTER) return from + step < 0 && CountCheckers(p.board, from + 1, 6, SIDE_COMPUTER) > 0;
    return from + step > 25 && CountCheckers(p.board, 19, from - 1, SIDE_HUMAN) > 0;
}

bool IsLegalStep(const Position& p, int from, int step) {
    const Checkers& source = p[from];
    if (source.owner != p.sideToMove) return false;
    const int target = from + step;
    if (IsPoint(target)) {
        const Checkers& dest = p[target];
        return source.count > 0 && (dest.owner == p.sideToMove || dest.count <= 1);
    }
    return AllHome(p) && !OvershootBlocked(p, from, step);
}

bool IsLegalMove(const Position& p, int from, int die) {
    if (p[BarOf(p.sideToMove)].count > 0 && from != BarOf(p.sideToMove)) return false;
    return IsLegalStep(p, from, StepOf(p, die));
}

int HighestLegalFrom(const Position& p, int dieIndex) {
    const int die = p.dice[dieIndex];
    for (int from = 25; from >= 0; --from)
        if (IsLegalMove(p, from, die)) return from;
    return -1;
}

bool NoMovePossible(const Position& p) {
    for (int i = 0; i < p.diceLeft; ++i)
        if (HighestLegalFrom(p, i) >= 0) return false;
    return true;
}

bool EntryOpen(const Position& p, int side) {
    const bool computer = side == SIDE_COMPUTER;
    if (p[BarOf(side)].count == 0) return true;
    for (int d = 1; d <= 6; ++d) {
        const Checkers& entry = p[computer ? 25 - d : d];
        if (entry.owner == side || entry.count < 2) return true;
    }
    return false;
}

void ApplyMove(Position& p, int from, int die) { ApplyStep(p, from, StepOf(p, die)); }

void ApplyStep(Position& p, int from, int step) {
    Checkers& source = p[from];
    if (--source.count == 0 && IsPoint(from)) source.owner = SIDE_NONE;

    int target = from + step;
    if (!IsPoint(target)) target = TrayOf(p);
    Checkers& dest = p[target];
    if (dest.count == 1 && dest.owner == p.Opponent())
        ++p[BarOf(p.Opponent())].count;
    else
        ++dest.count;
    if (dest.count == 1) dest.owner = p.sideToMove;
}

CheckerTransfer TransferChecker(Position& p, int from, int to) {
    Checkers& source = p[from];
    Checkers& dest = p[to];
    const int mover = source.owner;
    const bool hit = IsPoint(to) && dest.count == 1 && dest.owner != p.sideToMove;
    if (hit) {
        Checkers& bar = p[BarOf(p.Opponent())];
        bar.owner = dest.owner;
        ++bar.count;
        --dest.count;
    }
    if (--source.count == 0 && IsPoint(from)) source.owner = SIDE_NONE;
    dest.owner = mover;
    ++dest.count;
    return {from, to, hit};
}

CheckerTransfer MoveChecker(Position& p, int from, int to, bool undoing) {
    if (!IsPoint(to)) to = undoing ? LOC_HUMAN_BAR : TrayOf(p);
    return TransferChecker(p, from, to);
}

int BearOffDie(const Position& p, int from) {
    int exact = -1, over = -1;
    for (int i = 0; i < p.diceLeft; ++i) {
        const int target = from + p.dice[i];
        if (target == 25)
            exact = p.dice[i];
        else if (target > 25)
            over = p.dice[i];
    }
    const int die = exact >= 0 ? exact : over;
    // The checker leaves just the same with another die that bears it off,
    // and that one may be the die the rest of the turn needs it to use.
    if (die >= 0 && !HumanMayPlay(p, from, die))
        for (int i = 0; i < p.diceLeft; ++i)
            if (from + p.dice[i] >= 25 && HumanMayPlay(p, from, p.dice[i])) return p.dice[i];
    return die;
}

bool BothDicePossible(const Position& p) {
    if (p.sideToMove != SIDE_HUMAN || p.diceLeft != 2 || p.dice[0] == p.dice[1]) return false;
    for (int i = 0; i < 2; ++i)
        if (HighestLegalFrom(p, i) < 0 && PlayableAfter(p, 1 - i, i)) return true;
    return false;
}

int RefusedSmallerDie(const Position& p) {
    if (p.diceLeft != 2 || p.dice[0] == p.dice[1]) return -1;
    if (HighestLegalFrom(p, 0) < 0 || HighestLegalFrom(p, 1) < 0) return -1;
    if (PlayableAfter(p, 0, 1) || PlayableAfter(p, 1, 0)) return -1;
    return p.dice[0] < p.dice[1] ? 0 : 1;
}

void PruneUnplayableDice(Position& p) {
    if (const int smaller = RefusedSmallerDie(p); smaller >= 0) return p.RemoveDie(smaller);
    // The walk plays each die on a copy; only its dice list is kept.
    Position walk = p;
    int i = 0;
    while (i < walk.diceLeft) {
        const int from = HighestLegalFrom(walk, i);
        if (from >= 0) {
            ApplyMove(walk, from, walk.dice[i]);
            ++i;
        } else {
            walk.RemoveDie(i);
        }
    }
    std::copy(std::begin(walk.dice), std::end(walk.dice), p.dice);
    p.diceLeft = walk.diceLeft;
}
