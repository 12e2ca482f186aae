// The menu commands that steer the game beside the move entry itself.
#pragma once

// "Start new game ?": Yes abandons the running game without scoring it.
void OnNewGame();

// Plays the computer's best move for the human's dice as the human's own
// moves; only while the human is to move and not in the end-of-turn wait.
void OnSuggestMove();

// The human takes over the computer's checkers and the computer the human's.
void OnSwitchSides();

// Plays a move chosen for the human as if typed: named on the prompt line,
// then played. 0 when it ended the game.
int PlayForHuman(int from, int to);

void OnRedraw();

// Writes who leads the race, and by how much, into pane 2.
void OnShowProgress();
