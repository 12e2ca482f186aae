#include "weights_file.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace expert {
namespace {

constexpr uint32_t kMagic = 0x4E4E584B;  // "KXNN"
constexpr uint32_t kVersion = 1;
constexpr uint32_t kNetworks = 2;
constexpr uint32_t kMaxHidden = 1024;

uint32_t Checksum(const uint8_t* data, size_t size) {
    uint32_t h = 2166136261u;
    for (size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 16777619u;
    return h;
}

class Writer {
public:
    void U32(uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    void Floats(const float* v, size_t n) {
        for (size_t i = 0; i < n; ++i) U32(std::bit_cast<uint32_t>(v[i]));
    }
    std::vector<uint8_t> bytes;
};

class Reader {
public:
    Reader(const uint8_t* d, size_t n) : data(d), size(n) {}
    bool U32(uint32_t& v) {
        if (size - at < 4) return false;
        v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(data[at + i]) << (8 * i);
        at += 4;
        return true;
    }
    bool Floats(float* v, size_t n) {
        if ((size - at) / 4 < n) return false;
        for (size_t i = 0; i < n; ++i) {
            uint32_t bits = 0;
            U32(bits);
            v[i] = std::bit_cast<float>(bits);
        }
        return true;
    }
    const uint8_t* data;
    size_t size, at = 0;
};

void SaveNetwork(Writer& w, const Network& net) {
    w.U32(kInputs);
    w.U32(static_cast<uint32_t>(net.hidden));
    w.U32(kOutcomes);
    w.Floats(net.inputWeights.data(), net.inputWeights.size());
    w.Floats(net.hiddenBias.data(), net.hiddenBias.size());
    w.Floats(net.outputWeights.data(), net.outputWeights.size());
    w.Floats(net.outputBias.data(), net.outputBias.size());
}

std::string LoadNetwork(Reader& r, Network& net) {
    uint32_t inputs, hidden, outputs;
    if (!r.U32(inputs) || !r.U32(hidden) || !r.U32(outputs)) return "the file ends inside a network's sizes";
    // A network of the per-point inputs alone reads as one that gives the
    // features no weight yet: the start of training them.
    if ((inputs != kInputs && inputs != kRawInputs) || outputs != kOutcomes || hidden == 0 || hidden > kMaxHidden)
        return "a network has " + std::to_string(inputs) + " inputs, " + std::to_string(hidden) + " hidden units and " +
               std::to_string(outputs) + " outputs; this program reads " + std::to_string(kRawInputs) + " or " +
               std::to_string(kInputs) + ", 1.." + std::to_string(kMaxHidden) + " and " + std::to_string(kOutcomes);
    net.hidden = static_cast<int>(hidden);
    net.inputWeights.assign(static_cast<size_t>(kInputs) * hidden, 0.0f);
    net.hiddenBias.resize(hidden);
    net.outputWeights.resize(static_cast<size_t>(kOutcomes) * hidden);
    if (!r.Floats(net.inputWeights.data(), static_cast<size_t>(inputs) * hidden) ||
        !r.Floats(net.hiddenBias.data(), net.hiddenBias.size()) ||
        !r.Floats(net.outputWeights.data(), net.outputWeights.size()) ||
        !r.Floats(net.outputBias.data(), net.outputBias.size()))
        return "the file ends inside a network's weights";
    return {};
}

}  // namespace

std::vector<uint8_t> SaveBrain(const Brain& brain) {
    Writer w;
    w.U32(kMagic);
    w.U32(kVersion);
    w.U32(kNetworks);
    SaveNetwork(w, brain.contact);
    SaveNetwork(w, brain.race);
    w.U32(Checksum(w.bytes.data(), w.bytes.size()));
    return w.bytes;
}

std::string LoadBrain(const uint8_t* data, size_t size, Brain& brain) {
    Reader r(data, size);
    uint32_t magic, version, networks, sum;
    if (!r.U32(magic) || magic != kMagic) return "not a weights file (no magic number)";
    if (!r.U32(version)) return "the file ends inside its header";
    if (version != kVersion)
        return "weights file version " + std::to_string(version) + ", this program reads version " +
               std::to_string(kVersion);
    if (!r.U32(networks)) return "the file ends inside its header";
    if (networks != kNetworks)
        return "the file holds " + std::to_string(networks) + " networks, not " + std::to_string(kNetworks);
    Brain loaded;
    std::string problem = LoadNetwork(r, loaded.contact);
    if (problem.empty()) problem = LoadNetwork(r, loaded.race);
    if (!problem.empty()) return problem;
    const size_t body = r.at;
    if (!r.U32(sum)) return "the file ends before its checksum";
    if (r.at != size) return "the file has " + std::to_string(size - r.at) + " bytes after its checksum";
    if (sum != Checksum(data, body)) return "the checksum does not match: the file is damaged";
    for (const Network* net : {&loaded.contact, &loaded.race})
        for (const auto* v : {&net->inputWeights, &net->hiddenBias, &net->outputWeights})
            for (float w : *v)
                if (!std::isfinite(w)) return "a weight is not a finite number";
    brain = std::move(loaded);
    return {};
}

}  // namespace expert
