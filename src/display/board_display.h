// The drawn board: the kept canvas every location and checker draws on, the
// letters of the points, and the full redraw of the board.
#pragma once

class Canvas;

// From now on BuildBoard makes drawn locations on `canvas`, and the trays'
// count controls stand over the canvas' widget.
void InstallBoardDisplay(Canvas* canvas);
// Back to plain locations; the board must already be destroyed.
void RemoveBoardDisplay();

Canvas& BoardCanvas();

// Draws point p's letter highlighted (on 1) or plain. The drawn board
// installs the drawer; without one nothing is drawn.
using LabelDrawer = void (*)(int point, int on);
void SetLabelDrawer(LabelDrawer drawer);
void DrawPointLabel(int point, int on);

// Draws the whole board afresh: the empty board, every point and the bar
// strip with their checkers at rest.
void PaintBoard();
