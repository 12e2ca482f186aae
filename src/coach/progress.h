// The player's progress for the Review window's graph: the error rate game
// by game over the last kept games, with a running figure that shows the
// trend through the ups and downs of single games.
#pragma once

#include <vector>

#include "coach/kept_reviews.h"
#include "interchange/game_record.h"

constexpr int PROGRESS_GAMES = 50;
constexpr int RUNNING_GAMES = 10;

struct ProgressPoint {
    int game = 0;         // index among the kept games
    float errorRate = 0;  // this game's
    // The error rate of the last RUNNING_GAMES points up to this one taken
    // together: thousandths lost per decision over all their decisions.
    float runningRate = 0;
};

// One point, oldest first, for each of the last PROGRESS_GAMES kept games
// that has a kept review with a decision counted; games not reviewed (set
// up from a position, or not yet judged) leave no point.
std::vector<ProgressPoint> ErrorRateProgress(const std::vector<RecordedGame>& kept,
                                             const std::vector<KeptReview>& reviews);
