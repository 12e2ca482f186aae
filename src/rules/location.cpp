#include "location.h"

#include "game_stats.h"
#include "position.h"

namespace {
CLocation* MakePlainLocation(int number, int count, int owner) { return new CLocation(number, count, owner); }

LocationFactory g_factory = MakePlainLocation;
int g_liveLocations = 0;
}  // namespace

void SetLocationFactory(LocationFactory factory) { g_factory = factory ? factory : MakePlainLocation; }

LocationFactory GetLocationFactory() { return g_factory; }

CLocation::CLocation(int number_, int count_, int owner_)
    : number(static_cast<int8_t>(number_)), count(static_cast<int8_t>(count_)), owner(owner_) {
    ++g_liveLocations;
}

CLocation::~CLocation() {
    count = 0;
    --g_liveLocations;
}

int CLocation::Live() { return g_liveLocations; }

void CLocation::TransferChecker(int target) {
    CLocation* to = g_board[target];
    const int mover = owner;
    const int side = g_sideToMove;
    if (IsPoint(target) && to->count == 1 && to->owner != side) {
        ++g_hitsMade[side];
        to->TransferChecker(side == SIDE_HUMAN ? LOC_COMPUTER_BAR : LOC_HUMAN_BAR);
    }
    RemoveChecker();
    to->owner = mover;
    to->AddChecker();
}

void CLocation::RemoveChecker() {
    --count;
    if (count == 0 && IsPoint(number)) owner = SIDE_NONE;
}

void CLocation::AddChecker() { ++count; }

void CLocation::Draw() {}

int CLocation::CheckerTop(int) const { return 0; }

bool CLocation::HitTest(int, int) const { return false; }
