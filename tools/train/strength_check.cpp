#include "strength_check.h"

#include <cstdio>

#include "computer/expert_player.h"
#include "duel_game.h"

namespace {

Chooser ZeroPly(const expert::Brain& brain) {
    expert::SearchLimits zeroPly;
    zeroPly.lookahead = false;
    return [&brain, zeroPly](Position& p) { return ChooseExpertPlay(p, brain, zeroPly); };
}

std::string Describe(const Chooser& opponent, const expert::Brain& brain, long long games, uint64_t seed) {
    const DuelSummary s = PlayDuel(ZeroPly(brain), opponent, games / 2, seed);
    if (!s.fault.empty()) return "duel stopped: " + s.fault;
    char text[96];
    std::snprintf(text, sizeof text, "%+.3f points/game (+/- %.3f) over %lld games", s.PointsPerGame(), s.Interval(),
                  static_cast<long long>(2 * s.pairs));
    return text;
}

}  // namespace

std::string StrengthAgainstGood(const expert::Brain& brain, long long games) {
    return Describe(LevelChooser(2), brain, games, /*seed=*/20261209);
}

std::string StrengthAgainst(const expert::Brain& brain, const expert::Brain& reference, long long games) {
    return Describe(ZeroPly(reference), brain, games, /*seed=*/20261210);
}
