// Which single moves are legal for the side to move, and carrying them out.
// Everything here is a function of a position and allocates nothing: the
// computer's search calls it at every node.
#pragma once

#include "rules/position.h"

// The tray of the side to move.
int TrayOf(const Position& p);
bool AllHome(const Position& p);
bool OvershootBlocked(const Position& p, int from, int step);
bool IsLegalStep(const Position& p, int from, int step);
bool IsLegalMove(const Position& p, int from, int die);
int HighestLegalFrom(const Position& p, int dieIndex);
bool NoMovePossible(const Position& p);
bool EntryOpen(const Position& p, int side);

// The search's and the checks' move of the side to move; a hit sends the
// lone checker to its bar.
void ApplyMove(Position& p, int from, int die);
void ApplyStep(Position& p, int from, int step);

// One checker carried from one location to another, as the game plays and
// shows it.
struct CheckerTransfer {
    int from, to;
    bool hit;  // a lone checker on `to` went to its bar first
};
// The top checker of `from` goes to `to`; a lone checker there that is not
// the side to move's is first sent to its bar. Undo carries checkers back
// this way too, a hit one from its bar included.
CheckerTransfer TransferChecker(Position& p, int from, int to);
// The played move: a target off the board is the mover's tray, or, while the
// human's move is taken back, the human's bar.
CheckerTransfer MoveChecker(Position& p, int from, int to, bool undoing = false);

// The die a human checker on `from` bears off with: the exact one, else the
// last that overshoots, else -1. Where the human may not play that die
// (see HumanMayPlay) but may play another that bears the checker off, that one.
int BearOffDie(const Position& p, int from);
bool BothDicePossible(const Position& p);
// With two different dice of which either can be played but no play uses
// both, the rules keep the larger: the index of the smaller, else -1.
int RefusedSmallerDie(const Position& p);
// Gives up the dice that cannot all be played: the smaller of two when
// either plays but not both, otherwise each die that no location can play,
// walked from the first entry.
void PruneUnplayableDice(Position& p);
