#include <QColor>
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "controller/live_board.h"
#include "dice/mevra32.h"
#include "display/board_canvas_fixture.h"
#include "display/board_display.h"
#include "display/board_points.h"
#include "display/tray.h"
#include "game/game.h"

namespace {
const QColor kComputer(255, 128, 0);

// A virtual clock that looks at the canvas at every pause, that is after
// every step of an animation.
class FrameClock : public VirtualClock {
public:
    explicit FrameClock(std::function<void(int)> onPause) : onPause_(std::move(onPause)) {}
    void Sleep(int ms) override {
        VirtualClock::Sleep(ms);
        onPause_(ms);
    }

private:
    std::function<void(int)> onPause_;
};

QRect ColourBox(const QImage& image, const QColor& colour) {
    const QRgb wanted = colour.rgb();
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == wanted) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

class CheckerTravelTest : public BoardCanvasTest {
protected:
    // The box of the computer's colour on the canvas at every pause, and
    // the pause's length.
    void RecordComputerCheckers() {
        frames.clear();
        pauses.clear();
        recording = std::make_unique<FrameClock>([this](int ms) {
            frames.push_back(ColourBox(Image(), kComputer));
            pauses.push_back(ms);
        });
        SetClock(recording.get());
    }

    void Move(int side, int from, int to) {
        game().position.sideToMove = side;
        PlayChecker(session(), from, to);
    }

    std::unique_ptr<FrameClock> recording;
    std::vector<QRect> frames;
    std::vector<int> pauses;
};

TEST_F(CheckerTravelTest, ThirteenToTwelveRisesWithoutAHorizontalStep) {
    SetUpBoard({{13, -1}, {LOC_COMPUTER_OFF, -14}, {LOC_HUMAN_OFF, 15}});
    RecordComputerCheckers();
    Move(SIDE_COMPUTER, 13, 12);
    ASSERT_GT(frames.size(), 5u);
    for (const QRect& frame : frames) EXPECT_EQ(frame.left(), geometry().CheckerLeft(13));
    EXPECT_EQ(game().position[12].count, 1);
    EXPECT_EQ(At(CheckerCentre(12, 1).x(), CheckerCentre(12, 1).y()), kComputer);
}

TEST_F(CheckerTravelTest, BearingOffFromThePointsNextToTheTraysEndsInTheirCounts) {
    const struct {
        int side, from, past, tray;
    } cases[] = {{SIDE_COMPUTER, 1, 0, LOC_COMPUTER_OFF}, {SIDE_HUMAN, 24, 25, LOC_HUMAN_OFF}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.from);
        SetUpBoard({{1, -1}, {LOC_COMPUTER_OFF, -14}, {24, 1}, {LOC_HUMAN_OFF, 14}});
        const QColor point = At(CheckerCentre(c.from, 2).x(), CheckerCentre(c.from, 2).y());
        Move(c.side, c.from, c.past);
        EXPECT_EQ(game().position[c.tray].count, 15);
        EXPECT_EQ(static_cast<DrawnTray*>(display().DrawnAt(c.tray))->CountText(), "15");
        EXPECT_EQ(game().position[c.from].count, 0);
        EXPECT_EQ(At(CheckerCentre(c.from, 1).x(), CheckerCentre(c.from, 1).y()), point);
    }
}

// Every step of a travel, read from the travelling sprite at each pause:
// leaving its point, crossing to the target's column, approaching its stack.
TEST_F(CheckerTravelTest, EachStepMovesOneUnitUntilItsBound) {
    struct Step {
        int x, y;
    };
    const Step down8[] = {{0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}};
    const Step up8[] = {{0, -1}, {0, -1}, {0, -1}, {0, -1}, {0, -1}, {0, -1}, {0, -1}, {0, -1}};
    const struct {
        const char* what;
        std::initializer_list<std::pair<int, int>> board;
        int side, from, to;
        std::vector<Step> steps;  // in units, after the leaving steps
        const Step* leave;
        Step end;  // the last place, in pixels
    } cases[] = {
        // Out of point 1, left along the gap to point 4's column, up towards its empty stack.
        {"1 to 4",
         {{1, 1}, {LOC_HUMAN_OFF, 14}, {LOC_COMPUTER_OFF, -15}},
         SIDE_HUMAN,
         1,
         4,
         {{-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {-1, 0}, {0, -1}, {0, -1}, {0, -1}, {0, -1}, {0, -1}, {0, -1}},
         down8,
         {429, 88}},
        // Point 12's column holds 9 already: one step up and the checker lands.
        {"13 to 12 onto nine",
         {{13, -1}, {12, -9}, {LOC_COMPUTER_OFF, -5}, {LOC_HUMAN_OFF, 15}},
         SIDE_COMPUTER,
         13,
         12,
         {{0, -1}},
         up8,
         {11, 219}},
        // Out of point 3 and right to the tray's column; no approach at a tray.
        {"3 off",
         {{3, -1}, {LOC_COMPUTER_OFF, -14}, {LOC_HUMAN_OFF, 15}},
         SIDE_COMPUTER,
         3,
         LOC_COMPUTER_OFF,
         {{1, 0}, {1, 0}, {1, 0}},
         down8,
         {539, 220}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SetUpBoard(c.board);
        const CheckerSprite* s = static_cast<DrawnTopPoint*>(display().DrawnAt(c.from))->TopSprite();
        ASSERT_NE(s, nullptr);
        std::vector<QPoint> places{{s->X(), s->Y()}};
        FrameClock watch([&](int) { places.emplace_back(s->X(), s->Y()); });
        SetClock(&watch);
        Move(c.side, c.from, c.to);
        SetClock(&clock);

        std::vector<Step> expected(c.leave, c.leave + 8);
        expected.insert(expected.end(), c.steps.begin(), c.steps.end());
        ASSERT_EQ(places.size(), expected.size() + 1);
        const int u = geometry().Unit();
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_EQ(places[i + 1] - places[i], QPoint(expected[i].x * u, expected[i].y * u)) << i;
        EXPECT_EQ(places.back(), QPoint(c.end.x, c.end.y));
    }
}

// The blot on point 12 stands left of the band, so its shake must step
// right and often retries.
TEST_F(CheckerTravelTest, AHitSendsTheBlotShakingToItsBarAndCountsIt) {
    game().options.moveDelay = 5;
    for (int seed : {1, 2, 3, 4, 5, 6}) {
        SCOPED_TRACE(seed);
        SetSeed(seed);
        SetUpBoard({{12, -1}, {10, 1}, {LOC_COMPUTER_OFF, -14}, {LOC_HUMAN_OFF, 14}});
        RecordComputerCheckers();
        Move(SIDE_HUMAN, 10, 12);

        EXPECT_EQ(game().counters.hitsMade[SIDE_HUMAN], 1);
        EXPECT_EQ(game().position[LOC_COMPUTER_BAR].count, 1);
        EXPECT_EQ(game().position[12].owner, SIDE_HUMAN);
        EXPECT_EQ(At(CheckerCentre(LOC_COMPUTER_BAR, 1).x(), CheckerCentre(LOC_COMPUTER_BAR, 1).y()), kComputer);
        // The blot rests until the first shake's pause; that pause still
        // shows it at rest.
        std::size_t first = 0;
        while (first < pauses.size() && pauses[first] != 2 * game().options.moveDelay) ++first;
        EXPECT_EQ(std::count(pauses.begin(), pauses.end(), 2 * game().options.moveDelay), 5);
        ASSERT_GT(frames.size(), first + 5);
        for (std::size_t i = first + 1; i < frames.size(); ++i) {
            EXPECT_GE(frames[i].left(), geometry().Unit()) << i;
            EXPECT_LE(frames[i].left(), geometry().ClientWidth() - geometry().Unit()) << i;
        }
    }
}

// Moves from the starting position, with hits and moves taken back.
const struct {
    int side, from, to, undoing;
} kPlayAndTakeBack[] = {
    {SIDE_HUMAN, 1, 4, 0},     {SIDE_COMPUTER, 6, 4, 0},  {SIDE_HUMAN, 0, 4, 0},    {SIDE_COMPUTER, 25, 20, 0},
    {SIDE_COMPUTER, 13, 1, 0}, {SIDE_COMPUTER, 8, 6, 0},  {SIDE_COMPUTER, 8, 6, 0}, {SIDE_COMPUTER, 13, 6, 0},
    {SIDE_COMPUTER, 13, 6, 0}, {SIDE_COMPUTER, 24, 6, 0}, {SIDE_HUMAN, 0, 3, 0},    {SIDE_HUMAN, 19, 25, 0},
    {SIDE_HUMAN, 27, 19, 1},   {SIDE_COMPUTER, 6, 13, 0}, {SIDE_HUMAN, 3, 0, 1},    {SIDE_COMPUTER, 1, 26, 0},
    {SIDE_HUMAN, 12, 20, 0},   {SIDE_COMPUTER, 6, 8, 0},  {SIDE_HUMAN, 17, 1, 1},   {SIDE_COMPUTER, 6, 5, 0},
};

// Plays kPlayAndTakeBack from a fresh board on a canvas of this ratio, then
// expects the canvas to be that position's board drawn afresh.
void ExpectPlayLeavesAFreshBoard(Session& session, Canvas& canvas, qreal ratio) {
    DestroyBoard(session);
    canvas.SetRatio(ratio);
    canvas.Clear();
    BuildBoard(session, true);
    for (const auto& m : kPlayAndTakeBack) {
        session.game.position.sideToMove = m.side;
        PlayChecker(session, m.from, m.to, m.undoing != 0);
    }
    const QImage played = canvas.Image().copy();

    SavePosition(session);
    DestroyBoard(session);
    canvas.Clear();
    BuildBoard(session, false);
    EXPECT_EQ(canvas.Image(), played);
}

// The strongest check of the sprites: whatever was moved, hit and moved back,
// the canvas is the board drawn afresh from the same position.
TEST_F(CheckerTravelTest, AfterMovesHitsAndMovesBackTheCanvasIsAFreshBoard) {
    for (int clockwise : {0, 1}) {
        SCOPED_TRACE(clockwise);
        game().options.clockWise = clockwise;
        wnd->SetClockwise(clockwise == 1);
        ExpectPlayLeavesAFreshBoard(session(), wnd->GetCanvas(), 1);
    }
}

// On a scaled screen the saved squares are device pixels, whole ones even
// where a logical pixel covers one and a half: still no trace is left.
TEST_F(CheckerTravelTest, AtOtherDeviceRatiosTooNoCheckerLeavesATrace) {
    for (qreal ratio : {2.0, 1.5, 1.25}) {
        SCOPED_TRACE(ratio);
        ExpectPlayLeavesAFreshBoard(session(), wnd->GetCanvas(), ratio);
        EXPECT_EQ(Image().size(), QSize(static_cast<int>(std::ceil(geometry().ClientWidth() * ratio)),
                                        static_cast<int>(std::ceil(geometry().ClientHeight() * ratio))));
        EXPECT_EQ(Image().devicePixelRatio(), ratio);
    }
}
}  // namespace
