#include "rules/pip_count.h"

namespace {
// The human moves up from location 0 to its tray, the computer down from 25.
int Distance(int loc, int side) { return side == SIDE_HUMAN ? 25 - loc : loc; }
}  // namespace

int PipCount(const Board& board, int side) {
    int pips = 0;
    for (int loc = LOC_HUMAN_BAR; loc <= LOC_COMPUTER_BAR; ++loc) {
        if (board[loc].owner == side) pips += board[loc].count * Distance(loc, side);
    }
    return pips;
}
