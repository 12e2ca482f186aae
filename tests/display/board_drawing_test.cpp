#include <QLabel>
#include <string>

#include "controller/highlight.h"
#include "controller/live_board.h"
#include "display/board_canvas_fixture.h"
#include "display/board_display.h"
#include "display/board_points.h"
#include "game/game.h"

namespace {
const QColor kBackground(0, 192, 192);
const QColor kGrey(192, 192, 192);
const QColor kOlive(128, 128, 0);
const QColor kComputer(255, 128, 0);
const QColor kHuman(255, 255, 255);
const QColor kShadow(64, 64, 64);

TEST_F(BoardCanvasTest, StartingPositionInSchemeA) {
    const int u = geometry().Unit();
    const int yb = geometry().BaseLine();
    const QPoint six = CheckerCentre(6, 1);
    const struct {
        const char* what;
        QPoint at;
        QColor colour;
    } probes[] = {
        {"background", {5, 5}, kBackground},
        {"between the rows", {geometry().GeometryOf(3).originX + u, 11 * u}, kBackground},
        {"odd top point", {geometry().GeometryOf(3).originX + u, 4 * u}, kGrey},
        {"even top point", {geometry().GeometryOf(2).originX + u, 4 * u}, kOlive},
        {"odd bottom point", {geometry().GeometryOf(15).originX + u, yb - 2 * u}, kGrey},
        {"even bottom point", {geometry().GeometryOf(14).originX + u, yb - 2 * u}, kOlive},
        {"computer checker on 6", six, kComputer},
        {"computer checker on 24", CheckerCentre(24, 2), kComputer},
        {"human checker on 1", CheckerCentre(1, 2), kHuman},
        {"human checker on 19", CheckerCentre(19, 5), kHuman},
        {"shadow right of a checker", {six.x() + u / 2 + 1, six.y()}, kShadow},
        {"bar strip, upper part", {geometry().GeometryOf(LOC_HUMAN_BAR).originX + u, 5 * u}, kGrey},
        {"bar strip, lower part", {geometry().GeometryOf(LOC_COMPUTER_BAR).originX + u, yb - 3 * u}, kGrey},
    };
    for (const auto& probe : probes) EXPECT_EQ(At(probe.at.x(), probe.at.y()), probe.colour) << probe.what;

    EXPECT_EQ(At(geometry().GeometryOf(LOC_HUMAN_BAR).rect.left, 5 * u), QColor(Qt::white)) << "bar's left edge";
    EXPECT_EQ(At(geometry().GeometryOf(LOC_HUMAN_BAR).rect.right, 5 * u), QColor(Qt::black)) << "bar's right edge";
    const Point a = geometry().LetterPosition(1);
    EXPECT_FALSE(Ink(Image(), QRect(a.x, a.y, u, u)).isEmpty()) << "letter A";
}

// The edges are drawn as lines that stop short of their end point: where a
// black edge ends, the white one drawn before it still shows.
TEST_F(BoardCanvasTest, EdgesOfTrianglesAndTheBarStrip) {
    SetUpBoard({});
    const int u = geometry().Unit();
    // Points beside the bar gap, so no neighbour draws over their corners.
    const int top = geometry().GeometryOf(6).originX;
    const int bottom = geometry().GeometryOf(18).originX;
    const int yb = geometry().BaseLine();
    const Rect bar = geometry().GeometryOf(LOC_HUMAN_BAR).rect;
    const QColor white(Qt::white);
    const QColor black(Qt::black);
    const struct {
        const char* what;
        int x, y;
        QColor colour;
    } probes[] = {
        {"top point, left base corner", top, 2 * u, white},
        {"top point, right base corner", top + 2 * u, 2 * u, black},
        {"top point, apex", top + u, 10 * u, white},
        {"top point, below the apex", top + u, 10 * u + 1, kBackground},
        {"bottom point, apex", bottom + u, yb - 8 * u, black},
        {"bottom point, right base corner", bottom + 2 * u, yb, black},
        {"bottom point, left base corner", bottom, yb, white},
        {"bar, bottom left corner", bar.left, bar.bottom, white},
        {"bar, bottom edge", bar.left + 1, bar.bottom, black},
        {"bar, top right corner", bar.right, bar.top, white},
        {"bar, right of the top edge", bar.right + 1, bar.top, kBackground},
        {"bar, right edge", bar.right, bar.top + 1, black},
        {"bar, bottom right corner", bar.right, bar.bottom, black},
    };
    for (const auto& probe : probes) EXPECT_EQ(At(probe.x, probe.y), probe.colour) << probe.what;
}

// Where the stack count's text box starts, from the ink it left and the ink
// the same text leaves at a known place.
QPoint TextOrigin(const QImage& board, const QRect& square, const std::string& text) {
    Canvas scratch(nullptr, 40, 30);
    scratch.SetFont(BoardFont());
    scratch.SetBackground(MakeColorRef(255, 255, 255));
    scratch.Clear();
    scratch.TextOut(0, 0, text);
    const QRect reference = Ink(scratch.Image(), QRect(0, 0, 40, 30));
    const QRect found = Ink(board, square);
    return found.topLeft() - reference.topLeft();
}

// On the bar, where no triangle edge crosses the checkers.
TEST_F(BoardCanvasTest, StacksFromEightShowTheirSizeOnTheSeventhPlace) {
    const int bar = LOC_HUMAN_BAR;
    const int x = geometry().CheckerLeft(bar);
    const int y = geometry().CheckerTop(bar, 7);
    const int shadow = geometry().ShadowOffset();
    const QRect seventh(x, y, geometry().SpriteSize(), geometry().SpriteSize());
    const struct {
        int count;
        int textX;  // -1: no text
    } cases[] = {{7, -1}, {8, x + 2 * shadow - 1}, {12, x + 2 * shadow - 1 - 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        SetUpBoard({{bar, c.count}});
        for (int n = 1; n <= 6; ++n) EXPECT_EQ(At(CheckerCentre(bar, n).x(), CheckerCentre(bar, n).y()), kHuman);
        if (c.textX < 0) {
            EXPECT_TRUE(Ink(Image(), seventh).isEmpty());
            EXPECT_EQ(At(CheckerCentre(bar, 7).x(), CheckerCentre(bar, 7).y()), kHuman);
        } else {
            EXPECT_EQ(TextOrigin(Image(), seventh, std::to_string(c.count)), QPoint(c.textX, y + shadow));
        }
    }
}

// The count stands at the top of the tray, on the side of the board's edge.
TEST_F(BoardCanvasTest, TrayCountsAreWrittenFromTheTopTowardsTheBoardsEdge) {
    for (int clockwise : {0, 1}) {
        SCOPED_TRACE(clockwise);
        game().options.clockWise = clockwise;
        wnd->SetClockwise(clockwise == 1);
        SetUpBoard({{LOC_COMPUTER_OFF, -12}, {LOC_HUMAN_OFF, 12}});
        for (int tray : {LOC_COMPUTER_OFF, LOC_HUMAN_OFF}) {
            const Rect r = geometry().GeometryOf(tray).rect;
            const QRect box(r.left, r.top, r.Width(), r.Height());
            QLabel* label = nullptr;
            for (QLabel* child : wnd->findChildren<QLabel*>())
                if (child->text() == QStringLiteral("12") && child->geometry() == box) label = child;
            ASSERT_NE(label, nullptr) << tray;
            const QImage drawn = label->grab().toImage();
            const int x = clockwise == 1 ? 0 : r.Width() - wnd->GetCanvas().TextWidth("12");
            EXPECT_EQ(TextOrigin(drawn, drawn.rect(), "12"), QPoint(x, 0)) << tray;
        }
    }
}

TEST_F(BoardCanvasTest, RemovingTheTopOfNineShowsEightAgain) {
    SetUpBoard({{20, -8}});
    const QImage eight = Image();
    display().DrawnAt(20)->AddChecker();
    EXPECT_NE(Image(), eight);
    display().DrawnAt(20)->RemoveChecker();
    EXPECT_EQ(Image(), eight);
}

TEST_F(BoardCanvasTest, AFullRedrawDrawsTheSameBoard) {
    const QImage built = Image();
    wnd->GetCanvas().FillRect({0, 0, 400, 300}, 0);
    display().Paint();
    EXPECT_EQ(Image(), built);
}
TEST_F(BoardCanvasTest, AHighlightedLetterTurnsYellowAndBack) {
    const QImage plain = Image();
    const Point c = geometry().LetterPosition(3);
    const int u = geometry().Unit();
    const QRect box(c.x, c.y, u, u);
    ShowTargets(session(), 3, 1);
    bool yellow = false;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) yellow = yellow || At(x, y) == QColor(255, 255, 0);
    EXPECT_TRUE(yellow);
    ShowTargets(session(), 3, 0);
    EXPECT_EQ(Image(), plain);
}
}  // namespace
