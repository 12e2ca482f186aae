#include "evaluator.h"

#include <algorithm>

#include "bearoff.h"

namespace expert {
namespace {

// The game is over: side 0 has borne off its last checker.
Outcome Won(const Position& p) {
    Outcome o{1, 0, 0, 0, 0};
    if (Off(p, 1) > 0) return o;
    o[kWinGammon] = 1;
    // A loser's checker still in the winner's home board or on the bar.
    const auto& loser = p.checkers[1];
    for (int j = 18; j <= kBar; ++j)
        if (loser[j]) o[kWinBackgammon] = 1;
    return o;
}

// Raw network chances cut to what the position allows.
Outcome Consistent(Outcome o, const Position& p) {
    o[kWinGammon] = std::min(o[kWinGammon], o[kWin]);
    o[kWinBackgammon] = std::min(o[kWinBackgammon], o[kWinGammon]);
    o[kLoseGammon] = std::min(o[kLoseGammon], 1 - o[kWin]);
    o[kLoseBackgammon] = std::min(o[kLoseBackgammon], o[kLoseGammon]);
    // Once a side has borne off a checker it can no longer be gammoned.
    if (Off(p, 1) > 0) o[kWinGammon] = o[kWinBackgammon] = 0;
    if (Off(p, 0) > 0) o[kLoseGammon] = o[kLoseBackgammon] = 0;
    return o;
}

}  // namespace

const Network& NetworkFor(const Brain& brain, const Position& p) { return IsRace(p) ? brain.race : brain.contact; }

Network& NetworkFor(Brain& brain, const Position& p) { return IsRace(p) ? brain.race : brain.contact; }

Outcome EvaluateBeforeRoll(const Brain& brain, const Position& p) {
    if (IsBearoffRace(p)) return BearoffOutcome(Bearoff(), p);
    SparseInputs in;
    EncodeInputs(p, in);
    return Consistent(Forward(NetworkFor(brain, p), in), p);
}

Outcome EvaluateAfterPlay(const Brain& brain, const Position& p) {
    if (Off(p, 0) == kCheckers) return Won(p);
    return Flipped(EvaluateBeforeRoll(brain, Swapped(p)));
}

namespace {
SparseInputs InputsOf(const Position& p) {
    SparseInputs in;
    EncodeInputs(p, in);
    return in;
}
}  // namespace

PlayJudge::PlayJudge(const Brain& brain, const Position& before)
    : brain_(brain),
      network_(NetworkFor(brain, Swapped(before))),
      near_(SumsFor(network_, InputsOf(Swapped(before)))) {}

Outcome PlayJudge::AfterPlay(const Position& after) const {
    const Position next = Swapped(after);
    if (Off(after, 0) == kCheckers || IsBearoffRace(next) || &NetworkFor(brain_, next) != &network_)
        return EvaluateAfterPlay(brain_, after);
    return Flipped(Consistent(ForwardFrom(network_, near_, InputsOf(next)), next));
}

}  // namespace expert
