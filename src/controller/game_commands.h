// The game's own commands, once the window's enable rule has let them
// through: the File, Edit and Game menu items and the commands the game
// posts to itself.
#pragma once

struct Session;

// Runs the game command `id`; false when `id` is not one of the game's.
bool RunGameCommand(Session& s, int id);

// A command its enable rule refused: the Double command says why when the
// match score, not the moment, rules the cube out.
void OnCommandRefused(Session& s, int id);
