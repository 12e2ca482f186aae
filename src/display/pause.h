// The pauses that set the pace of the game: before the computer's search,
// when a dropped move is rewritten, and between the steps of an animation.
#pragma once

struct Game;

// Sleeps on the program's clock, except while "Finish game" plays quickly.
void Pause(const Game& game, int ms);
