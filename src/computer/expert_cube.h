// The Expert's cube and resignation decisions on the live game, judged from
// the network's chances with the dice already thrown: they replace the
// hand-made threshold rules when the Expert plays, inside the same exchanges.
#pragma once

#include "rules/game_end.h"

// At the start of the computer's turn, its dice thrown.
bool ExpertWantsToDouble();
bool ExpertWantsToResign();
// The human has doubled after throwing.
bool ExpertAcceptsDouble();
// The human offers to give up a game of this kind.
bool ExpertAcceptsResign(WinKind kind);
