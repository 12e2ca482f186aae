#include "controller/input_mark.h"

#include <string>

#include "display/geometry.h"
#include "rules/game_stats.h"
#include "rules/position.h"
#include "shell/game_wnd.h"

namespace {
// 1 when the next tick draws the mark, 0 when it takes it away.
int g_markDue = 1;
}  // namespace

void BlinkStep() {
    if (!g_gameWnd || g_sideToMove != SIDE_HUMAN || g_finishMode != 0 || !g_gameWnd->IsActive()) return;
    const int last = g_gameWnd->ListCount() - 1;
    if (last < 0) return;
    if (g_markDue == 0) {
        EraseInputMark();
        return;
    }
    const Rect line = g_gameWnd->ListLineRect(last);
    const std::string text = g_gameWnd->ListLine(last).substr(0, 63);
    g_gameWnd->ShowListMark(line.left + g_gameWnd->ListTextWidth(text) + (g_unit >> 2), line.top);
    g_markDue = 0;
}

void EraseInputMark() {
    if (g_gameWnd) g_gameWnd->HideListMark();
    g_markDue = 1;
}
