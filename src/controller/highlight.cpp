#include "controller/highlight.h"

#include "controller/turn_moves.h"
#include "display/board_display.h"
#include "display/geometry.h"
#include "game/game.h"
#include "rules/moves.h"
#include "rules/position.h"
#include "rules/whole_turn.h"
#include "settings/options.h"

int g_hoverLoc = 0;

namespace {
// One chain of targets, die after die in the given direction. Only points
// held by two or more computer checkers stop it; the finer rules are left to
// the move's own check.
void ShowChain(int loc, int on, int first, int step) {
    const Checkers& bar = g_game.position[LOC_HUMAN_BAR];
    int t = loc;
    for (int i = first;;) {
        if (loc != LOC_HUMAN_BAR && bar.count > 0) return;
        t += g_game.position.dice[i];
        if (t <= 0 || t >= 25) return;
        if (g_game.position[t].owner == SIDE_COMPUTER && g_game.position[t].count >= 2) return;
        DrawPointLabel(t, on);
        i += step;
        if (i < 0 || i >= g_game.position.diceLeft) return;
        // Checkers still on the bar enter one die at a time.
        if (bar.count > 1) return;
    }
}

// A move the board allows but the rest of the turn does not.
bool Refused(int from, int die) {
    return IsLegalMove(g_game.position, from, die) && !HumanMayPlay(g_game.position, from, die);
}
}  // namespace

void ShowTargets(int loc, int on) {
    if (loc < 0 || loc > 24) return;
    if (loc != LOC_HUMAN_BAR) DrawPointLabel(loc, on);
    const Checkers& from = g_game.position[loc];
    if (g_game.options.highLight != 2 || from.owner != SIDE_HUMAN || from.count <= 0 || g_game.position.diceLeft == 0)
        return;
    // A first step the rules refuse is not offered; clearing takes every
    // chain, whatever may be played now.
    const auto offered = [&](int first) { return !on || !Refused(loc, g_game.position.dice[first]); };
    if (offered(g_game.position.diceLeft - 1)) ShowChain(loc, on, g_game.position.diceLeft - 1, -1);
    if (g_game.position.diceLeft == 2 && offered(0)) ShowChain(loc, on, 0, 1);
}

void OnMouseMove(int x, int y) {
    if (g_game.options.highLight == 0 || g_game.position.diceLeft == 0) return;
    if (g_game.options.highLight == 2 &&
        (g_game.position.sideToMove != SIDE_HUMAN || CurrentMove().from != NO_LOCATION))
        return;
    const int n = LocationUnder(x, y);
    if (n == g_hoverLoc) return;
    ShowTargets(g_hoverLoc, 0);
    g_hoverLoc = n;
    ShowTargets(n, 1);
}
