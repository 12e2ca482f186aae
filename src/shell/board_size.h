// The board size: how many times larger than the desktop asks the whole
// window is drawn, menus and dialogs with it. Qt takes its scale once, as the
// application starts, and has no scale of one window; so a size chosen in the
// menu is stored and takes effect at the next start, and the game in
// progress goes on untouched.
#pragma once

#include <QPoint>
#include <QSize>

class QWidget;
struct Session;

// The scale this run started with: the board size in effect, and what the
// screen left of it (1 where the window fits).
struct BoardScale {
    int inEffect = 100;
    double fitted = 1.0;
};

// The size in percent that a Board size command chooses, 0 for any other command.
int BoardSizeOf(int command);

// Before the application exists: multiplies the scale the desktop asks for
// by the stored board size, which is in effect from now on.
BoardScale ScaleForBoardSize();
// Before the application exists, after ScaleForBoardSize: where the whole
// window would not fit the primary screen at that scale, lowers the scale to
// the largest at which it does, down to 1 at most. The chosen size stays the
// chosen one.
void FitScaleToScreen(int argc, char** argv, BoardScale& scale);
// The largest scale up to `scale` at which a window of `window` pixels at
// scale 1, with `frame` screen pixels around it, fits `available` ones; never
// below 1, and `scale` itself when that is 1 or less.
double FittingScale(double scale, QSize window, QSize frame, QSize available);
// Where the window starts: 10 pixels in from the screen's corner, or, at a
// scale lowered to fit, the work area's own corner.
QPoint StartPosition(const QWidget& window, const BoardScale& scale);
// The scale to start with: the desktop's own factor (QT_SCALE_FACTOR, or
// nullptr when it sets none) times the board size.
double ScaleFactorFor(const char* desktopFactor, int percent);

// Whether a window of this run's `size` would fit a screen's work area at
// `percent`, measured in this run's pixels; `frame` is what the window
// manager adds around it.
bool BoardSizeFits(int percent, double inEffect, QSize size, QSize frame, QSize available);
// The same for the screen that holds `window` now: sizes that do not fit are greyed.
bool BoardSizeOffered(const QWidget& window, int percent, const BoardScale& scale);

// The menu command: keeps the choice for the next start, and says so when
// it differs from the size in effect.
void ChooseBoardSize(Session& s, int percent, int inEffect);
