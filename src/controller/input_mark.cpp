#include "controller/input_mark.h"

#include <string>

#include "controller/game_view.h"
#include "controller/session.h"
#include "display/geometry.h"
#include "game/game.h"
#include "rules/position.h"

void BlinkStep(Session& s) {
    if (s.game.position.sideToMove != SIDE_HUMAN || s.game.finishMode != 0 || !s.view.IsActive()) return;
    const int last = s.view.ListCount() - 1;
    if (last < 0) return;
    if (s.input.markDue == 0) {
        EraseInputMark(s);
        return;
    }
    const Rect line = s.view.ListLineRect(last);
    const std::string text = s.view.ListLine(last).substr(0, 63);
    s.view.ShowListMark(line.left + s.view.ListTextWidth(text) + (s.view.Geometry().Unit() >> 2), line.top);
    s.input.markDue = 0;
}

void EraseInputMark(Session& s) {
    s.view.HideListMark();
    s.input.markDue = 1;
}
