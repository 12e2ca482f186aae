// The match going on and the matches won, kept in the profile's [game]
// section as the all-time score is, so that quitting and starting again goes
// on with the match. The game in progress is not kept, as in money play.
#pragma once

#include <cstdint>

#include "platform/atomic_file.h"
#include "rules/match_score.h"

struct KeptMatch {
    // The match to go on with: 0–0 at the chosen length when none was going on.
    MatchScore score;
    // Matches won by side; entry 0 unused.
    int32_t matchesWon[3] = {0, 0, 0};
    // A match with points already played goes on.
    bool resumed = false;
    // A kept value could not be true (a negative score, both sides past the
    // length, a Crawford flag the score rules out, a length no player can
    // choose): the match starts anew at 0–0, and the player should be told.
    bool damaged = false;
};

// Reads the kept match. `chosenLength` is the "MatchLength" option, which a
// new match takes; a match with points already played keeps its own
// length ("MatchTo"), since a change of the option waits for the next match.
// A finished match (one side at its length) gives a new one, undamaged.
KeptMatch LoadKeptMatch(int32_t chosenLength);

// Writes "MatchTo", "MatchYou", "MatchComputer" and "CrawfordDone"; the
// first failure is returned and the score in memory stays in force.
FileResult SaveMatchScore(const MatchScore& score);
// Writes "MatchesYou" then "MatchesComputer".
FileResult SaveMatchesWon(const int32_t (&won)[3]);
