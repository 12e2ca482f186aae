#include "display/control_layout.h"

#include "display/geometry.h"
#include "rules/location.h"

namespace {
int OriginX(int loc) { return GeometryOf(loc).originX; }
int ByOrientation(int counterClockwise, int clockwise) { return Clockwise() ? clockwise : counterClockwise; }
}  // namespace

StatusPaneWidths StatusPanes() {
    const int pane0 = OriginX(ByOrientation(20, 18));
    return {pane0, OriginX(ByOrientation(24, 13)) - pane0};
}

Rect DieWindowRect(DieGroup group, int k) {
    const int x0 = OriginX(group == DIE_GROUP_COMPUTER ? ByOrientation(10, 3) : ByOrientation(5, 9));
    const int step = ICON_WIDTH * 5 / 4;
    const int x = x0 + k * step;
    const int y = GeometryOf(LOC_COMPUTER_OFF).originY;
    return {x, y, x + ICON_WIDTH, y + ICON_HEIGHT};
}

Rect MessageListRect() {
    const LocationGeometry q = GeometryOf(ByOrientation(1, 12));
    return {q.originX + (7 * g_unit) / 2, q.originY, g_clientWidth - g_unit / 2,
            GeometryOf(ByOrientation(24, 13)).originY};
}

Rect CubeRect(int owner) {
    const int u = g_unit;
    const int x = OriginX(LOC_COMPUTER_BAR) + u / 4;
    int y = GeometryOf(LOC_COMPUTER_OFF).originY;
    if (owner == SIDE_HUMAN) y += 2 * u;
    if (owner == SIDE_COMPUTER) y -= 2 * u;
    const int side = (3 * u) / 2;
    return {x, y, x + side, y + side};
}
