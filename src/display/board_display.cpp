#include "display/board_display.h"

#include "display/board_points.h"
#include "display/pip_band.h"
#include "display/tray.h"
#include "platform/canvas.h"

BoardDisplay::BoardDisplay(Canvas& canvas, const Game& shown, const BoardGeometry& geometry)
    : canvas_(canvas), shown_(shown), geometry_(geometry) {
    canvas.SetFont(BoardFont());
}

std::unique_ptr<DrawnLocation> BoardDisplay::MakeDrawnLocation(int number, int count, int owner) {
    if (number == LOC_COMPUTER_OFF) return std::make_unique<DrawnTray>(*this, owner, count);
    if (number == LOC_HUMAN_OFF) {
        // The last location of a board: every checker stands on it now.
        auto tray = std::make_unique<DrawnTray>(*this, owner, count);
        FollowPipCounts(*this);
        return tray;
    }
    std::unique_ptr<DrawnTopPoint> loc;
    if (number == LOC_HUMAN_BAR)
        loc = std::make_unique<DrawnHumanBar>(*this);
    else if (number == LOC_COMPUTER_BAR)
        loc = std::make_unique<DrawnComputerBar>(*this);
    else if (number <= 12)
        loc = std::make_unique<DrawnTopPoint>(*this, number, owner);
    else
        loc = std::make_unique<DrawnBottomPoint>(*this, number, owner);
    loc->Fill(count);
    return loc;
}

void BoardDisplay::Build(const Board& board) {
    for (int p = 1; p <= 24; ++p) drawn_[p] = MakeDrawnLocation(p, board[p].count, board[p].owner);
    for (int loc : {LOC_HUMAN_BAR, LOC_COMPUTER_BAR, LOC_COMPUTER_OFF, LOC_HUMAN_OFF})
        drawn_[loc] = MakeDrawnLocation(loc, board[loc].count, FixedOwner(loc));
}

void BoardDisplay::Destroy() {
    for (std::unique_ptr<DrawnLocation>& loc : drawn_) loc.reset();
}

DrawnLocation* BoardDisplay::DrawnAt(int loc) const { return drawn_[loc].get(); }

Board BoardDisplay::DrawnCheckers() const {
    Board board{};
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc)
        if (drawn_[loc]) board[loc] = {drawn_[loc]->count, drawn_[loc]->owner};
    return board;
}

void BoardDisplay::ShowCheckerTransfer(int from, int to, int side, bool undoing) {
    if (drawn_[from]) drawn_[from]->TransferChecker(to, side, undoing);
}

void BoardDisplay::ShowLocation(int loc, const Checkers& shown) {
    DrawnLocation* l = drawn_[loc].get();
    if (!l) return;
    while (l->count > 0) l->RemoveChecker();
    l->owner = shown.owner;
    while (l->count < shown.count) l->AddChecker();
}

void BoardDisplay::DrawPointLabel(int point, bool on) {
    if (auto* drawn = dynamic_cast<DrawnTopPoint*>(drawn_[point].get())) drawn->DrawLabel(on);
}

void BoardDisplay::Paint() {
    canvas_.Clear();
    for (int loc = LOC_HUMAN_BAR; loc <= LOC_COMPUTER_BAR; ++loc)
        if (auto* drawn = dynamic_cast<DrawnTopPoint*>(drawn_[loc].get())) {
            drawn->Draw();
            drawn->ShowCheckers();
        }
    FollowPipCounts(*this);
    canvas_.PresentAll();
}
