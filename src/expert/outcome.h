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

// What each way of ending is worth against a single game won or lost: in
// money play every one is 1; at a match score they follow the match-winning
// chances of the ends.
struct Stakes {
    float gammon = 1, backgammon = 1, loseGammon = 1, loseBackgammon = 1;
    bool operator==(const Stakes&) const = default;
};

// Equity at these stakes, in single games. The terms stand in Equity's
// order: money stakes give exactly Equity's value.
inline float Equity(const Outcome& o, const Stakes& s) {
    return 2 * o[kWin] - 1 + s.gammon * o[kWinGammon] - s.loseGammon * o[kLoseGammon] +
           s.backgammon * o[kWinBackgammon] - s.loseBackgammon * o[kLoseBackgammon];
}

// The same stakes seen by the other side.
inline Stakes Flipped(const Stakes& s) { return {s.loseGammon, s.loseBackgammon, s.gammon, s.backgammon}; }

// The same chances seen by the other side.
inline Outcome Flipped(const Outcome& o) {
    return {1 - o[kWin], o[kLoseGammon], o[kLoseBackgammon], o[kWinGammon], o[kWinBackgammon]};
}

}  // namespace expert
