#include "position.h"

namespace expert {

int Off(const Position& p, int side) {
    int on = 0;
    for (uint8_t n : p.checkers[side]) on += n;
    return kCheckers - on;
}

Position Swapped(const Position& p) {
    Position s;
    s.checkers[0] = p.checkers[1];
    s.checkers[1] = p.checkers[0];
    return s;
}

Position StartingPosition() {
    Position p;
    for (auto& side : p.checkers) {
        side[5] = 5;
        side[7] = 3;
        side[12] = 5;
        side[23] = 2;
    }
    return p;
}

int PipCount(const Position& p, int side) {
    int pips = 0;
    for (int i = 0; i <= kBar; ++i) pips += p.checkers[side][i] * (i + 1);
    return pips;
}

bool IsRace(const Position& p) {
    // The side on roll's rearmost checker against the other side's, both in
    // the side on roll's numbering: the other side's point j is our 23 - j.
    int ourBack = -1, theirBack = kPoints;
    for (int i = kBar; i >= 0 && ourBack < 0; --i)
        if (p.checkers[0][i]) ourBack = i;
    for (int j = kBar; j >= 0; --j)
        if (p.checkers[1][j]) {
            theirBack = 23 - j;
            break;
        }
    return ourBack < theirBack;
}

uint64_t Fingerprint(const Position& p) {
    uint64_t h = 1469598103934665603ull;
    for (const auto& side : p.checkers)
        for (uint8_t n : side) h = (h ^ n) * 1099511628211ull;
    return h;
}

}  // namespace expert
