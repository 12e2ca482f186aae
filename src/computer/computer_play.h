// What a computer player hands back as its move.
#pragma once

#include <cstdint>

#include "rules/position.h"

// The steps of a play in the order they are played: from a location with a
// die. Dice that could not be played are not among them.
struct ComputerPlay {
    int count = 0;
    uint8_t from[MAX_DICE] = {DICE_END, DICE_END, DICE_END, DICE_END};
    uint8_t dice[MAX_DICE] = {DICE_END, DICE_END, DICE_END, DICE_END};
    // End positions weighed to choose it, the search's node count.
    uint32_t leaves = 0;
};
