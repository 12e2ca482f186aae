// File, Export games: the run's finished games as a match text for analysis
// programs, in a file the user chooses.
#pragma once

struct Session;

void ExportGames(Session& s);
