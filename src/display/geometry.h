// Where everything lies in the main window's client area. The window has one
// of three fixed sizes, chosen from the screen width, and every coordinate of
// the board derives from one length unit and the window's outer size.
#pragma once

#include <cstdint>

#include "platform/rect.h"

// The window's outer size W x H, the client size cx x cy and the unit with
// its two companions; set by the size handling of the main window.
extern int g_windowWidth;
extern int g_windowHeight;
extern int g_clientWidth;
extern int g_clientHeight;
extern int g_unit;             // checker diameter, half a point's width
extern int g_shadowOffset;     // checker shadow and stack count offset
extern uint16_t g_spriteSize;  // side of the square saved under a checker

struct WindowSize {
    int width;
    int height;
};

// The outer size for a screen of this width (its full-screen client width).
WindowSize WindowSizeFor(int screenWidth);

// Takes the outer size and derives the unit and its companions from it.
void SetWindowMetrics(WindowSize size);
void SetClientSize(int cx, int cy);

// Width of one point's column, and the y of the bottom row's triangle bases.
int Column();
int BaseLine();

struct LocationGeometry {
    int originX;  // left edge of the location's column of checkers minus u/2
    int originY;  // where the checker stack is measured from
    Rect rect;
};

// The orientation the ClockWise option names; set whenever the option is.
void SetClockwise(bool on);
bool Clockwise();

// The geometry of location 0..27 in the orientation set.
LocationGeometry GeometryOf(int loc);

int CheckerLeft(int loc);
// Top of the n-th checker (n = 1 nearest the origin); from the seventh on
// all share one place. Trays show no checkers and give 0.
int CheckerTop(int loc, int n);
// The click area of locations 0..25; the human's bar answers only in the
// upper part of the bar strip.
bool HitTest(int loc, int x, int y);

// The location a click at (x, y) chooses, or -1.
int LocationAt(int x, int y);
// The location to highlight under the pointer, or -1; never a tray.
int LocationUnder(int x, int y);

// Top-left corner of point p's letter.
Point LetterPosition(int p);
