// The six colours the board is drawn in and the four built-in schemes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/color.h"

// All four schemes live in this file, in the current folder.
inline const char* const SCHEME_FILE_NAME = "kestro32.clr";

enum ColorSlot {
    SLOT_BACKGROUND,
    SLOT_POSITION_A,  // odd-numbered points
    SLOT_POSITION_B,  // even-numbered points
    SLOT_COMPUTER_PIECE,
    SLOT_HUMAN_PIECE,
    SLOT_BAR,
    NUM_COLOR_SLOTS
};

constexpr int NUM_SCHEMES = 4;

using ColorScheme = std::array<COLORREF, NUM_COLOR_SLOTS>;
using SchemeSet = std::array<ColorScheme, NUM_SCHEMES>;

inline constexpr SchemeSet kDefaultSchemes = {{
    {0x00C0C000, 0x00C0C0C0, 0x00008080, 0x000080FF, 0x00FFFFFF, 0x00C0C0C0},
    {0x00C0C080, 0x00808000, 0x00004080, 0x004080FF, 0x00FFFFFF, 0x00808000},
    {0x00CFB1B3, 0x00C0C0C0, 0x00008080, 0x008080FF, 0x00FFFFFF, 0x00C0C0C0},
    {0x0055B6D2, 0x00C0C0C0, 0x00008080, 0x000080FF, 0x00FFFFFF, 0x00C0C0C0},
}};

struct Options;

// Fills the options' colours at start-up from scheme `scheme` of the scheme
// file. Without a file, or for a number that names no scheme, scheme A's
// built-in colours are used and "CurScheme" becomes 0.
void LoadCurrentScheme(Options& options, int scheme, const std::string& path = SCHEME_FILE_NAME);
