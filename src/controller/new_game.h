// Setting up a game: the board in its starting position, the cube in the
// middle, and on the first game of the run the window's controls.
#pragma once

struct Session;

void NewGame(Session& s);

// Clears the message list and writes the program's banner into it.
void WriteBanner(Session& s);
