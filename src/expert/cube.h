// The doubling cube from the network's cubeless chances, money play: the
// cube's worth taken from a live-cube model that blends a cube used at the
// last moment (fully live) with one never used again (dead).
#pragma once

#include "outcome.h"

namespace expert {

// Who may double next, seen from the side the chances belong to.
enum class CubeAccess { Centred, Mine, Theirs };

// The share of the live cube's worth that a real game keeps.
constexpr float kCubeLife = 0.7f;

// Equity per unit of the current stake, cube included.
float CubefulEquity(const Outcome& o, CubeAccess access);

// The three values of a double by the side the chances belong to, per unit
// of the stake before the double.
struct DoubleValues {
    float noDouble, doubleTake, doublePass;
    bool ShouldDouble() const;  // worth more doubled, whatever the answer
    bool ShouldTake() const;    // for the side doubled
};
DoubleValues JudgeDouble(const Outcome& o, CubeAccess now);

}  // namespace expert
