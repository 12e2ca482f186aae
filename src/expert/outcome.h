// The network's answer for a position: the chances of each way the game can
// end, for the side on roll, and the cubeless money equity they add up to.
#pragma once

#include <array>

namespace expert {

// Cumulative chances: a backgammon counts as a gammon too, a gammon as a win.
enum OutcomeIndex { kWin, kWinGammon, kWinBackgammon, kLoseGammon, kLoseBackgammon, kOutcomes };
using Outcome = std::array<float, kOutcomes>;

// Points per game, -3 .. +3.
inline float Equity(const Outcome& o) {
    return 2 * o[kWin] - 1 + o[kWinGammon] - o[kLoseGammon] + o[kWinBackgammon] - o[kLoseBackgammon];
}

// The same chances seen by the other side.
inline Outcome Flipped(const Outcome& o) {
    return {1 - o[kWin], o[kLoseGammon], o[kLoseBackgammon], o[kWinGammon], o[kWinBackgammon]};
}

}  // namespace expert
