// The reviews of the kept games as the running program holds them: read at
// the start, and a game without one judged when the player looks at it, so
// that neither the end of a game nor the program's start waits for the
// Expert's judgement of games nobody asked about.
#pragma once

#include <string>
#include <vector>

#include "coach/kept_reviews.h"
#include "interchange/game_record.h"
#include "platform/atomic_file.h"

class ReviewKeeper {
public:
    explicit ReviewKeeper(std::string path = KEPT_REVIEWS_FILE_NAME) : path_(std::move(path)) {}

    // Reads the kept reviews; true when the file was refused and set aside.
    bool Load();

    // Whether `game` can have a review: played from the start and replayed by the rules.
    static bool Reviewable(const RecordedGame& game);
    // The kept figures of `game`, one of `kept`, or nullptr when it has none.
    const ReviewFigures* Find(const RecordedGame& game) const { return FindReview(reviews_, game); }
    const std::vector<KeptReview>& Kept() const { return reviews_; }
    // The kept figures of `game`, judging and keeping them first when there
    // are none (a second or so for a long game); nullptr for a game that is
    // not Reviewable. A failure to write the file leaves the figures in
    // force and is returned in `written`.
    const ReviewFigures* Judged(const RecordedGame& game, const std::vector<RecordedGame>& kept, FileResult& written);

private:
    std::string path_;
    std::vector<KeptReview> reviews_;
};
