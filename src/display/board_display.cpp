#include "display/board_display.h"

#include "display/board_points.h"
#include "display/pip_band.h"
#include "display/tray.h"
#include "platform/canvas.h"
#include "rules/position.h"

namespace {
Canvas* g_canvas = nullptr;
LabelDrawer g_labelDrawer = nullptr;

CLocation* MakeDrawnLocation(int number, int count, int owner) {
    if (number == LOC_COMPUTER_OFF) return new CTray(owner);
    if (number == LOC_HUMAN_OFF) {
        // The last location of a board: every checker stands on it now.
        auto* tray = new CTray(owner);
        FollowPipCounts();
        return tray;
    }
    CTopPoint* loc = nullptr;
    if (number == LOC_HUMAN_BAR)
        loc = new CHumanBar();
    else if (number == LOC_COMPUTER_BAR)
        loc = new CComputerBar();
    else if (number <= 12)
        loc = new CTopPoint(number, owner);
    else
        loc = new CBottomPoint(number, owner);
    loc->Fill(count);
    return loc;
}

void DrawLetter(int point, int on) {
    if (auto* drawn = dynamic_cast<CTopPoint*>(g_board[point])) drawn->DrawLabel(on != 0);
}
}  // namespace

void InstallBoardDisplay(Canvas* canvas) {
    g_canvas = canvas;
    canvas->SetFont(BoardFont());
    SetLocationFactory(MakeDrawnLocation);
    SetLabelDrawer(DrawLetter);
}

void RemoveBoardDisplay() {
    SetLocationFactory(nullptr);
    SetLabelDrawer(nullptr);
    g_canvas = nullptr;
}

Canvas& BoardCanvas() { return *g_canvas; }

void SetLabelDrawer(LabelDrawer drawer) { g_labelDrawer = drawer; }

void DrawPointLabel(int point, int on) {
    if (g_labelDrawer) g_labelDrawer(point, on);
}

void PaintBoard() {
    if (!g_canvas) return;
    g_canvas->Clear();
    for (int loc = LOC_HUMAN_BAR; loc <= LOC_COMPUTER_BAR; ++loc)
        if (auto* drawn = dynamic_cast<CTopPoint*>(g_board[loc])) {
            drawn->Draw();
            drawn->ShowCheckers();
        }
    FollowPipCounts();
    g_canvas->PresentAll();
}
