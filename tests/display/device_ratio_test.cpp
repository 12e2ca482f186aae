#include <QCoreApplication>
#include <QEvent>

#include "display/board_canvas_fixture.h"
#include "display/board_display.h"

namespace {
// Whether the pixels within `radius` of (x, y) all have one colour.
bool Uniform(const QImage& image, int x, int y, int radius) {
    const QRgb c = image.pixel(x, y);
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (!image.valid(x + dx, y + dy) || image.pixel(x + dx, y + dy) != c) return false;
    return true;
}

// Every area of one colour at ratio 1 has that colour at the other ratios,
// and the edges between areas are drawn in device pixels: at ratio 2 many
// aligned 2 x 2 squares hold two colours, as no board blown up from ratio 1
// would.
TEST_F(BoardCanvasTest, ScaledBoardsKeepTheColoursAndAreDrawnInDevicePixels) {
    Canvas& canvas = wnd->GetCanvas();
    const QImage logical = Image().copy();
    for (qreal ratio : {1.25, 1.5, 2.0}) {
        SCOPED_TRACE(ratio);
        canvas.SetRatio(ratio);
        display().Paint();
        int mismatches = 0;
        for (int y = 0; y < geometry().ClientHeight(); y += 3)
            for (int x = 0; x < geometry().ClientWidth(); x += 3)
                if (Uniform(logical, x, y, 2) &&
                    Image().pixel(canvas.DeviceRect({x, y, x + 1, y + 1}).topLeft()) != logical.pixel(x, y))
                    ++mismatches;
        EXPECT_EQ(mismatches, 0);
    }
    int split = 0;
    for (int y = 0; y + 1 < Image().height(); y += 2)
        for (int x = 0; x + 1 < Image().width(); x += 2) {
            const QRgb c = Image().pixel(x, y);
            split += Image().pixel(x + 1, y) != c || Image().pixel(x, y + 1) != c || Image().pixel(x + 1, y + 1) != c;
        }
    EXPECT_GT(split, 1000);
}

TEST_F(BoardCanvasTest, MovingToAScreenOfAnotherRatioDrawsTheBoardAfresh) {
    Canvas& canvas = wnd->GetCanvas();
    canvas.SetRatio(2);
    display().Paint();
    QEvent moved(QEvent::ScreenChangeInternal);
    QCoreApplication::sendEvent(wnd->centralWidget(), &moved);
    QCoreApplication::processEvents();
    EXPECT_EQ(canvas.Ratio(), wnd->centralWidget()->devicePixelRatioF());
    const QImage followed = Image().copy();
    EXPECT_EQ(followed.size(), QSize(geometry().ClientWidth(), geometry().ClientHeight()));
    display().Paint();
    EXPECT_EQ(Image(), followed);
}
}  // namespace
