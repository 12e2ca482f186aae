// The window's kept drawing surface: one persistent image of the client area
// that all board drawing goes into, with the handful of primitives the board
// uses. The board is drawn in logical pixels; the image holds them at the
// screen's device pixel ratio, so a scaled desktop shows the board sharp.
// Nothing is antialiased, so every pixel is exact and a saved square
// restores precisely what was under it, at any ratio.
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/rect.h"

class QWidget;

// A square of the canvas kept to be put back.
using SavedSquare = QImage;

class Canvas {
public:
    // Present() shows changed parts through `target`, which paints from
    // Image(). `ratio` is the device pixel ratio of the target's screen.
    Canvas(QWidget* target, int width, int height, qreal ratio = 1);

    // The image in device pixels; its device pixel ratio is Ratio().
    const QImage& Image() const { return image_; }
    // The widget the canvas is shown in; child controls over the board belong to it.
    QWidget* Target() const { return target_; }
    qreal Ratio() const { return ratio_; }
    // Starts a blank image at another ratio; the board must then be drawn afresh.
    void SetRatio(qreal ratio);
    // The device pixels that logical pixels left..right-1 by top..bottom-1
    // own: those whose centres lie in the logical rectangle. Neighbouring
    // rectangles own neighbouring pixels, with neither gap nor overlap.
    QRect DeviceRect(const Rect& r) const;

    // The colour behind opaque text; also the colour Clear() fills with.
    void SetBackground(COLORREF color) { background_ = color; }
    void SetTextColor(COLORREF color) { textColor_ = color; }
    // The pen that outlines polygons and rectangles.
    void SetPen(COLORREF color) { pen_ = color; }
    void SetFont(const QFont& font) { font_ = font; }
    const QFont& Font() const { return font_; }

    void Clear();
    void FillRect(const Rect& r, COLORREF color);
    // Filled in `brush` and outlined in the current pen; right and bottom
    // edges are outside, as with the rectangles everywhere else.
    void Rectangle(const Rect& r, COLORREF brush);
    void Polygon(const std::vector<Point>& corners, COLORREF brush);
    // From `from` up to, but not including, `to`.
    void Line(Point from, Point to);
    void FillEllipse(const Rect& box, COLORREF color);
    // Text on the background colour, its top-left corner at (x, y).
    void TextOut(int x, int y, const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight() const;

    // A copy of the device pixels of the square at (x, y), and putting them
    // back unchanged.
    SavedSquare Save(int x, int y, int size) const;
    void Restore(const SavedSquare& square, int x, int y);

    // Makes the drawing in `r` visible now, even while a handler blocks.
    void Present(const Rect& r);
    void PresentAll();

private:
    int Device(int logical) const;
    void FillDevice(QRect r, COLORREF color);

    QWidget* target_;
    int width_;
    int height_;
    qreal ratio_;
    QImage image_;
    QFont font_;
    COLORREF background_ = 0;
    COLORREF textColor_ = 0;
    COLORREF pen_ = 0;
};

QColor ToQColor(COLORREF color);
QRect ToQRect(const Rect& r);

// The small variable-pitch font of the board's letters, stack counts and
// trays; without antialiasing, so a saved square restores it exactly.
QFont BoardFont();
// The height of a line in that font.
int BoardTextHeight();
