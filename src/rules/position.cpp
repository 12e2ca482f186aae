#include "position.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

CLocation* g_board[NUM_LOCATIONS];
SavedLocation g_savedPosition[NUM_LOCATIONS];

int32_t g_sideToMove = SIDE_HUMAN;
uint8_t g_dice[MAX_DICE + 1] = {DICE_END, DICE_END, DICE_END, DICE_END, DICE_END};
int32_t g_diceLeft = 0;

int32_t g_race = 0;
int32_t g_winner = 0;
int32_t g_cubeValue = 1;
int32_t g_cubeOwner = 0;
int32_t g_computerMayDouble = 1;
int32_t g_computerMayResign = 1;

namespace {
struct StartingPoint {
    int point, owner, count;
};
constexpr StartingPoint kStartingPosition[] = {
    {1, SIDE_HUMAN, 2},     {6, SIDE_COMPUTER, 5}, {8, SIDE_COMPUTER, 3}, {12, SIDE_HUMAN, 5},
    {13, SIDE_COMPUTER, 5}, {17, SIDE_HUMAN, 3},   {19, SIDE_HUMAN, 5},   {24, SIDE_COMPUTER, 2},
};
}  // namespace

void SavePosition() {
    for (int i = 0; i < NUM_LOCATIONS; ++i) g_savedPosition[i] = {g_board[i]->count, g_board[i]->owner};
}

void ResetPosition() {
    for (int i = 0; i < NUM_LOCATIONS; ++i) {
        g_savedPosition[i] = {0, SIDE_NONE};
        g_board[i] = nullptr;
    }
    for (const StartingPoint& p : kStartingPosition) g_savedPosition[p.point] = {static_cast<int8_t>(p.count), p.owner};
}

void BuildBoard(bool reset) {
    if (reset) ResetPosition();
    const LocationFactory make = GetLocationFactory();
    for (int p = 1; p <= 24; ++p) g_board[p] = make(p, g_savedPosition[p].count, g_savedPosition[p].owner);
    g_board[LOC_HUMAN_BAR] = make(LOC_HUMAN_BAR, g_savedPosition[LOC_HUMAN_BAR].count, SIDE_HUMAN);
    g_board[LOC_COMPUTER_BAR] = make(LOC_COMPUTER_BAR, g_savedPosition[LOC_COMPUTER_BAR].count, SIDE_COMPUTER);
    g_board[LOC_COMPUTER_OFF] = make(LOC_COMPUTER_OFF, g_savedPosition[LOC_COMPUTER_OFF].count, SIDE_COMPUTER);
    g_board[LOC_HUMAN_OFF] = make(LOC_HUMAN_OFF, g_savedPosition[LOC_HUMAN_OFF].count, SIDE_HUMAN);
}

void DestroyBoard() {
    for (CLocation*& loc : g_board) {
        delete loc;
        loc = nullptr;
    }
}

void RemoveDie(int index) {
    if (index < 0 || index >= g_diceLeft) return;
    std::memmove(g_dice + index, g_dice + index + 1, MAX_DICE - index);
    g_dice[MAX_DICE] = DICE_END;
    --g_diceLeft;
}

int FindDie(int value) {
    for (int i = g_diceLeft - 1; i >= 0; --i)
        if (g_dice[i] == value) return i;
    return -1;
}

int Opponent() { return g_sideToMove == SIDE_HUMAN ? SIDE_COMPUTER : SIDE_HUMAN; }

int CountCheckers(int first, int last, CLocation* const* board, int side) {
    int sum = 0;
    for (int i = first; i <= last; ++i)
        if (board[i]->owner == side) sum += board[i]->count;
    return sum;
}

int QuadrantCount(int side) {
    int sum = 0;
    for (int loc = 25; loc >= 0; --loc) {
        if (g_board[loc]->owner != side) continue;
        // Quadrants still to cross, counting the checker's own.
        const int weight = side == SIDE_COMPUTER ? (loc + 5) / 6 : (30 - loc) / 6;
        sum += weight * g_board[loc]->count;
    }
    return sum;
}

int RaceLead(int side) { return QuadrantCount(std::abs(side - 3)) - QuadrantCount(side); }

bool NoContact() {
    int passed = 0;
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) {
        const CLocation* l = g_board[loc];
        if (l->owner == SIDE_HUMAN && l->count != 0) break;
        passed += l->count;
    }
    return passed + g_board[LOC_COMPUTER_OFF]->count == CHECKERS_PER_SIDE;
}

void Mirror(SavedLocation* table) {
    SavedLocation mirrored[NUM_LOCATIONS];
    for (int i = 0; i < NUM_LOCATIONS; ++i) mirrored[MirrorLocation(i)] = {table[i].count, MirrorSide(table[i].owner)};
    std::copy(mirrored, mirrored + NUM_LOCATIONS, table);
}
