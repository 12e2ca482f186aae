#include "search.h"

#include <algorithm>
#include <limits>

namespace expert {

int BestPlayIndex(const Brain& brain, const Position& before, const std::vector<Play>& plays, Outcome* outcome,
                  const Stakes& stakes) {
    const PlayJudge judge(brain, before);
    int best = 0;
    float bestEquity = -1e9f;
    Outcome bestOutcome{};
    for (size_t i = 0; i < plays.size(); ++i) {
        const Outcome o = judge.AfterPlay(plays[i].after);
        const float e = Equity(o, stakes);
        if (e > bestEquity) {
            bestEquity = e;
            best = static_cast<int>(i);
            bestOutcome = o;
        }
    }
    if (outcome) *outcome = bestOutcome;
    return best;
}

Outcome AverageOverRolls(const Brain& brain, const Position& p, int depth, const Stakes& stakes) {
    Outcome sum{};
    std::vector<Play> plays;
    for (int d1 = 1; d1 <= 6; ++d1)
        for (int d2 = d1; d2 <= 6; ++d2) {
            GeneratePlays(p, d1, d2, plays);
            Outcome o;
            const Position& after = plays[BestPlayIndex(brain, p, plays, &o, stakes)].after;
            if (depth > 1 && Off(after, 0) != kCheckers)
                o = Flipped(AverageOverRolls(brain, Swapped(after), depth - 1, Flipped(stakes)));
            const float weight = d1 == d2 ? 1.0f : 2.0f;
            for (int k = 0; k < kOutcomes; ++k) sum[k] += weight * o[k];
        }
    for (float& v : sum) v /= 36.0f;
    return sum;
}

namespace {

// Looks at a play `look` rolls ahead; a play that ends the game stays as it is.
void LookAhead(const Brain& brain, RankedPlay& r, int look, const Stakes& stakes) {
    const Position& after = r.play.after;
    r.outcomes[look] = Off(after, 0) == kCheckers
                           ? r.outcomes[look - 1]
                           : Flipped(AverageOverRolls(brain, Swapped(after), look, Flipped(stakes)));
    r.look = look;
}

}  // namespace

std::vector<RankedPlay> RankPlays(const Brain& brain, const std::vector<Play>& plays, const SearchLimits& limits,
                                  int alsoJudge) {
    const Stakes& stakes = limits.stakes;
    const auto value = [&stakes](const RankedPlay& r) { return Equity(r.Deepest(), stakes); };
    const auto better = [&value](const RankedPlay& a, const RankedPlay& b) { return value(a) > value(b); };
    std::vector<RankedPlay> ranked;
    ranked.reserve(plays.size());
    for (const Play& play : plays) ranked.push_back({play, {EvaluateAfterPlay(brain, play.after)}, 0});
    // Stable, so that equal plays keep the generator's order.
    std::stable_sort(ranked.begin(), ranked.end(), better);
    if (!limits.lookahead || ranked.size() == 1) return ranked;
    // How many of the first `end` plays, at most `most`, stand at `floor` or above.
    const auto leading = [&](size_t end, int most, float floor) {
        size_t n = 0;
        while (n < end && n < static_cast<size_t>(most) && value(ranked[n]) >= floor) ++n;
        return n;
    };
    // Brings the play asked for forward, behind the first `count`, when it
    // stands between there and `end` at `floor` or above.
    const Position* also = alsoJudge >= 0 ? &plays[static_cast<size_t>(alsoJudge)].after : nullptr;
    const auto admit = [&](size_t count, size_t end, float floor) {
        const auto first = ranked.begin() + static_cast<std::ptrdiff_t>(count);
        const auto last = ranked.begin() + static_cast<std::ptrdiff_t>(end);
        const auto it =
            std::find_if(first, last, [also](const RankedPlay& r) { return also && r.play.after == *also; });
        if (it == last || value(*it) < floor) return count;
        std::rotate(first, it, it + 1);
        return count + 1;
    };

    size_t deeper = leading(ranked.size(), limits.candidates, value(ranked.front()) - limits.window);
    deeper = admit(deeper, ranked.size(), -std::numeric_limits<float>::infinity());
    for (size_t i = 0; i < deeper; ++i) LookAhead(brain, ranked[i], 1, stakes);
    const auto deeperEnd = ranked.begin() + static_cast<std::ptrdiff_t>(deeper);
    std::stable_sort(ranked.begin(), deeperEnd, better);
    // Two rolls deeper only where the choice is close and the checkers can
    // still meet: a race is judged well enough one roll ahead.
    const float deepFloor = value(ranked.front()) - limits.deepWindow;
    size_t deepest = leading(deeper, limits.deepest, deepFloor);
    if (deepest < 2 || IsRace(ranked.front().play.after)) return ranked;
    deepest = admit(deepest, deeper, deepFloor);
    for (size_t i = 0; i < deepest; ++i) LookAhead(brain, ranked[i], 2, stakes);
    std::stable_sort(ranked.begin(), ranked.begin() + static_cast<std::ptrdiff_t>(deepest), better);
    return ranked;
}

Judged ChoosePlay(const Brain& brain, const std::vector<Play>& plays, const SearchLimits& limits) {
    const RankedPlay best = RankPlays(brain, plays, limits).front();
    return {best.play, best.Deepest()};
}

}  // namespace expert
