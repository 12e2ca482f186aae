// File, Export games: the run's finished games as a match text for analysis
// programs, in a file the user chooses.
#pragma once

struct RecordedGame;
struct Session;

void ExportGames(Session& s);
// One of the kept games on its own, from the Review window; a game of a
// match keeps its score.
void ExportKeptGame(Session& s, const RecordedGame& game);
