// The coach at the table: the Hint window's figures for the human's play or
// cube decision, a line of it played when picked, and the tutor's warning
// before a decision that gives up too much.
#pragma once

#include "coach/cube_hint.h"

struct Session;

// Whether the Hint command has something to show: the human's dice to play,
// or its decision on doubling before the roll.
bool CanHint(Session& s);
// ID_HINT: the plays for the dice left, best first (the best five and every
// play within 0.10 of the best), or the cube decision's three equities and
// the right action.
void OnHint(Session& s);
// The line `index` of the hint, picked in the Hint window: its play is made
// as if entered, when the position is still the one the hint was for.
void OnHintChosen(Session& s, int index);
// The computer has doubled: an open Hint window shows the take or pass.
void HintComputerDouble(Session& s);

// With the tutor on, a completed play that gives up at least the threshold
// is named with the best one. True when the human takes it back: the turn is
// then at its start again.
bool TutorTakesPlayBack(Session& s);
// The same for the human's cube decision: true when the human takes `made` back.
bool TutorTakesCubeBack(Session& s, CubeQuestion question, CubeChoice made);
