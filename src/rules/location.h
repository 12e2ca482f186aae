// The board's 28 locations, their numbering and the two sides.
#pragma once

#include <cstdint>

constexpr int SIDE_NONE = 0;
constexpr int SIDE_COMPUTER = 1;  // moves from high location numbers to low
constexpr int SIDE_HUMAN = 2;     // moves from low location numbers to high

constexpr int NUM_LOCATIONS = 28;
constexpr int CHECKERS_PER_SIDE = 15;

constexpr int LOC_HUMAN_BAR = 0;
constexpr int LOC_COMPUTER_BAR = 25;
constexpr int LOC_COMPUTER_OFF = 26;
constexpr int LOC_HUMAN_OFF = 27;

constexpr bool IsPoint(int loc) { return loc >= 1 && loc <= 24; }

// The side a bar or tray belongs to, whether or not checkers stand on it.
constexpr int FixedOwner(int loc) { return loc == LOC_HUMAN_BAR || loc == LOC_HUMAN_OFF ? SIDE_HUMAN : SIDE_COMPUTER; }

// The bar a checker of `side` is sent to when it is hit.
constexpr int BarOf(int side) { return side == SIDE_HUMAN ? LOC_HUMAN_BAR : LOC_COMPUTER_BAR; }
