// Two players against each other on the live board, cubeless, on dice drawn
// from a seed of the duel's own, so that a pair of games can give both
// players the same throws with the seats swapped.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "computer/computer_play.h"
#include "rules/game_end.h"

// Chooses the move of the side to move as a computer player does: the mover
// is always seated as the computer, on a board turned round for it.
using Chooser = std::function<ComputerPlay(Position&)>;

struct DuelSummary {
    int64_t pairs = 0;
    double points = 0, sumSquares = 0;  // A's points per pair, for the mean and its spread
    int64_t wins[2][3] = {};            // [player][single, gammon, backgammon]
    int64_t moves[2] = {}, nanos[2] = {};
    std::string fault;  // empty unless a move was illegal or a board broke

    double PointsPerGame() const;
    // Half the width of the 95 % interval of PointsPerGame, from the pair means.
    double Interval() const;
};

// Plays `pairs` pairs of games between A and B; pair i draws its dice from seed + i.
DuelSummary PlayDuel(const Chooser& a, const Chooser& b, int64_t pairs, uint64_t seed);
// A chooser for a level of play 0..3.
Chooser LevelChooser(int level);
