#include "rules/match_score.h"

#include <algorithm>
#include <iterator>

namespace {
// In a match to 1 both sides need one point from the start: there is no Crawford game.
bool SomeSideOneAway(const MatchScore& m) {
    return m.length > 1 && (Away(m, SIDE_HUMAN) == 1 || Away(m, SIDE_COMPUTER) == 1);
}
}  // namespace

int32_t MatchLengthOrMoney(int32_t length) {
    return std::find(std::begin(MATCH_LENGTHS), std::end(MATCH_LENGTHS), length) != std::end(MATCH_LENGTHS) ? length
                                                                                                            : 0;
}

bool IsCrawfordGame(const MatchScore& m) {
    return IsMatch(m) && !m.crawfordDone && SomeSideOneAway(m) && MatchWinner(m) == SIDE_NONE;
}

bool IsPostCrawford(const MatchScore& m) {
    return IsMatch(m) && m.crawfordDone && SomeSideOneAway(m) && MatchWinner(m) == SIDE_NONE;
}

bool ScoreAllowsDoubling(const MatchScore& m) { return !IsMatch(m) || (m.length > 1 && !IsCrawfordGame(m)); }

int MatchWinner(const MatchScore& m) {
    if (!IsMatch(m)) return SIDE_NONE;
    if (m.points[SIDE_HUMAN] >= m.length) return SIDE_HUMAN;
    if (m.points[SIDE_COMPUTER] >= m.length) return SIDE_COMPUTER;
    return SIDE_NONE;
}

MatchScore AfterGame(const MatchScore& m, int winner, int32_t points) {
    MatchScore next = m;
    if (!IsMatch(m)) return next;
    next.crawfordDone = m.crawfordDone || IsCrawfordGame(m);
    next.points[winner] += points;
    return next;
}

MatchScore SidesSwapped(const MatchScore& m) {
    MatchScore swapped = m;
    std::swap(swapped.points[SIDE_HUMAN], swapped.points[SIDE_COMPUTER]);
    return swapped;
}

bool IsPlausibleMatchInPlay(const MatchScore& m) {
    if (MatchLengthOrMoney(m.length) != m.length || !IsMatch(m)) return false;
    for (int side : {SIDE_HUMAN, SIDE_COMPUTER})
        if (m.points[side] < 0 || m.points[side] >= m.length) return false;
    // Once both need one point the Crawford game lies behind; it can only
    // lie behind once one side needs one.
    const bool bothOneAway = m.length > 1 && Away(m, SIDE_HUMAN) == 1 && Away(m, SIDE_COMPUTER) == 1;
    if (bothOneAway && !m.crawfordDone) return false;
    return !m.crawfordDone || SomeSideOneAway(m);
}
