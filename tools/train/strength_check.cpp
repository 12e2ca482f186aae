#include "strength_check.h"

#include <cstdio>

#include "computer/expert_player.h"
#include "duel_game.h"

std::string StrengthAgainstGood(const expert::Brain& brain, long long games) {
    expert::SearchLimits zeroPly;
    zeroPly.lookahead = false;
    const DuelSummary s = PlayDuel([&](Position& p) { return ChooseExpertPlay(p, brain, zeroPly); }, LevelChooser(2),
                                   games / 2, /*seed=*/20261209);
    if (!s.fault.empty()) return "duel stopped: " + s.fault;
    char text[96];
    std::snprintf(text, sizeof text, "%+.3f points/game (+/- %.3f) over %lld games", s.PointsPerGame(), s.Interval(),
                  static_cast<long long>(2 * s.pairs));
    return text;
}
