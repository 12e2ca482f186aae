// The position at the start of the current turn, before any die of it was
// played, as Copy hands it to analysis programs.
#pragma once

#include "interchange/game_record.h"
#include "interchange/position_text.h"

// The position with the recorded steps of the turn taken back, the turn's
// throw when it is the side to move's, the cube and the side to move.
TextPosition TurnStartPosition(const Position& live, const RunRecord& record);
