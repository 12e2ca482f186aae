// The bridge between the live game and the Expert, the trained level: the
// live board seen as the Expert's position, and its answers put where the
// hand-made search puts its own.
#pragma once

#include <string>
#include <vector>

#include "expert/evaluator.h"
#include "expert/position.h"
#include "expert/search.h"

// LevelOfPlay's value for the Expert.
constexpr int EXPERT_LEVEL = 3;

// The weights built into the program. A build whose weights file is damaged
// stops here with `EmbeddedBrainProblem()` saying why.
const expert::Brain& EmbeddedBrain();
std::string EmbeddedBrainProblem();

// The live board from the side of `side` (SIDE_COMPUTER or SIDE_HUMAN), that
// side on roll.
expert::Position LivePosition(int side);

// The legal plays of the dice left in g_dice for `side` on the live board.
std::vector<expert::Play> LivePlays(int side);

// ChooseComputerMove at the Expert level: the computer's play of g_dice, left
// in g_bestFrom and g_bestDice (and the dice in g_dice in that order) exactly
// as the hand-made search leaves its own.
void ChooseExpertMove();
// The same with other weights or a shallower search, for training and duels.
void ChooseExpertMoveWith(const expert::Brain& brain, const expert::SearchLimits& limits);
