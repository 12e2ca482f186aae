// Match play as the player meets it: the match kept across runs, the score
// in the window's title, the start of each match, the booking of a game's
// points, the end of a match, and the cube refused by the score.
#pragma once

#include <string>

#include "platform/atomic_file.h"
#include "rules/match_score.h"

struct Session;

// Reads the match going on, the kept games and their reviews at start-up; what could not be
// read is said under the first game's banner, as is a match that goes on.
void LoadKeptMatchState(Session& s);

// `base` followed by the match's length and score while a match is on.
std::string GameCaption(const Session& s, const std::string& base);

// Before a new game: with no match going on, or the last one over, a new
// one starts at 0–0 at the chosen length (money play for 0).
void StartMatchIfDue(Session& s);

// What booking a finished game wrote, for the note that results are not kept.
struct MatchBooking {
    FileResult score;
    FileResult matchesWon;
    FileResult keptGames;
};
// Books the game just ended, worth `points` to `winner`: the match score
// (the points that count towards the match) and the kept games; says who won
// the match when it is over. Returns the points the game is booked at.
int BookFinishedGame(Session& s, int winner, int points, MatchBooking& writes);

// Paste position with a match's score: after a question when another
// match is going on, the game goes on in the pasted match. False when the
// player keeps the match going on.
bool SetUpPastedMatch(Session& s, const MatchScore& pasted);

// File, New match: after a question, the match starts over at 0–0.
void NewMatchCommand(Session& s);

// The Double command refused: the score, not the turn, rules the cube out.
void SayWhyNoDouble(Session& s);
