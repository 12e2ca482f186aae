// The menu commands that steer the game beside the move entry itself.
#pragma once

struct Session;

// "Start new game ?": Yes abandons the running game without scoring it.
void OnNewGame(Session& s);

// Plays the computer's best move for the human's dice as the human's own
// moves; only while the human is to move and not in the end-of-turn wait.
void OnSuggestMove(Session& s);

// The human takes over the computer's checkers and the computer the human's.
void OnSwitchSides(Session& s);

// Plays a move chosen for the human as if typed: named on the prompt line,
// then played. 0 when it ended the game.
int PlayForHuman(Session& s, int from, int to);

void OnRedraw(Session& s);

// Writes who leads the race, and by how much, into pane 2.
void OnShowProgress(Session& s);
