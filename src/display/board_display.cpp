#include "display/board_display.h"

#include "display/board_points.h"
#include "display/pip_band.h"
#include "display/tray.h"
#include "platform/canvas.h"

namespace {
Canvas* g_canvas = nullptr;
const Game* g_shown = nullptr;
const BoardGeometry* g_geometry = nullptr;
DrawnLocation* g_drawn[NUM_LOCATIONS] = {};

DrawnLocation* MakeDrawnLocation(int number, int count, int owner) {
    if (number == LOC_COMPUTER_OFF) return new DrawnTray(owner, count);
    if (number == LOC_HUMAN_OFF) {
        // The last location of a board: every checker stands on it now.
        auto* tray = new DrawnTray(owner, count);
        FollowPipCounts();
        return tray;
    }
    DrawnTopPoint* loc = nullptr;
    if (number == LOC_HUMAN_BAR)
        loc = new DrawnHumanBar();
    else if (number == LOC_COMPUTER_BAR)
        loc = new DrawnComputerBar();
    else if (number <= 12)
        loc = new DrawnTopPoint(number, owner);
    else
        loc = new DrawnBottomPoint(number, owner);
    loc->Fill(count);
    return loc;
}
}  // namespace

void InstallBoardDisplay(Canvas* canvas, const Game& shown, const BoardGeometry& geometry) {
    g_canvas = canvas;
    g_shown = &shown;
    g_geometry = &geometry;
    canvas->SetFont(BoardFont());
}

void RemoveBoardDisplay() {
    g_canvas = nullptr;
    g_shown = nullptr;
    g_geometry = nullptr;
}

bool BoardDisplayInstalled() { return g_canvas != nullptr; }

Canvas& BoardCanvas() { return *g_canvas; }

const Game& ShownGame() { return *g_shown; }

const BoardGeometry& ShownGeometry() { return *g_geometry; }

void BuildDrawnBoard(const Board& board) {
    if (!g_canvas) return;
    for (int p = 1; p <= 24; ++p) g_drawn[p] = MakeDrawnLocation(p, board[p].count, board[p].owner);
    for (int loc : {LOC_HUMAN_BAR, LOC_COMPUTER_BAR, LOC_COMPUTER_OFF, LOC_HUMAN_OFF})
        g_drawn[loc] = MakeDrawnLocation(loc, board[loc].count, FixedOwner(loc));
}

void DestroyDrawnBoard() {
    for (DrawnLocation*& loc : g_drawn) {
        delete loc;
        loc = nullptr;
    }
}

DrawnLocation* DrawnAt(int loc) { return g_drawn[loc]; }

Board DrawnCheckers() {
    Board board{};
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc)
        if (g_drawn[loc]) board[loc] = {g_drawn[loc]->count, g_drawn[loc]->owner};
    return board;
}

void ShowCheckerTransfer(int from, int to, int side, bool undoing) {
    if (g_drawn[from]) g_drawn[from]->TransferChecker(to, side, undoing);
}

void ShowLocation(int loc, const Checkers& shown) {
    DrawnLocation* l = g_drawn[loc];
    if (!l) return;
    while (l->count > 0) l->RemoveChecker();
    l->owner = shown.owner;
    while (l->count < shown.count) l->AddChecker();
}

void DrawPointLabel(int point, int on) {
    if (auto* drawn = dynamic_cast<DrawnTopPoint*>(g_drawn[point])) drawn->DrawLabel(on != 0);
}

void PaintBoard() {
    if (!g_canvas) return;
    g_canvas->Clear();
    for (int loc = LOC_HUMAN_BAR; loc <= LOC_COMPUTER_BAR; ++loc)
        if (auto* drawn = dynamic_cast<DrawnTopPoint*>(g_drawn[loc])) {
            drawn->Draw();
            drawn->ShowCheckers();
        }
    FollowPipCounts();
    g_canvas->PresentAll();
}
