// The live game's checkers and the drawing that follows them: every change
// the game makes to its board goes through here, so the position changes
// first and the drawing then shows it.
#pragma once

#include "rules/moves.h"
#include "settings/position_file.h"

struct Session;

// The turn's start becomes the board as it stands.
void SavePosition(Session& s);
// Sets the board up from the turn's start (from a new game's checkers on
// `reset`) and draws it when there is a window.
void BuildBoard(Session& s, bool reset);
// Takes the drawing off; the position stays.
void DestroyBoard(Session& s);

// Plays a checker of the side to move from one location to another and shows
// it travel; a target off the board is the tray, or the human's bar while a
// move is taken back. Hits are counted for the side to move.
CheckerTransfer PlayChecker(Session& s, int from, int to, bool undoing = false);
// Carries a checker back as Undo does, and shows it.
void CarryCheckerBack(Session& s, int from, int to);
// A location shows these checkers from now on.
void SetLocation(Session& s, int loc, const Checkers& checkers);
// Puts a read position file into the game, and the drawing follows it
// location by location.
void LoadPosition(Session& s, const PositionFileData& data);
