#include "search.h"

#include <algorithm>

namespace expert {

int BestPlayIndex(const Brain& brain, const std::vector<Play>& plays, Outcome* outcome) {
    int best = 0;
    float bestEquity = -1e9f;
    Outcome bestOutcome{};
    for (size_t i = 0; i < plays.size(); ++i) {
        const Outcome o = EvaluateAfterPlay(brain, plays[i].after);
        const float e = Equity(o);
        if (e > bestEquity) {
            bestEquity = e;
            best = static_cast<int>(i);
            bestOutcome = o;
        }
    }
    if (outcome) *outcome = bestOutcome;
    return best;
}

Outcome AverageOverRolls(const Brain& brain, const Position& p) {
    Outcome sum{};
    std::vector<Play> plays;
    for (int d1 = 1; d1 <= 6; ++d1)
        for (int d2 = d1; d2 <= 6; ++d2) {
            GeneratePlays(p, d1, d2, plays);
            Outcome o;
            BestPlayIndex(brain, plays, &o);
            const float weight = d1 == d2 ? 1.0f : 2.0f;
            for (int k = 0; k < kOutcomes; ++k) sum[k] += weight * o[k];
        }
    for (float& v : sum) v /= 36.0f;
    return sum;
}

Judged ChoosePlay(const Brain& brain, const std::vector<Play>& plays, const SearchLimits& limits) {
    std::vector<Judged> judged;
    judged.reserve(plays.size());
    for (const Play& play : plays) judged.push_back({play, EvaluateAfterPlay(brain, play.after)});
    // Stable, so that equal plays keep the generator's order.
    std::stable_sort(judged.begin(), judged.end(),
                     [](const Judged& a, const Judged& b) { return Equity(a.outcome) > Equity(b.outcome); });
    if (!limits.lookahead || judged.size() == 1) return judged.front();
    const float floor = Equity(judged.front().outcome) - limits.window;
    size_t deeper = 0;
    while (deeper < judged.size() && deeper < static_cast<size_t>(limits.candidates) &&
           Equity(judged[deeper].outcome) >= floor)
        ++deeper;
    for (size_t i = 0; i < deeper; ++i) {
        const Position& after = judged[i].play.after;
        if (Off(after, 0) == kCheckers) continue;
        judged[i].outcome = Flipped(AverageOverRolls(brain, Swapped(after)));
    }
    return *std::max_element(judged.begin(), judged.begin() + deeper,
                             [](const Judged& a, const Judged& b) { return Equity(a.outcome) < Equity(b.outcome); });
}

}  // namespace expert
