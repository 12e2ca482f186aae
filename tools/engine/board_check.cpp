#include "board_check.h"

#include "rules/position.h"

namespace {
const char* SideName(int side) { return side == SIDE_COMPUTER ? "the computer" : "the human"; }
}  // namespace

std::string BrokenInvariant(const Position& p) {
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) {
        const Checkers* l = &p[loc];
        const std::string where = "location " + std::to_string(loc);
        if (l->count < 0 || l->count > CHECKERS_PER_SIDE)
            return where + " holds " + std::to_string(l->count) + " checkers";
        if (IsPoint(loc) && (l->count == 0) != (l->owner == SIDE_NONE)) return where + " has a wrong owner";
        if (!IsPoint(loc) && l->owner != FixedOwner(loc)) return where + " has lost its fixed owner";
    }
    for (int side : {SIDE_COMPUTER, SIDE_HUMAN}) {
        const int n = CountCheckers(p.board, 0, NUM_LOCATIONS - 1, side);
        if (n != CHECKERS_PER_SIDE)
            return std::string(SideName(side)) + " has " + std::to_string(n) + " checkers, not 15";
    }
    return {};
}
