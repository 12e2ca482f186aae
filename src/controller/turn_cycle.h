// The turn cycle: each turn's throw and its display, the computer's whole
// turn, and the booking of every checker move of either side.
#pragma once

struct Session;

// Hands the move to the other side (unless the opening throw is still to be
// played), throws, shows and logs the dice and prompts the human. With the
// cube before the roll the side decides on doubling first: the computer
// here, while the human's turn waits for the roll when it may double.
void BeginTurn(Session& s);
// The human, waiting for the roll, throws: after the double just decided,
// or when it chose to roll (OnRollChosen: Pass, the spacebar, a click on the
// board), unless the tutor's warning took that back.
void RollForHuman(Session& s);
void OnRollChosen(Session& s);

// ID_COMPUTER_TURN: runs the computer's turn from its throw to the human's.
void OnComputerTurn(Session& s);
// The computer's turn with its dice thrown and shown: its cube decision, its
// move, then the human's turn.
void PlayComputerTurn(Session& s);

// Plays one move of the side to move; 0 when it ended the game.
int PlayMove(Session& s, int from, int to);

// The Pass command and a click beside the board when no move is possible;
// the throw while the turn waits for it.
void OnPass(Session& s);
