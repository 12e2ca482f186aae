// How the network in training fares against the hand-made "Good" level, or
// against other weights.
#pragma once

#include <string>

#include "expert/evaluator.h"

// Plays `games` cubeless games (in pairs on shared dice, the same dice every
// call) with the network at 0-ply, and describes A's points per game.
std::string StrengthAgainstGood(const expert::Brain& brain, long long games);
// The same against `reference` at 0-ply, on other dice: the gain since it.
std::string StrengthAgainst(const expert::Brain& brain, const expert::Brain& reference, long long games);
