// What the per-point encoding leaves the network to work out for itself,
// worked out from the position: how far each side has to go, how exposed
// and how hemmed in its checkers are, and whether the sides are about to
// part. One short row of numbers for each side, in its own numbering.
#pragma once

#include <array>
#include <cstdint>

#include "position.h"

namespace expert {

enum Feature {
    kPips,       // pips still to travel, in hundreds
    kShotRolls,  // share of the other side's 36 rolls that hit one of this side's blots
    kBlockade,   // the most of this side's points in six in a row in front of the other's rearmost checker, in sixths
    kBehind,     // checkers still to pass the other side's rearmost checker, in fifteenths
    kTrapped,    // checkers with one of the other side's points still ahead, in fifteenths
    kDance,      // chance that a checker on the bar fails to enter the other's home board
    kFeaturesPerSide
};

using Side = std::array<uint8_t, kBar + 1>;
using Features = std::array<float, kFeaturesPerSide>;

// The row for `mine`, the other side's checkers being `theirs`.
Features FeaturesOf(const Side& mine, const Side& theirs);

}  // namespace expert
