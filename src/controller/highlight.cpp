#include "controller/highlight.h"

#include "controller/session.h"
#include "controller/turn_moves.h"
#include "display/geometry.h"
#include "game/game.h"
#include "rules/moves.h"
#include "rules/position.h"
#include "rules/whole_turn.h"
#include "settings/options.h"

namespace {
// One chain of targets, die after die in the given direction. Only points
// held by two or more computer checkers stop it; the finer rules are left to
// the move's own check.
void ShowChain(Session& s, int loc, int on, int first, int step) {
    const Checkers& bar = s.game.position[LOC_HUMAN_BAR];
    int t = loc;
    for (int i = first;;) {
        if (loc != LOC_HUMAN_BAR && bar.count > 0) return;
        t += s.game.position.dice[i];
        if (t <= 0 || t >= 25) return;
        if (s.game.position[t].owner == SIDE_COMPUTER && s.game.position[t].count >= 2) return;
        s.view.DrawPointLabel(t, on);
        i += step;
        if (i < 0 || i >= s.game.position.diceLeft) return;
        // Checkers still on the bar enter one die at a time.
        if (bar.count > 1) return;
    }
}

// A move the board allows but the rest of the turn does not.
bool Refused(Session& s, int from, int die) {
    return IsLegalMove(s.game.position, from, die) && !HumanMayPlay(s.game.position, from, die);
}
}  // namespace

void ShowTargets(Session& s, int loc, int on) {
    if (loc < 0 || loc > 24) return;
    if (loc != LOC_HUMAN_BAR) s.view.DrawPointLabel(loc, on);
    const Checkers& from = s.game.position[loc];
    if (s.game.options.highLight != 2 || from.owner != SIDE_HUMAN || from.count <= 0 || s.game.position.diceLeft == 0)
        return;
    // A first step the rules refuse is not offered; clearing takes every
    // chain, whatever may be played now.
    const auto offered = [&](int first) { return !on || !Refused(s, loc, s.game.position.dice[first]); };
    if (offered(s.game.position.diceLeft - 1)) ShowChain(s, loc, on, s.game.position.diceLeft - 1, -1);
    if (s.game.position.diceLeft == 2 && offered(0)) ShowChain(s, loc, on, 0, 1);
}

void OnMouseMove(Session& s, int x, int y) {
    if (s.game.options.highLight == 0 || s.game.position.diceLeft == 0) return;
    if (s.game.options.highLight == 2 &&
        (s.game.position.sideToMove != SIDE_HUMAN || CurrentMove(s).from != NO_LOCATION))
        return;
    const int n = s.view.Geometry().LocationUnder(x, y);
    if (n == s.input.hoverLoc) return;
    ShowTargets(s, s.input.hoverLoc, 0);
    s.input.hoverLoc = n;
    ShowTargets(s, n, 1);
}
