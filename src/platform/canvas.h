// The window's kept drawing surface: one persistent image the size of the
// client area that all board drawing goes into, with the handful of
// primitives the board uses. Nothing is antialiased, so every pixel is exact
// and a saved square restores precisely what was under it.
#pragma once

#include <QFont>
#include <QImage>
#include <string>
#include <vector>

#include "platform/color.h"
#include "platform/rect.h"

class QWidget;

// A square of the canvas kept to be put back.
using SavedSquare = QImage;

class Canvas {
public:
    // Present() shows changed parts through `target`, which paints from Image().
    Canvas(QWidget* target, int width, int height);

    const QImage& Image() const { return image_; }
    // The widget the canvas is shown in; child controls over the board belong to it.
    QWidget* Target() const { return target_; }

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

    // A copy of the square at (x, y) and putting it back unchanged.
    SavedSquare Save(int x, int y, int size) const;
    void Restore(const SavedSquare& square, int x, int y);

    // Makes the drawing in `r` visible now, even while a handler blocks.
    void Present(const Rect& r);
    void PresentAll();

private:
    QWidget* target_;
    QImage image_;
    QFont font_;
    COLORREF background_ = 0;
    COLORREF textColor_ = 0;
    COLORREF pen_ = 0;
};

QColor ToQColor(COLORREF color);

// The small variable-pitch font of the board's letters, stack counts and
// trays; without antialiasing, so a saved square restores it exactly.
QFont BoardFont();
