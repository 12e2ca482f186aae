#include "computer/search.h"

#include <algorithm>
#include <cstring>

#include "computer/evaluate.h"
#include "computer/expert_player.h"
#include "rules/moves.h"

uint8_t g_searchFrom[MAX_DICE];
uint8_t g_bestFrom[MAX_DICE];
uint8_t g_bestDice[MAX_DICE];
int32_t g_bestScore = INT32_MAX;
uint32_t g_searchLeaves = 0;

namespace {
// Level d holds the live position as it was before the move at depth d. The
// levels live on ChooseComputerMove's stack for the length of the call.
BoardSnapshot* g_levels = nullptr;

// Scores the live position against the start of the sequence and keeps the
// sequence when it beats the best so far.
void EvaluateLeaf(int playLevel) {
    g_refBoard = &g_levels[0];
    ++g_searchLeaves;
    const int32_t score = EvaluatePosition(playLevel);
    if (score >= g_bestScore) return;
    g_bestScore = score;
    std::memcpy(g_bestFrom, g_searchFrom, MAX_DICE);
    std::memcpy(g_bestDice, g_dice, MAX_DICE);
}

// Tries every from-location for the die at entry `depth` of g_dice and goes
// on to the next die, scoring each sequence that uses them all. Only
// ChooseComputerMove provides the levels it keeps the positions in.
void SearchMoves(int depth, int playLevel) {
    const int die = g_dice[depth];
    BoardSnapshot& level = g_levels[depth];
    for (int from = LOC_COMPUTER_BAR; from >= 1; --from) {
        if (!IsLegalMove(from, die)) continue;
        g_searchFrom[depth] = static_cast<uint8_t>(from);
        level.Take();
        ApplyMove(from, die);
        if (depth + 1 == g_diceLeft)
            EvaluateLeaf(playLevel);
        else
            SearchMoves(depth + 1, playLevel);
        level.Restore();
    }
}

void SearchBothOrders(int playLevel) {
    SearchMoves(0, playLevel);
    if (g_diceLeft == 2) {
        std::swap(g_dice[0], g_dice[1]);
        g_dice[2] = DICE_END;
        SearchMoves(0, playLevel);
    }
}
}  // namespace

void ChooseComputerMove(int playLevel) {
    if (playLevel == EXPERT_LEVEL) {
        ChooseExpertMove();
        return;
    }
    const int32_t side = g_sideToMove;
    g_sideToMove = SIDE_COMPUTER;
    BoardSnapshot levels[MAX_DICE];
    g_levels = levels;
    g_refBoard = &levels[0];
    std::memset(g_searchFrom, DICE_END, MAX_DICE);
    std::memset(g_bestFrom, DICE_END, MAX_DICE);
    std::memset(g_bestDice, DICE_END, MAX_DICE);
    g_bestScore = INT32_MAX;
    g_searchLeaves = 0;

    // Each round that finds nothing gives up at least one die, since the
    // greedy walk of the pruning is one of the sequences the search tries.
    while (g_diceLeft > 0) {
        SearchBothOrders(playLevel);
        if (g_bestScore != INT32_MAX) break;
        PruneUnplayableDice();
    }
    g_levels = nullptr;
    g_refBoard = nullptr;
    g_sideToMove = side;
}
