// The File menu's Open and Save: position files chosen in the platform's file
// dialogs, read into the running game or written from it.
#pragma once

#include <string>

struct Session;

// Writes the game at the start of the human's turn to a chosen file.
void SavePositionFile(Session& s);

// Reads a chosen file into the running game and shows the loaded state. A file
// that is not a position file the game can continue from changes nothing.
void OpenPositionFile(Session& s);

// The board of a game set up from a file or a text: pip counts, cube, banner.
void ShowSetUpBoard(Session& s);
// The same with the human's turn to play the dice loaded, and the window's title.
void ShowLoadedTurn(Session& s, const std::string& caption);
