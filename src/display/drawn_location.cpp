#include "display/drawn_location.h"

#include "display/board_display.h"

DrawnLocation::DrawnLocation(BoardDisplay& board, int number_, int count_, int owner_)
    : number(static_cast<int8_t>(number_)), count(static_cast<int8_t>(count_)), owner(owner_), board_(board) {
    ++board_.Live().locations;
}

DrawnLocation::~DrawnLocation() {
    count = 0;
    --board_.Live().locations;
}

void DrawnLocation::TransferChecker(int target, int side, bool undoing) {
    DrawnLocation* to = board_.DrawnAt(target);
    const int mover = owner;
    if (IsPoint(target) && to->count == 1 && to->owner != side)
        to->TransferChecker(side == SIDE_HUMAN ? LOC_COMPUTER_BAR : LOC_HUMAN_BAR, side, undoing);
    RemoveChecker();
    to->owner = mover;
    to->AddChecker();
}

void DrawnLocation::RemoveChecker() {
    --count;
    if (count == 0 && IsPoint(number)) owner = SIDE_NONE;
}

void DrawnLocation::AddChecker() { ++count; }
