// The end of a game: who has won and what the win is worth.
#pragma once

#include "rules/position.h"

enum class WinKind { Normal = 1, Gammon = 2, Backgammon = 3 };

// The side whose tray holds all its checkers, or 0 while the game runs.
int TrayWinner(const Board& board);

// Decided on the final position; the value is the multiplier of the cube.
WinKind ClassifyWin(const Board& board);
