#include "coach/review_keeper.h"

#include "coach/game_replay.h"

bool ReviewKeeper::Load() {
    KeptReviews loaded = LoadKeptReviews(path_);
    reviews_ = std::move(loaded.reviews);
    return loaded.setAside;
}

bool ReviewKeeper::Reviewable(const RecordedGame& game) { return game.fromStart && ReplayGame(game).replayed; }

const ReviewFigures* ReviewKeeper::Judged(const RecordedGame& game, const std::vector<RecordedGame>& kept,
                                          FileResult& written) {
    written = {};
    if (const ReviewFigures* found = Find(game)) return found;
    if (!game.fromStart) return nullptr;
    const ReplayedGame replayed = ReplayGame(game);
    if (!replayed.replayed) return nullptr;
    written = KeepReview(path_, reviews_, game, JudgeGame(replayed), kept);
    return Find(game);
}
