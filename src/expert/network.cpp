#include "network.h"

#include <cmath>

namespace expert {
namespace {

float Sigmoid(float x) { return 1.0f / (1.0f + std::exp(-x)); }

void EncodeSide(const std::array<uint8_t, kBar + 1>& side, int base, SparseInputs& in) {
    auto add = [&](int index, float value) {
        in.index[in.count] = static_cast<uint16_t>(index);
        in.value[in.count++] = value;
    };
    int onBoard = 0;
    for (int point = 0; point < kPoints; ++point) {
        const int n = side[point];
        onBoard += n;
        if (n == 0) continue;
        // A blot, a made point, a spare, and the rest counted in halves.
        const int at = base + point * 4;
        add(at, 1);
        if (n >= 2) add(at + 1, 1);
        if (n >= 3) add(at + 2, 1);
        if (n >= 4) add(at + 3, (n - 3) / 2.0f);
    }
    if (side[kBar]) add(base + kPoints * 4, side[kBar] / 2.0f);
    const int off = kCheckers - onBoard - side[kBar];
    if (off) add(base + kPoints * 4 + 1, off / static_cast<float>(kCheckers));
}

// The hidden layer's activations.
void HiddenLayer(const Network& net, const SparseInputs& in, float* h) {
    const int n = net.hidden;
    for (int j = 0; j < n; ++j) h[j] = net.hiddenBias[j];
    for (int k = 0; k < in.count; ++k) {
        const float* row = &net.inputWeights[static_cast<size_t>(in.index[k]) * n];
        const float v = in.value[k];
        for (int j = 0; j < n; ++j) h[j] += v * row[j];
    }
    for (int j = 0; j < n; ++j) h[j] = Sigmoid(h[j]);
}

Outcome OutputLayer(const Network& net, const float* h) {
    Outcome out;
    for (int o = 0; o < kOutcomes; ++o) {
        const float* row = &net.outputWeights[static_cast<size_t>(o) * net.hidden];
        float sum = net.outputBias[o];
        for (int j = 0; j < net.hidden; ++j) sum += row[j] * h[j];
        out[o] = Sigmoid(sum);
    }
    return out;
}

constexpr int kMaxHidden = 1024;

}  // namespace

void EncodeInputs(const Position& p, SparseInputs& in) {
    in.count = 0;
    EncodeSide(p.checkers[0], 0, in);
    EncodeSide(p.checkers[1], kInputsPerSide, in);
}

Network RandomNetwork(int hidden, std::mt19937& random) {
    Network net;
    net.hidden = hidden;
    std::uniform_real_distribution<float> small(-0.1f, 0.1f);
    net.inputWeights.resize(static_cast<size_t>(kInputs) * hidden);
    for (float& w : net.inputWeights) w = small(random);
    net.hiddenBias.assign(hidden, 0.0f);
    net.outputWeights.resize(static_cast<size_t>(kOutcomes) * hidden);
    for (float& w : net.outputWeights) w = small(random);
    return net;
}

Outcome Forward(const Network& net, const SparseInputs& in) {
    float h[kMaxHidden];
    HiddenLayer(net, in, h);
    return OutputLayer(net, h);
}

void Learn(Network& net, const SparseInputs& in, const Outcome& target, float rate) {
    float h[kMaxHidden], back[kMaxHidden] = {};
    HiddenLayer(net, in, h);
    const Outcome out = OutputLayer(net, h);
    const int n = net.hidden;
    for (int o = 0; o < kOutcomes; ++o) {
        const float delta = rate * (target[o] - out[o]);
        float* row = &net.outputWeights[static_cast<size_t>(o) * n];
        for (int j = 0; j < n; ++j) {
            back[j] += delta * row[j];
            row[j] += delta * h[j];
        }
        net.outputBias[o] += delta;
    }
    for (int j = 0; j < n; ++j) back[j] *= h[j] * (1 - h[j]);
    for (int j = 0; j < n; ++j) net.hiddenBias[j] += back[j];
    for (int k = 0; k < in.count; ++k) {
        float* row = &net.inputWeights[static_cast<size_t>(in.index[k]) * n];
        const float v = in.value[k];
        for (int j = 0; j < n; ++j) row[j] += v * back[j];
    }
}

}  // namespace expert
