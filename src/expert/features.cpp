#include "features.h"

#include <algorithm>

namespace expert {
namespace {

// The other side's rearmost checker in its own numbering (kBar when it is
// on the bar), or -1 when it has borne them all off.
int Rearmost(const Side& side) {
    for (int i = kBar; i >= 0; --i)
        if (side[i]) return i;
    return -1;
}

// The rolls of theirs that hit one of our blots, their checkers at `from`
// and our blots and points as bit masks in their numbering (their point t
// is our 23 - t): each step of a checker shifts its bit down by the die,
// and only a step that lands on no point of ours can go on.
float ShotRolls(const Side& mine, const Side& theirs) {
    uint32_t blots = 0, blocked = 0, from = 0;
    for (int t = 0; t < kPoints; ++t) {
        blots |= static_cast<uint32_t>(mine[23 - t] == 1) << t;
        blocked |= static_cast<uint32_t>(mine[23 - t] >= 2) << t;
        from |= static_cast<uint32_t>(theirs[t] != 0) << t;
    }
    if (!blots) return 0;
    // A checker on the bar must enter before any other moves.
    if (theirs[kBar]) from = 1u << kBar;
    int rolls = 0;
    for (int d1 = 1; d1 <= 6; ++d1) {
        // A double: up to four steps of one checker, each landing in the open.
        uint32_t at = from, hit = 0;
        for (int step = 0; step < 4; ++step) {
            at >>= d1;
            hit |= at & blots;
            at &= ~blocked;
        }
        rolls += hit != 0;
        for (int d2 = d1 + 1; d2 <= 6; ++d2) {
            const uint32_t first1 = from >> d1, first2 = from >> d2;
            const uint32_t second = ((first1 & ~blocked) >> d2) | ((first2 & ~blocked) >> d1);
            rolls += ((first1 | first2 | second) & blots) ? 2 : 0;
        }
    }
    return rolls / 36.0f;
}

}  // namespace

Features FeaturesOf(const Side& mine, const Side& theirs) {
    Features f{};
    int pips = 0;
    for (int i = 0; i <= kBar; ++i) pips += mine[i] * (i + 1);
    f[kPips] = pips / 100.0f;
    f[kShotRolls] = ShotRolls(mine, theirs);

    // Their rearmost checker sits on our point 23 - back and runs towards our 23.
    const int back = Rearmost(theirs);
    if (back >= 0) {
        const int front = kPoints - back;  // our first point in front of it
        int most = 0;
        for (int start = front; start <= std::min(front + 6, kPoints - 1); ++start) {
            int made = 0;
            for (int i = start; i < std::min(start + 6, kPoints); ++i) made += mine[i] >= 2;
            most = std::max(most, made);
        }
        f[kBlockade] = most / 6.0f;
        int behind = 0;
        for (int i = std::max(front, 0); i <= kBar; ++i) behind += mine[i];
        f[kBehind] = behind / 15.0f;
    }
    int lowestPoint = kPoints;  // our number of the nearest point of theirs to our home
    for (int t = 0; t < kPoints; ++t)
        if (theirs[t] >= 2) lowestPoint = std::min(lowestPoint, 23 - t);
    int trapped = 0;
    for (int i = lowestPoint + 1; i <= kBar; ++i) trapped += mine[i];
    f[kTrapped] = trapped / 15.0f;
    if (mine[kBar]) {
        int closed = 0;
        for (int t = 0; t < 6; ++t) closed += theirs[t] >= 2;
        f[kDance] = (closed / 6.0f) * (closed / 6.0f);
    }
    return f;
}

}  // namespace expert
