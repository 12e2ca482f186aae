#include "shell/board_size.h"

#include <QAction>
#include <QMenu>
#include <cmath>
#include <utility>

#include "display/geometry.h"
#include "game/game.h"
#include "platform/profile.h"
#include "resources/command_ids.h"
#include "resources/strings.h"
#include "shell/command_handlers.h"
#include "shell/game_wnd_fixture.h"
#include "shell/menu_bar.h"
#include "temp_dir.h"

namespace {
TEST(BoardSize, ASizeIsOfferedOnlyWhenTheWholeWindowFitsTheWorkArea) {
    const QSize window(800, 560);
    const QSize frame(2, 22);
    const struct {
        int percent, inEffect;
        QSize available;
        bool fits;
    } cases[] = {
        {150, 100, {2560, 1400}, true}, {200, 100, {2560, 1400}, true}, {200, 100, {1920, 1040}, false},
        {150, 100, {1920, 1040}, true}, {125, 100, {1366, 728}, true},  {150, 100, {1366, 728}, false},
        {125, 100, {1024, 720}, false}, {100, 100, {1024, 720}, true},  {100, 200, {1280, 700}, true},
        {150, 200, {1280, 700}, true},  {200, 150, {1706, 933}, true},  {200, 125, {1000, 1000}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BoardSizeFits(c.percent, c.inEffect, window, frame, c.available), c.fits)
            << c.percent << "% from " << c.inEffect << "% on " << c.available.width() << "x" << c.available.height();
}

// What the desktop asks for stays, and the board size multiplies it.
TEST(BoardSize, TheStartScaleMultipliesTheDesktops) {
    const struct {
        const char* desktop;
        int percent;
        double factor;
    } cases[] = {
        {nullptr, 125, 1.25}, {nullptr, 200, 2.0}, {"2", 150, 3.0},   {"1.5", 125, 1.875},
        {"abc", 150, 1.5},    {"0", 200, 2.0},     {"-1", 125, 1.25},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ScaleFactorFor(c.desktop, c.percent), c.factor) << (c.desktop ? c.desktop : "none");
}

// The window as the screen shows it: scaled down to fit only from above
// scale 1 and never below it, where the size rule fits it in whole pixels.
TEST(BoardSize, AWindowTooLargeForTheScreenStartsAtTheLargestScaleThatFitsButNotBelowOne) {
    const struct {
        QSize screen;
        double scale;
        QSize window;
    } cases[] = {
        {{800, 600}, 1.0, {775, 542}},    {{640, 480}, 1.0, {630, 453}},   {{1920, 1080}, 1.0, {800, 560}},
        {{1280, 1024}, 2.0, {1264, 885}}, {{1366, 768}, 1.5, {1029, 720}}, {{1024, 768}, 1.25, {1000, 700}},
        {{800, 600}, 1.25, {775, 542}},   {{640, 480}, 2.0, {630, 453}},   {{2560, 1440}, 2.0, {1600, 1120}},
    };
    for (const auto& c : cases) {
        const double fit = FittingScale(c.scale, {800, 560}, {16, 48}, c.screen);
        const WindowSize size = WindowSizeFor(static_cast<int>(c.screen.width() / fit));
        EXPECT_EQ(
            QSize(static_cast<int>(std::lround(size.width * fit)), static_cast<int>(std::lround(size.height * fit))),
            c.window)
            << c.screen.width() << "x" << c.screen.height() << " at " << c.scale;
    }
}

class BoardSizeTest : public GameWndTest {
protected:
    void SetUp() override {
        oldProfile_ = std::exchange(g_profile, Profile(dir_.File(INI_FILE_NAME)));
        GameWndTest::SetUp();
    }
    void TearDown() override {
        GameWndTest::TearDown();
        g_profile = oldProfile_;
    }

    // The enabled and the marked items of the Board size menu as it opens.
    std::pair<std::vector<int>, std::vector<int>> Offered() {
        auto* sizes = qobject_cast<QMenu*>(ActionOf(*wnd, ID_BOARD_SIZE_100)->parent());
        emit sizes->aboutToShow();
        std::pair<std::vector<int>, std::vector<int>> items;
        for (int id : {ID_BOARD_SIZE_100, ID_BOARD_SIZE_125, ID_BOARD_SIZE_150, ID_BOARD_SIZE_200}) {
            if (ActionOf(*wnd, id)->isEnabled()) items.first.push_back(BoardSizeOf(id));
            if (ActionOf(*wnd, id)->isChecked()) items.second.push_back(BoardSizeOf(id));
        }
        emit sizes->aboutToHide();
        return items;
    }

private:
    TempDir dir_{"board-size"};
    Profile oldProfile_{""};
};

// The offscreen screen is 800 x 600: only the window as it is fits.
TEST_F(BoardSizeTest, TheChoiceIsKeptForTheNextStartAndSizesTooLargeAreGreyed) {
    game().options.zoom = 100;
    EXPECT_EQ(Offered(), (std::pair<std::vector<int>, std::vector<int>>{{100}, {100}}));
    HandlerOf(ID_BOARD_SIZE_150, *wnd)();
    EXPECT_EQ(game().options.zoom, 150);
    EXPECT_EQ(GetProfileInt(OPTIONS_SECTION, "Zoom", 0), 150);
    EXPECT_EQ(wnd->PaneText(2), ResString(IDS_BOARD_SIZE_CHOSEN));
    EXPECT_EQ(Offered().second, std::vector<int>{150});
    wnd->RunCommand(ID_BOARD_SIZE_200);
    EXPECT_EQ(game().options.zoom, 150) << "a greyed size is dropped";
    wnd->RunCommand(ID_BOARD_SIZE_100);
    EXPECT_EQ(GetProfileInt(OPTIONS_SECTION, "Zoom", 0), 100);
    EXPECT_EQ(wnd->PaneText(2), "") << "back to the size in effect";
}
}  // namespace
