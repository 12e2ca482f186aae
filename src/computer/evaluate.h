// The computer's hand-made evaluation of the position at the end of a move
// sequence. It is written for the computer as the side to move and compares
// the end position with the one the turn started from. Lower is better.
#pragma once

#include "rules/position.h"

// What a score is taken of: the position at the end of the sequence, the
// checkers before it, which every term that compares "before" and "now"
// reads, and the game's race flag as it stood when the search began.
struct Scoring {
    const Position& now;
    const Board& before;
    bool race;
};

// Counted once per scored position and shared by several terms.
struct EvalCounters {
    int homeBlots;      // points 1..6 with a lone computer checker
    int homePoints;     // made points from 1 upward, gaps allowed only up to 6
    int oppHomePoints;  // the human's made points from 24 downward, gaps allowed only down to 19
    int backCheckers;   // computer checkers on locations 14..25
};
EvalCounters CountHomeFeatures(const Scoring& s);

// Pips a side's checker on `location` has come from its bar.
int Travelled(int side, int location);
// Points 1..24 the side to move has made.
int MadePoints(const Scoring& s);

// Race: points of the home board filled by this sequence, once ahead or home.
int HomeFillBonus(const Scoring& s);

// Contact: what leaving blots costs, the same at every level.
int BlotExposure(const Scoring& s, int p, const EvalCounters& c);
int BlotRisk(const Scoring& s, const EvalCounters& c);

// Contact: what the level of play (0 "Poor", 1 "Moderate", 2 "Good"; any
// other adds nothing) adds up as the sequence's gains.
int PointBonus(const Scoring& s, const EvalCounters& c);
int UnstackBonus(const Scoring& s);
int HitBonus(const Scoring& s, const EvalCounters& c);
int EscapeBonus(const Scoring& s);
int Goodness(const Scoring& s, int level, const EvalCounters& c);

// The score of the end position at a level of play.
int EvaluatePosition(const Scoring& s, int level);
