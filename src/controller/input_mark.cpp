#include "controller/input_mark.h"

#include <string>

#include "controller/game_view.h"
#include "display/geometry.h"
#include "game/game.h"
#include "rules/position.h"

namespace {
// 1 when the next tick draws the mark, 0 when it takes it away.
int g_markDue = 1;
}  // namespace

void BlinkStep() {
    if (g_game.position.sideToMove != SIDE_HUMAN || g_game.finishMode != 0 || !View().IsActive()) return;
    const int last = View().ListCount() - 1;
    if (last < 0) return;
    if (g_markDue == 0) {
        EraseInputMark();
        return;
    }
    const Rect line = View().ListLineRect(last);
    const std::string text = View().ListLine(last).substr(0, 63);
    View().ShowListMark(line.left + View().ListTextWidth(text) + (g_unit >> 2), line.top);
    g_markDue = 0;
}

void EraseInputMark() {
    View().HideListMark();
    g_markDue = 1;
}
