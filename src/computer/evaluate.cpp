#include "computer/evaluate.h"

#include <algorithm>

#include "rules/moves.h"

namespace {
bool Made(const Scoring& s, int p, int side) { return s.now[p].owner == side && s.now[p].count >= 2; }
bool MadeBefore(const Scoring& s, int p) { return s.before[p].owner == SIDE_COMPUTER && s.before[p].count >= 2; }
int ComputerNow(const Scoring& s, int p) { return s.now[p].owner == SIDE_COMPUTER ? s.now[p].count : 0; }
int ComputerBefore(const Scoring& s, int p) { return s.before[p].owner == SIDE_COMPUTER ? s.before[p].count : 0; }
int Flag(bool condition) { return condition ? 1 : 0; }
}  // namespace

EvalCounters CountHomeFeatures(const Scoring& s) {
    EvalCounters c{0, 0, 0, CountCheckers(s.now.board, 14, 25, SIDE_COMPUTER)};
    for (int p = 1; p <= 6; ++p)
        if (s.now[p].owner == SIDE_COMPUTER && s.now[p].count == 1) ++c.homeBlots;
    for (int p = 1; p <= 24; ++p) {
        if (Made(s, p, SIDE_COMPUTER))
            ++c.homePoints;
        else if (p > 6)
            break;
    }
    for (int p = 24; p >= 1; --p) {
        if (Made(s, p, SIDE_HUMAN))
            ++c.oppHomePoints;
        else if (p < 19)
            break;
    }
    return c;
}

int Travelled(int side, int location) { return side == SIDE_COMPUTER ? 25 - location : location; }

int MadePoints(const Scoring& s) {
    int made = 0;
    for (int p = 1; p <= 24; ++p) made += Flag(Made(s, p, s.now.sideToMove));
    return made;
}

int HomeFillBonus(const Scoring& s) {
    if (RaceLead(s.now.board, SIDE_COMPUTER) <= 0 && !AllHome(s.now)) return 0;
    int filled = 0;
    for (int p = 1; p <= 6; ++p) filled += Flag(s.before[p].count == 0 && s.now[p].count > 0);
    return filled;
}

int BlotExposure(const Scoring& s, int p, const EvalCounters& c) {
    // Parts of the value that do not depend on where the shooter stands.
    const int base = (25 - p) + Flag(c.backCheckers == 0) + Flag(c.oppHomePoints > 3);
    int exposure = 0;
    for (int j = std::max(p - 9, 0); j < p; ++j) {
        if (s.now[j].owner != SIDE_HUMAN) continue;
        int v = 6 * (base + Flag(p - j == 7));
        // A shot from the bar only comes when the human has a checker there
        // and the blot lies within reach of an entering checker.
        if (j == LOC_HUMAN_BAR && (s.now[j].count == 0 || p > 6 + Flag(c.homePoints < 3))) v /= 5;
        exposure += v;
    }
    return exposure;
}

int BlotRisk(const Scoring& s, const EvalCounters& c) {
    // Against a strong home board a checker on the bar keeps the outfield blots safe.
    const bool humanStuck = s.now[LOC_HUMAN_BAR].count > 0 && c.homePoints > 3;
    int risk = 0;
    for (int p = 1; p <= 24; ++p) {
        if (s.now[p].owner != SIDE_COMPUTER || s.now[p].count != 1) continue;
        if (humanStuck && p >= 7) continue;
        risk += BlotExposure(s, p, c);
    }
    return risk;
}

int PointBonus(const Scoring& s, const EvalCounters& c) {
    const bool backCheckers = c.backCheckers >= 2;
    const bool manyFarBack = CountCheckers(s.now.board, 18, 25, SIDE_COMPUTER) >= 4;
    int bonus = 0;
    bool humanBehind = s.now[LOC_HUMAN_BAR].count > 0;
    for (int p = 1; p <= 24; ++p) {
        humanBehind = humanBehind || (s.now[p].owner == SIDE_HUMAN && s.now[p].count > 0);
        const int weight =
            1 + 2 * Flag(p < 8 && backCheckers) + Flag(p < 7 && humanBehind) + 3 * Flag(p > 18 && manyFarBack);
        const bool now = Made(s, p, SIDE_COMPUTER);
        const bool before = MadeBefore(s, p);
        if (now && !before)
            bonus += weight;
        else if (before && !now)
            bonus -= weight;
    }
    return 50 * bonus;
}

int UnstackBonus(const Scoring& s) {
    int bonus = 0;
    for (int p = 1; p <= 24; ++p) {
        if (s.now[p].owner != SIDE_COMPUTER) continue;
        const int k = s.before[p].count;
        if (k <= 3) continue;
        if (s.now[p].count < k)
            ++bonus;
        else if (s.now[p].count > k)
            --bonus;
    }
    return bonus;
}

int HitBonus(const Scoring& s, const EvalCounters& c) {
    const int low = (c.homeBlots + c.oppHomePoints < 4 || c.homePoints >= 4) ? 5 : 9;
    int bonus = 0;
    for (int p = 24; p >= low; --p) {
        if (s.before[p].owner != SIDE_HUMAN || s.now[p].owner == SIDE_HUMAN) continue;
        const int b = Flag(p > 7 && (s.now[p].owner == SIDE_COMPUTER || RaceLead(s.now.board, SIDE_HUMAN) > 0));
        bonus += 280 * (Travelled(SIDE_HUMAN, p) + b);
    }
    return bonus;
}

int EscapeBonus(const Scoring& s) {
    const int z = 25 - MadePoints(s);
    int escaped = 0;
    bool hadBackCheckers = false;
    for (int p = 24; p >= z; --p) {
        escaped += (ComputerBefore(s, p) - ComputerNow(s, p)) * (p - z + 1);
        hadBackCheckers = hadBackCheckers || ComputerBefore(s, p) > 0;
    }
    // Nothing moved out of the back: both rules below give 0 without the race count.
    if (escaped == 0) return 0;
    const int lead = RaceLead(s.now.board, SIDE_COMPUTER);  // the human's lead is its negative
    // Far behind in the race, with the human past the computer's back
    // checkers, the computer wants to keep them back for a shot.
    if (-lead > 5 && s.now[LOC_HUMAN_OFF].count < 9 && CountCheckers(s.now.board, 0, 9, SIDE_HUMAN) == 0 &&
        CountCheckers(s.now.board, 19, 24, SIDE_COMPUTER) < 3)
        return -300 * escaped;
    return Flag(hadBackCheckers) * (lead + 40) * escaped;
}

int Goodness(const Scoring& s, int level, const EvalCounters& c) {
    switch (level) {
        case 0:
            return EscapeBonus(s);
        case 1:
            return PointBonus(s, c) + EscapeBonus(s);
        case 2:
            return UnstackBonus(s) + HitBonus(s, c) + PointBonus(s, c) + EscapeBonus(s);
        default:
            return 0;
    }
}

int EvaluatePosition(const Scoring& s, int level) {
    const EvalCounters c = CountHomeFeatures(s);
    if (s.race) return 2 * QuadrantCount(s.now.board, SIDE_COMPUTER) - HomeFillBonus(s);
    return BlotRisk(s, c) - Goodness(s, level, c);
}
