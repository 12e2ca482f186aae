// Where everything lies in the main window's client area. The window has one
// of three fixed sizes, chosen from the screen width, and every coordinate of
// the board derives from one length unit and the window's outer size.
#pragma once

#include <cstdint>

#include "platform/rect.h"

struct WindowSize {
    int width;
    int height;
};

// The outer size for a screen of this width (its full-screen client width).
WindowSize WindowSizeFor(int screenWidth);

struct LocationGeometry {
    int originX;  // left edge of the location's column of checkers minus u/2
    int originY;  // where the checker stack is measured from
    Rect rect;
};

// The board laid out in one window: its outer size W x H with the unit and
// its two companions derived from it, the client size cx x cy the window
// leaves for the board, and the orientation the ClockWise option names.
class BoardGeometry {
public:
    BoardGeometry() = default;
    explicit BoardGeometry(WindowSize window);

    void SetClientSize(int cx, int cy);
    void SetClockwise(bool on) { clockwise_ = on; }

    WindowSize Window() const { return window_; }
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    int Unit() const { return unit_; }              // checker diameter, half a point's width
    int ShadowOffset() const { return unit_ / 5; }  // checker shadow and stack count offset
    // Side of the square saved under a checker.
    uint16_t SpriteSize() const { return static_cast<uint16_t>(unit_ + unit_ / 5); }
    bool Clockwise() const { return clockwise_; }

    // Width of one point's column, and the y of the bottom row's triangle bases.
    int Column() const;
    int BaseLine() const;

    // The geometry of location 0..27 in the orientation set.
    LocationGeometry GeometryOf(int loc) const;

    int CheckerLeft(int loc) const;
    // Top of the n-th checker (n = 1 nearest the origin); from the seventh on
    // all share one place. Trays show no checkers and give 0.
    int CheckerTop(int loc, int n) const;
    // The click area of locations 0..25; the human's bar answers only in the
    // upper part of the bar strip.
    bool HitTest(int loc, int x, int y) const;

    // The location a click at (x, y) chooses, or -1.
    int LocationAt(int x, int y) const;
    // The location to highlight under the pointer, or -1; never a tray.
    int LocationUnder(int x, int y) const;

    // Top-left corner of point p's letter.
    Point LetterPosition(int p) const;

private:
    int TopPointX(int p) const;
    LocationGeometry TopPoint(int p) const;
    LocationGeometry BottomPoint(int p) const;
    LocationGeometry HumanBar() const;
    LocationGeometry ComputerBar() const;
    LocationGeometry Tray(int loc) const;

    WindowSize window_{0, 0};
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int unit_ = 0;
    bool clockwise_ = false;
};
