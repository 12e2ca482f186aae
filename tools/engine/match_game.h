// Whole matches between two computer players without a window, the cube in
// play before each throw as a match plays it. Seat 0 sits as the computer
// and seat 1 as the human; each is asked its questions on the board turned
// round so that it is the computer, as the game asks the computer player.
#pragma once

#include <random>
#include <string>

#include "computer/computer_player.h"
#include "interchange/game_record.h"

struct MatchResult {
    int winnerSeat = -1;
    int games = 0;
    int points[2] = {0, 0};  // by seat
    std::string fault;       // empty unless a move was illegal
};

// Plays a match to `length` with dice from `random`; every game goes into
// `record` with the score before it.
MatchResult PlayMatch(const ComputerPlayer* const seats[2], int length, std::mt19937& random, RunRecord& record);
