#include "computer/cube_exchange.h"

#include "computer/cube_decisions.h"
#include "computer/expert_cube.h"
#include "computer/expert_player.h"
#include "rules/position.h"
#include "rules/turn_state.h"
#include "settings/options.h"

void TakeCube() {
    g_cubeValue *= 2;
    g_cubeOwner = Opponent();
}

bool HumanMayDouble() {
    return UseCube && g_moveOrdinal == 1 && g_cubeOwner != SIDE_COMPUTER && g_cubeValue < MAX_CUBE_VALUE;
}

namespace {
// The Expert judges the cube from its network; the other levels keep their rules.
bool ExpertPlays() { return LevelOfPlay == EXPERT_LEVEL; }
}  // namespace

bool HumanDoubles() {
    if (!(ExpertPlays() ? ExpertAcceptsDouble() : ComputerAcceptsDouble(RaceLead(SIDE_COMPUTER)))) return false;
    TakeCube();
    return true;
}

CubeOffer ComputerCubeOffer() {
    if (ExpertPlays()) {
        if (ComputerMayDouble() && ExpertWantsToDouble()) return CubeOffer::Double;
        return ComputerMayResign() && ExpertWantsToResign() ? CubeOffer::Resign : CubeOffer::None;
    }
    const int lead = RaceLead(SIDE_COMPUTER);
    if (ComputerWantsToDouble(lead)) return CubeOffer::Double;
    if (ComputerWantsToResign(lead)) return CubeOffer::Resign;
    return CubeOffer::None;
}

void AnswerComputerDouble(DoubleAnswer answer) {
    switch (answer) {
        case DoubleAnswer::Take:
            TakeCube();
            break;
        case DoubleAnswer::Decline:
            g_winner = SIDE_COMPUTER;
            break;
        case DoubleAnswer::Cancel:
            g_computerMayDouble = 0;
            break;
    }
}

void AnswerComputerResign(bool accept) {
    if (accept)
        g_winner = SIDE_HUMAN;
    else
        g_computerMayResign = 0;
}

bool HumanResigns(WinKind kind) {
    if (ExpertPlays()) {
        if (!ExpertAcceptsResign(kind)) return false;
    } else {
        if (kind == WinKind::Normal && ComputerRefusesResign()) return false;
        if (kind == WinKind::Gammon && ComputerRefusesGammonResign()) return false;
    }
    g_winner = SIDE_COMPUTER;
    g_cubeValue *= static_cast<int>(kind);
    return true;
}
