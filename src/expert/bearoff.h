// Exact races once both sides have every checker left in their home boards:
// for each way of placing up to 15 checkers on the six home points, the
// chances of needing 1, 2, ... rolls to bear them all off (playing each roll
// to need the fewest rolls on average), and for positions of all 15 checkers
// the chances of needing that many rolls to bear the first one off.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "outcome.h"
#include "position.h"

namespace expert {

constexpr int kHomePoints = 6;
// Every placement of 0..15 checkers on the six home points.
constexpr int kHomePositions = 54264;
// Longest number of rolls kept; longer ones are counted as this many.
constexpr int kMaxRolls = 32;

using Home = std::array<uint8_t, kHomePoints>;
using RollChances = std::array<float, kMaxRolls>;  // [n]: exactly n rolls

// The table's index of a home board, 0 .. kHomePositions - 1.
int HomeIndex(const Home& home);

class BearoffTable {
public:
    // Builds the whole table: a few hundred milliseconds.
    BearoffTable();
    RollChances RollsToFinish(const Home& home) const;
    // For a board of 15 checkers only.
    RollChances RollsToFirstOff(const Home& home) const;

private:
    std::vector<uint16_t> finish_, firstOff_;  // kMaxRolls per position, in 1/65535
};

// Built at the first call and kept for the life of the program.
const BearoffTable& Bearoff();

// Whether every checker either side has left is in its home board.
bool IsBearoffRace(const Position& p);
// The exact chances of such a position, the side on roll to throw.
Outcome BearoffOutcome(const BearoffTable& table, const Position& p);

}  // namespace expert
