// Match-winning chances: the table of chances at the start of a game for
// every score up to 25 away, and the chances of a position in a match from
// the network's chances of each way the game can end.
//
// Both rest on one model of a game with the cube: the winning chance moves
// without jumps, each side doubles exactly when the other can no longer take
// and takes down to the point where taking and passing are worth the same,
// and a game won ends as a single game, a gammon or a backgammon in given
// shares. The table applies it at the start of every game with gammon shares
// measured from the Expert's self-play; a position applies it with its own.
#pragma once

#include "cube.h"
#include "outcome.h"

namespace expert {

constexpr int kMaxAway = 25;

// Where the match stands for the games still to come.
enum class MatchStage { Normal, Crawford, PostCrawford };

// The score seen from one side: the points it and the other side still
// need (at least 1 each while the match goes on).
struct MatchScoreView {
    int away = 0, otherAway = 0;
    MatchStage stage = MatchStage::Normal;
};

// The share of a side's wins that are gammons or more, and backgammons.
struct WinShares {
    double gammon = 0, backgammon = 0;
};

// The chance that the side that needs `s.away` wins the match, at the start
// of a game (no game in progress); 1 once it needs nothing, 0 once the other
// side does. Scores beyond 25 away are read as 25 away.
double MatchWinningChance(const MatchScoreView& s);
// The score after the game, won by the side (`won`) or the other side, for
// `points` in all.
MatchScoreView AfterGame(const MatchScoreView& s, bool won, int points);

// The side's match-winning chance at the given cube if the game ends in each
// of the six ways: index 0..2 a single, gammon, backgammon won, 3..5 lost.
struct EndValues {
    double value[6];
};
EndValues ValuesOfEnds(const MatchScoreView& s, int cube);

// The match-winning chance of the side the chances belong to, with the cube
// out of play from here on.
double DeadCubeChance(const Outcome& o, const MatchScoreView& s, int cube);
// ... and with the cube in play as `access` says, the live-cube model
// blended with the dead cube as in money play (kCubeLife).
double CubefulChance(const Outcome& o, const MatchScoreView& s, int cube, CubeAccess access);

// Whether the score lets the cube be turned at all in this game.
bool CubeInPlay(const MatchScoreView& s);

// The three values of a double by the side the chances belong to, in
// match-winning chances.
DoubleValues JudgeMatchDouble(const Outcome& o, const MatchScoreView& s, int cube, CubeAccess now);

// How much each way of ending is worth against a single game, for choosing a
// play: the equity 2·win − 1 + gammon·winGammon + ... is money equity when
// all are 1, and a linear function of the match-winning chance at the score.
Stakes MatchStakes(const MatchScoreView& s, int cube);

}  // namespace expert
