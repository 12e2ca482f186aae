// The kept reviews: a file read back writes the same bytes again, and any
// figures it holds, set beside a game, give its review or none, never a
// fault.
#include <cstddef>
#include <cstdint>

#include "../coach/coach_fixture.h"
#include "coach/kept_reviews.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const ReplayedGame game = ReplayGame(ShortGame());
    const Bytes bytes(data, data + size);
    const std::optional<std::vector<KeptReview>> reviews = DecodeKeptReviews(bytes);
    if (!reviews) return 0;
    FUZZ_CHECK(EncodeKeptReviews(*reviews) == bytes);
    for (const KeptReview& kept : *reviews) {
        const GameReview review = ReviewFromFigures(game, kept.figures);
        for (const ReviewedDecision& d : review.decisions)
            FUZZ_CHECK(d.loss >= 0 && !d.bestText.empty() == (d.kind == DecisionKind::Play));
    }
    return 0;
}
