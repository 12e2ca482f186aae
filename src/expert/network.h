// A small multilayer perceptron that judges a position with the side on
// roll to throw next. Most of its inputs are zero, so the hidden layer is
// summed from the few that are not, column by column.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "features.h"
#include "outcome.h"
#include "position.h"

namespace expert {

// Per side: four units for each point, one for the bar, one for the tray;
// then each side's features.
constexpr int kInputsPerSide = kPoints * 4 + 2;
constexpr int kRawInputs = 2 * kInputsPerSide;
constexpr int kInputs = kRawInputs + 2 * kFeaturesPerSide;

// The inputs that are not zero, as (index, value) pairs.
struct SparseInputs {
    std::array<uint16_t, kInputs> index;
    std::array<float, kInputs> value;
    int count = 0;
};
void EncodeInputs(const Position& p, SparseInputs& in);

struct Network {
    int hidden = 0;
    std::vector<float> inputWeights;   // kInputs rows of `hidden`, one row per input
    std::vector<float> hiddenBias;     // hidden
    std::vector<float> outputWeights;  // kOutcomes rows of `hidden`
    std::array<float, kOutcomes> outputBias{};
};

// Small random weights, the start of training.
Network RandomNetwork(int hidden, std::mt19937& random);

// The raw outputs, each a sigmoid in 0..1 (not yet made consistent).
Outcome Forward(const Network& net, const SparseInputs& in);

// The network half-way for one position, to judge others that differ from
// it in a few inputs (the positions plays from it lead to) from there.
struct HiddenSums {
    SparseInputs in;
    std::vector<float> sums;  // each hidden unit's input, not yet squashed
};
HiddenSums SumsFor(const Network& net, const SparseInputs& in);
// The same as Forward(net, in), from the sums of a position near `in`.
Outcome ForwardFrom(const Network& net, const HiddenSums& near, const SparseInputs& in);

// One gradient step of the cross-entropy between the outputs and `target`.
void Learn(Network& net, const SparseInputs& in, const Outcome& target, float rate);

}  // namespace expert
