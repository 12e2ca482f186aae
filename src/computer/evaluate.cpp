#include "computer/evaluate.h"

#include <algorithm>

#include "rules/moves.h"

const BoardSnapshot* g_refBoard = nullptr;

namespace {
bool Made(int p, int side) { return g_board[p]->owner == side && g_board[p]->count >= 2; }
bool MadeBefore(int p) { return (*g_refBoard)[p].owner == SIDE_COMPUTER && (*g_refBoard)[p].count >= 2; }
int ComputerNow(int p) { return g_board[p]->owner == SIDE_COMPUTER ? g_board[p]->count : 0; }
int ComputerBefore(int p) { return (*g_refBoard)[p].owner == SIDE_COMPUTER ? (*g_refBoard)[p].count : 0; }
int Flag(bool condition) { return condition ? 1 : 0; }
}  // namespace

EvalCounters CountHomeFeatures() {
    EvalCounters c{0, 0, 0, CountCheckers(14, 25, g_board, SIDE_COMPUTER)};
    for (int p = 1; p <= 6; ++p)
        if (g_board[p]->owner == SIDE_COMPUTER && g_board[p]->count == 1) ++c.homeBlots;
    for (int p = 1; p <= 24; ++p) {
        if (Made(p, SIDE_COMPUTER))
            ++c.homePoints;
        else if (p > 6)
            break;
    }
    for (int p = 24; p >= 1; --p) {
        if (Made(p, SIDE_HUMAN))
            ++c.oppHomePoints;
        else if (p < 19)
            break;
    }
    return c;
}

int Travelled(int side, int location) { return side == SIDE_COMPUTER ? 25 - location : location; }

int MadePoints() {
    int made = 0;
    for (int p = 1; p <= 24; ++p) made += Flag(Made(p, g_sideToMove));
    return made;
}

int HomeFillBonus() {
    if (RaceLead(SIDE_COMPUTER) <= 0 && !AllHome()) return 0;
    int filled = 0;
    for (int p = 1; p <= 6; ++p) filled += Flag((*g_refBoard)[p].count == 0 && g_board[p]->count > 0);
    return filled;
}

int BlotExposure(int p, const EvalCounters& c) {
    // Parts of the value that do not depend on where the shooter stands.
    const int base = (25 - p) + Flag(c.backCheckers == 0) + Flag(c.oppHomePoints > 3);
    int exposure = 0;
    for (int j = std::max(p - 9, 0); j < p; ++j) {
        if (g_board[j]->owner != SIDE_HUMAN) continue;
        int v = 6 * (base + Flag(p - j == 7));
        // A shot from the bar only comes when the human has a checker there
        // and the blot lies within reach of an entering checker.
        if (j == LOC_HUMAN_BAR && (g_board[j]->count == 0 || p > 6 + Flag(c.homePoints < 3))) v /= 5;
        exposure += v;
    }
    return exposure;
}

int BlotRisk(const EvalCounters& c) {
    // Against a strong home board a checker on the bar keeps the outfield blots safe.
    const bool humanStuck = g_board[LOC_HUMAN_BAR]->count > 0 && c.homePoints > 3;
    int risk = 0;
    for (int p = 1; p <= 24; ++p) {
        if (g_board[p]->owner != SIDE_COMPUTER || g_board[p]->count != 1) continue;
        if (humanStuck && p >= 7) continue;
        risk += BlotExposure(p, c);
    }
    return risk;
}

int PointBonus(const EvalCounters& c) {
    const bool backCheckers = c.backCheckers >= 2;
    const bool manyFarBack = CountCheckers(18, 25, g_board, SIDE_COMPUTER) >= 4;
    int bonus = 0;
    bool humanBehind = g_board[LOC_HUMAN_BAR]->count > 0;
    for (int p = 1; p <= 24; ++p) {
        humanBehind = humanBehind || (g_board[p]->owner == SIDE_HUMAN && g_board[p]->count > 0);
        const int weight =
            1 + 2 * Flag(p < 8 && backCheckers) + Flag(p < 7 && humanBehind) + 3 * Flag(p > 18 && manyFarBack);
        const bool now = Made(p, SIDE_COMPUTER);
        const bool before = MadeBefore(p);
        if (now && !before)
            bonus += weight;
        else if (before && !now)
            bonus -= weight;
    }
    return 50 * bonus;
}

int UnstackBonus() {
    int bonus = 0;
    for (int p = 1; p <= 24; ++p) {
        if (g_board[p]->owner != SIDE_COMPUTER) continue;
        const int k = (*g_refBoard)[p].count;
        if (k <= 3) continue;
        if (g_board[p]->count < k)
            ++bonus;
        else if (g_board[p]->count > k)
            --bonus;
    }
    return bonus;
}

int HitBonus(const EvalCounters& c) {
    const int low = (c.homeBlots + c.oppHomePoints < 4 || c.homePoints >= 4) ? 5 : 9;
    int bonus = 0;
    for (int p = 24; p >= low; --p) {
        if ((*g_refBoard)[p].owner != SIDE_HUMAN || g_board[p]->owner == SIDE_HUMAN) continue;
        const int b = Flag(p > 7 && (g_board[p]->owner == SIDE_COMPUTER || RaceLead(SIDE_HUMAN) > 0));
        bonus += 280 * (Travelled(SIDE_HUMAN, p) + b);
    }
    return bonus;
}

int EscapeBonus() {
    const int z = 25 - MadePoints();
    int s = 0;
    bool hadBackCheckers = false;
    for (int p = 24; p >= z; --p) {
        s += (ComputerBefore(p) - ComputerNow(p)) * (p - z + 1);
        hadBackCheckers = hadBackCheckers || ComputerBefore(p) > 0;
    }
    // Nothing moved out of the back: both rules below give 0 without the race count.
    if (s == 0) return 0;
    const int lead = RaceLead(SIDE_COMPUTER);  // the human's lead is its negative
    // Far behind in the race, with the human past the computer's back
    // checkers, the computer wants to keep them back for a shot.
    if (-lead > 5 && g_board[LOC_HUMAN_OFF]->count < 9 && CountCheckers(0, 9, g_board, SIDE_HUMAN) == 0 &&
        CountCheckers(19, 24, g_board, SIDE_COMPUTER) < 3)
        return -300 * s;
    return Flag(hadBackCheckers) * (lead + 40) * s;
}

int Goodness(int level, const EvalCounters& c) {
    switch (level) {
        case 0:
            return EscapeBonus();
        case 1:
            return PointBonus(c) + EscapeBonus();
        case 2:
            return UnstackBonus() + HitBonus(c) + PointBonus(c) + EscapeBonus();
        default:
            return 0;
    }
}

int EvaluatePosition(int level) {
    const EvalCounters c = CountHomeFeatures();
    if (g_race) return 2 * QuadrantCount(SIDE_COMPUTER) - HomeFillBonus();
    return BlotRisk(c) - Goodness(level, c);
}
