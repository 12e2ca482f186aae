// The two automations of play: the human's forced dice played as soon as
// they are prompted, and "Finish game", the program playing both sides.
#pragma once

struct Session;

// ID_AUTO_FORCED, posted by every prompt of a human turn.
void PlayForcedMoves(Session& s);

// Plays whole turns of both sides until the game ends or Escape is held
// down between two turns.
void FinishGame(Session& s);

// Ends a running finish and takes its "hold Esc" text away with it.
void StopFinishing(Session& s);
