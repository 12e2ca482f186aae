// The luck of the dice, as analysis programs measure it: what the throw is
// worth to the side that threw it against the average of the throws it could
// have had, each played at its best. Judged at the network's first look
// (every play of each of the 21 throws), in the unit of the plays' equities.
#pragma once

#include "coach/game_replay.h"

float ThrowLuck(const ReplayedThrow& thrown);
