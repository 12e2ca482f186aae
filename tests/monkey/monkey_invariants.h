// What must hold between any two events, whatever the user did before.
// Each check gives an empty text when it holds, else what is wrong.
#pragma once

#include <string>

class BoardDisplay;
class GameWnd;
struct Game;
struct LiveObjects;

// The board, the dice and the cube as the rules allow them, the board as
// `drawn` shows it.
std::string BrokenGameState(const Game& game, const BoardDisplay& drawn);

// The position, the side to move and the dice, for a report.
std::string PositionText(const Game& game);

// Object counts and the end-of-turn wait. `nested`: the check runs inside an
// event loop that a step opened, which only the wait may be.
std::string BrokenWindowState(const Game& game, const LiveObjects& live, bool nested);

// The canvas against a fresh redraw of the same position. A redraw that
// matches changes nothing, so the check does not hide what it looks for.
std::string BrokenCanvas(GameWnd& wnd);

// The settings, statistics and scheme files: absent, or such that their own
// readers take them whole, and the settings file holds the options in force.
std::string BrokenFiles(const Game& game);
