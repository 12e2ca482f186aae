// What the Review window shows, as the program hands it over: the kept games,
// newest first, each one's review set out when it is looked at, and the
// player's progress over the last games. The window draws; this judges.
#pragma once

#include <string>
#include <vector>

#include "coach/game_review.h"
#include "coach/progress.h"

class ReviewSource {
public:
    virtual ~ReviewSource() = default;

    // The kept games; 0 is the newest.
    virtual int GameCount() const = 0;
    // "Game 12: you won 2 points", with the match score before it in a match.
    virtual std::string GameTitle(int game) const = 0;
    // The review of game `game`, judged first if it never was: a second or
    // so for a long game. Not reviewed for a game set up from a position.
    virtual const GameReview& Review(int game) = 0;

    // Of the games the progress graph covers, how many are still to be
    // judged; JudgeNext judges one of them, so that a window can show its
    // progress between the calls.
    virtual int Unjudged() const = 0;
    virtual void JudgeNext() = 0;
    // The graph's points, oldest first.
    virtual std::vector<ProgressPoint> Progress() const = 0;

    // Writes game `game` as a match text for analysis programs, in a file
    // the player chooses, as File, Export games does.
    virtual void ExportGame(int game) = 0;
};
