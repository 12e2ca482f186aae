#include "display/geometry.h"

#include <gtest/gtest.h>

#include "display/geometry_fixture.h"
#include "rules/location.h"

namespace {
struct SizeCase {
    int screen;
    int width, height, unit, shadow, sprite;
};

TEST(WindowSize, FollowsTheScreenWidthWithItsUnits) {
    const SizeCase cases[] = {
        {1024, 800, 560, 22, 4, 26}, {801, 800, 560, 22, 4, 26}, {800, 775, 542, 21, 4, 25},
        {640, 630, 453, 18, 3, 21},  {0, 310, 223, 8, 1, 9},     {-40, 310, 223, 8, 1, 9},
    };
    for (const SizeCase& c : cases) {
        const WindowSize size = WindowSizeFor(c.screen);
        const BoardGeometry geometry(size);
        EXPECT_EQ(size.width, c.width) << c.screen;
        EXPECT_EQ(size.height, c.height) << c.screen;
        EXPECT_EQ(geometry.Unit(), c.unit) << c.screen;
        EXPECT_EQ(geometry.ShadowOffset(), c.shadow) << c.screen;
        EXPECT_EQ(geometry.SpriteSize(), c.sprite) << c.screen;
    }
}

TEST_F(GeometryTest, ColumnAndBaseLine) {
    UseWindow(800, 560, 0);
    EXPECT_EQ(geometry.Column(), 44);
    EXPECT_EQ(geometry.BaseLine(), 439);
    UseWindow(775, 542, 0);
    EXPECT_EQ(geometry.Column(), 43);
    EXPECT_EQ(geometry.BaseLine(), 542 - 115);
}

TEST_F(GeometryTest, PointSpansCounterClockwise) {
    UseWindow(800, 560, 0);
    const int originX[13] = {0, 550, 506, 462, 418, 374, 330, 220, 176, 132, 88, 44, 0};
    for (int p = 1; p <= 12; ++p) {
        const LocationGeometry top = geometry.GeometryOf(p);
        EXPECT_EQ(top.originX, originX[p]) << p;
        EXPECT_EQ(top.originY, 44) << p;
        EXPECT_EQ(top.rect, (Rect{originX[p], 44, originX[p] + 44, 220})) << p;
        // The bottom point in the same column stands on the base line.
        const LocationGeometry bottom = geometry.GeometryOf(25 - p);
        EXPECT_EQ(bottom.originY, 439) << 25 - p;
        EXPECT_EQ(bottom.rect, (Rect{originX[p], 263, originX[p] + 44, 439})) << 25 - p;
    }
    EXPECT_EQ(geometry.GeometryOf(7).rect.right, 264);
    EXPECT_EQ(geometry.GeometryOf(6).rect.left, 330);
}

TEST_F(GeometryTest, PointSpansClockwise) {
    UseWindow(800, 560, 1);
    EXPECT_EQ(geometry.GeometryOf(1).rect, (Rect{0, 44, 44, 220}));
    EXPECT_EQ(geometry.GeometryOf(12).rect, (Rect{550, 44, 594, 220}));
    EXPECT_EQ(geometry.GeometryOf(24).rect, (Rect{0, 263, 44, 439}));
    EXPECT_EQ(geometry.GeometryOf(7).originX, 330);
    EXPECT_EQ(geometry.GeometryOf(LOC_COMPUTER_OFF).originX, 11);
    EXPECT_EQ(geometry.GeometryOf(LOC_HUMAN_OFF).originX, 11);
}

TEST_F(GeometryTest, BarsAndTraysInBothOrientations) {
    for (int clockwise : {0, 1}) {
        UseWindow(800, 560, clockwise, 500);
        SCOPED_TRACE(clockwise);
        const LocationGeometry humanBar = geometry.GeometryOf(LOC_HUMAN_BAR);
        EXPECT_EQ(humanBar.rect, (Rect{275, 44, 319, 439}));
        EXPECT_EQ(humanBar.originY, 66);
        const LocationGeometry computerBar = geometry.GeometryOf(LOC_COMPUTER_BAR);
        EXPECT_EQ(computerBar.rect, (Rect{275, 241, 319, 439}));
        EXPECT_EQ(computerBar.originY, 417);
        // The computer's tray directly above the human's, halfway down.
        const int x = clockwise ? 11 : 528;
        EXPECT_EQ(geometry.GeometryOf(LOC_HUMAN_OFF).rect, (Rect{x, 239, x + 44, 261}));
        EXPECT_EQ(geometry.GeometryOf(LOC_COMPUTER_OFF).rect, (Rect{x, 217, x + 44, 239}));
    }
}

TEST_F(GeometryTest, ClickInTheBarStrip) {
    UseWindow(800, 560, 0);
    struct Case {
        int yFrom, yTo, loc;
    };
    const Case cases[] = {{44, 218, LOC_HUMAN_BAR}, {219, 240, -1}, {241, 438, LOC_COMPUTER_BAR}, {439, 445, -1}};
    for (const Case& c : cases)
        for (int y = c.yFrom; y <= c.yTo; ++y)
            for (int x : {275, 300, 318}) EXPECT_EQ(geometry.LocationAt(x, y), c.loc) << x << "," << y;
    EXPECT_EQ(geometry.LocationAt(263, 100), 7);
    EXPECT_EQ(geometry.LocationAt(274, 100), -1);
    EXPECT_EQ(geometry.LocationAt(319, 100), -1);
}

TEST_F(GeometryTest, ClickSearchesInNumberOrderAndHighlightSearchSkipsTrays) {
    UseWindow(800, 560, 0);
    struct Case {
        int x, y, at, under;
    };
    const Case cases[] = {
        {550, 44, 1, 1},    {593, 219, 1, 1},   {594, 100, -1, -1}, {0, 438, 13, 13},
        {43, 263, 13, 13},  {300, 230, -1, 0},  {300, 100, 0, 0},   {300, 300, 25, 25},
        {530, 240, 27, -1}, {530, 220, 26, -1}, {700, 100, -1, -1}, {10, 10, -1, -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(geometry.LocationAt(c.x, c.y), c.at) << c.x << "," << c.y;
        EXPECT_EQ(geometry.LocationUnder(c.x, c.y), c.under) << c.x << "," << c.y;
    }
}

TEST_F(GeometryTest, CheckerStacks) {
    UseWindow(800, 560, 0);
    struct Case {
        int loc, n, top;
    };
    const Case cases[] = {
        {1, 1, 44},
        {1, 2, 66},
        {1, 7, 176},
        {1, 12, 176},
        {LOC_HUMAN_BAR, 1, 66},
        {13, 1, 417},
        {13, 7, 285},
        {13, 12, 285},
        {LOC_COMPUTER_BAR, 1, 395},
        {LOC_COMPUTER_OFF, 1, 0},
        {LOC_HUMAN_OFF, 3, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(geometry.CheckerTop(c.loc, c.n), c.top) << c.loc << " #" << c.n;
    EXPECT_EQ(geometry.CheckerLeft(1), 561);
    EXPECT_EQ(geometry.CheckerLeft(LOC_HUMAN_BAR), 286);
}

TEST_F(GeometryTest, PointLetters) {
    UseWindow(800, 560, 0);
    EXPECT_EQ(geometry.LetterPosition(1).x, 564);
    EXPECT_EQ(geometry.LetterPosition(1).y, 22);
    EXPECT_EQ(geometry.LetterPosition(24).x, 564);
    EXPECT_EQ(geometry.LetterPosition(24).y, 450);
}
}  // namespace
