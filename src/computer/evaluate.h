// The computer's hand-made evaluation of the position at the end of a move
// sequence. It is written for the computer as the side to move and compares
// the live position with the one the turn started from. Lower is better.
#pragma once

#include "rules/board_snapshot.h"

// The position before the sequence being scored. The search points it at its
// first level; every term that compares "before" and "now" reads it.
extern const BoardSnapshot* g_refBoard;

// Counted once per scored position and shared by several terms.
struct EvalCounters {
    int homeBlots;      // points 1..6 with a lone computer checker
    int homePoints;     // made points from 1 upward, gaps allowed only up to 6
    int oppHomePoints;  // the human's made points from 24 downward, gaps allowed only down to 19
    int backCheckers;   // computer checkers on locations 14..25
};
EvalCounters CountHomeFeatures();

// Pips a side's checker on `location` has come from its bar.
int Travelled(int side, int location);
// Points 1..24 the side to move has made.
int MadePoints();

// Race: points of the home board filled by this sequence, once ahead or home.
int HomeFillBonus();

// Contact: what leaving blots costs, the same at every level.
int BlotExposure(int p, const EvalCounters& c);
int BlotRisk(const EvalCounters& c);

// Contact: what the level of play (0 "Poor", 1 "Moderate", 2 "Good"; any
// other adds nothing) adds up as the sequence's gains.
int PointBonus(const EvalCounters& c);
int UnstackBonus();
int HitBonus(const EvalCounters& c);
int EscapeBonus();
int Goodness(int level, const EvalCounters& c);

// The score of the live position at a level of play; g_refBoard must be set.
int EvaluatePosition(int level);
