#include "coach/ranked_plays.h"

#include <algorithm>

#include "computer/expert_player.h"
#include "expert/search.h"

namespace {

float EquityAt(const expert::RankedPlay& r, int look, const expert::Stakes& stakes) {
    return expert::Equity(r.outcomes[look], stakes);
}

// The index of the play among `plays` that leaves the human's checkers as `made` does.
int IndexOfPlay(const Position& p, const std::vector<expert::Play>& plays, const HumanPlay& made) {
    Position after = p;
    HumanPlay steps = made;
    if (!PlayOn(after, steps)) return -1;
    const expert::Position seen = ExpertView(after.board, SIDE_HUMAN);
    for (size_t i = 0; i < plays.size(); ++i)
        if (plays[i].after == seen) return static_cast<int>(i);
    return -1;
}

}  // namespace

PlayRanking RankHumanPlays(const Position& p, const HumanPlay* made) {
    const std::vector<expert::Play> plays = ExpertPlays(p, SIDE_HUMAN);
    expert::SearchLimits limits;
    limits.stakes = StakesOf(p, SIDE_HUMAN);
    const int madeIndex = made ? IndexOfPlay(p, plays, *made) : -1;
    const std::vector<expert::RankedPlay> ranked = expert::RankPlays(EmbeddedBrain(), plays, limits, madeIndex);

    PlayRanking ranking;
    const expert::RankedPlay& best = ranked.front();
    for (const expert::RankedPlay& r : ranked) {
        const int common = std::min(best.look, r.look);
        const float loss = EquityAt(best, common, limits.stakes) - EquityAt(r, common, limits.stakes);
        const HumanPlay play = FromExpertPlay(p, r.play);
        ranking.plays.push_back(
            {play, PlayText(play), EquityAt(r, r.look, limits.stakes), std::max(loss, 0.0f), r.look});
    }
    // By loss, the search's order kept among equals, so the best stays first.
    std::stable_sort(ranking.plays.begin(), ranking.plays.end(),
                     [](const RankedHumanPlay& a, const RankedHumanPlay& b) { return a.loss < b.loss; });
    if (madeIndex >= 0) {
        const HumanPlay m = FromExpertPlay(p, plays[static_cast<size_t>(madeIndex)]);
        const auto it = std::find_if(ranking.plays.begin(), ranking.plays.end(),
                                     [&m](const RankedHumanPlay& r) { return r.play == m; });
        ranking.made = static_cast<int>(it - ranking.plays.begin());
    }
    return ranking;
}

std::vector<RankedHumanPlay> HintSelection(const PlayRanking& ranking) {
    std::vector<RankedHumanPlay> shown;
    for (const RankedHumanPlay& r : ranking.plays)
        if (static_cast<int>(shown.size()) < HINT_LEAST_SHOWN || r.loss <= HINT_CLOSE_LOSS) shown.push_back(r);
    return shown;
}
