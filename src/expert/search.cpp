#include "search.h"

#include <algorithm>

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

Judged ChoosePlay(const Brain& brain, const std::vector<Play>& plays, const SearchLimits& limits) {
    const Stakes& stakes = limits.stakes;
    const auto value = [&stakes](const Outcome& o) { return Equity(o, stakes); };
    const auto better = [&value](const Judged& a, const Judged& b) { return value(a.outcome) > value(b.outcome); };
    std::vector<Judged> judged;
    judged.reserve(plays.size());
    for (const Play& play : plays) judged.push_back({play, EvaluateAfterPlay(brain, play.after)});
    // Stable, so that equal plays keep the generator's order.
    std::stable_sort(judged.begin(), judged.end(), better);
    if (!limits.lookahead || judged.size() == 1) return judged.front();
    const float floor = value(judged.front().outcome) - limits.window;
    size_t deeper = 0;
    while (deeper < judged.size() && deeper < static_cast<size_t>(limits.candidates) &&
           value(judged[deeper].outcome) >= floor)
        ++deeper;
    for (size_t i = 0; i < deeper; ++i) {
        const Position& after = judged[i].play.after;
        if (Off(after, 0) == kCheckers) continue;
        judged[i].outcome = Flipped(AverageOverRolls(brain, Swapped(after), 1, Flipped(stakes)));
    }
    std::stable_sort(judged.begin(), judged.begin() + deeper, better);
    // Two rolls deeper only where the choice is close and the checkers can
    // still meet: a race is judged well enough one roll ahead.
    const float deepFloor = value(judged.front().outcome) - limits.deepWindow;
    size_t deepest = 0;
    while (deepest < deeper && deepest < static_cast<size_t>(limits.deepest) &&
           value(judged[deepest].outcome) >= deepFloor)
        ++deepest;
    if (deepest < 2 || IsRace(judged.front().play.after)) return judged.front();
    for (size_t i = 0; i < deepest; ++i) {
        const Position& after = judged[i].play.after;
        if (Off(after, 0) != kCheckers)
            judged[i].outcome = Flipped(AverageOverRolls(brain, Swapped(after), 2, Flipped(stakes)));
    }
    return *std::min_element(judged.begin(), judged.begin() + deepest, better);
}

}  // namespace expert
