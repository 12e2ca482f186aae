// The score of a match, carried by the position as the analysis programs'
// texts carry it: the length, each side's points and whether the Crawford
// game has been played. A length of 0 is money play, where none of this
// applies. The score's changes are functions of it, so the game, the files
// and the computer agree on when the cube is off and when a match is over.
#pragma once

#include <cstdint>

#include "rules/location.h"

// The match lengths a player may choose; 0 is money play.
inline constexpr int32_t MATCH_LENGTHS[] = {0, 1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 25};
// A stored length that is none of MATCH_LENGTHS means money play.
int32_t MatchLengthOrMoney(int32_t length);

struct MatchScore {
    int32_t length = 0;
    // Points so far by side; entry 0 unused.
    int32_t points[3] = {0, 0, 0};
    // The game after a side first reached length − 1 has been played.
    bool crawfordDone = false;

    bool operator==(const MatchScore&) const = default;
};

inline bool IsMatch(const MatchScore& m) { return m.length > 0; }
// Points the side still needs to win the match (at least 1 while it goes on).
inline int32_t Away(const MatchScore& m, int side) { return m.length - m.points[side]; }
// The first game after a side reached length − 1: nobody may double.
bool IsCrawfordGame(const MatchScore& m);
// A game after the Crawford game, while one side still needs a single point.
bool IsPostCrawford(const MatchScore& m);
// Whether the score lets anybody double in this game: always for money; in a
// match not in the Crawford game, and never in a match to 1, where the cube
// has no use.
bool ScoreAllowsDoubling(const MatchScore& m);
// The side that has won the match, or SIDE_NONE while it goes on (and in money play).
int MatchWinner(const MatchScore& m);
// The score after `winner` won a game worth `points` (the stake times the
// win's kind): the Crawford game, once played, stays behind.
MatchScore AfterGame(const MatchScore& m, int winner, int32_t points);
// The same match with the two sides' points swapped.
MatchScore SidesSwapped(const MatchScore& m);
// Whether a score can occur in a match going on: points within the length
// and a Crawford flag the score allows.
bool IsPlausibleMatchInPlay(const MatchScore& m);
