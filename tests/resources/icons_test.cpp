#include "resources/icons.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

bool IsBlack(const QImage& image, int x, int y) {
    QColor c = image.pixelColor(x, y);
    return c.alpha() == 255 && c.red() < 40 && c.green() < 40 && c.blue() < 40;
}

bool IsWhite(const QImage& image, int x, int y) {
    QColor c = image.pixelColor(x, y);
    return c.alpha() == 255 && c.red() > 215 && c.green() > 215 && c.blue() > 215;
}

TEST(DieFaceIcons, ShowTheirPipsOnAWhiteFace) {
    // Pip places: top-left, top-right, middle-left, centre, middle-right,
    // bottom-left, bottom-right; '1' where the face has a pip.
    struct Point {
        int x, y;
    };
    const Point places[] = {{9, 9}, {23, 9}, {9, 16}, {16, 16}, {23, 16}, {9, 23}, {23, 23}};
    const char* expected[] = {"0001000", "0100010", "0101010", "1100011", "1101011", "1110111"};
    for (int pips = 1; pips <= 6; ++pips) {
        SCOPED_TRACE(pips);
        QImage face = IconResource(DieFaceIconId(pips));
        ASSERT_EQ(face.size(), QSize(ICON_SIZE, ICON_SIZE));
        for (int i = 0; i < 7; ++i) {
            const Point& at = places[i];
            if (expected[pips - 1][i] == '1')
                EXPECT_TRUE(IsBlack(face, at.x, at.y)) << "place " << i;
            else
                EXPECT_TRUE(IsWhite(face, at.x, at.y)) << "place " << i;
        }
    }
}

TEST(DieFaceIcons, IdsRunDownFromOnePipAt31240) {
    EXPECT_EQ(DieFaceIconId(1), 31240);
    EXPECT_EQ(DieFaceIconId(6), 31235);
    EXPECT_EQ(IconResource(31240), DieFaceIcon(1));
    EXPECT_EQ(IconResource(31235), DieFaceIcon(6));
    EXPECT_TRUE(DieFaceIcon(0).isNull());
    EXPECT_TRUE(DieFaceIcon(7).isNull());
    EXPECT_TRUE(IconResource(31241).isNull());
    EXPECT_TRUE(IconResource(31233).isNull());
}

TEST(ProgramIcon, IsDrawn) {
    QImage icon = IconResource(ICON_PROGRAM);
    ASSERT_EQ(icon.size(), QSize(ICON_SIZE, ICON_SIZE));
    EXPECT_EQ(icon.pixelColor(16, 16).alpha(), 255);
}

// The desktop's sizes show the same picture: clear corners, the white
// checker's face at the same place on the grid.
TEST(ProgramIcon, ScalesToTheDesktopSizes) {
    EXPECT_EQ(ProgramIconAt(ICON_SIZE), IconResource(ICON_PROGRAM));
    for (int size : {64, 128}) {
        SCOPED_TRACE(size);
        QImage icon = ProgramIconAt(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        const int k = size / ICON_SIZE;
        EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
        EXPECT_EQ(icon.pixelColor(size - 1, size - 1).alpha(), 0);
        EXPECT_TRUE(IsWhite(icon, 20 * k, 12 * k));
    }
}

TEST(UndoCursor, HotSpotSitsOnTheDrawnArrowTip) {
    QImage image = UndoCursorImage();
    ASSERT_EQ(image.size(), QSize(ICON_SIZE, ICON_SIZE));
    QPoint hot = UndoCursorHotSpot();
    ASSERT_TRUE(image.rect().contains(hot));
    EXPECT_GT(image.pixelColor(hot).alpha(), 0);
    EXPECT_EQ(image.pixelColor(0, 31).alpha(), 0);  // the surround stays clear
}

// On a scaled screen the icons and the cursor keep their size in as many more
// device pixels, the cursor's tip still under its hot spot.
TEST(IconsAtARatio, KeepTheirSizeInDevicePixels) {
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        const int side = static_cast<int>(std::ceil(ICON_SIZE * ratio));
        const QImage cursor = UndoCursorImage(ratio);
        for (const QImage& image : {IconResource(ICON_PROGRAM, ratio), IconResource(DieFaceIconId(6), ratio), cursor}) {
            EXPECT_EQ(image.size(), QSize(side, side));
            EXPECT_EQ(image.devicePixelRatio(), ratio);
        }
        EXPECT_GT(cursor.pixelColor(UndoCursorHotSpot() * ratio).alpha(), 0);
        EXPECT_EQ(UndoCursor(ratio).pixmap().deviceIndependentSize(), QSizeF(ICON_SIZE, ICON_SIZE));
    }
}

}  // namespace
