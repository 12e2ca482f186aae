// Which single moves are legal for the side to move, and carrying them out.
// Everything here works on g_board for g_sideToMove and allocates nothing:
// the computer's search calls it at every node.
#pragma once

// Set while the human's undo plays a move backwards, so that a checker can
// return to the human's bar instead of going to a tray.
extern int g_undoing;

int TrayOf();
bool AllHome();
bool OvershootBlocked(int from, int step);
bool IsLegalStep(int from, int step);
bool IsLegalMove(int from, int die);
int HighestLegalFrom(int dieIndex);
bool NoMovePossible();
bool EntryOpen(int side);

// Location data only, nothing drawn: the search's and the checks' move.
void ApplyMove(int from, int die);
void ApplyStep(int from, int step);

// The visible move that is actually played.
void MoveChecker(int from, int to);

// The die a human checker on `from` bears off with: the exact one, else the
// last that overshoots, else -1. Where the human may not play that die
// (see HumanMayPlay) but may play another that bears the checker off, that one.
int BearOffDie(int from);
bool BothDicePossible();
// With two different dice of which either can be played but no play uses
// both, the rules keep the larger: the index of the smaller, else -1.
int RefusedSmallerDie();
// Gives up the dice that cannot all be played: the smaller of two when
// either plays but not both, otherwise each die that no location can play,
// walked from the first entry.
void PruneUnplayableDice();
