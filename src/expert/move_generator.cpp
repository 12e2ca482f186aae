#include "move_generator.h"

#include <algorithm>

namespace expert {
namespace {

bool AllHome(const std::array<uint8_t, kBar + 1>& own) {
    for (int i = 6; i <= kBar; ++i)
        if (own[i]) return false;
    return true;
}

struct Builder {
    std::vector<Play>& plays;
    Play current;
    bool sameDice = false;
    int most = 0;

    void Keep() {
        if (current.count < most) return;
        if (current.count > most) {
            plays.clear();
            most = current.count;
        }
        plays.push_back(current);
    }

    // Extends the current play with each legal step of dice[used..]. A step
    // from a lower point than the last of a double would only repeat an
    // ordering already generated, so doubles move in non-increasing order.
    void Extend(const Position& p, const int* dice, int diceCount, int used, int lowestFrom) {
        bool moved = false;
        if (used < diceCount) {
            const int die = dice[used];
            const int start = p.checkers[0][kBar] ? kBar : std::min(lowestFrom, kPoints - 1);
            const int stop = p.checkers[0][kBar] ? kBar : 0;
            for (int from = start; from >= stop; --from) {
                if (!IsLegalStep(p, from, die)) continue;
                moved = true;
                Position next = p;
                ApplyStep(next, from, die);
                current.steps[used] = {static_cast<int8_t>(from), static_cast<int8_t>(die)};
                current.count = used + 1;
                Extend(next, dice, diceCount, used + 1, sameDice ? from : kBar);
            }
        }
        if (!moved) {
            current.count = used;
            current.after = p;
            Keep();
        }
    }
};

void RemoveRepeatedEnds(std::vector<Play>& plays) {
    std::vector<std::pair<uint64_t, size_t>> keys;
    keys.reserve(plays.size());
    for (size_t i = 0; i < plays.size(); ++i) keys.emplace_back(Fingerprint(plays[i].after), i);
    std::sort(keys.begin(), keys.end());
    // Keep the generation order so that ties resolve the same way every run.
    std::vector<size_t> kept;
    for (size_t k = 0; k < keys.size(); ++k) {
        bool seen = false;
        for (size_t j = k; j-- > 0 && keys[j].first == keys[k].first;)
            if (plays[keys[j].second].after == plays[keys[k].second].after) seen = true;
        if (!seen) kept.push_back(keys[k].second);
    }
    std::sort(kept.begin(), kept.end());
    std::vector<Play> unique;
    unique.reserve(kept.size());
    for (size_t i : kept) unique.push_back(plays[i]);
    plays.swap(unique);
}

}  // namespace

bool IsLegalStep(const Position& p, int from, int die) {
    const auto& own = p.checkers[0];
    if (!own[from]) return false;
    if (own[kBar] && from != kBar) return false;
    const int to = (from == kBar ? kPoints : from) - die;
    if (to >= 0) return p.checkers[1][23 - to] < 2;
    if (!AllHome(own)) return false;
    if (to == -1) return true;
    for (int i = from + 1; i < 6; ++i)
        if (own[i]) return false;
    return true;
}

void ApplyStep(Position& p, int from, int die) {
    auto& own = p.checkers[0];
    const int to = (from == kBar ? kPoints : from) - die;
    --own[from];
    if (to < 0) return;
    ++own[to];
    auto& theirs = p.checkers[1];
    if (theirs[23 - to] == 1) {
        theirs[23 - to] = 0;
        ++theirs[kBar];
    }
}

void GeneratePlays(const Position& p, const int* dice, int count, std::vector<Play>& plays) {
    plays.clear();
    Builder b{plays, {}, count != 2 || dice[0] == dice[1]};
    if (b.sameDice) {
        b.Extend(p, dice, count, 0, kBar);
    } else {
        const int high = std::max(dice[0], dice[1]), low = std::min(dice[0], dice[1]);
        const int highFirst[2] = {high, low}, lowFirst[2] = {low, high};
        b.Extend(p, highFirst, 2, 0, kBar);
        b.Extend(p, lowFirst, 2, 0, kBar);
        // Either die alone but not both: the larger must be played if it can.
        if (b.most == 1) {
            const bool highPlays =
                std::any_of(plays.begin(), plays.end(), [&](const Play& pl) { return pl.steps[0].die == high; });
            if (highPlays) std::erase_if(plays, [&](const Play& pl) { return pl.steps[0].die != high; });
        }
    }
    RemoveRepeatedEnds(plays);
}

void GeneratePlays(const Position& p, int die1, int die2, std::vector<Play>& plays) {
    const int dice[4] = {die1, die2, die1, die1};
    GeneratePlays(p, dice, die1 == die2 ? 4 : 2, plays);
}

}  // namespace expert
