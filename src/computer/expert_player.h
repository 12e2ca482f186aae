// The Expert, the trained level, as a computer player: a position of the
// game seen as the Expert's own position, its play chosen by the network's
// search, and its cube answers judged from the network's chances.
#pragma once

#include <string>
#include <vector>

#include "computer/computer_player.h"
#include "expert/cube.h"
#include "expert/evaluator.h"
#include "expert/match_equity.h"
#include "expert/position.h"
#include "expert/search.h"

// The weights built into the program. A build whose weights file is damaged
// stops here with `EmbeddedBrainProblem()` saying why.
const expert::Brain& EmbeddedBrain();
std::string EmbeddedBrainProblem();

// The one conversion: the board from the side of `side` (SIDE_COMPUTER or
// SIDE_HUMAN), that side on roll.
expert::Position ExpertView(const Board& board, int side);

// The location of a checker of `side` at the Expert's point index (0 the
// side's ace point) or bar.
int GameLocation(int side, int expertIndex);

// The score as the Expert sees it from `side`.
expert::MatchScoreView MatchView(const MatchScore& m, int side);
// What each way of ending the game is worth to `side` at the position's
// score and cube: money stakes outside a match.
expert::Stakes StakesOf(const Position& p, int side);
// Whether the score lets `side` double and a win at the cube would not
// already win it the match: the Expert never doubles otherwise.
bool DoublingCounts(const Position& p, int side);

// The legal plays of the position's dice left for `side`.
std::vector<expert::Play> ExpertPlays(const Position& p, int side);

// The computer's play chosen with these weights and search limits, for
// training and duels; the Expert level plays it with the built-in ones.
ComputerPlay ChooseExpertPlay(Position& p, const expert::Brain& brain, const expert::SearchLimits& limits);

// The three values of a double by the computer, about to throw or with its
// dice thrown: per unit of the stake for money, match-winning chances in a match.
expert::DoubleValues ExpertDoubleValues(const Position& p);

class ExpertPlayer : public ComputerPlayer {
public:
    ComputerPlay ChoosePlay(Position& p, bool race) const override;
    bool WantsToDouble(const Position& p, bool race) const override;
    bool WantsToResign(const Position& p, bool race) const override;
    bool AcceptsDouble(const Position& p, bool race) const override;
    bool AcceptsResign(const Position& p, bool race, WinKind kind) const override;
};
