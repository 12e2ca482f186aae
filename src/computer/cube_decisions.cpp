#include "computer/cube_decisions.h"

#include "rules/game_stats.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
int HumanOff() { return g_board[LOC_HUMAN_OFF]->count; }
int ComputerOff() { return g_board[LOC_COMPUTER_OFF]->count; }
}  // namespace

bool ComputerAcceptsDouble(int lead) {
    // Out of a race the computer still has shots to come back with.
    if (lead + 1 + (g_race ? 0 : 4) <= 0) return false;
    if (HumanOff() >= 12) return false;
    return HumanOff() - ComputerOff() < 3;
}

bool ComputerMayDouble() {
    return UseCube && g_computerMayDouble && !g_finishMode && g_cubeOwner != SIDE_HUMAN && g_cubeValue < MAX_CUBE_VALUE;
}

bool ComputerWantsToDouble(int lead) {
    if (!ComputerMayDouble()) return false;
    // Too good to double: play on for the gammon instead.
    if (ComputerRefusesResign()) return false;
    if (lead + (g_race ? 1 : 0) + (ComputerOff() > 12 ? 1 : 0) <= 5) return false;
    // A checker on the bar or a last straggler far back can still be caught.
    return g_board[LOC_COMPUTER_BAR]->count == 0 && CountCheckers(14, 24, g_board, SIDE_COMPUTER) != 1;
}

bool ComputerMayResign() { return g_computerMayResign && !g_finishMode; }

bool ComputerWantsToResign(int lead) {
    if (!ComputerMayResign() || !g_race) return false;
    return lead + 5 - (HumanOff() > 12 ? 1 : 0) < 0;
}

bool ComputerRefusesGammonResign() { return CountCheckers(LOC_HUMAN_BAR, 6, g_board, SIDE_HUMAN) > 0 && !g_race; }

bool ComputerRefusesResign() {
    return ComputerRefusesGammonResign() || (RaceLead(SIDE_COMPUTER) > 9 && HumanOff() == 0);
}
