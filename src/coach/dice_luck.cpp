#include "coach/dice_luck.h"

#include <vector>

#include "computer/expert_player.h"
#include "expert/search.h"

float ThrowLuck(const ReplayedThrow& thrown) {
    const int side = thrown.before.sideToMove;
    const expert::Position view = ExpertView(thrown.before.board, side);
    const expert::Stakes stakes = StakesOf(thrown.before, side);
    std::vector<expert::Play> plays;
    float sum = 0, weights = 0, actual = 0;
    for (int d1 = 1; d1 <= 6; ++d1)
        for (int d2 = d1; d2 <= 6; ++d2) {
            // The opening throw is thrown again on a double.
            if (thrown.opening && d1 == d2) continue;
            expert::GeneratePlays(view, d1, d2, plays);
            expert::Outcome o;
            expert::BestPlayIndex(EmbeddedBrain(), view, plays, &o, stakes);
            const float equity = expert::Equity(o, stakes), weight = d1 == d2 ? 1.0f : 2.0f;
            sum += weight * equity;
            weights += weight;
            if ((d1 == thrown.die1 && d2 == thrown.die2) || (d1 == thrown.die2 && d2 == thrown.die1)) actual = equity;
        }
    return actual - sum / weights;
}
