// The drawn board: the kept canvas every location and checker draws on, the
// drawn locations that follow the game's position, the letters of the
// points, and the full redraw of the board.
#pragma once

#include <array>
#include <memory>

#include "display/drawn_location.h"
#include "rules/position.h"

class BoardGeometry;
class Canvas;
struct Game;

// The drawn objects alive now, so long runs can show that none leak.
struct LiveObjects {
    int locations = 0;
    int sprites = 0;
};

class BoardDisplay {
public:
    // From now on the board is drawn on `canvas`, laid out by `geometry`, in
    // the colours and at the pace of `shown`'s options, and the trays' count
    // controls stand over the canvas' widget.
    BoardDisplay(Canvas& canvas, const Game& shown, const BoardGeometry& geometry);

    Canvas& GetCanvas() const { return canvas_; }
    // The game the board is drawn for.
    const Game& Shown() const { return shown_; }
    const BoardGeometry& Geometry() const { return geometry_; }
    LiveObjects& Live() { return live_; }
    const LiveObjects& Live() const { return live_; }

    // Draws the locations with the checkers of `board` (bars and trays with
    // their own side's).
    void Build(const Board& board);
    // Takes every drawn checker off the canvas.
    void Destroy();
    // The drawn location, or nullptr while nothing is drawn.
    DrawnLocation* DrawnAt(int loc) const;
    // The checkers as the drawing shows them now.
    Board DrawnCheckers() const;

    // Shows a checker carried from one location to another for `side`, the
    // hit of a lone checker on the way included, as the position has just
    // played it.
    void ShowCheckerTransfer(int from, int to, int side, bool undoing);
    // Shows a location's checkers anew: every drawn one taken off, then
    // `shown` put on one by one.
    void ShowLocation(int loc, const Checkers& shown);

    // Draws point p's letter highlighted or plain; while nothing is drawn,
    // nothing.
    void DrawPointLabel(int point, bool on);

    // Draws the whole board afresh: the empty board, every point and the bar
    // strip with their checkers at rest.
    void Paint();

private:
    std::unique_ptr<DrawnLocation> MakeDrawnLocation(int number, int count, int owner);

    Canvas& canvas_;
    const Game& shown_;
    const BoardGeometry& geometry_;
    LiveObjects live_;
    std::array<std::unique_ptr<DrawnLocation>, NUM_LOCATIONS> drawn_;
};
