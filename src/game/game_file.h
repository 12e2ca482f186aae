// The game as a position file holds it, and a read file put into the game.
#pragma once

#include <string>

#include "game/game.h"
#include "settings/position_file.h"

// The game as a position file would hold it, every field present.
PositionFileData CapturePositionFile(const Game& game);

// Writes the decoded fields into the game: the opening throw is over, the
// turn's start and the live position take the table, and each field the
// file held replaces the game's. The window then shows the loaded state.
void ApplyPositionFile(const PositionFileData& data, Game& game);

// Writes the game to `path` through a temporary file; says why when it could not.
FileResult SavePositionFile(const std::string& path, const Game& game);
