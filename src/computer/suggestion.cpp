#include "computer/suggestion.h"

#include "computer/expert_player.h"
#include "computer/search.h"
#include "rules/board_snapshot.h"

namespace {
// Below the Expert the suggestion plays as well as the hand-made levels can.
constexpr int kSuggestionLevel = 2;
}  // namespace

int SuggestHumanMove(SuggestedMove (&moves)[MAX_DICE], int playLevel) {
    const BoardSnapshot live;
    BoardSnapshot mirrored;
    mirrored.Mirror();
    mirrored.Restore();

    ChooseComputerMove(playLevel == EXPERT_LEVEL ? EXPERT_LEVEL : kSuggestionLevel);
    live.Restore();

    for (int i = 0; i < g_diceLeft; ++i) {
        // The computer's bar, 25, mirrors back to the human's bar, 0.
        moves[i].from = 25 - g_bestFrom[i];
        moves[i].to = moves[i].from + g_bestDice[i];
    }
    return g_diceLeft;
}
