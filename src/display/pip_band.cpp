#include "display/pip_band.h"

#include <algorithm>
#include <cstdio>

#include "display/board_display.h"
#include "display/geometry.h"
#include "game/game.h"
#include "platform/canvas.h"
#include "resources/strings.h"
#include "rules/pip_count.h"
#include "rules/position.h"
#include "settings/color_scheme.h"
#include "settings/options.h"

namespace {
// Left edge of the column of checkers of the leftmost of these two points:
// the ends of one half of the bottom row, whichever the orientation.
int HalfLeft(int first, int last) {
    return std::min(ShownGeometry().CheckerLeft(first), ShownGeometry().CheckerLeft(last));
}

void DrawCount(Canvas& canvas, int x, int y, int stringId, int side) {
    char text[64];
    std::snprintf(text, sizeof text, ResString(stringId), PipCount(DrawnCheckers(), side));
    canvas.TextOut(x, y, text);
}
}  // namespace

Rect PipBandRect() {
    const int u = ShownGeometry().Unit();
    const int top = ShownGeometry().BaseLine() + (3 * u) / 2;
    const int right =
        std::max(ShownGeometry().GeometryOf(13).originX, ShownGeometry().GeometryOf(24).originX) + 2 * u + 1;
    return {0, top, right, top + BoardTextHeight()};
}

void DrawPipBand() {
    Canvas& canvas = BoardCanvas();
    const Rect band = PipBandRect();
    canvas.FillRect(band, ShownGame().options.colors[SLOT_BACKGROUND]);
    if (ShownGame().options.showPips != 0) {
        // The human's count under its home board, the computer's under the other half.
        DrawCount(canvas, HalfLeft(19, 24), band.top, IDS_PIPS_HUMAN, SIDE_HUMAN);
        DrawCount(canvas, HalfLeft(13, 18), band.top, IDS_PIPS_COMPUTER, SIDE_COMPUTER);
    }
    canvas.Present(band);
}

void FollowPipCounts() {
    if (ShownGame().options.showPips != 0) DrawPipBand();
}
