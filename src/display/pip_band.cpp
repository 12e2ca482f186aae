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
int HalfLeft(const BoardGeometry& geometry, int first, int last) {
    return std::min(geometry.CheckerLeft(first), geometry.CheckerLeft(last));
}

void DrawCount(const BoardDisplay& board, int x, int y, int stringId, int side) {
    char text[64];
    std::snprintf(text, sizeof text, ResString(stringId), PipCount(board.DrawnCheckers(), side));
    board.GetCanvas().TextOut(x, y, text);
}
}  // namespace

Rect PipBandRect(const BoardGeometry& geometry) {
    const int u = geometry.Unit();
    const int top = geometry.BaseLine() + (3 * u) / 2;
    const int right = std::max(geometry.GeometryOf(13).originX, geometry.GeometryOf(24).originX) + 2 * u + 1;
    return {0, top, right, top + BoardTextHeight()};
}

void DrawPipBand(BoardDisplay& board) {
    Canvas& canvas = board.GetCanvas();
    const BoardGeometry& geometry = board.Geometry();
    const Options& options = board.Shown().options;
    const Rect band = PipBandRect(geometry);
    canvas.FillRect(band, options.colors[SLOT_BACKGROUND]);
    if (options.showPips != 0) {
        // The human's count under its home board, the computer's under the other half.
        DrawCount(board, HalfLeft(geometry, 19, 24), band.top, IDS_PIPS_HUMAN, SIDE_HUMAN);
        DrawCount(board, HalfLeft(geometry, 13, 18), band.top, IDS_PIPS_COMPUTER, SIDE_COMPUTER);
    }
    canvas.Present(band);
}

void FollowPipCounts(BoardDisplay& board) {
    if (board.Shown().options.showPips != 0) DrawPipBand(board);
}
