#include "controller/live_board.h"

#include "controller/session.h"
#include "game/game.h"
#include "game/game_file.h"

void SavePosition(Session& s) { s.game.turnStart = s.game.position.board; }

void BuildBoard(Session& s, bool reset) {
    if (reset) s.game.turnStart = StartingBoard();
    s.game.position.board = WithFixedOwners(s.game.turnStart);
    s.view.BuildDrawnBoard(s.game.turnStart);
}

void DestroyBoard(Session& s) { s.view.DestroyDrawnBoard(); }

CheckerTransfer PlayChecker(Session& s, int from, int to, bool undoing) {
    Position& p = s.game.position;
    const CheckerTransfer t = MoveChecker(p, from, to, undoing);
    if (t.hit) ++s.game.counters.hitsMade[p.sideToMove];
    s.view.ShowCheckerTransfer(t.from, t.to, p.sideToMove, undoing);
    s.game.race = NoContact(p.board);
    return t;
}

void CarryCheckerBack(Session& s, int from, int to) {
    Position& p = s.game.position;
    TransferChecker(p, from, to);
    s.view.ShowCheckerTransfer(from, to, p.sideToMove, true);
}

void SetLocation(Session& s, int loc, const Checkers& checkers) {
    s.game.position[loc] = IsPoint(loc) ? checkers : Checkers{checkers.count, FixedOwner(loc)};
    s.view.ShowLocation(loc, s.game.position[loc]);
}

void LoadPosition(Session& s, const PositionFileData& data) {
    ApplyPositionFile(data, s.game);
    for (int loc = 0; loc < NUM_LOCATIONS; ++loc) s.view.ShowLocation(loc, s.game.position[loc]);
}
