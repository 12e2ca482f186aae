// The travel of a checker that is moved, and the shake of one that is hit.
// Each step hides the travelling checker, moves it by one unit and shows it
// again, and is followed by the pause that sets the pace.
#include <cstdlib>

#include "dice/mevra32.h"
#include "display/board_display.h"
#include "display/board_points.h"
#include "display/geometry.h"
#include "display/pause.h"
#include "game/game.h"
#include "rules/position.h"
#include "settings/options.h"

namespace {
constexpr int kShakes = 5;

void Step(const BoardDisplay& board, CheckerSprite& s, int dx, int dy) {
    s.MoveTo(s.X() + dx, s.Y() + dy, true);
    Pause(board.Shown(), board.Shown().options.moveDelay);
}

bool IsBar(int loc) { return loc == LOC_HUMAN_BAR || loc == LOC_COMPUTER_BAR; }
bool IsTray(int loc) { return loc == LOC_COMPUTER_OFF || loc == LOC_HUMAN_OFF; }

// Point p and point 25 - p share a column, and so do the two bars; the
// points next to the trays need no crossing either.
bool NeedsCrossing(int from, int to) {
    if (to == std::abs(from - 25)) return false;
    return !((from == 1 || from == 24) && IsTray(to));
}
}  // namespace

void DrawnTopPoint::TransferChecker(int t, int side, bool undoing) {
    CheckerSprite* top = TopSprite();
    // Nothing to show travelling: the move itself still happens.
    if (!top) return DrawnLocation::TransferChecker(t, side, undoing);
    CheckerSprite& s = *top;
    const BoardGeometry& geometry = board_.Geometry();
    const int mover = owner;
    const int l = number;
    const int u = geometry.Unit();
    DrawnLocation* to = board_.DrawnAt(t);

    if (IsBar(t) && !undoing) s.ShakeChecker(l);

    const int leave = l < 13 ? u : -u;
    do Step(board_, s, 0, leave);
    while (geometry.HitTest(number, s.X(), s.Y()));

    if (NeedsCrossing(l, t)) {
        const int targetX = geometry.GeometryOf(t).originX;
        const int dx = targetX > s.X() ? u : -u;
        do Step(board_, s, dx, 0);
        while (dx > 0 ? s.X() < targetX : s.X() - u > targetX);
    }

    if (to->owner != side && to->count == 1 && IsPoint(t))
        to->TransferChecker(side == SIDE_HUMAN ? LOC_COMPUTER_BAR : LOC_HUMAN_BAR, side, undoing);

    s.MoveTo(geometry.CheckerLeft(t), s.Y(), true);

    if (!IsTray(t)) {
        const int originY = geometry.GeometryOf(t).originY;
        const int dy = originY > s.Y() ? u : -u;
        // Until the next step would reach the stack, whose size the nested
        // move of a hit may just have changed.
        do Step(board_, s, 0, dy);
        while (dy < 0 ? s.Y() + dy > originY + (to->count + 1) * u : s.Y() + dy < originY - (to->count + 1) * u);
    }

    RemoveChecker();
    to->owner = mover;
    to->AddChecker();
}

void CheckerSprite::ShakeChecker(int from) {
    const Game& shown = board_.Shown();
    if (shown.options.hitShake == 0) return;
    const BoardGeometry& geometry = board_.Geometry();
    const int u = geometry.Unit();
    for (int i = 0; i < kShakes; ++i) {
        Pause(shown, 2 * shown.options.moveDelay);
        int x = x_;
        int y = y_;
        // Towards the middle of the board, and never out of the band u..cx - u.
        do {
            x += GetRandom(2) != 0 ? u : -u;
            if (x < 0) x = 0;
            y += from < 13 ? GetRandom(u) : -GetRandom(u);
        } while (x < u || x > geometry.ClientWidth() - u);
        MoveTo(x, y, false);
    }
}
