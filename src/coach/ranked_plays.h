// The hint: every legal play of the human's dice, best first, as the Expert
// judges it at its full search whatever level the game is played at.
//
// Equities are from the human's side, per unit of the stake and cubeless: in
// money play points a game (−3..+3); at a match score the Expert judges by
// the match-winning chance, rescaled so that a single game won at the
// current cube is +1 and one lost −1 (so gammons weigh what they are worth
// at the score), which keeps the marks' thresholds meaning the same.
#pragma once

#include <string>
#include <vector>

#include "coach/human_play.h"
#include "rules/position.h"

struct RankedHumanPlay {
    HumanPlay play;
    std::string text;  // PlayText(play)
    float equity = 0;  // at the deepest look this play had
    // What it gives up against the best, ≥ 0: the two compared at the
    // deepest look both had, so that a play looked at less deeply is not
    // measured against a figure of another depth.
    float loss = 0;
    int look = 0;  // rolls the search looked ahead for `equity`: 0, 1 or 2
};

struct PlayRanking {
    // Best first, by loss; the first is the play the Expert makes.
    std::vector<RankedHumanPlay> plays;
    // The index of the play made, when one was given and is legal; else -1.
    int made = -1;
    // Only one distinct play: nothing to choose, nothing to count.
    bool Forced() const { return plays.size() == 1; }
};

// The human on roll in `p` with dice left (the whole throw, or what is left
// of it part-way through the turn). `made`, a play of those dice, is judged
// as deeply as the plays it is compared with.
PlayRanking RankHumanPlays(const Position& p, const HumanPlay* made = nullptr);

// The plays the hint shows: the best five and every other play within 0.10
// of the best.
constexpr int HINT_LEAST_SHOWN = 5;
constexpr float HINT_CLOSE_LOSS = 0.10f;
std::vector<RankedHumanPlay> HintSelection(const PlayRanking& ranking);
