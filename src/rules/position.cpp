#include "rules/position.h"

#include <cstdlib>
#include <cstring>

namespace {
struct StartingPoint {
    int point, owner, count;
};
constexpr StartingPoint kStartingPosition[] = {
    {1, SIDE_HUMAN, 2},     {6, SIDE_COMPUTER, 5}, {8, SIDE_COMPUTER, 3}, {12, SIDE_HUMAN, 5},
    {13, SIDE_COMPUTER, 5}, {17, SIDE_HUMAN, 3},   {19, SIDE_HUMAN, 5},   {24, SIDE_COMPUTER, 2},
};
}  // namespace

void Position::RemoveDie(int index) {
    if (index < 0 || index >= diceLeft) return;
    std::memmove(dice + index, dice + index + 1, MAX_DICE - index);
    dice[MAX_DICE] = DICE_END;
    --diceLeft;
}

int Position::FindDie(int value) const {
    for (int i = diceLeft - 1; i >= 0; --i)
        if (dice[i] == value) return i;
    return -1;
}

Board StartingBoard() {
    Board board{};
    for (const StartingPoint& p : kStartingPosition) board[p.point] = {static_cast<int8_t>(p.count), p.owner};
    return board;
}

Board WithFixedOwners(Board board) {
    for (int loc : {LOC_HUMAN_BAR, LOC_COMPUTER_BAR, LOC_COMPUTER_OFF, LOC_HUMAN_OFF})
        board[loc].owner = FixedOwner(loc);
    return board;
}

int CountCheckers(const Board& board, int first, int last, int side) {
    int sum = 0;
    for (int i = first; i <= last; ++i)
        if (board[i].owner == side) sum += board[i].count;
    return sum;
}

int QuadrantCount(const Board& board, int side) {
    int sum = 0;
    for (int loc = 25; loc >= 0; --loc) {
        if (board[loc].owner != side) continue;
        // Quadrants still to cross, counting the checker's own.
        const int weight = side == SIDE_COMPUTER ? (loc + 5) / 6 : (30 - loc) / 6;
        sum += weight * board[loc].count;
    }
    return sum;
}

int RaceLead(const Board& board, int side) {
    return QuadrantCount(board, std::abs(side - 3)) - QuadrantCount(board, side);
}

bool NoContact(const Board& board) {
    int passed = 0;
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) {
        const Checkers& l = board[loc];
        if (l.owner == SIDE_HUMAN && l.count != 0) break;
        passed += l.count;
    }
    return passed + board[LOC_COMPUTER_OFF].count == CHECKERS_PER_SIDE;
}

Board Mirrored(const Board& board) {
    Board mirrored{};
    for (int i = 0; i < NUM_LOCATIONS; ++i) mirrored[MirrorLocation(i)] = {board[i].count, MirrorSide(board[i].owner)};
    return mirrored;
}

Position TurnedRound(const Position& p) {
    Position turned = p;
    turned.board = Mirrored(p.board);
    turned.match = SidesSwapped(p.match);
    turned.cubeOwner = MirrorSide(p.cubeOwner);
    turned.sideToMove = MirrorSide(p.sideToMove);
    return turned;
}
