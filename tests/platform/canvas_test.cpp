#include "platform/canvas.h"

#include <gtest/gtest.h>

#include <QFont>
#include <cmath>

namespace {
constexpr COLORREF kRed = MakeColorRef(255, 0, 0);
constexpr COLORREF kBlue = MakeColorRef(0, 0, 255);
constexpr COLORREF kWhite = MakeColorRef(255, 255, 255);
constexpr COLORREF kTeal = MakeColorRef(0, 192, 192);

COLORREF At(const Canvas& c, int x, int y) {
    const QRgb p = c.Image().pixel(x, y);
    return MakeColorRef(qRed(p), qGreen(p), qBlue(p));
}

TEST(Canvas, RectangleIsOutlinedInThePenInsideItsEdges) {
    Canvas canvas(nullptr, 40, 40);
    canvas.SetBackground(kTeal);
    canvas.Clear();
    canvas.SetPen(kWhite);
    canvas.Rectangle({10, 10, 20, 16}, kRed);
    struct Case {
        int x, y;
        COLORREF color;
    };
    const Case cases[] = {{10, 10, kWhite}, {19, 15, kWhite}, {11, 11, kRed}, {18, 14, kRed},
                          {20, 12, kTeal},  {12, 16, kTeal},  {9, 9, kTeal}};
    for (const Case& c : cases) EXPECT_EQ(At(canvas, c.x, c.y), c.color) << c.x << "," << c.y;
}

// A line covers its start but not its end, so a path of lines marks each
// corner once, with the pen of the line that leaves it.
TEST(Canvas, ALineStopsShortOfItsEndPoint) {
    struct Case {
        Point from, to, inside;
    };
    const Case cases[] = {
        {{5, 30}, {5, 10}, {5, 20}},
        {{10, 10}, {30, 10}, {20, 10}},
        {{30, 10}, {20, 30}, {25, 20}},
        {{39, 39}, {39, 45}, {39, 39}},
    };
    for (const Case& c : cases) {
        Canvas canvas(nullptr, 40, 40);
        canvas.SetBackground(kTeal);
        canvas.Clear();
        canvas.SetPen(kWhite);
        canvas.Line(c.from, c.to);
        EXPECT_EQ(At(canvas, c.from.x, c.from.y), kWhite) << c.from.x << "," << c.from.y;
        EXPECT_EQ(At(canvas, c.inside.x, c.inside.y), kWhite) << c.inside.x << "," << c.inside.y;
        if (c.to.y < 40) {
            EXPECT_EQ(At(canvas, c.to.x, c.to.y), kTeal) << c.to.x << "," << c.to.y;
        }
    }
    Canvas dot(nullptr, 10, 10);
    dot.SetBackground(kTeal);
    dot.Clear();
    dot.SetPen(kWhite);
    dot.Line({4, 4}, {4, 4});
    EXPECT_EQ(At(dot, 4, 4), kTeal);
}

// A checker's circle fills its box edge to edge and is the same seen from
// any side.
TEST(Canvas, AnEllipseTouchesEverySideOfItsBoxAndIsSymmetric) {
    const Rect boxes[] = {{10, 10, 32, 32}, {10, 10, 31, 31}, {5, 8, 31, 30}, {-6, -4, 16, 18}, {30, 30, 52, 52}};
    for (const Rect& box : boxes) {
        Canvas canvas(nullptr, 40, 40);
        canvas.SetBackground(kTeal);
        canvas.Clear();
        canvas.FillEllipse(box, kRed);
        const auto onCanvas = [](int x, int y) { return x >= 0 && y >= 0 && x < 40 && y < 40; };
        const auto red = [&](int x, int y) { return onCanvas(x, y) && At(canvas, x, y) == kRed; };
        const int midX = (box.left + box.right) / 2;
        const int midY = (box.top + box.bottom) / 2;
        const Point sides[] = {{box.left, midY}, {box.right - 1, midY}, {midX, box.top}, {midX, box.bottom - 1}};
        for (const Point& p : sides) EXPECT_EQ(red(p.x, p.y), onCanvas(p.x, p.y)) << p.x << "," << p.y;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 40; ++x) {
                const bool inside = x >= box.left && x < box.right && y >= box.top && y < box.bottom;
                const int mirrorX = box.left + box.right - 1 - x;
                const int mirrorY = box.top + box.bottom - 1 - y;
                if (!inside) {
                    EXPECT_FALSE(red(x, y)) << x << "," << y;
                } else if (onCanvas(mirrorX, mirrorY)) {
                    EXPECT_EQ(red(x, y), red(mirrorX, y)) << x << "," << y;
                    EXPECT_EQ(red(x, y), red(x, mirrorY)) << x << "," << y;
                }
            }
    }
}

TEST(Canvas, ASavedSquareRestoresExactlyWhatWasUnderIt) {
    Canvas canvas(nullptr, 60, 60);
    canvas.SetBackground(kTeal);
    canvas.Clear();
    canvas.SetPen(kWhite);
    canvas.Polygon({{0, 0}, {20, 40}, {40, 0}}, kBlue);
    const QImage before = canvas.Image().copy();
    const QImage square = canvas.Save(10, 5, 26);
    canvas.FillEllipse({10, 5, 32, 27}, kRed);
    EXPECT_EQ(At(canvas, 21, 16), kRed);
    canvas.Restore(square, 10, 5);
    EXPECT_EQ(canvas.Image(), before);
}

// On a scaled screen each logical pixel owns whole device pixels, and
// neighbouring rectangles share none; what is drawn inside a saved square
// stays inside it and is put back exactly, at whole and fractional ratios.
TEST(Canvas, AtAnyRatioSquaresTileAndRestoreExactly) {
    for (qreal ratio : {1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        Canvas canvas(nullptr, 60, 60, ratio);
        EXPECT_EQ(canvas.Image().size(),
                  QSize(static_cast<int>(std::ceil(60 * ratio)), static_cast<int>(std::ceil(60 * ratio))));
        QFont font;
        font.setPixelSize(11);
        font.setStyleStrategy(QFont::NoAntialias);
        canvas.SetFont(font);
        canvas.SetBackground(kTeal);
        canvas.Clear();
        canvas.FillRect({0, 50, 11, 60}, kRed);
        canvas.FillRect({11, 50, 23, 60}, kBlue);
        const QRect left = canvas.DeviceRect({0, 50, 11, 60});
        const QRect right = canvas.DeviceRect({11, 50, 23, 60});
        EXPECT_EQ(left.right() + 1, right.left());
        EXPECT_EQ(At(canvas, left.right(), left.top()), kRed);
        EXPECT_EQ(At(canvas, right.left(), right.top()), kBlue);

        canvas.SetPen(kWhite);
        canvas.Polygon({{0, 0}, {20, 40}, {40, 0}}, kBlue);
        for (const Point at : {Point{13, 7}, Point{11, 11}, Point{24, 3}}) {
            const QImage before = canvas.Image().copy();
            const QImage square = canvas.Save(at.x, at.y, 19);
            canvas.FillEllipse({at.x, at.y, at.x + 19, at.y + 19}, kRed);
            canvas.TextOut(at.x + 3, at.y + 3, "12");
            const QRect inside = canvas.DeviceRect({at.x, at.y, at.x + 19, at.y + 19});
            for (int y = 0; y < before.height(); ++y)
                for (int x = 0; x < before.width(); ++x) {
                    if (inside.contains(x, y)) continue;
                    ASSERT_EQ(canvas.Image().pixel(x, y), before.pixel(x, y)) << x << "," << y;
                }
            canvas.Restore(square, at.x, at.y);
            EXPECT_EQ(canvas.Image(), before);
        }
    }
}

TEST(Canvas, TextIsDrawnOnTheBackgroundColour) {
    Canvas canvas(nullptr, 100, 40);
    canvas.SetBackground(kRed);
    canvas.Clear();
    canvas.SetBackground(kTeal);
    canvas.TextOut(5, 5, "   ");
    EXPECT_GT(canvas.TextWidth("   "), 0);
    EXPECT_EQ(At(canvas, 6, 8), kTeal);
    EXPECT_EQ(At(canvas, 4, 8), kRed);
}
}  // namespace
