#include "display/geometry.h"

#include <algorithm>

#include "rules/location.h"

namespace {
// Checkers from the seventh on share the seventh's place.
constexpr int kMaxStackPlaces = 7;

bool InTopRow(int loc) { return loc == LOC_HUMAN_BAR || (loc >= 1 && loc <= 12); }
bool InBottomRow(int loc) { return loc == LOC_COMPUTER_BAR || (loc >= 13 && loc <= 24); }
}  // namespace

WindowSize WindowSizeFor(int screenWidth) {
    // A screen too narrow for a board, or none reported at all, is taken as
    // the narrowest the board is still drawn on: below about 70 pixels the
    // unit would be 0 and no checker travel would ever arrive.
    constexpr int kNarrowestScreen = 320;
    screenWidth = std::max(screenWidth, kNarrowestScreen);
    if (screenWidth < 800) {
        const int w = screenWidth - 10;
        return {w, static_cast<int>(w * 0.72)};
    }
    if (screenWidth == 800) return {775, 542};
    return {800, 560};
}

BoardGeometry::BoardGeometry(WindowSize window) : window_(window), unit_((window.width + window.height) / 60) {}

void BoardGeometry::SetClientSize(int cx, int cy) {
    clientWidth_ = cx;
    clientHeight_ = cy;
}

int BoardGeometry::TopPointX(int p) const {
    const int u = unit_;
    if (clockwise_) return (p - 1) * Column() + (p > 6 ? 3 * u : 0);
    return (12 - p) * Column() + (p < 7 ? 3 * u : 0);
}

LocationGeometry BoardGeometry::TopPoint(int p) const {
    const int u = unit_;
    const int x = TopPointX(p);
    return {x, 2 * u, {x, 2 * u, x + 2 * u, 10 * u}};
}

LocationGeometry BoardGeometry::BottomPoint(int p) const {
    const int u = unit_;
    const int x = TopPoint(25 - p).originX;
    const int yb = BaseLine();
    return {x, yb, {x, yb - 8 * u, x + 2 * u, yb}};
}

// The bar strip sits midway between the outer points of the top row.
LocationGeometry BoardGeometry::HumanBar() const {
    const int u = unit_;
    const LocationGeometry one = TopPoint(1);
    const LocationGeometry twelve = TopPoint(12);
    const int x = clockwise_ ? (twelve.originX - one.originX) >> 1 : (one.originX - twelve.originX) >> 1;
    const int y = one.originY + u;
    return {x, y, {x, y - u, x + 2 * u, BottomPoint(16).originY}};
}

LocationGeometry BoardGeometry::ComputerBar() const {
    const int u = unit_;
    const int x = HumanBar().originX;
    const int y = BottomPoint(24).originY - u;
    return {x, y, {x, y - 8 * u, x + 2 * u, y + u}};
}

// The two trays stand one above the other, halfway down the client area,
// on the side of both home boards.
LocationGeometry BoardGeometry::Tray(int loc) const {
    const int u = unit_;
    const int x = clockwise_ ? u >> 1 : TopPoint(1).originX - u;
    int y = (clientHeight_ >> 1) - (u >> 1);
    if (loc == LOC_COMPUTER_OFF) y -= u;
    return {x, y, {x, y, x + 2 * u, y + u}};
}

int BoardGeometry::Column() const { return window_.width / 18; }

int BoardGeometry::BaseLine() const { return window_.height - (11 * unit_) / 2; }

LocationGeometry BoardGeometry::GeometryOf(int loc) const {
    if (loc >= 1 && loc <= 12) return TopPoint(loc);
    if (loc >= 13 && loc <= 24) return BottomPoint(loc);
    if (loc == LOC_HUMAN_BAR) return HumanBar();
    if (loc == LOC_COMPUTER_BAR) return ComputerBar();
    return Tray(loc);
}

int BoardGeometry::CheckerLeft(int loc) const { return GeometryOf(loc).originX + (unit_ >> 1); }

int BoardGeometry::CheckerTop(int loc, int n) const {
    const int place = std::min(n, kMaxStackPlaces);
    if (InTopRow(loc)) return GeometryOf(loc).originY + (place - 1) * unit_;
    if (InBottomRow(loc)) return GeometryOf(loc).originY - place * unit_;
    return 0;
}

bool BoardGeometry::HitTest(int loc, int x, int y) const {
    Rect r = GeometryOf(loc).rect;
    // Only the upper part of the strip: the lower part is the computer's bar.
    if (loc == LOC_HUMAN_BAR) r.bottom /= 2;
    return r.Contains(x, y);
}

int BoardGeometry::LocationAt(int x, int y) const {
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) {
        const bool hit = loc <= LOC_COMPUTER_BAR ? HitTest(loc, x, y) : GeometryOf(loc).rect.Contains(x, y);
        if (hit) return loc;
    }
    return -1;
}

int BoardGeometry::LocationUnder(int x, int y) const {
    for (int loc = LOC_COMPUTER_BAR; loc >= 0; --loc)
        if (GeometryOf(loc).rect.Contains(x, y)) return loc;
    return -1;
}

Point BoardGeometry::LetterPosition(int p) const {
    const LocationGeometry g = GeometryOf(p);
    const int x = g.originX + unit_ * 2 / 3;
    return {x, InTopRow(p) ? g.originY - unit_ : g.originY + unit_ / 2};
}
