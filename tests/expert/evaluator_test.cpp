// The quick judge of a roll's plays against the network run in full, along
// random games of a network of random weights: the same chances, to
// rounding, for every play of every throw met.
#include "expert/evaluator.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "expert/move_generator.h"

namespace {

TEST(ExpertEvaluatorTest, PlaysJudgedFromThePositionBeforeMatchAFullEvaluation) {
    std::mt19937 random(7);
    expert::Brain brain{expert::RandomNetwork(32, random), expert::RandomNetwork(16, random)};
    std::uniform_int_distribution<int> die(1, 6);
    std::vector<expert::Play> plays;
    int judged = 0;
    for (int game = 0; game < 20; ++game) {
        expert::Position p = expert::StartingPosition();
        while (true) {
            expert::GeneratePlays(p, die(random), die(random), plays);
            const expert::PlayJudge judge(brain, p);
            for (const expert::Play& play : plays) {
                const expert::Outcome quick = judge.AfterPlay(play.after);
                const expert::Outcome full = expert::EvaluateAfterPlay(brain, play.after);
                for (int k = 0; k < expert::kOutcomes; ++k) ASSERT_NEAR(quick[k], full[k], 1e-5f);
                ++judged;
            }
            const expert::Play& chosen = plays[std::uniform_int_distribution<size_t>(0, plays.size() - 1)(random)];
            if (expert::Off(chosen.after, 0) == expert::kCheckers) break;
            p = expert::Swapped(chosen.after);
        }
    }
    EXPECT_GT(judged, 10000);
}

}  // namespace
