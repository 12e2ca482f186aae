// The Expert's judgement of a position: one network while the checkers can
// still meet, another for the race, and exact values once the game is over.
#pragma once

#include "network.h"
#include "outcome.h"
#include "position.h"

namespace expert {

struct Brain {
    Network contact;
    Network race;
};

// The side on roll is about to throw.
Outcome EvaluateBeforeRoll(const Brain& brain, const Position& p);
// The side on roll has just played (p.checkers[0] moved); its chances now.
Outcome EvaluateAfterPlay(const Brain& brain, const Position& p);
// The network that judges p (the side on roll to throw).
const Network& NetworkFor(const Brain& brain, const Position& p);
// Raw network chances cut to what the position allows.
Outcome Consistent(Outcome o, const Position& p);

}  // namespace expert
