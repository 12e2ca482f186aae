// A recorded game played again from the starting position, to find what
// the review judges: every throw of both sides, for the luck of the dice,
// and every decision of the human, with the position it met. Nothing is
// judged here, so a kept review's figures can be set beside the positions
// again without the Expert.
#pragma once

#include <cstddef>
#include <vector>

#include "coach/human_play.h"
#include "interchange/game_record.h"
#include "rules/position.h"

enum class DecisionKind { Play, Double, Take, Pass };

struct ReplayedThrow {
    Position before;  // the side on roll about to throw: no dice
    int die1 = 0, die2 = 0;
    bool opening = false;  // the game's first throw, thrown again on a double
};

struct ReplayedDecision {
    DecisionKind kind = DecisionKind::Play;
    // Play: the human on roll with its dice thrown. Double: the human on
    // roll, before its throw (no dice) or with its dice thrown, as the game
    // had the cube. Take and Pass: the computer on roll as it doubled.
    Position before;
    HumanPlay made;  // Play only
};

// More decisions than any game has; a kept review counts them in 16 bits.
constexpr std::size_t MOST_DECISIONS = 65535;

struct ReplayedGame {
    // False for a game not played from the starting position, not over, or
    // whose record does not replay by the rules or holds more than
    // MOST_DECISIONS (a damaged file's).
    bool replayed = false;
    std::vector<ReplayedThrow> throws;
    // In the order the human made them: a double after the throw comes
    // before the play of that throw.
    std::vector<ReplayedDecision> decisions;
};

// Doubles the human made count as decisions whether or not the computer
// took them, also one played on after its refusal; the human's answers to
// the computer's doubles too, but not an answer that stopped its doubles
// ("played on"), nor resignations. A turn cut short by a resignation or a
// double passed is no play.
ReplayedGame ReplayGame(const RecordedGame& game);
