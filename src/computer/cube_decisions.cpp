#include "computer/cube_decisions.h"

namespace {
int HumanOff(const Board& b) { return b[LOC_HUMAN_OFF].count; }
int ComputerOff(const Board& b) { return b[LOC_COMPUTER_OFF].count; }
// Positive when the computer is ahead.
int Lead(const Board& b) { return RaceLead(b, SIDE_COMPUTER); }
}  // namespace

bool ComputerAcceptsDouble(const Board& b, bool race) {
    // Out of a race the computer still has shots to come back with.
    if (Lead(b) + 1 + (race ? 0 : 4) <= 0) return false;
    if (HumanOff(b) >= 12) return false;
    return HumanOff(b) - ComputerOff(b) < 3;
}

bool ComputerWantsToDouble(const Board& b, bool race) {
    // Too good to double: play on for the gammon instead.
    if (ComputerRefusesResign(b, race)) return false;
    if (Lead(b) + (race ? 1 : 0) + (ComputerOff(b) > 12 ? 1 : 0) <= 5) return false;
    // A checker on the bar or a last straggler far back can still be caught.
    return b[LOC_COMPUTER_BAR].count == 0 && CountCheckers(b, 14, 24, SIDE_COMPUTER) != 1;
}

bool ComputerWantsToResign(const Board& b, bool race) {
    if (!race) return false;
    return Lead(b) + 5 - (HumanOff(b) > 12 ? 1 : 0) < 0;
}

bool ComputerRefusesGammonResign(const Board& b, bool race) {
    return CountCheckers(b, LOC_HUMAN_BAR, 6, SIDE_HUMAN) > 0 && !race;
}

bool ComputerRefusesResign(const Board& b, bool race) {
    return ComputerRefusesGammonResign(b, race) || (Lead(b) > 9 && HumanOff(b) == 0);
}
