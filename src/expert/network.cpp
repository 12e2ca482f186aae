#include "network.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

namespace expert {
namespace {

// e^x to within a few parts in ten million, in plain arithmetic the
// compiler can run on several units at once, unlike the library's exp.
inline float Exp(float x) {
    x = x < -80.0f ? -80.0f : x;
    x = x > 80.0f ? 80.0f : x;
    const float t = x * 1.44269504f;                      // in powers of two
    const float whole = (t + 12582912.0f) - 12582912.0f;  // rounded to the nearest
    const float y = (t - whole) * 0.693147181f;           // |y| <= ln 2 / 2
    const float fraction =
        1 + y * (1 + y * (0.5f + y * (1 / 6.0f + y * (1 / 24.0f + y * (1 / 120.0f + y * (1 / 720.0f))))));
    return fraction * std::bit_cast<float>((static_cast<int32_t>(whole) + 127) << 23);
}

float Sigmoid(float x) { return 1.0f / (1.0f + Exp(-x)); }

// A dot product in eight running sums, so that it runs vectorised.
float Dot(const float* a, const float* b, int n) {
    float sums[8] = {};
    int j = 0;
    for (; j + 8 <= n; j += 8)
        for (int k = 0; k < 8; ++k) sums[k] += a[j + k] * b[j + k];
    for (; j < n; ++j) sums[0] += a[j] * b[j];
    return ((sums[0] + sums[1]) + (sums[2] + sums[3])) + ((sums[4] + sums[5]) + (sums[6] + sums[7]));
}

void Add(SparseInputs& in, int index, float value) {
    in.index[in.count] = static_cast<uint16_t>(index);
    in.value[in.count++] = value;
}

void EncodeSide(const Side& side, int base, SparseInputs& in) {
    const auto add = [&](int index, float value) { Add(in, index, value); };
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

void AddInputs(const Network& net, const uint16_t* index, const float* value, int count, float* h) {
    const int n = net.hidden;
    for (int k = 0; k < count; ++k) {
        const float* row = &net.inputWeights[static_cast<size_t>(index[k]) * n];
        const float v = value[k];
        for (int j = 0; j < n; ++j) h[j] += v * row[j];
    }
}

// The hidden layer's activations.
void HiddenLayer(const Network& net, const SparseInputs& in, float* h) {
    const int n = net.hidden;
    for (int j = 0; j < n; ++j) h[j] = net.hiddenBias[j];
    AddInputs(net, in.index.data(), in.value.data(), in.count, h);
    for (int j = 0; j < n; ++j) h[j] = Sigmoid(h[j]);
}

Outcome OutputLayer(const Network& net, const float* h) {
    Outcome out;
    for (int o = 0; o < kOutcomes; ++o) {
        const float* row = &net.outputWeights[static_cast<size_t>(o) * net.hidden];
        out[o] = Sigmoid(net.outputBias[o] + Dot(row, h, net.hidden));
    }
    return out;
}

constexpr int kMaxHidden = 1024;

}  // namespace

void EncodeInputs(const Position& p, SparseInputs& in) {
    in.count = 0;
    EncodeSide(p.checkers[0], 0, in);
    EncodeSide(p.checkers[1], kInputsPerSide, in);
    for (int side = 0; side < 2; ++side) {
        const Features f = FeaturesOf(p.checkers[side], p.checkers[1 - side]);
        for (int k = 0; k < kFeaturesPerSide; ++k)
            if (f[k] != 0) Add(in, kRawInputs + side * kFeaturesPerSide + k, f[k]);
    }
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

HiddenSums SumsFor(const Network& net, const SparseInputs& in) {
    HiddenSums s{in, net.hiddenBias};
    AddInputs(net, in.index.data(), in.value.data(), in.count, s.sums.data());
    return s;
}

Outcome ForwardFrom(const Network& net, const HiddenSums& near, const SparseInputs& in) {
    // Both lists run in increasing order of input: what differs, merged.
    SparseInputs change;
    int a = 0, b = 0;
    const SparseInputs& from = near.in;
    while (a < from.count || b < in.count) {
        const int ia = a < from.count ? from.index[a] : kInputs, ib = b < in.count ? in.index[b] : kInputs;
        const int at = std::min(ia, ib);
        const float v = (ib == at ? in.value[b++] : 0.0f) - (ia == at ? from.value[a++] : 0.0f);
        if (v != 0) {
            change.index[change.count] = static_cast<uint16_t>(at);
            change.value[change.count++] = v;
        }
    }
    if (change.count >= in.count) return Forward(net, in);
    float h[kMaxHidden];
    std::copy(near.sums.begin(), near.sums.end(), h);
    AddInputs(net, change.index.data(), change.value.data(), change.count, h);
    for (int j = 0; j < net.hidden; ++j) h[j] = Sigmoid(h[j]);
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
