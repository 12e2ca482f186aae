#include "computer/suggestion.h"

#include "computer/search.h"
#include "rules/board_snapshot.h"
#include "settings/options.h"

int SuggestHumanMove(SuggestedMove (&moves)[MAX_DICE]) {
    const BoardSnapshot live;
    BoardSnapshot mirrored;
    mirrored.Mirror();
    mirrored.Restore();

    const int32_t level = LevelOfPlay;
    g_sideToMove = SIDE_COMPUTER;
    LevelOfPlay = 2;
    ChooseComputerMove();
    LevelOfPlay = level;
    g_sideToMove = SIDE_HUMAN;
    live.Restore();

    for (int i = 0; i < g_diceLeft; ++i) {
        // The computer's bar, 25, mirrors back to the human's bar, 0.
        moves[i].from = 25 - g_bestFrom[i];
        moves[i].to = moves[i].from + g_bestDice[i];
    }
    return g_diceLeft;
}
