// One drawn checker. Before it draws itself it keeps a copy of the square of
// board under it, and hiding it puts that square back, so checkers can be put
// on, taken off and moved over the board without redrawing anything else, as
// long as they are hidden in the reverse order of drawing.
#pragma once

#include "platform/canvas.h"

class BoardDisplay;

class CheckerSprite {
public:
    // Shows the checker at once, at rest, on `board`, among whose live
    // objects it counts while it lives.
    CheckerSprite(BoardDisplay& board, int x, int y, int owner, int position);
    ~CheckerSprite();
    CheckerSprite(const CheckerSprite&) = delete;
    CheckerSprite& operator=(const CheckerSprite&) = delete;

    // At rest a checker casts a shadow, and from the eighth of a stack on it
    // shows the stack's size instead; moving, it is a plain circle.
    void Show(bool moving);
    void Hide();
    // Hides it, puts it at (x, y) and shows it again, made visible in one go.
    void MoveTo(int x, int y, bool moving);

    // The shake of a checker that is hit; `from` is the location it leaves.
    void ShakeChecker(int from);

    int X() const { return x_; }
    int Y() const { return y_; }

private:
    void Paint(bool moving);
    void Erase();
    Rect SquareAt(int x, int y) const;

    BoardDisplay& board_;
    int x_;
    int y_;
    int position_;
    int owner_;
    SavedSquare saved_;
    bool drawn_ = false;
};
