// The review of a finished game: every decision of the human judged by the
// Expert at its full search (see ranked_plays.h and cube_hint.h for the
// units), what each gave up, and the game's summary. A review is worked out
// once (ReviewGame) and kept as its figures (ReviewFigures), from which the
// whole review is set out again beside the replayed game without the Expert.
#pragma once

#include <string>
#include <vector>

#include "coach/cube_hint.h"
#include "coach/error_marks.h"
#include "coach/game_replay.h"
#include "coach/human_play.h"
#include "interchange/game_record.h"

// The figures are kept to this fraction of a point.
constexpr float FIGURE_RESOLUTION = 10000.0f;
constexpr float MOST_LOSS = 65535 / FIGURE_RESOLUTION;
// A side's luck over a game is kept within this, as far as no game goes,
// so that every figure comes back from the file exactly.
constexpr float MOST_LUCK = 100;

// What the Expert's judgement of one decision leaves to keep: the rest
// follows from the replayed game.
struct DecisionFigures {
    DecisionKind kind = DecisionKind::Play;
    bool forced = false;  // a play with only one distinct choice
    // What the decision gave up, ≥ 0, to FIGURE_RESOLUTION and at most
    // MOST_LOSS, so that a kept review gives back the same figures and marks.
    float loss = 0;
    // Play: the best play, when it is not the play made.
    bool madeWasBest = true;
    HumanPlay best;
    CubeAdvice advice = CubeAdvice::NoDouble;  // cube decisions
    bool operator==(const DecisionFigures&) const = default;
};

struct ReviewFigures {
    std::vector<DecisionFigures> decisions;
    // By side (SIDE_COMPUTER, SIDE_HUMAN), to FIGURE_RESOLUTION, within ±MOST_LUCK.
    float luck[3] = {0, 0, 0};
    bool operator==(const ReviewFigures&) const = default;
};

struct ReviewedDecision {
    DecisionKind kind = DecisionKind::Play;
    Position before;         // as the decision met it (see ReplayedDecision)
    int die1 = 0, die2 = 0;  // the throw; none for a cube decision before it
    // Plays: the play made and the best, with their texts (PlayText).
    HumanPlay made, best;
    std::string madeText, bestText;
    // Cube decisions: the right action; the choice made is the kind.
    CubeAdvice advice = CubeAdvice::NoDouble;
    bool forced = false;
    float loss = 0;
    Mark mark = Mark::None;
};

struct ReviewSummary {
    // Decisions counted: plays with more than one distinct choice, and
    // every cube decision.
    int decisions = 0;
    int errors = 0;  // decisions marked doubtful or worse
    float lost = 0;  // summed over the game
    // Thousandths of a point lost per decision counted; 0 with none.
    float errorRate = 0;
    // The luck of each side's dice, summed over the game (dice_luck.h).
    float luck[3] = {0, 0, 0};
};

struct GameReview {
    // False for a game not played from the starting position, not over, or
    // whose record does not replay; such a review holds nothing else.
    bool reviewed = false;
    std::vector<ReviewedDecision> decisions;
    ReviewSummary summary;
};

// The cube choice a decision of the human made; NoDouble for a play.
CubeChoice CubeChoiceOf(DecisionKind kind);

// The summary the figures give, without the game.
ReviewSummary Summarize(const ReviewFigures& figures);

// Judges every decision and throw: about as long as the Expert's search
// of each of the human's turns.
ReviewFigures JudgeGame(const ReplayedGame& game);
// The review set out from its figures; not reviewed when the figures do not
// fit the game (another game's, or a damaged file's).
GameReview ReviewFromFigures(const ReplayedGame& game, const ReviewFigures& figures);
// Both in one: replays and judges the game.
GameReview ReviewGame(const RecordedGame& game);

// The player's level in plain words, from the error rate: below 5 "World
// class", below 10 "Expert", below 15 "Advanced", below 22 "Intermediate",
// below 30 "Casual", then "Beginner"; "" for a game without a decision counted.
const char* RatingBand(const ReviewSummary& summary);
