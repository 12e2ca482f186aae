#include "controller/live_board.h"

#include "display/board_display.h"
#include "game/game.h"
#include "game/game_file.h"

void SavePosition() { g_game.turnStart = g_game.position.board; }

void BuildBoard(bool reset) {
    if (reset) g_game.turnStart = StartingBoard();
    g_game.position.board = WithFixedOwners(g_game.turnStart);
    BuildDrawnBoard(g_game.turnStart);
}

void DestroyBoard() { DestroyDrawnBoard(); }

CheckerTransfer PlayChecker(int from, int to, bool undoing) {
    Position& p = g_game.position;
    const CheckerTransfer t = MoveChecker(p, from, to, undoing);
    if (t.hit) ++g_game.counters.hitsMade[p.sideToMove];
    ShowCheckerTransfer(t.from, t.to, p.sideToMove, undoing);
    g_game.race = NoContact(p.board);
    return t;
}

void CarryCheckerBack(int from, int to) {
    Position& p = g_game.position;
    TransferChecker(p, from, to);
    ShowCheckerTransfer(from, to, p.sideToMove, true);
}

void SetLocation(int loc, const Checkers& checkers) {
    g_game.position[loc] = IsPoint(loc) ? checkers : Checkers{checkers.count, FixedOwner(loc)};
    ShowLocation(loc, g_game.position[loc]);
}

void LoadPosition(const PositionFileData& data) {
    ApplyPositionFile(data, g_game);
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) ShowLocation(loc, g_game.position[loc]);
}
