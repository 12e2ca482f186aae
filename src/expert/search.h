// The Expert's choice of play: every legal play judged by the network, then
// the most promising few judged again one roll deeper, where the opponent's
// best answer to each of its 21 rolls is averaged, and the closest of those
// once more two rolls deeper.
#pragma once

#include <array>
#include <vector>

#include "evaluator.h"
#include "move_generator.h"

namespace expert {

struct SearchLimits {
    int candidates = 8;    // plays looked at one roll deeper, at most
    float window = 0.16f;  // ... and only those this close to the best
    bool lookahead = true;
    int deepest = 2;           // plays then looked at two rolls deeper, at most
    float deepWindow = 0.10f;  // ... and only those this close to the best one roll deeper
    // What the side choosing the play gets for each way of ending: money
    // play unless a match score says otherwise.
    Stakes stakes;
};

struct Judged {
    Play play;
    Outcome outcome;  // for the side that played
};

// The deepest look of the search: two rolls ahead.
constexpr int kDeepestLook = 2;

// A play with what each look found, for showing the plays side by side: the
// chances `outcomes[d]` for the side that played, d rolls ahead, for every d
// up to `look`. A play that ends the game is exact at every depth.
struct RankedPlay {
    Play play;
    std::array<Outcome, kDeepestLook + 1> outcomes{};
    int look = 0;
    const Outcome& Deepest() const { return outcomes[look]; }
};

// The best play at 0-ply among `plays` (not empty) from `before` at the
// stakes of the side on roll: its index.
int BestPlayIndex(const Brain& brain, const Position& before, const std::vector<Play>& plays,
                  Outcome* outcome = nullptr, const Stakes& stakes = {});
// The chances of the side on roll averaged over its 21 rolls, each answered
// by its best 0-ply play: the side on roll is about to throw. With `depth`
// 2 the position each best play leaves is judged by the other side's 21
// rolls in turn. Each side plays for its own stakes; `stakes` are those of
// the side on roll.
Outcome AverageOverRolls(const Brain& brain, const Position& p, int depth = 1, const Stakes& stakes = {});
// The legal `plays` of a roll (not empty) as the Expert's search leaves
// them: the plays it looked at two rolls ahead, best first, then those it
// looked at one roll ahead, then the rest, so the first is the play it makes.
// `alsoJudge`, an index into `plays`, is looked at one roll ahead whatever
// its first look, and two rolls ahead when it is as close as the plays
// looked at there: a play made is then judged as deep as the one it is
// compared with.
std::vector<RankedPlay> RankPlays(const Brain& brain, const std::vector<Play>& plays, const SearchLimits& limits = {},
                                  int alsoJudge = -1);
// The play the Expert makes among the legal `plays` of a roll (not empty).
Judged ChoosePlay(const Brain& brain, const std::vector<Play>& plays, const SearchLimits& limits = {});

}  // namespace expert
