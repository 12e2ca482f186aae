#include "display/geometry.h"

#include <algorithm>

#include "rules/location.h"

int g_windowWidth = 0;
int g_windowHeight = 0;
int g_clientWidth = 0;
int g_clientHeight = 0;
int g_unit = 0;
int g_shadowOffset = 0;
uint16_t g_spriteSize = 0;

namespace {
bool g_clockwise = false;
}  // namespace

void SetClockwise(bool on) { g_clockwise = on; }

bool Clockwise() { return g_clockwise; }

namespace {
// Checkers from the seventh on share the seventh's place.
constexpr int kMaxStackPlaces = 7;

bool InTopRow(int loc) { return loc == LOC_HUMAN_BAR || (loc >= 1 && loc <= 12); }
bool InBottomRow(int loc) { return loc == LOC_COMPUTER_BAR || (loc >= 13 && loc <= 24); }

int TopPointX(int p) {
    const int u = g_unit;
    if (Clockwise()) return (p - 1) * Column() + (p > 6 ? 3 * u : 0);
    return (12 - p) * Column() + (p < 7 ? 3 * u : 0);
}

LocationGeometry TopPoint(int p) {
    const int u = g_unit;
    const int x = TopPointX(p);
    return {x, 2 * u, {x, 2 * u, x + 2 * u, 10 * u}};
}

LocationGeometry BottomPoint(int p) {
    const int u = g_unit;
    const int x = TopPoint(25 - p).originX;
    const int yb = BaseLine();
    return {x, yb, {x, yb - 8 * u, x + 2 * u, yb}};
}

// The bar strip sits midway between the outer points of the top row.
LocationGeometry HumanBar() {
    const int u = g_unit;
    const LocationGeometry one = TopPoint(1);
    const LocationGeometry twelve = TopPoint(12);
    const int x = Clockwise() ? (twelve.originX - one.originX) >> 1 : (one.originX - twelve.originX) >> 1;
    const int y = one.originY + u;
    return {x, y, {x, y - u, x + 2 * u, BottomPoint(16).originY}};
}

LocationGeometry ComputerBar() {
    const int u = g_unit;
    const int x = HumanBar().originX;
    const int y = BottomPoint(24).originY - u;
    return {x, y, {x, y - 8 * u, x + 2 * u, y + u}};
}

// The two trays stand one above the other, halfway down the client area,
// on the side of both home boards.
LocationGeometry Tray(int loc) {
    const int u = g_unit;
    const int x = Clockwise() ? u >> 1 : TopPoint(1).originX - u;
    int y = (g_clientHeight >> 1) - (u >> 1);
    if (loc == LOC_COMPUTER_OFF) y -= u;
    return {x, y, {x, y, x + 2 * u, y + u}};
}
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

void SetWindowMetrics(WindowSize size) {
    g_windowWidth = size.width;
    g_windowHeight = size.height;
    g_unit = (size.width + size.height) / 60;
    g_shadowOffset = g_unit / 5;
    g_spriteSize = static_cast<uint16_t>(g_unit + g_unit / 5);
}

void SetClientSize(int cx, int cy) {
    g_clientWidth = cx;
    g_clientHeight = cy;
}

int Column() { return g_windowWidth / 18; }

int BaseLine() { return g_windowHeight - (11 * g_unit) / 2; }

LocationGeometry GeometryOf(int loc) {
    if (loc >= 1 && loc <= 12) return TopPoint(loc);
    if (loc >= 13 && loc <= 24) return BottomPoint(loc);
    if (loc == LOC_HUMAN_BAR) return HumanBar();
    if (loc == LOC_COMPUTER_BAR) return ComputerBar();
    return Tray(loc);
}

int CheckerLeft(int loc) { return GeometryOf(loc).originX + (g_unit >> 1); }

int CheckerTop(int loc, int n) {
    const int place = std::min(n, kMaxStackPlaces);
    if (InTopRow(loc)) return GeometryOf(loc).originY + (place - 1) * g_unit;
    if (InBottomRow(loc)) return GeometryOf(loc).originY - place * g_unit;
    return 0;
}

bool HitTest(int loc, int x, int y) {
    Rect r = GeometryOf(loc).rect;
    // Only the upper part of the strip: the lower part is the computer's bar.
    if (loc == LOC_HUMAN_BAR) r.bottom /= 2;
    return r.Contains(x, y);
}

int LocationAt(int x, int y) {
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) {
        const bool hit = loc <= LOC_COMPUTER_BAR ? HitTest(loc, x, y) : GeometryOf(loc).rect.Contains(x, y);
        if (hit) return loc;
    }
    return -1;
}

int LocationUnder(int x, int y) {
    for (int loc = LOC_COMPUTER_BAR; loc >= 0; --loc)
        if (GeometryOf(loc).rect.Contains(x, y)) return loc;
    return -1;
}

Point LetterPosition(int p) {
    const LocationGeometry g = GeometryOf(p);
    const int x = g.originX + g_unit * 2 / 3;
    return {x, InTopRow(p) ? g.originY - g_unit : g.originY + g_unit / 2};
}
