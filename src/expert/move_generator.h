// Every legal play of one roll by the full rules: as many dice as the
// position allows, and where only one die of a non-double can be played, the
// larger when it can. Plays that end in the same position are one play.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "position.h"

namespace expert {

// One checker moved by one die, in the mover's numbering: `from` is 0..23 or
// kBar, and a checker moved below point 0 is borne off.
struct Step {
    int8_t from;
    int8_t die;
};

struct Play {
    std::array<Step, 4> steps;
    int count = 0;   // dice used
    Position after;  // still seen from the side that moved
};

// The end point of a step, below 0 when it bears off.
constexpr int Target(const Step& s) { return (s.from == kBar ? kPoints : s.from) - s.die; }

// Whether the side on roll may move a checker from `from` with `die`.
bool IsLegalStep(const Position& p, int from, int die);
// Plays one legal step for the side on roll, hitting a lone checker.
void ApplyStep(Position& p, int from, int die);

// Fills `plays` (cleared first) with the legal plays of the roll; a roll that
// cannot be played at all gives one play of no steps.
void GeneratePlays(const Position& p, int die1, int die2, std::vector<Play>& plays);
// The same for what is left of a roll part-way through a turn: one to four
// dice, two of them different or all the same.
void GeneratePlays(const Position& p, const int* dice, int count, std::vector<Play>& plays);

}  // namespace expert
