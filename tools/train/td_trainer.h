// Temporal-difference learning by self-play: the network plays both sides
// with its own best 0-ply play, and each position before a throw learns the
// value of the position its play led to (the game's result at the end).
#pragma once

#include <cstdint>
#include <random>

#include "expert/evaluator.h"

struct TrainingSettings {
    float startRate = 0.1f;  // learning rate at game 0
    float endRate = 0.01f;   // ... falling linearly to this by `rateGames`
    int64_t rateGames = 1000000;
};

class TdTrainer {
public:
    TdTrainer(expert::Brain& brain, const TrainingSettings& settings, uint64_t seed);
    // Plays and learns from one game; returns the number of plays in it.
    int PlayGame(int64_t gameNumber);

private:
    float Rate(int64_t gameNumber) const;

    expert::Brain& brain_;
    TrainingSettings settings_;
    std::mt19937_64 random_;
};
