#include "computer/expert_cube.h"

#include "computer/expert_player.h"
#include "expert/cube.h"
#include "rules/position.h"

namespace {

// The side to move plays its best with the dice left, or, with none thrown,
// is about to throw.
expert::Outcome ChancesOfSideToMove() {
    if (g_diceLeft == 0) return expert::EvaluateBeforeRoll(EmbeddedBrain(), LivePosition(g_sideToMove));
    return expert::ChoosePlay(EmbeddedBrain(), LivePlays(g_sideToMove)).outcome;
}

expert::Outcome ComputerChances() {
    const expert::Outcome o = ChancesOfSideToMove();
    return g_sideToMove == SIDE_COMPUTER ? o : expert::Flipped(o);
}

expert::CubeAccess ComputerAccess() {
    return g_cubeOwner == SIDE_NONE       ? expert::CubeAccess::Centred
           : g_cubeOwner == SIDE_COMPUTER ? expert::CubeAccess::Mine
                                          : expert::CubeAccess::Theirs;
}

expert::CubeAccess Reversed(expert::CubeAccess a) {
    return a == expert::CubeAccess::Mine     ? expert::CubeAccess::Theirs
           : a == expert::CubeAccess::Theirs ? expert::CubeAccess::Mine
                                             : a;
}

}  // namespace

bool ExpertWantsToDouble() { return expert::JudgeDouble(ComputerChances(), ComputerAccess()).ShouldDouble(); }

bool ExpertWantsToResign() {
    // Giving up a single game when playing on is worth no more, and nothing
    // bigger than a single game is at stake.
    const expert::Outcome o = ComputerChances();
    return expert::CubefulEquity(o, ComputerAccess()) <= -0.99f && o[expert::kLoseGammon] < 0.01f;
}

bool ExpertAcceptsDouble() {
    const expert::Outcome human = expert::Flipped(ComputerChances());
    return expert::JudgeDouble(human, Reversed(ComputerAccess())).ShouldTake();
}

bool ExpertAcceptsResign(WinKind kind) {
    return static_cast<float>(kind) >= expert::CubefulEquity(ComputerChances(), ComputerAccess());
}
