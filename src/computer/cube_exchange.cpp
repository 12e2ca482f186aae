#include "computer/cube_exchange.h"

#include "computer/cube_decisions.h"
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

bool HumanDoubles() {
    if (!ComputerAcceptsDouble(RaceLead(SIDE_COMPUTER))) return false;
    TakeCube();
    return true;
}

CubeOffer ComputerCubeOffer() {
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
    if (kind == WinKind::Normal && ComputerRefusesResign()) return false;
    if (kind == WinKind::Gammon && ComputerRefusesGammonResign()) return false;
    g_winner = SIDE_COMPUTER;
    g_cubeValue *= static_cast<int>(kind);
    return true;
}
