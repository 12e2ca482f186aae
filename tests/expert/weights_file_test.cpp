#include "expert/weights_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>

#include "computer/expert_player.h"

TEST(ExpertWeightsTest, TheBuiltInWeightsAreAccepted) { EXPECT_EQ(EmbeddedBrainProblem(), ""); }

TEST(ExpertWeightsTest, DamagedFilesAreRefusedWithTheReasonAndChangeNothing) {
    std::mt19937 random(7);
    const expert::Brain good{expert::RandomNetwork(3, random), expert::RandomNetwork(2, random)};
    const std::vector<uint8_t> bytes = expert::SaveBrain(good);
    using Damage = std::function<void(std::vector<uint8_t>&)>;
    const struct {
        const char* name;
        Damage damage;
        const char* reason;
    } cases[] = {
        {"intact", [](auto&) {}, ""},
        {"empty", [](auto& b) { b.clear(); }, "no magic number"},
        {"other magic", [](auto& b) { b[0] ^= 1; }, "no magic number"},
        {"version 2", [](auto& b) { b[4] = 2; }, "version 2"},
        {"cut in the header", [](auto& b) { b.resize(10); }, "ends inside its header"},
        {"too many hidden units", [](auto& b) { b[17] = 0x10; }, "hidden units"},
        {"cut in the weights", [](auto& b) { b.resize(b.size() / 2); }, "ends inside a network's weights"},
        {"a byte more", [](auto& b) { b.push_back(0); }, "after its checksum"},
        {"a flipped bit", [](auto& b) { b[40] ^= 0x10; }, "checksum does not match"},
    };
    for (const auto& c : cases) {
        std::vector<uint8_t> damaged = bytes;
        c.damage(damaged);
        expert::Brain loaded;
        loaded.contact.hidden = 99;
        const std::string problem = expert::LoadBrain(damaged.data(), damaged.size(), loaded);
        EXPECT_NE(problem.find(c.reason), std::string::npos) << c.name << ": " << problem;
        if (*c.reason) {
            EXPECT_EQ(loaded.contact.hidden, 99) << c.name;
        } else {
            EXPECT_EQ(expert::SaveBrain(loaded), bytes);
        }
    }
}

TEST(ExpertWeightsTest, AFileOfThePerPointInputsAloneReadsWithTheFeaturesUnweighted) {
    std::mt19937 random(7);
    expert::Brain brain{expert::RandomNetwork(1, random), expert::RandomNetwork(1, random)};
    for (expert::Network* net : {&brain.contact, &brain.race})
        std::fill(net->inputWeights.begin() + expert::kRawInputs, net->inputWeights.end(), 0.0f);
    const std::vector<uint8_t> full = expert::SaveBrain(brain);
    // The same networks of one hidden unit with the feature rows left out, the later one first.
    std::vector<uint8_t> raw(full.begin(), full.end() - 4);
    const size_t network = 12 + 4 * (expert::kInputs + 1 + 2 * expert::kOutcomes);
    for (size_t at : {12 + network, size_t{12}}) {
        const auto rows = raw.begin() + static_cast<long>(at + 12 + 4 * expert::kRawInputs);
        raw.erase(rows, rows + 4 * (expert::kInputs - expert::kRawInputs));
        raw[at] = expert::kRawInputs;  // the low byte of the count
    }
    uint32_t sum = 2166136261u;
    for (uint8_t b : raw) sum = (sum ^ b) * 16777619u;
    for (int i = 0; i < 4; ++i) raw.push_back(static_cast<uint8_t>(sum >> (8 * i)));
    expert::Brain loaded;
    ASSERT_EQ(expert::LoadBrain(raw.data(), raw.size(), loaded), "");
    EXPECT_EQ(expert::SaveBrain(loaded), full);
}
