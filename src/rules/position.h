// The one live position: the board, the side to move, the dice and the
// state of the game, with the measures several modules share.
#pragma once

#include <cstdint>

#include "location.h"

// The live board owns its 28 location objects, indexed by location number.
extern CLocation* g_board[NUM_LOCATIONS];

// Count and owner of one location, as kept between rebuilds and in files.
struct SavedLocation {
    int8_t count;
    int32_t owner;
};
extern SavedLocation g_savedPosition[NUM_LOCATIONS];

constexpr uint8_t DICE_END = 0xFF;
constexpr int MAX_DICE = 4;

extern int32_t g_sideToMove;
extern uint8_t g_dice[MAX_DICE + 1];
extern int32_t g_diceLeft;

extern int32_t g_race;
extern int32_t g_winner;
extern int32_t g_cubeValue;
// The cube's top value: nobody doubles beyond it.
constexpr int32_t MAX_CUBE_VALUE = 64;
extern int32_t g_cubeOwner;
extern int32_t g_computerMayDouble;
extern int32_t g_computerMayResign;

void SavePosition();
void ResetPosition();
void BuildBoard(bool reset);
void DestroyBoard();

// Dice list operations. RemoveDie ignores an index that names no die left.
void RemoveDie(int index);
int FindDie(int value);

// The side that is not to move.
int Opponent();

int CountCheckers(int first, int last, CLocation* const* board, int side);
int QuadrantCount(int side);
int RaceLead(int side);
bool NoContact();

// The location seen from the other side of the board.
constexpr int MirrorLocation(int loc) {
    return loc == LOC_COMPUTER_OFF ? LOC_HUMAN_OFF : loc == LOC_HUMAN_OFF ? LOC_COMPUTER_OFF : 25 - loc;
}
constexpr int MirrorSide(int side) { return side == SIDE_NONE ? SIDE_NONE : 3 - side; }
// Mirrors a 28-entry position table in place.
void Mirror(SavedLocation* table);
