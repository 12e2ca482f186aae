// The reviews of the kept games, kept across runs in a file beside them, so
// that a game is judged once. Only the figures are kept (ReviewFigures):
// the positions, dice and plays made come back by replaying the kept game,
// in microseconds, while the Expert's judgement is what takes time. A review
// belongs to its game by the game's fingerprint, which stays the same as
// older games are dropped from the kept list. The file is written whole
// through a temporary file and a rename, holds at most the reviews of the
// games kept, and a file the program did not write, or one damaged, is set
// aside as "<name>.bad" and started anew, as the kept games are.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "coach/game_review.h"
#include "interchange/game_record.h"
#include "platform/atomic_file.h"

inline const char* const KEPT_REVIEWS_FILE_NAME = "kestro32.rvw";

struct KeptReview {
    uint64_t game = 0;  // GameKey of the game reviewed
    ReviewFigures figures;
    bool operator==(const KeptReview&) const = default;
};

// A fingerprint of the game: its flags, the score before it and every event.
uint64_t GameKey(const RecordedGame& game);

Bytes EncodeKeptReviews(const std::vector<KeptReview>& reviews);
// The reviews, or nothing when any field is not one the program writes.
std::optional<std::vector<KeptReview>> DecodeKeptReviews(const Bytes& bytes);

struct KeptReviews {
    std::vector<KeptReview> reviews;
    // The file was refused and set aside; the player should be told.
    bool setAside = false;
};
// A missing file gives no reviews; so does a refused one, once set aside.
KeptReviews LoadKeptReviews(const std::string& path);

// The kept figures of the game's review, or nullptr.
const ReviewFigures* FindReview(const std::vector<KeptReview>& reviews, const RecordedGame& game);

// Keeps the review of `game`, one of `keptGames`, in place of an older one
// of it, drops the reviews of games no longer kept, and writes the file; on
// failure the reviews in memory stay in force.
FileResult KeepReview(const std::string& path, std::vector<KeptReview>& reviews, const RecordedGame& game,
                      const ReviewFigures& figures, const std::vector<RecordedGame>& keptGames);
