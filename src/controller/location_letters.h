// The one-character names of board locations, used by the message list and
// typed on the keyboard: "A".."X" for points 1..24, "0" for the bars and trays.
#pragma once

#include "rules/location.h"

constexpr char LocationLetter(int loc) { return IsPoint(loc) ? static_cast<char>('@' + loc) : '0'; }

constexpr int LetterLocation(int letter) { return letter == '0' ? 0 : letter - '@'; }

constexpr bool IsLocationLetter(int letter) { return letter == '0' || (letter >= 'A' && letter <= 'X'); }
