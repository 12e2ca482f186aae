// The Expert's judgement of a position: one network while the checkers can
// still meet, another for the race, a table once both sides are bearing off,
// and exact values once the game is over.
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
// Judges the plays of one roll quickly: the network's sums for the position
// before the play are kept, and each play adds only the inputs it changes.
class PlayJudge {
public:
    // `before`: the side on roll is about to play.
    PlayJudge(const Brain& brain, const Position& before);
    // The same as EvaluateAfterPlay for a play from `before`.
    Outcome AfterPlay(const Position& after) const;

private:
    const Brain& brain_;
    const Network& network_;
    HiddenSums near_;
};

// The network that judges p (the side on roll to throw), and that learns from it.
const Network& NetworkFor(const Brain& brain, const Position& p);
Network& NetworkFor(Brain& brain, const Position& p);

}  // namespace expert
