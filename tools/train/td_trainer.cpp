#include "td_trainer.h"

#include <algorithm>
#include <vector>

#include "expert/move_generator.h"
#include "expert/search.h"

using namespace expert;

TdTrainer::TdTrainer(Brain& brain, const TrainingSettings& settings, uint64_t seed)
    : brain_(brain), settings_(settings), random_(seed) {}

float TdTrainer::Rate(int64_t gameNumber) const {
    const double progress = std::min(1.0, static_cast<double>(gameNumber) / settings_.rateGames);
    return static_cast<float>(settings_.startRate + (settings_.endRate - settings_.startRate) * progress);
}

int TdTrainer::PlayGame(int64_t gameNumber) {
    const float rate = Rate(gameNumber);
    std::uniform_int_distribution<int> die(1, 6);
    std::vector<Play> plays;
    Position p = StartingPosition();
    int d1, d2;
    // The opening throw is never a double.
    do {
        d1 = die(random_);
        d2 = die(random_);
    } while (d1 == d2);
    for (int turn = 1;; ++turn) {
        if (turn > 1) {
            d1 = die(random_);
            d2 = die(random_);
        }
        GeneratePlays(p, d1, d2, plays);
        Outcome after;
        const Play& chosen = plays[BestPlayIndex(brain_, p, plays, &after)];
        SparseInputs in;
        EncodeInputs(p, in);
        Learn(NetworkFor(brain_, p), in, after, rate);
        if (Off(chosen.after, 0) == kCheckers) return turn;
        p = Swapped(chosen.after);
    }
}
