#include "computer/suggestion.h"

#include "computer/search.h"
#include "rules/board_snapshot.h"

namespace {
// The suggestion plays as well as the computer can, whatever its own level.
constexpr int kSuggestionLevel = 2;
}  // namespace

int SuggestHumanMove(SuggestedMove (&moves)[MAX_DICE]) {
    const BoardSnapshot live;
    BoardSnapshot mirrored;
    mirrored.Mirror();
    mirrored.Restore();

    ChooseComputerMove(kSuggestionLevel);
    live.Restore();

    for (int i = 0; i < g_diceLeft; ++i) {
        // The computer's bar, 25, mirrors back to the human's bar, 0.
        moves[i].from = 25 - g_bestFrom[i];
        moves[i].to = moves[i].from + g_bestDice[i];
    }
    return g_diceLeft;
}
