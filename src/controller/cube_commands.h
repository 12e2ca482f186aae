// The doubling cube and resigning as the player meets them: the Double
// command and the cube button, the computer's offers at the start of its
// turn, and the Resign command, each with its questions and the cube button.
#pragma once

struct Session;

// Shows the stake on the cube button ("64" while nobody has doubled) and
// moves the button to the side that holds the cube.
void ShowCube(Session& s);

// The human doubles (the Double command and the cube button), or, on the
// computer's turn, the computer offers a double or to give up. A refused
// double accepted as the end of the game ends it here; the computer's offers
// only set s.game.winner, and its turn ends the game. A human who doubled
// before the roll then throws.
void CubeDecisions(Session& s);

// With the cube before the roll: the computer, about to throw, doubles if it
// wants to; a pass sets s.game.winner.
void ComputerCubeBeforeRoll(Session& s);

// The human gives up a normal game, a gammon or a backgammon.
void ResignCommand(Session& s);
