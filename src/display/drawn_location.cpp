#include "display/drawn_location.h"

#include "display/board_display.h"

namespace {
int g_liveLocations = 0;
}  // namespace

DrawnLocation::DrawnLocation(int number_, int count_, int owner_)
    : number(static_cast<int8_t>(number_)), count(static_cast<int8_t>(count_)), owner(owner_) {
    ++g_liveLocations;
}

DrawnLocation::~DrawnLocation() {
    count = 0;
    --g_liveLocations;
}

int DrawnLocation::Live() { return g_liveLocations; }

void DrawnLocation::TransferChecker(int target, int side, bool undoing) {
    DrawnLocation* to = DrawnAt(target);
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
