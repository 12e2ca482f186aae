// The drawn board: the kept canvas every location and checker draws on, the
// parent of the trays' count controls, and the full redraw of the board.
#pragma once

#include <QFont>

class Canvas;
class QWidget;

// From now on BuildBoard makes drawn locations on `canvas`; the trays' count
// controls become children of `controlParent`.
void InstallBoardDisplay(Canvas* canvas, QWidget* controlParent);
// Back to plain locations; the board must already be destroyed.
void RemoveBoardDisplay();

Canvas& BoardCanvas();
QWidget* BoardControlParent();

// The small variable-pitch font of the board's letters, stack counts and
// trays; without antialiasing, so a saved square restores it exactly.
QFont BoardFont();

// Draws the whole board afresh: the empty board, every point and the bar
// strip with their checkers at rest.
void PaintBoard();
