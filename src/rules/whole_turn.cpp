#include "whole_turn.h"

#include <algorithm>

#include "board_snapshot.h"
#include "moves.h"
#include "position.h"

namespace {
bool Used(unsigned used, int index) { return (used >> index & 1u) != 0; }

// A die of the same value as one still unused before it gives the same plays.
bool TriedAlready(unsigned used, int index) {
    for (int j = 0; j < index; ++j)
        if (!Used(used, j) && g_dice[j] == g_dice[index]) return true;
    return false;
}

// The most of the dice not in `used` (a bit per index) that some order of
// play can use; the search stops as soon as every one of them plays.
int MostUsable(unsigned used) {
    int left = 0;
    for (int i = 0; i < g_diceLeft; ++i) left += Used(used, i) ? 0 : 1;
    int best = 0;
    for (int i = 0; i < g_diceLeft; ++i) {
        if (Used(used, i) || TriedAlready(used, i)) continue;
        for (int from = 0; from <= LOC_COMPUTER_BAR; ++from) {
            if (!IsLegalMove(from, g_dice[i])) continue;
            const BoardSnapshot snapshot;
            ApplyMove(from, g_dice[i]);
            best = std::max(best, 1 + MostUsable(used | 1u << i));
            snapshot.Restore();
            if (best == left) return best;
        }
    }
    return best;
}
}  // namespace

int MostDiceUsable() { return MostUsable(0); }

bool HumanMayPlay(int from, int die) {
    const int index = FindDie(die);
    if (index < 0 || !IsLegalMove(from, die)) return false;
    if (const int refused = RefusedSmallerDie(); refused >= 0) return g_dice[refused] != die;
    const BoardSnapshot snapshot;
    ApplyMove(from, die);
    const int after = 1 + MostUsable(1u << index);
    snapshot.Restore();
    return after == g_diceLeft || after == MostDiceUsable();
}
