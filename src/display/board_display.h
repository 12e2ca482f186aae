// The drawn board: the kept canvas every location and checker draws on, the
// drawn locations that follow the game's position, the letters of the
// points, and the full redraw of the board.
#pragma once

#include "display/drawn_location.h"
#include "rules/position.h"

class BoardGeometry;
class Canvas;
struct Game;

// From now on the board is drawn on `canvas`, laid out by `geometry`, in the
// colours and at the pace of `shown`'s options, and the trays' count
// controls stand over the canvas' widget.
void InstallBoardDisplay(Canvas* canvas, const Game& shown, const BoardGeometry& geometry);
// No more drawing; the drawn board must already be destroyed.
void RemoveBoardDisplay();
bool BoardDisplayInstalled();

Canvas& BoardCanvas();
// The game the board is drawn for.
const Game& ShownGame();
// The layout the board is drawn in.
const BoardGeometry& ShownGeometry();

// Draws the locations with the checkers of `board` (bars and trays with
// their own side's), when a canvas is installed; otherwise nothing is drawn.
void BuildDrawnBoard(const Board& board);
// Takes every drawn checker off the canvas, the last drawn first.
void DestroyDrawnBoard();
// The drawn location, or nullptr while nothing is drawn.
DrawnLocation* DrawnAt(int loc);
// The checkers as the drawing shows them now.
Board DrawnCheckers();

// Shows a checker carried from one location to another for `side`, the hit
// of a lone checker on the way included, as the position has just played it.
void ShowCheckerTransfer(int from, int to, int side, bool undoing = false);
// Shows a location's checkers anew: every drawn one taken off, then `shown`
// put on one by one.
void ShowLocation(int loc, const Checkers& shown);

// Draws point p's letter highlighted (on 1) or plain; while nothing is
// drawn, nothing.
void DrawPointLabel(int point, int on);

// Draws the whole board afresh: the empty board, every point and the bar
// strip with their checkers at rest.
void PaintBoard();
