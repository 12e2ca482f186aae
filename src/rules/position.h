// A position of the game as a value: both sides' checkers, the dice left to
// play, the cube, the side on roll and the match score. The rules are functions of it, so the
// computer's search, the files, the texts and the live game all share one
// model and none of them keeps a board of its own.
#pragma once

#include <array>
#include <cstdint>

#include "rules/location.h"
#include "rules/match_score.h"

// The checkers on one location: how many, and whose.
struct Checkers {
    int8_t count = 0;
    int32_t owner = SIDE_NONE;
    bool operator==(const Checkers&) const = default;
};

// The 28 locations, indexed by location number.
using Board = std::array<Checkers, NUM_LOCATIONS>;

constexpr uint8_t DICE_END = 0xFF;
constexpr int MAX_DICE = 4;
// The cube's top value: nobody doubles beyond it.
constexpr int32_t MAX_CUBE_VALUE = 64;

struct Position {
    Board board{};
    // The dice left to play, in the order they will be played; DICE_END after the last.
    uint8_t dice[MAX_DICE + 1] = {DICE_END, DICE_END, DICE_END, DICE_END, DICE_END};
    int32_t diceLeft = 0;
    int32_t cubeValue = 1;
    int32_t cubeOwner = SIDE_NONE;
    int32_t sideToMove = SIDE_HUMAN;
    // The score of the match this game belongs to; money play by default.
    MatchScore match;

    Checkers& operator[](int loc) { return board[loc]; }
    const Checkers& operator[](int loc) const { return board[loc]; }

    // The side that is not to move.
    int Opponent() const { return sideToMove == SIDE_HUMAN ? SIDE_COMPUTER : SIDE_HUMAN; }
    // Takes out the die at `index`; an index that names no die left is ignored.
    void RemoveDie(int index);
    // The index of the last die left of this value, or -1.
    int FindDie(int value) const;
};

// The checkers of a new game. Bars and trays are left without an owner, as
// a new game's position has always been saved.
Board StartingBoard();
// The board as play uses it: bars and trays belong to their side whether or
// not checkers stand on them.
Board WithFixedOwners(Board board);

int CountCheckers(const Board& board, int first, int last, int side);
// Quadrants the side's checkers still have to cross, summed: the race measure
// of the hand-made levels.
int QuadrantCount(const Board& board, int side);
int RaceLead(const Board& board, int side);
// No checker of either side has an opposing checker still ahead of it.
bool NoContact(const Board& board);

// The location seen from the other side of the board.
constexpr int MirrorLocation(int loc) {
    return loc == LOC_COMPUTER_OFF ? LOC_HUMAN_OFF : loc == LOC_HUMAN_OFF ? LOC_COMPUTER_OFF : 25 - loc;
}
constexpr int MirrorSide(int side) { return side == SIDE_NONE ? SIDE_NONE : 3 - side; }
// The same checkers seen from the other side of the board.
Board Mirrored(const Board& board);
// The same position with the two sides' seats swapped: the checkers, the
// score, the cube's owner and the side to move seen from the other side,
// as a computer player is asked for the human. The dice stay.
Position TurnedRound(const Position& p);
