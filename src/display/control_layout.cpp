#include "display/control_layout.h"

#include "display/geometry.h"
#include "rules/location.h"

namespace {
int OriginX(const BoardGeometry& geometry, int loc) { return geometry.GeometryOf(loc).originX; }
int ByOrientation(const BoardGeometry& geometry, int counterClockwise, int clockwise) {
    return geometry.Clockwise() ? clockwise : counterClockwise;
}
}  // namespace

StatusPaneWidths StatusPanes(const BoardGeometry& geometry) {
    const int pane0 = OriginX(geometry, ByOrientation(geometry, 20, 18));
    return {pane0, OriginX(geometry, ByOrientation(geometry, 24, 13)) - pane0};
}

Rect DieWindowRect(const BoardGeometry& geometry, DieGroup group, int k) {
    const int x0 =
        OriginX(geometry, group == DIE_GROUP_COMPUTER ? ByOrientation(geometry, 10, 3) : ByOrientation(geometry, 5, 9));
    const int step = ICON_WIDTH * 5 / 4;
    const int x = x0 + k * step;
    const int y = geometry.GeometryOf(LOC_COMPUTER_OFF).originY;
    return {x, y, x + ICON_WIDTH, y + ICON_HEIGHT};
}

Rect MessageListRect(const BoardGeometry& geometry) {
    const int u = geometry.Unit();
    const LocationGeometry q = geometry.GeometryOf(ByOrientation(geometry, 1, 12));
    return {q.originX + (7 * u) / 2, q.originY, geometry.ClientWidth() - u / 2,
            geometry.GeometryOf(ByOrientation(geometry, 24, 13)).originY};
}

Rect CubeRect(const BoardGeometry& geometry, int owner) {
    const int u = geometry.Unit();
    const int x = OriginX(geometry, LOC_COMPUTER_BAR) + u / 4;
    int y = geometry.GeometryOf(LOC_COMPUTER_OFF).originY;
    if (owner == SIDE_HUMAN) y += 2 * u;
    if (owner == SIDE_COMPUTER) y -= 2 * u;
    const int side = (3 * u) / 2;
    return {x, y, x + side, y + side};
}
