#include "display/board_display.h"

#include "controller/highlight.h"
#include "display/board_points.h"
#include "display/pip_band.h"
#include "display/progress_bar.h"
#include "display/tray.h"
#include "platform/canvas.h"
#include "rules/position.h"

namespace {
Canvas* g_canvas = nullptr;
QWidget* g_controlParent = nullptr;

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

void DrawPointLabel(int point, int on) {
    if (auto* drawn = dynamic_cast<CTopPoint*>(g_board[point])) drawn->DrawLabel(on != 0);
}
}  // namespace

void InstallBoardDisplay(Canvas* canvas, QWidget* controlParent) {
    g_canvas = canvas;
    g_controlParent = controlParent;
    canvas->SetFont(BoardFont());
    SetLocationFactory(MakeDrawnLocation);
    SetLabelDrawer(DrawPointLabel);
}

void RemoveBoardDisplay() {
    SetLocationFactory(nullptr);
    SetLabelDrawer(nullptr);
    g_canvas = nullptr;
    g_controlParent = nullptr;
}

Canvas& BoardCanvas() { return *g_canvas; }

QWidget* BoardControlParent() { return g_controlParent; }

QFont BoardFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
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
    DrawProgressBar();
}
