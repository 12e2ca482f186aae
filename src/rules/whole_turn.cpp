#include "rules/whole_turn.h"

#include <algorithm>

#include "rules/moves.h"

namespace {
bool Used(unsigned used, int index) { return (used >> index & 1u) != 0; }

// A die of the same value as one still unused before it gives the same plays.
bool TriedAlready(const Position& p, unsigned used, int index) {
    for (int j = 0; j < index; ++j)
        if (!Used(used, j) && p.dice[j] == p.dice[index]) return true;
    return false;
}

// The most of the dice not in `used` (a bit per index) that some order of
// play can use; the search stops as soon as every one of them plays.
int MostUsable(const Position& p, unsigned used) {
    int left = 0;
    for (int i = 0; i < p.diceLeft; ++i) left += Used(used, i) ? 0 : 1;
    int best = 0;
    for (int i = 0; i < p.diceLeft; ++i) {
        if (Used(used, i) || TriedAlready(p, used, i)) continue;
        for (int from = 0; from <= LOC_COMPUTER_BAR; ++from) {
            if (!IsLegalMove(p, from, p.dice[i])) continue;
            Position after = p;
            ApplyMove(after, from, p.dice[i]);
            best = std::max(best, 1 + MostUsable(after, used | 1u << i));
            if (best == left) return best;
        }
    }
    return best;
}
}  // namespace

int MostDiceUsable(const Position& p) { return MostUsable(p, 0); }

bool HumanMayPlay(const Position& p, int from, int die) {
    const int index = p.FindDie(die);
    if (index < 0 || !IsLegalMove(p, from, die)) return false;
    if (const int refused = RefusedSmallerDie(p); refused >= 0) return p.dice[refused] != die;
    Position after = p;
    ApplyMove(after, from, die);
    const int played = 1 + MostUsable(after, 1u << index);
    return played == p.diceLeft || played == MostDiceUsable(p);
}
